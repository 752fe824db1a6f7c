#include "port/Funcion_a_enviar.h"

#include <QLineEdit>

#include "platform/SpinButtonCtrl.h"

namespace {

constexpr SStringResource kCadenas[] = {
    {CFuncion_a_enviar::IDC_FUNCION, "Ingrese la función que desea enviar por el puerto"},
};

}  // namespace

CFuncion_a_enviar::CFuncion_a_enviar(QWidget* parent)
    : CDialog(QStringLiteral("Función a enviar"), 161, 47, Estilo::Marco, parent) {
    // Created in the template's order, which is also the tab order.
    AddStatic(-1, QStringLiteral("Elija la función que desea cargar en el MUX"), 11, 9, 138, 8);
    AddStatic(IDC_STATIC_FUNCION, QStringLiteral("Función :"), 18, 24, 30, 8);
    m_pFuncion = AddEdit(IDC_FUNCION, 50, 22, 9, 12);
    m_pSpinFuncion = AddSpin(IDC_SPIN_FUNCION, m_pFuncion, 59, 22, 11, 12);
    AddButton(IDOK, QStringLiteral("OK"), 86, 21, 50, 14, true);
}

bool CFuncion_a_enviar::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pSpinFuncion->SetRange(1, static_cast<int>(m_nFunciones));
    return true;
}

void CFuncion_a_enviar::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pFuncion, m_nFuncion);
    DDV_MinMaxUInt(dx, m_nFuncion, 1, m_nFunciones);
}

std::span<const SStringResource> CFuncion_a_enviar::ToolTipStrings() const {
    return kCadenas;
}
