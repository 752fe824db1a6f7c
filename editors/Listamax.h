#pragma once
// "Lista de Maxtérminos" (dialog 138): each function's required terms are its
// maxterms, the terms where it is 0, written ΠM(...) D(...). Everything else is
// the list dialog design of CDialogoLista.

#include "editors/DialogoLista.h"

class CListamax : public CDialogoLista {
    Q_OBJECT
public:
    static constexpr int IDD = 138;
    explicit CListamax(QWidget* parent = nullptr);
};
