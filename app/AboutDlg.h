#pragma once
// "Acerca de Tarnovel": the program's name and version, a picture of a
// two-level gate diagram, and an OK button. No tool tips.

#include "platform/Dialog.h"

class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
