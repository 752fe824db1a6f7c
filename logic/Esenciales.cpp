// Essential primes: the only prime that covers some required term of a function.
#include "logic/Sistema.h"

bool CSistema::CubeCoversTerm(const Termino& term, const Termino& cube) const {
    for (UINT bit = m_nMascara >> 1; bit != 0; bit >>= 1) {
        if (((cube.unos ^ cube.ceros) & bit) != 0 && (cube.unos & bit) != (term.unos & bit)) {
            return false;
        }
    }
    return true;
}

const Termino* CSistema::UniqueCoveringPrime(const Termino& term, const Termino* primes,
                                             UINT f) const {
    const Termino* found = nullptr;
    for (const Termino* p = primes; p != nullptr; p = p->sig.get()) {
        if ((p->funciones & f) != 0 && CubeCoversTerm(term, *p)) {
            if (found != nullptr) {
                return nullptr;
            }
            found = p;
        }
    }
    return found;
}

ListaTerminos CSistema::FindEssentials(Termino* level0, const Termino* primes) const {
    ListaTerminos esenciales;
    for (UINT f = 0; f < m_nFunciones; ++f) {
        const UINT bit = 1u << f;
        for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
            if (((t->funciones ^ t->prescindibles) & bit) == 0) {
                continue;
            }
            if (const Termino* p = UniqueCoveringPrime(*t, primes, bit)) {
                InsertUnique(CopyTerm(*p), esenciales);
            }
        }
    }
    // A later processing of the same list starts from these flags.
    for (Termino* t = level0; t != nullptr; t = t->sig.get()) {
        t->marca = t->funciones == t->prescindibles ? 1 : 0;
    }
    return esenciales;
}
