#pragma once
// "Ecuación lógica" (dialog 131): each function of the system entered as a logic
// equation. "Aceptar" checks the equation typed for the selected function,
// expands it into its canonical sum of minterms (CEcuacion) and keeps both
// texts under that function; "Ver ecuación ingresada" shows the equation kept
// for it. OK ends the dialog without looking at the edit: only what "Aceptar"
// kept reaches the caller.
//
// The caller seeds m_nFunciones, m_nVariables, m_nMascara and entries 0..m-1 of
// m_strEcuaciones, runs DoModal, and after IDOK reads entries 0..m-1 of
// m_strEcuaciones and m_strCanonicas. The members keep their values between
// runs, so a caller that refuses an OK runs the same object again.

#include <array>
#include <string>

#include "platform/Dialog.h"

class CEclog : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 131;
    // Control ids of the template.
    enum Control {
        IDC_SPIN_FUNCION = 1025,
        IDC_ECUACION = 1030,
        IDC_FUNCION = 1031,
        IDC_ACEPTAR = 32738,
        IDC_VER = 32739,
        IDC_STATIC_FUNCION = 32741,
        IDC_STATIC_INTRODUZCA = 32742,
        IDC_STATIC_INSTRUCCIONES = 32743,
    };

    explicit CEclog(QWidget* parent = nullptr);

    UINT m_nFunciones = 1;
    UINT m_nVariables = 1;
    UINT m_nMascara = 2;
    // Per function (index = number - 1): the equation without blanks, and the
    // canonical text of the equation last accepted for it.
    std::array<std::string, 6> m_strEcuaciones;
    std::array<std::string, 6> m_strCanonicas;
    std::string m_strEcuacion;
    UINT m_nFuncion = 1;

    void OnAceptar();
    void OnVer();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    QLineEdit* m_pEcuacion;
    QLineEdit* m_pFuncion;
    CSpinButtonCtrl* m_pSpin;
};
