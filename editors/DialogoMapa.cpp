#include "editors/DialogoMapa.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "editors/Mapa_k1.h"
#include "editors/Mapa_k2.h"
#include "editors/Mapa_k3.h"
#include "editors/Mapa_k4.h"
#include "editors/Mapa_k5.h"
#include "editors/Mapa_k6.h"
#include "platform/MessageBox.h"
#include "platform/PainterDC.h"
#include "platform/SpinButtonCtrl.h"

namespace {

// Boxes stand this many dialog units apart, so neighbours share their border.
constexpr int kPaso = 20;
constexpr int kLadoCaja = 21;
// The cell inside its box.
constexpr int kMargenCelda = 8;
constexpr int kLadoCelda = 11;

// The corner diagonal is a backslash in "Copperplate Gothic Light", 22 pixels
// high and 10 wide. Linux lacks that face; URW Gothic, as wide and as light,
// comes closest, and DejaVu Sans is on every machine.
QFont FuenteDiagonal() {
    QFont fuente = CPainterDC::ToQFont(CFont{"Copperplate Gothic Light", 22});
    fuente.setFamilies({QStringLiteral("Copperplate Gothic Light"), QStringLiteral("URW Gothic"),
                        QStringLiteral("DejaVu Sans")});
    const int ancho = QFontMetrics(fuente).averageCharWidth();
    if (ancho > 0) {
        fuente.setStretch(std::clamp(100 * 10 / ancho, 50, 200));
    }
    return fuente;
}

// A term's box: a white static with a border and its number in the corner.
// Boxes are opaque, so where two of them overlap only one border line shows.
void MakeBox(QLabel& caja) {
    caja.setFrameStyle(QFrame::Box | QFrame::Plain);
    caja.setLineWidth(1);
    caja.setMargin(0);
    caja.setAutoFillBackground(true);
    QPalette colores = caja.palette();
    colores.setColor(QPalette::Window, Qt::white);
    colores.setColor(QPalette::WindowText, Qt::black);
    caja.setPalette(colores);
}

bool IsCellValue(const std::string& celda) {
    return celda == "0" || celda == "X" || celda == "x";
}

}  // namespace

CDialogoMapa::CDialogoMapa(const Plantilla& p, QWidget* parent)
    : CDialog(QString::fromUtf8(p.titulo), 326, 225, Estilo::Marco, parent),
      m_disposicion(p.variables) {
    AddControls(p.terminoX);
    AddLabels(p);
    AddMap(p.origenX, p.origenY);
}

// The right-hand column, the same in every template.
void CDialogoMapa::AddControls(int terminoX) {
    AddButton(IDOK, QStringLiteral("OK"), 230, 15, 80, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 230, 32, 80, 14);
    AddStatic(IDC_STATIC_FUNCION, QStringLiteral("Función n° :"), 238, 63, 40, 8);
    m_pFuncion = AddEdit(IDC_FUNCION, 279, 60, 20, 12);
    m_pSpinFuncion = AddSpin(IDC_SPIN_FUNCION, m_pFuncion, 299, 60, 11, 12);
    auto* ver = AddButton(IDC_VER, QStringLiteral("Ver"), 230, 85, 80, 15);
    auto* aceptar = AddButton(IDC_ACEPTAR, QStringLiteral("Aceptar"), 230, 105, 80, 15);
    AddStatic(IDC_STATIC_TERMINO, QStringLiteral("Término n° :"), terminoX, 132, 38, 8);
    m_pTermino = AddEdit(IDC_TERMINO, 279, 130, 20, 12);
    m_pSpinTermino = AddSpin(IDC_SPIN_TERMINO, m_pTermino, 299, 130, 11, 12);
    auto* imprescindible =
        AddButton(IDC_IMPRESCINDIBLE, QStringLiteral("Imprescindible"), 230, 150, 80, 15);
    auto* prescindible =
        AddButton(IDC_PRESCINDIBLE, QStringLiteral("Prescindible (don't care)"), 230, 170, 80, 15);
    auto* eliminar = AddButton(IDC_ELIMINAR, QStringLiteral("Eliminar"), 230, 190, 80, 15);

    connect(ver, &QPushButton::clicked, this, [this] { OnVer(); });
    connect(aceptar, &QPushButton::clicked, this, [this] { OnAceptar(); });
    connect(imprescindible, &QPushButton::clicked, this, [this] { OnImprescindible(); });
    connect(prescindible, &QPushButton::clicked, this, [this] { OnPrescindible(); });
    connect(eliminar, &QPushButton::clicked, this, [this] { OnEliminar(); });
}

