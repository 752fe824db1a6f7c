#include "platform/Dialog.h"

#include <algorithm>
#include <limits>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "platform/SpinButtonCtrl.h"

CDialog::CDialog(const QString& caption, int widthDlu, int heightDlu, Estilo estilo,
                 QWidget* parent)
    : QDialog(parent), m_estilo(estilo) {
    setWindowTitle(caption);
    setModal(true);
    // The templates' font; where MS Sans Serif is missing, Arial's metrics come
    // closest to its widths, so the templates' texts still fit.
    QFont fuente;
    fuente.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Arial")});
    fuente.setPointSize(8);
    setFont(fuente);
    m_nPuntosPorPulgada = logicalDpiY();
    if (estilo == Estilo::Popup) {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    } else {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    }
    setFixedSize(CDialogUnits::ToPixels(widthDlu, heightDlu, m_nPuntosPorPulgada));
}

int CDialog::DoModal() {
    // A dialog without a parent belongs to the active window, which gets the
    // focus back when the dialog ends.
    // A dialog run again may itself still be the active window; it must not
    // become its own parent.
    QWidget* activa = QApplication::activeWindow();
    if (parentWidget() == nullptr && activa != nullptr && activa != this && !isAncestorOf(activa)) {
        setParent(activa, windowFlags());
    }
    PlaceOverOwner();
    FitStatics();
    OnInitDialog();
    const int resultado = exec();
    // The owner takes the keyboard back, also where no window manager gives it.
    if (QWidget* dueno = parentWidget()) {
        dueno->window()->activateWindow();
    }
    return resultado;
}

void CDialog::PlaceOverOwner() {
    // Qt centres a frameless dialog as if it stood on the primary monitor: on
    // a monitor of another scale factor its contents were drawn at the
    // primary's scale, cut or shrunk. Placed before it first shows, it takes
    // its owner's monitor. A dialog shown before keeps its place.
    QWidget* dueno = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (m_estilo != Estilo::Popup || dueno == nullptr || testAttribute(Qt::WA_Moved)) {
        return;
    }
    QRect zona(QPoint(0, 0), size());
    zona.moveCenter(dueno->geometry().center());
    const QScreen* pantalla = QGuiApplication::screenAt(zona.center());
    if (pantalla == nullptr) {
        pantalla = dueno->screen();
    }
    if (pantalla != nullptr) {
        const QRect disponible = pantalla->availableGeometry();
        zona.moveLeft(std::max(std::min(zona.left(), disponible.right() - zona.width() + 1),
                               disponible.left()));
        zona.moveTop(std::max(std::min(zona.top(), disponible.bottom() - zona.height() + 1),
                              disponible.top()));
    }
    move(zona.topLeft());
}

void CDialog::FitStatics() {
    // The substitute font runs a little wider than the templates' one: a
    // one-line text gets the room it needs instead of losing its last letters,
    // and a wrapped one a slightly smaller font until it fits its box.
    for (QLabel* etiqueta : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (etiqueta->text().isEmpty()) {
            continue;
        }
        if (etiqueta->wordWrap()) {
            FitText(etiqueta);
            continue;
        }
        const int ancho = etiqueta->fontMetrics().horizontalAdvance(etiqueta->text());
        if (ancho > etiqueta->width()) {
            etiqueta->resize(ancho, etiqueta->height());
        }
    }
}

void CDialog::FitText(QLabel* etiqueta) {
    const QRect caja(QPoint(0, 0), etiqueta->size());
    const int forma = Qt::AlignLeft | Qt::AlignTop | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0);
    QFont fuente = etiqueta->font();
    while (fuente.pointSizeF() > 6.0) {
        const QRect necesita = QFontMetrics(fuente).boundingRect(caja, forma, etiqueta->text());
        if (necesita.width() <= caja.width() && necesita.height() <= caja.height()) {
            break;
        }
        fuente.setPointSizeF(fuente.pointSizeF() - 0.5);
    }
    etiqueta->setFont(fuente);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

QWidget* CDialog::GetDlgItem(int id) const {
    return findChild<QWidget*>(ObjectNameFor(id), Qt::FindDirectChildrenOnly);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    CToolTips::Apply(*this, ToolTipStrings());
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::PlaceWidget(QWidget* control, int id, int x, int y, int width, int height) {
    control->setGeometry(CDialogUnits::ToPixels(x, y, width, height, m_nPuntosPorPulgada));
    CToolTips::SetControlId(*control, id);
    if (id != -1) {
        control->setObjectName(ObjectNameFor(id));
    }
}

QPushButton* CDialog::AddButton(int id, const QString& text, int x, int y, int width, int height,
                                bool isDefault) {
    auto* boton = Place(new QPushButton(text, this), id, x, y, width, height);
    boton->setDefault(isDefault);
    boton->setAutoDefault(true);
    if (id == IDOK) {
        connect(boton, &QPushButton::clicked, this, [this] { OnOK(); });
    } else if (id == IDCANCEL) {
        connect(boton, &QPushButton::clicked, this, [this] { OnCancel(); });
    }
    return boton;
}

QLineEdit* CDialog::AddEdit(int id, int x, int y, int width, int height) {
    auto* campo = Place(new QLineEdit(this), id, x, y, width, height);
    // No limit of its own: a longer text (a description or an equation read from
    // a file) would be cut short without a word and stored back shortened.
    campo->setMaxLength(std::numeric_limits<int>::max());
    campo->installEventFilter(this);
    return campo;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) != nullptr) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        // Control with Alt is how some layouts type a character: that one goes in.
        if (tecla->modifiers().testFlag(Qt::AltModifier) &&
            !tecla->modifiers().testFlag(Qt::ControlModifier) && !tecla->text().isEmpty()) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QLabel* CDialog::AddStatic(int id, const QString& text, int x, int y, int width, int height) {
    auto* etiqueta = Place(new QLabel(text, this), id, x, y, width, height);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiqueta;
}

QGroupBox* CDialog::AddGroupBox(int id, const QString& text, int x, int y, int width, int height) {
    auto* grupo = Place(new QGroupBox(text, this), id, x, y, width, height);
    grupo->lower();
    return grupo;
}

QCheckBox* CDialog::AddCheck(int id, const QString& text, int x, int y, int width, int height) {
    auto* casilla = Place(new QCheckBox(text, this), id, x, y, width, height);
    // The templates' font is narrower than its substitute: the box takes the
    // width its caption needs rather than losing its last letters.
    const int ancho = casilla->sizeHint().width();
    if (ancho > casilla->width()) {
        casilla->resize(ancho, casilla->height());
    }
    return casilla;
}

CSpinButtonCtrl* CDialog::AddSpin(int id, QLineEdit* buddy, int x, int y, int width, int height) {
    auto* spin = Place(new CSpinButtonCtrl(this), id, x, y, width, height);
    spin->SetBuddy(buddy);
    return spin;
}

void CDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWindow* ventana = windowHandle()) {
        connect(ventana, &QWindow::screenChanged, this, &CDialog::KeepFixedSize,
                Qt::UniqueConnection);
    }
}

void CDialog::KeepFixedSize() {
    // Dragged to a monitor of another scale factor, the window keeps its size
    // in device pixels, and so do the window manager's limits: the dialog was
    // cut, its buttons out of reach. Qt still holds the size right in its own
    // pixels, so the window itself is told it again.
    QWindow* ventana = windowHandle();
    if (ventana != nullptr && minimumSize() == maximumSize()) {
        ventana->resize(minimumSize());
    }
}

void CDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (m_estilo == Estilo::Popup) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
