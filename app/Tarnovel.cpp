#include "app/Tarnovel.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QSessionManager>
#include <csignal>

#include "app/AboutDlg.h"
#include "app/ChildFrm.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/TarnovelDoc.h"
#include "platform/File.h"
#include "report/TarnovelView.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {

QString Cadena(int id) {
    return QString::fromStdString(CStringTable::Load(id));
}

// The document name of the document strings ("Tarnovel"), before the running
// number of new documents.
QString DocumentName() {
    return Cadena(res::IDS_DOCUMENT).section(QLatin1Char('\n'), 1, 1);
}

}  // namespace

CTarnovelApp::CTarnovelApp()
    : m_pImpresora(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_pRecientes(std::make_unique<CRecentFileList>()) {}

CTarnovelApp::~CTarnovelApp() {
    // The windows go first: their views draw from the documents.
    m_pMainFrame.reset();
    m_documentos.clear();
}

bool CTarnovelApp::InitInstance(const QStringList& arguments) {
    // The command line is read but nothing on it is acted upon.
    (void)arguments;
    // Past the user's file-size limit (ulimit -f) a write then fails and the
    // save says so, instead of the signal ending the program and every
    // unsaved document with it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The title of the message boxes. Not the display name, which Qt would
    // append to every window's title.
    QApplication::setApplicationName(Cadena(res::IDS_APP_TITLE));
    m_pRecientes->ReadList();
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    m_pMainFrame->UpdateRecentFiles();
    // Where no window manager maximises windows, the frame still covers the screen.
    // The primary one: the frame, not yet placed, would take the monitor at
    // the desktop's corner.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        m_pMainFrame->setGeometry(pantalla->availableGeometry());
    }
    m_pMainFrame->showMaximized();
    // Without this, a log-out would end the program with its documents unsaved:
    // the session manager waits for the answers only while it asks.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CTarnovelApp::OnCommitDataRequest,
            Qt::DirectConnection);
    qApp->installEventFilter(this);
    return true;
}

CTarnovelDoc& CTarnovelApp::AddDocument(std::unique_ptr<CTarnovelDoc> doc) {
    CTarnovelDoc& ref = *doc;
    m_documentos.push_back(std::move(doc));
    connect(&ref, &CTarnovelDoc::PathUsed, this, [this](const QString& path) {
        m_pRecientes->Add(path);
        m_pRecientes->WriteList();
        m_pMainFrame->UpdateRecentFiles();
    });
    ref.SetFileInUse(
        [this, &ref](const QString& path) { return FindDocument(path, &ref) != nullptr; });
    connect(&ref, &CTarnovelDoc::ViewsChanged, this, [this, &ref] {
        if (ref.GetViews().empty()) {
            // Later, once the closing window has finished with the document.
            QMetaObject::invokeMethod(
                this, [this, doc = &ref] { RemoveDocument(doc); }, Qt::QueuedConnection);
        }
    });
    return ref;
}

void CTarnovelApp::RemoveDocument(CTarnovelDoc* doc) {
    const auto it = std::find_if(m_documentos.begin(), m_documentos.end(),
                                 [doc](const auto& d) { return d.get() == doc; });
    if (it != m_documentos.end() && (*it)->GetViews().empty()) {
        m_documentos.erase(it);
    }
    if (m_pMainFrame) {
        m_pMainFrame->UpdateCommands();
    }
}

void CTarnovelApp::CreateFrame(CTarnovelDoc& doc) {
    auto* marco = new CChildFrame(doc);
    m_pMainFrame->AddFrame(marco);
    marco->GetView()->OnInitialUpdate();
}

void CTarnovelApp::OnFileNew() {
    auto doc = std::make_unique<CTarnovelDoc>();
    // The numbers dialog comes before the document's window.
    if (!doc->OnNewDocument()) {
        return;
    }
    doc->SetTitle(DocumentName() + QString::number(++m_nSinTitulo));
    CreateFrame(AddDocument(std::move(doc)));
}

void CTarnovelApp::OnFileOpen() {
    const QString ruta = DoPromptFileName(QString(), true);
    if (!ruta.isEmpty()) {
        OpenDocumentFile(ruta);
    }
}

