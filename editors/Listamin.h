#pragma once
// "Lista de Mintérminos" (dialog 139): each function's required terms are its
// minterms, the terms where it is 1, written Σm(...)+d(...). Everything else is
// the list dialog design of CDialogoLista.

#include "editors/DialogoLista.h"

class CListamin : public CDialogoLista {
    Q_OBJECT
public:
    static constexpr int IDD = 139;
    explicit CListamin(QWidget* parent = nullptr);
};
