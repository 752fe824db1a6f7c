// Quine-McCluskey combination of one level into the next, and the prime list.
#include <bit>

#include "logic/Sistema.h"

bool CSistema::IsSingleBit(UINT x) const {
    return std::popcount(x & (m_nMascara - 1)) == 1;
}

bool CSistema::CanCombine(const Termino& p, const Termino& q) const {
    const UINT diferencia = p.unos ^ q.unos;
    return diferencia == (p.ceros ^ q.ceros) && IsSingleBit(diferencia) &&
           (p.funciones & q.funciones) != 0;
}

void CSistema::CombineLevel(Termino* level, ListaTerminos& next) const {
    for (Termino* p = level; p != nullptr && p->sig; p = p->sig.get()) {
        for (Termino* q = p->sig.get(); q != nullptr; q = q->sig.get()) {
            if (!CanCombine(*p, *q)) {
                continue;
            }
            const UINT comunes = p->funciones & q->funciones;
            // A cube is only spent when the larger one serves all of its
            // functions; otherwise it may still be needed as a shared term.
            if (p->marca == 0 && comunes == p->funciones) {
                p->marca = 1;
            }
            if (q->marca == 0 && comunes == q->funciones) {
                q->marca = 1;
            }
            InsertUnique(
                std::make_unique<Termino>(p->unos & q->unos, p->ceros & q->ceros, comunes, 0),
                next);
        }
    }
}

ListaTerminos CSistema::CollectPrimes(const NivelesLado& niveles) {
    ListaTerminos primos;
    for (UINT k = 0; k < m_nVariables && k < kMaxVariables; ++k) {
        for (const Termino* p = niveles[k].get(); p != nullptr; p = p->sig.get()) {
            if (p->marca == 0 && p->funciones != p->prescindibles) {
                InsertUnique(CopyTerm(*p), primos);
                ++m_nAnchoReporte;
            }
        }
    }
    return primos;
}
