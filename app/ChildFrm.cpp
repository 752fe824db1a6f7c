#include "app/ChildFrm.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <algorithm>

#include "app/TarnovelDoc.h"
#include "report/TarnovelView.h"
#include "resources/Imagenes.h"

CChildFrame::CChildFrame(CTarnovelDoc& doc, QWidget* parent)
    : QMdiSubWindow(parent), m_documento(doc), m_pVista(new CTarnovelView(doc.m_sistema, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_pVista);
    setWindowIcon(CImagenes::DocumentIcon());
    CTarnovelView* vista = m_pVista;
    CTarnovelDoc* documento = &doc;
    connect(vista, &QObject::destroyed, documento,
            [documento, vista] { documento->RemoveView(vista); });
    doc.AddView(vista);
    connect(&doc, &CTarnovelDoc::TitleChanged, this, &CChildFrame::UpdateTitle);
    connect(&doc, &CTarnovelDoc::ViewsChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
}

CChildFrame::~CChildFrame() {
    // The view goes after this part of the frame; the document's signals about
    // it must not reach a frame that is half destroyed.
    disconnect(&m_documento, nullptr, this, nullptr);
}

void CChildFrame::ActivateFrame() {
    showMaximized();
    if (mdiArea() != nullptr) {
        mdiArea()->setActiveSubWindow(this);
    }
}

void CChildFrame::CloseWithoutAsking() {
    m_bSinPreguntar = true;
    close();
}

void CChildFrame::UpdateTitle() {
    const auto& vistas = m_documento.GetViews();
    QString titulo = m_documento.GetTitle();
    if (vistas.size() > 1) {
        const auto it = std::find(vistas.begin(), vistas.end(), m_pVista);
        titulo += QStringLiteral(":%1").arg(it - vistas.begin() + 1);
    }
    // No "[*]" mark: Qt copies it unreplaced into the main window's title while
    // the window is maximised, and the program never showed one.
    setWindowTitle(titulo);
}

bool CChildFrame::IsLastOpenWindow() const {
    // A closed window keeps its view in the document until it is destroyed,
    // later: two windows closed before then must not each count on the other.
    return std::none_of(m_documento.GetViews().begin(), m_documento.GetViews().end(),
                        [this](CTarnovelView* vista) {
                            const auto* marco = qobject_cast<CChildFrame*>(vista->parentWidget());
                            return marco != nullptr && marco != this && !marco->m_bCerrada;
                        });
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (IsLastOpenWindow() && !m_bSinPreguntar && !m_documento.SaveModified()) {
        m_bSinPreguntar = false;
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    m_bCerrada = event->isAccepted();
}