// The corner: the diagonal, the column variables above it, the row variables
// to its left.
void CDialogoMapa::AddLabels(const Plantilla& p) {
    const Rect& d = p.diagonal;
    m_pDiagonal = AddStatic(IDC_STATIC_DIAGONAL, QStringLiteral("\\"), d.x, d.y, d.ancho, d.alto);
    const Rect& c = p.columnas;
    AddStatic(IDC_STATIC_COLUMNAS, QString::fromUtf8(m_disposicion.TopLabel()), c.x, c.y, c.ancho,
              c.alto);
    const QString filas = QString::fromUtf8(m_disposicion.LeftLabel());
    if (!filas.isEmpty()) {
        const Rect& f = p.filas;
        AddStatic(IDC_STATIC_FILAS, filas, f.x, f.y, f.ancho, f.alto);
    }
}

// Every box first, then every cell, so that the cells lie above the boxes.
void CDialogoMapa::AddMap(int origenX, int origenY) {
    const auto lugar = [&](UINT t) {
        const CDisposicionMapa::Celda celda = m_disposicion.CellOf(t);
        return QPoint(
            origenX + kPaso * static_cast<int>(m_disposicion.StepsFromFirst(celda.columna)),
            origenY + kPaso * static_cast<int>(m_disposicion.StepsFromFirst(celda.fila)));
    };
    for (UINT t = 0; t < Terms(); ++t) {
        const QPoint p = lugar(t);
        MakeBox(*AddStatic(-1, QString::number(t), p.x(), p.y(), kLadoCaja, kLadoCaja));
    }
    for (UINT t = 0; t < Terms(); ++t) {
        const QPoint p = lugar(t);
        auto* celda = AddEdit(IDC_CELDA + static_cast<int>(t), p.x() + kMargenCelda,
                              p.y() + kMargenCelda, kLadoCelda, kLadoCelda);
        celda->setFrame(false);
        // The box shows through: the cell, lying on it, must not hide the
        // second digit of the box's number. Its value is written black, as the
        // box's number, or a dark colour scheme would write it white on white.
        QPalette colores = celda->palette();
        colores.setColor(QPalette::Base, Qt::transparent);
        colores.setColor(QPalette::Text, Qt::black);
        celda->setPalette(colores);
        m_pCeldas[t] = celda;
    }
}

bool CDialogoMapa::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pDiagonal->setFont(FuenteDiagonal());
    m_pSpinTermino->SetRange(0, static_cast<int>(Terms()) - 1);
    m_pSpinFuncion->SetRange(1, static_cast<int>(Functions()));
    return true;
}

UINT CDialogoMapa::Functions() const {
    // The cells hold six functions; a larger count is never indexed past them.
    return std::min(m_nFunciones, kMaxFunciones);
}

void CDialogoMapa::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pFuncion, m_nFuncion);
    DDV_MinMaxUInt(dx, m_nFuncion, 1, Functions());
    DDX_Text(dx, m_pTermino, m_nTermino);
    DDV_MinMaxUInt(dx, m_nTermino, 0, Terms() - 1);
    for (UINT t = 0; t < Terms(); ++t) {
        DDX_Text(dx, m_pCeldas[t], m_strCelda[t]);
        DDV_MaxChars(dx, 1);
    }
}

void CDialogoMapa::SetSelectedCell(const char* valor) {
    if (!UpdateData(true)) {
        return;
    }
    m_strCelda[m_nTermino] = valor;
    UpdateData(false);
}

void CDialogoMapa::OnImprescindible() {
    SetSelectedCell("1");
}

void CDialogoMapa::OnPrescindible() {
    SetSelectedCell("X");
}

void CDialogoMapa::OnEliminar() {
    SetSelectedCell("0");
}

void CDialogoMapa::OnVer() {
    if (!UpdateData(true)) {
        return;
    }
    for (UINT t = 0; t < Terms(); ++t) {
        m_strCelda[t] = std::string(1, m_mapa[t][m_nFuncion - 1]);
    }
    UpdateData(false);
}

void CDialogoMapa::OnAceptar() {
    if (!UpdateData(true)) {
        return;
    }
    bool imprescindible = false;
    for (UINT t = 0; t < Terms(); ++t) {
        if (m_strCelda[t] == "1") {
            imprescindible = true;
        } else if (!IsCellValue(m_strCelda[t])) {
            AfxMessageBox("Error de sintaxis");
            return;
        }
    }
    if (!imprescindible) {
        AfxMessageBox("La función debe tener al menos un término imprecindible");
        return;
    }
    for (UINT t = 0; t < Terms(); ++t) {
        const std::string& celda = m_strCelda[t];
        m_mapa[t][m_nFuncion - 1] = celda == "1" ? '1' : celda == "0" ? '0' : 'X';
    }
}

std::unique_ptr<CDialogoMapa> CDialogoMapa::ForVariables(UINT variables) {
    switch (variables) {
        case 1:
            return std::make_unique<CMapa_k1>();
        case 2:
            return std::make_unique<CMapa_k2>();
        case 3:
            return std::make_unique<CMapa_k3>();
        case 4:
            return std::make_unique<CMapa_k4>();
        case 5:
            return std::make_unique<CMapa_k5>();
        case 6:
            return std::make_unique<CMapa_k6>();
        default:
            return nullptr;
    }
}
