#include "editors/Datos.h"

#include <QLineEdit>

#include "platform/SpinButtonCtrl.h"
#include "resources/Resource.h"

CDatos::CDatos(QWidget* parent) : CDialog(QString(), 184, 114, Estilo::Popup, parent) {
    AddButton(IDOK, QStringLiteral("OK"), 127, 7, 50, 14, true);
    m_pVariables = AddEdit(res::IDC_VARIABLES, 110, 44, 20, 12);
    m_pSpinVariables = AddSpin(res::IDC_SPIN_VARIABLES, m_pVariables, 130, 44, 11, 12);
    m_pFunciones = AddEdit(res::IDC_FUNCIONES, 110, 69, 20, 12);
    m_pSpinFunciones = AddSpin(res::IDC_SPIN_FUNCIONES, m_pFunciones, 130, 68, 11, 13);
    AddStatic(res::IDC_STATIC_VARIABLES, QStringLiteral("Número de variables :"), 35, 46, 70, 8);
    AddStatic(res::IDC_STATIC_FUNCIONES, QStringLiteral("Número de funciones :"), 35, 71, 75, 8);
    AddGroupBox(-1, QStringLiteral("Datos del sistema"), 22, 24, 140, 72);
}

void CDatos::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pFunciones, m_nFunciones);
    DDV_MinMaxUInt(dx, m_nFunciones, 1, 6);
    DDX_Text(dx, m_pVariables, m_nVariables);
    DDV_MinMaxUInt(dx, m_nVariables, 1, 6);
}

bool CDatos::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pSpinFunciones->SetRange(1, 6);
    m_pSpinVariables->SetRange(1, 6);
    return true;
}
