#pragma once
// "Mapa K de 2 variables" (dialog 133): the Karnaugh map of two variables, A
// across and B down: 4 cells. Everything else is the map dialog design of
// CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k2 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 133;
    explicit CMapa_k2(QWidget* parent = nullptr);
};
