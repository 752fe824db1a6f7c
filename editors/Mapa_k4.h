#pragma once
// "Mapa K de 4 variables" (dialog 135): the Karnaugh map of four variables, AB
// across and CD down: 16 cells. Everything else is the map dialog design of
// CDialogoMapa.

#include "editors/DialogoMapa.h"

class CMapa_k4 : public CDialogoMapa {
    Q_OBJECT
public:
    static constexpr int IDD = 135;
    explicit CMapa_k4(QWidget* parent = nullptr);
};
