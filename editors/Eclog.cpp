#include "editors/Eclog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "editors/Ecuacion.h"
#include "platform/SpinButtonCtrl.h"

namespace {

constexpr UINT kMaxFunciones = 6;

}  // namespace

CEclog::CEclog(QWidget* parent)
    : CDialog(QStringLiteral("Ecuación lógica"), 302, 119, Estilo::Marco, parent) {
    // Created in the template's order, which is also the tab order.
    m_pEcuacion = AddEdit(IDC_ECUACION, 20, 55, 264, 14);
    m_pFuncion = AddEdit(IDC_FUNCION, 53, 23, 20, 12);
    m_pSpin = AddSpin(IDC_SPIN_FUNCION, m_pFuncion, 73, 22, 11, 13);
    auto* ver = AddButton(IDC_VER, QStringLiteral("Ver ecuación ingresada"), 99, 20, 79, 16);
    auto* aceptar = AddButton(IDC_ACEPTAR, QStringLiteral("Aceptar"), 194, 20, 35, 16);
    AddButton(IDOK, QStringLiteral("OK"), 245, 7, 50, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 245, 24, 50, 14);
    AddStatic(IDC_STATIC_FUNCION, QStringLiteral("función :"), 21, 26, 29, 8);
    AddStatic(IDC_STATIC_INTRODUZCA, QStringLiteral("Introduzca o modifique la ecuación lógica"),
              21, 46, 140, 8);
    auto* instrucciones = AddStatic(
        IDC_STATIC_INSTRUCCIONES,
        QStringLiteral("Introduzca las variables negadas como minúsculas y las afirmadas con "
                       "mayúscula  intercalando un signo + entre los términos producto y "
                       "encerrando entre paréntesis los términos suma"),
        21, 72, 262, 25);
    instrucciones->setWordWrap(true);

    connect(aceptar, &QPushButton::clicked, this, [this] { OnAceptar(); });
    connect(ver, &QPushButton::clicked, this, [this] { OnVer(); });
}

bool CEclog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pSpin->SetRange(1, static_cast<int>(std::min(m_nFunciones, kMaxFunciones)));
    return true;
}

void CEclog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pEcuacion, m_strEcuacion);
    DDX_Text(dx, m_pFuncion, m_nFuncion);
    // The arrays hold six functions; a larger count is never indexed past them.
    DDV_MinMaxUInt(dx, m_nFuncion, 1, std::min(m_nFunciones, kMaxFunciones));
}

void CEclog::OnAceptar() {
    if (!UpdateData(true)) {
        return;
    }
    CEcuacion ecuacion(m_nVariables);
    const EcuacionAceptada aceptada = ecuacion.Accept(m_strEcuacion);
    if (!aceptada.aceptada) {
        return;
    }
    m_strCanonicas[m_nFuncion - 1] = aceptada.canonica;
    m_strEcuaciones[m_nFuncion - 1] = aceptada.ecuacion;
}

void CEclog::OnVer() {
    if (!UpdateData(true)) {
        return;
    }
    m_strEcuacion = m_strEcuaciones[m_nFuncion - 1];
    UpdateData(false);
}