CTarnovelDoc* CTarnovelApp::OpenDocumentFile(const QString& path) {
    const QString absoluta = QFileInfo(path).absoluteFilePath();
    if (CTarnovelDoc* abierto = FindDocument(absoluta)) {
        if (auto* marco = qobject_cast<CChildFrame*>(abierto->GetViews().front()->parentWidget())) {
            marco->ActivateFrame();
        }
        return abierto;
    }
    auto doc = std::make_unique<CTarnovelDoc>();
    if (!doc->OnOpenDocument(absoluta)) {
        return nullptr;
    }
    CTarnovelDoc& ref = AddDocument(std::move(doc));
    m_pRecientes->Add(absoluta);
    m_pRecientes->WriteList();
    m_pMainFrame->UpdateRecentFiles();
    CreateFrame(ref);
    return &ref;
}

CTarnovelDoc* CTarnovelApp::FindDocument(const QString& path, const CTarnovelDoc* salvo) const {
    const QString absoluta = QFileInfo(path).absoluteFilePath();
    const std::string local = QFile::encodeName(absoluta).toStdString();
    for (const auto& doc : m_documentos) {
        if (doc.get() == salvo || doc->GetPathName().isEmpty() || doc->GetViews().empty()) {
            continue;
        }
        const QString suya = QFileInfo(doc->GetPathName()).absoluteFilePath();
        if (suya == absoluta || CFile::SameFile(QFile::encodeName(suya).toStdString(), local)) {
            return doc.get();
        }
    }
    return nullptr;
}

void CTarnovelApp::OnOpenRecentFile(int index) {
    const QStringList& entradas = m_pRecientes->Entries();
    if (index < 0 || index >= entradas.size()) {
        return;
    }
    if (OpenDocumentFile(entradas[index]) == nullptr) {
        m_pRecientes->Remove(index);
        m_pRecientes->WriteList();
        m_pMainFrame->UpdateRecentFiles();
    }
}

void CTarnovelApp::OnFilePrintSetup() {
    QPageSetupDialog dialogo(m_pImpresora.get(), m_pMainFrame.get());
    dialogo.exec();
}

void CTarnovelApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

bool CTarnovelApp::OnAppExit() {
    return m_pMainFrame->close();
}

bool CTarnovelApp::SaveAllModified() {
    for (const auto& doc : m_documentos) {
        if (!doc->SaveModified()) {
            return false;
        }
    }
    return true;
}

bool CTarnovelApp::QueryEndSession() {
    m_bFinDeSesion = SaveAllModified();
    return m_bFinDeSesion;
}

void CTarnovelApp::OnCommitDataRequest(QSessionManager& manager) {
    m_bFinDeSesion = false;
    const bool modificado = std::any_of(m_documentos.begin(), m_documentos.end(),
                                        [](const auto& doc) { return doc->IsModified(); });
    // Without the manager's leave no window may be shown: the documents then ask
    // when the program is ended.
    if (!modificado || !manager.allowsInteraction()) {
        return;
    }
    if (QueryEndSession()) {
        manager.release();
    } else {
        manager.cancel();
    }
}

bool CTarnovelApp::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            // Work goes on after a cancelled log-out: the answers no longer hold.
            if (event->spontaneous()) {
                m_bFinDeSesion = false;
            }
            break;
        case QEvent::Quit:
            // The session manager ends the program after the answers were given.
            if (watched == qApp && m_bFinDeSesion && m_pMainFrame) {
                m_pMainFrame->CloseWithoutAsking();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool CTarnovelApp::CloseDocument(CTarnovelDoc& doc) {
    if (!doc.SaveModified()) {
        return false;
    }
    for (CTarnovelView* vista : std::vector<CTarnovelView*>(doc.GetViews())) {
        if (auto* marco = qobject_cast<CChildFrame*>(vista->parentWidget())) {
            marco->CloseWithoutAsking();
        }
    }
    return true;
}

void CTarnovelApp::OnWindowNew(CTarnovelDoc& doc) {
    CreateFrame(doc);
}

QString CTarnovelApp::DoPromptFileName(const QString& initial, bool open) {
    QFileDialog dialogo(QApplication::activeWindow(),
                        Cadena(open ? res::AFX_IDS_OPENFILE : res::AFX_IDS_SAVEFILE));
    dialogo.setObjectName(QStringLiteral("dialogoArchivo"));
    // The same dialog on every desktop, in the program's language.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setNameFilter(Cadena(res::AFX_IDS_ALLFILTER));
    if (open) {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
    }
    if (!initial.isEmpty()) {
        dialogo.selectFile(initial);
    }
    // The filter shows the program's "*.*", a pattern that here would hide the
    // files without an extension, which is how this program saves them: the
    // list itself takes every name.
    if (auto* modelo = dialogo.findChild<QFileSystemModel*>()) {
        modelo->setNameFilters({QStringLiteral("*")});
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialogo.selectedFiles().front();
}
