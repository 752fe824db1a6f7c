#pragma once
// "Mapa K de 1 variable" (dialog 132): the Karnaugh map of one variable, A
// across: 2 cells. Everything else is the map dialog design of CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k1 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 132;
    explicit CMapa_k1(QWidget* parent = nullptr);
};
