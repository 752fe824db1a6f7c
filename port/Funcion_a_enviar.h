#pragma once
// "Función a enviar" (dialog 129): which function of the system to load into
// the board. The caller seeds m_nFunciones, runs DoModal and reads m_nFuncion
// (1-based) only after IDOK. OK accepts a number from 1 to m_nFunciones; any
// other way of closing cancels.

#include "platform/Dialog.h"

class CFuncion_a_enviar : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 129;
    enum Control {
        IDC_SPIN_FUNCION = 1025,
        IDC_FUNCION = 1028,
        IDC_STATIC_FUNCION = 32741,
    };

    explicit CFuncion_a_enviar(QWidget* parent = nullptr);

    UINT m_nFunciones = 1;
    UINT m_nFuncion = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    std::span<const SStringResource> ToolTipStrings() const override;

private:
    QLineEdit* m_pFuncion;
    CSpinButtonCtrl* m_pSpinFuncion;
};
