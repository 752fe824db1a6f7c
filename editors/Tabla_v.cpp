#include "editors/Tabla_v.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "platform/SpinButtonCtrl.h"

namespace {

constexpr UINT kMaxFunciones = 6;
constexpr UINT kMaxTerminos = 64;

// The list of a report-style list view: headings over fixed columns, one line
// per row, nothing to edit, expand or sort.
QTreeWidget* MakeList(QWidget* parent) {
    auto* lista = new QTreeWidget(parent);
    lista->setRootIsDecorated(false);
    lista->setItemsExpandable(false);
    lista->setUniformRowHeights(true);
    lista->setSortingEnabled(false);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setFrameShape(QFrame::Box);
    QHeaderView* cabecera = lista->header();
    cabecera->setStretchLastSection(false);
    cabecera->setSectionsMovable(false);
    cabecera->setSectionResizeMode(QHeaderView::Interactive);
    return lista;
}

}  // namespace

CTabla_v::CTabla_v(QWidget* parent)
    : CDialog(QStringLiteral("Tabla de Verdad"), 374, 194, Estilo::Marco, parent) {
    // Created in the template's order, which is also the tab order.
    AddButton(IDOK, QStringLiteral("OK"), 317, 7, 50, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 317, 24, 50, 14);
    m_pTermino = AddEdit(IDC_TERMINO, 60, 165, 25, 12);
    m_pSpinTermino = AddSpin(IDC_SPIN_TERMINO, m_pTermino, 85, 165, 11, 12);
    m_pFuncion = AddEdit(IDC_FUNCION, 141, 165, 17, 12);
    m_pSpinFuncion = AddSpin(IDC_SPIN_FUNCION, m_pFuncion, 158, 165, 11, 12);
    auto* imprescindible =
        AddButton(IDC_IMPRESCINDIBLE, QStringLiteral("Imprescindible"), 177, 164, 50, 15);
    auto* prescindible =
        AddButton(IDC_PRESCINDIBLE, QStringLiteral("Prescindible (don't care)"), 231, 164, 81, 15);
    auto* eliminar = AddButton(IDC_ELIMINAR, QStringLiteral("Eliminar"), 316, 164, 50, 15);
    AddStatic(IDC_STATIC_TERMINO, QStringLiteral("Término n° :"), 19, 167, 38, 8);
    AddStatic(IDC_STATIC_FUNCION, QStringLiteral("Función n° :"), 101, 167, 38, 8);
    m_pLista = Place(MakeList(this), IDC_LISTA, 19, 19, 279, 128);

    connect(imprescindible, &QPushButton::clicked, this, [this] { OnImprescindible(); });
    connect(prescindible, &QPushButton::clicked, this, [this] { OnPrescindible(); });
    connect(eliminar, &QPushButton::clicked, this, [this] { OnEliminar(); });
}

UINT CTabla_v::Funciones() const {
    return std::min(m_nFunciones, kMaxFunciones);
}

UINT CTabla_v::Terminos() const {
    return std::clamp(m_nTerminos, 1u, kMaxTerminos);
}

bool CTabla_v::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pSpinFuncion->SetRange(1, static_cast<int>(Funciones()));
    m_pSpinTermino->SetRange(0, static_cast<int>(Terminos()) - 1);
    FillList();
    return true;
}

void CTabla_v::FillList() {
    // Built anew on every run, from the cells as they stand.
    m_pLista->clear();
    QStringList encabezados{QStringLiteral("       término")};
    for (UINT f = 1; f <= Funciones(); ++f) {
        encabezados << QStringLiteral("función%1").arg(f);
    }
    m_pLista->setColumnCount(static_cast<int>(encabezados.size()));
    m_pLista->setHeaderLabels(encabezados);
    QTreeWidgetItem* cabecera = m_pLista->headerItem();
    // A list view keeps its first column to the left whatever format it is
    // given; the heading's leading blanks are what centre it.
    cabecera->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    m_pLista->setColumnWidth(0, kAnchoTermino);
    for (int c = 1; c < static_cast<int>(encabezados.size()); ++c) {
        cabecera->setTextAlignment(c, Qt::AlignCenter);
        m_pLista->setColumnWidth(c, kAnchoFuncion);
    }
    QList<QTreeWidgetItem*> filas;
    for (UINT t = 0; t < Terminos(); ++t) {
        auto* fila = new QTreeWidgetItem(QStringList{QString::fromStdString(RowText(t))});
        for (UINT f = 0; f < Funciones(); ++f) {
            const int columna = static_cast<int>(f) + 1;
            fila->setText(columna, QString(QChar::fromLatin1(m_tabla[f][t])));
            fila->setTextAlignment(columna, Qt::AlignCenter);
        }
        filas.append(fila);
    }
    m_pLista->addTopLevelItems(filas);
}

std::string CTabla_v::RowText(UINT termino) const {
    char numero[16];
    std::snprintf(numero, sizeof numero, "%4u (", termino);
    std::string texto = numero;
    UINT mascara = m_nMascara;
    for (UINT k = 0; k < m_nVariables && mascara > 1; ++k) {
        mascara /= 2;
        texto += (mascara & termino) != 0 ? '1' : '0';
    }
    return texto + ")";
}

void CTabla_v::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pFuncion, m_nFuncion);
    // The cells hold six functions and 64 terms; larger counts are never
    // indexed past them.
    DDV_MinMaxUInt(dx, m_nFuncion, 1, Funciones());
    DDX_Text(dx, m_pTermino, m_nTermino);
    DDV_MinMaxUInt(dx, m_nTermino, 0, Terminos() - 1);
}

void CTabla_v::SetCell(char valor) {
    if (!UpdateData(true)) {
        return;
    }
    if (QTreeWidgetItem* fila = m_pLista->topLevelItem(static_cast<int>(m_nTermino))) {
        fila->setText(static_cast<int>(m_nFuncion), QString(QChar::fromLatin1(valor)));
    }
    m_tabla[m_nFuncion - 1][m_nTermino] = valor;
}
