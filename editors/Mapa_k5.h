#pragma once
// "Mapa K de 5 variables" (dialog 136): two 4 x 4 sub-maps side by side, A
// choosing the sub-map, BC across and DE down inside each: 32 cells.
// Everything else is the map dialog design of CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k5 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 136;
    explicit CMapa_k5(QWidget* parent = nullptr);
};
