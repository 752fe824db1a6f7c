#pragma once
// The description dialog ("Características del sistema"): one free text, kept
// exactly as typed, the empty text included. The caller seeds
// m_strCaracteristicas, runs DoModal and reads it back only after IDOK.

#include <string>

#include "platform/Dialog.h"

class CCaract : public CDialog {
    Q_OBJECT
public:
    explicit CCaract(QWidget* parent = nullptr);

    std::string m_strCaracteristicas;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QLineEdit* m_pCaracteristicas;
};
