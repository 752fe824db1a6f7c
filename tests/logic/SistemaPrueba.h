#pragma once
// Small builders shared by the logic tests.

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "logic/Sistema.h"

inline std::unique_ptr<CSistema> NuevoSistema(UINT n, UINT m) {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(n);
    s->SetNumFunctions(m);
    return s;
}

// The cubes of a list in 1/0/- notation, in list order.
inline std::vector<std::string> Cubos(const CSistema& s, const Termino* list) {
    std::vector<std::string> cubos;
    for (; list != nullptr; list = list->sig.get()) {
        std::string c;
        for (UINT bit = s.GetTermMask() >> 1; bit != 0; bit >>= 1) {
            c += (list->unos & bit) ? '1' : (list->ceros & bit) ? '0' : '-';
        }
        cubos.push_back(c);
    }
    return cubos;
}

// Enters minterm and don't-care texts for the first functions.
inline void Minterminos(CSistema& s, const std::vector<std::string>& unos,
                        const std::vector<std::string>& prescindibles = {}) {
    TextosFuncion a;
    TextosFuncion b;
    for (std::size_t f = 0; f < unos.size(); ++f) {
        a[f] = unos[f];
    }
    for (std::size_t f = 0; f < prescindibles.size(); ++f) {
        b[f] = prescindibles[f];
    }
    s.ApplyMinterms(a, b);
}

// One draw of a seeded generator: mt19937 draws 32 bits, which a UINT holds.
inline UINT Sorteo(std::mt19937& azar) {
    return static_cast<UINT>(azar());
}
