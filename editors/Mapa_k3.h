#pragma once
// "Mapa K de 3 variables" (dialog 134): the Karnaugh map of three variables, AB
// across and C down: 8 cells. Everything else is the map dialog design of
// CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k3 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 134;
    explicit CMapa_k3(QWidget* parent = nullptr);
};
