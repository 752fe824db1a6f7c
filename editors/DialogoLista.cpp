#include "editors/DialogoLista.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "editors/VerificadorLista.h"
#include "platform/PainterDC.h"
#include "platform/SpinButtonCtrl.h"

namespace {

constexpr UINT kMaxFunciones = 6;

// The formula's fonts: "Symbol" 32 pixels high for the sign, "Arial" 22 pixels
// high and 10 wide for the brackets. Symbol-encoded text is shown through its
// Unicode letters (CPainterDC::FromSymbol), since a "Symbol" face is not on every
// machine.
QFont FuenteSigno() {
    return CPainterDC::ToQFont(CFont{"Symbol", 32});
}

QFont FuenteParentesis() {
    QFont fuente = CPainterDC::ToQFont(CFont{"Arial", 22});
    const int ancho = QFontMetrics(fuente).averageCharWidth();
    if (ancho > 0) {
        fuente.setStretch(std::clamp(100 * 10 / ancho, 50, 200));
    }
    return fuente;
}

}  // namespace

CDialogoLista::CDialogoLista(const Plantilla& p, QWidget* parent)
    : CDialog(QString::fromUtf8(p.titulo), 286, 114, Estilo::Marco, parent) {
    // Created in the templates' order, which is also the tab order.
    m_pImprescindibles = AddEdit(IDC_IMPRESCINDIBLES, 42, 81, 72, 13);
    const Rect& dc = p.prescindiblesRect;
    m_pPrescindibles = AddEdit(IDC_PRESCINDIBLES, dc.x, dc.y, dc.ancho, dc.alto);
    m_pFuncion = AddEdit(IDC_FUNCION, 71, 21, 20, 12);
    m_pSpin = AddSpin(IDC_SPIN_FUNCION, m_pFuncion, 91, 21, 11, 12);
    auto* ver = AddButton(IDC_VER, QStringLiteral("Ver"), 140, 19, 35, 16);
    AddButton(IDOK, QStringLiteral("OK"), 229, 7, 50, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 229, 24, 50, 14);
    auto* aceptar = AddButton(IDC_ACEPTAR, QStringLiteral("Aceptar"), 232, 78, 35, 16);
    FitText(AddStatic(IDC_STATIC_FUNCION, QStringLiteral("Función n° :"), 28, 24, 40, 8));
    const Rect& in = p.instruccionesRect;
    auto* instrucciones = AddStatic(IDC_STATIC_INSTRUCCIONES, QString::fromUtf8(p.instrucciones),
                                    in.x, in.y, in.ancho, in.alto);
    instrucciones->setWordWrap(true);
    const Rect& s = p.signoRect;
    m_pSigno =
        AddStatic(IDC_STATIC_SIGNO, CPainterDC::FromSymbol(p.signo), s.x, s.y, s.ancho, s.alto);
    const Rect& a = p.abreRect;
    m_pAbre = AddStatic(IDC_STATIC_ABRE, QString::fromUtf8(p.abre), a.x, a.y, a.ancho, a.alto);
    const Rect& m = p.medioRect;
    m_pMedio = AddStatic(IDC_STATIC_MEDIO, QString::fromUtf8(p.medio), m.x, m.y, m.ancho, m.alto);
    const Rect& c = p.cierreRect;
    m_pCierre = AddStatic(IDC_STATIC_CIERRE, QStringLiteral(")"), c.x, c.y, c.ancho, c.alto);

    connect(aceptar, &QPushButton::clicked, this, [this] { OnAceptar(); });
    connect(ver, &QPushButton::clicked, this, [this] { OnVer(); });
}

bool CDialogoLista::OnInitDialog() {
    CDialog::OnInitDialog();
    SetFonts();
    m_pSpin->SetRange(1, static_cast<int>(std::min(m_nFunciones, kMaxFunciones)));
    return true;
}

void CDialogoLista::SetFonts() {
    m_pSigno->setFont(FuenteSigno());
    const QFont parentesis = FuenteParentesis();
    for (QLabel* etiqueta : {m_pAbre, m_pMedio, m_pCierre}) {
        etiqueta->setFont(parentesis);
    }
}

void CDialogoLista::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pFuncion, m_nFuncion);
    // The arrays hold six functions; a larger count is never indexed past them.
    DDV_MinMaxUInt(dx, m_nFuncion, 1, std::min(m_nFunciones, kMaxFunciones));
    DDX_Text(dx, m_pImprescindibles, m_strImp);
    DDX_Text(dx, m_pPrescindibles, m_strDc);
}

void CDialogoLista::OnAceptar() {
    if (!UpdateData(true)) {
        return;
    }
    if (!CVerificadorLista::AcceptLists(m_strImp, m_strDc, m_nTerminos)) {
        return;
    }
    m_strListaImp[m_nFuncion - 1] = m_strImp;
    m_strListaDc[m_nFuncion - 1] = m_strDc;
}

void CDialogoLista::OnVer() {
    if (!UpdateData(true)) {
        return;
    }
    m_strImp = m_strListaImp[m_nFuncion - 1];
    m_strDc = m_strListaDc[m_nFuncion - 1];
    UpdateData(false);
}
