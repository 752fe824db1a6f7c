#pragma once
// The numbers dialog of a new system: how many variables and how many
// functions, each 1 to 6. The caller seeds m_nVariables and m_nFunciones, runs
// DoModal and reads them back only after IDOK. The number of functions is
// validated first; Escape ends with IDCANCEL.

#include "platform/Dialog.h"

class CSpinButtonCtrl;

class CDatos : public CDialog {
    Q_OBJECT
public:
    explicit CDatos(QWidget* parent = nullptr);

    UINT m_nFunciones = 1;
    UINT m_nVariables = 1;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    QLineEdit* m_pVariables;
    CSpinButtonCtrl* m_pSpinVariables;
    QLineEdit* m_pFunciones;
    CSpinButtonCtrl* m_pSpinFunciones;
};
