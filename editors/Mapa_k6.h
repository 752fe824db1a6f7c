#pragma once
// "Mapa K de 6 variables" (dialog 137): 2 x 2 sub-maps, A choosing the row and
// B the column of sub-maps, CD across and EF down inside each: 64 cells.
// Everything else is the map dialog design of CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k6 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 137;
    explicit CMapa_k6(QWidget* parent = nullptr);
};
