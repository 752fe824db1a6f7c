#pragma once
// A counting sort of keys (count << 16 | number) given in ascending number: the
// counts are small, so it beats a comparison sort, and it keeps the order of
// the numbers among equal counts, as sorting the keys would.

#include <algorithm>
#include <array>
#include <cstddef>

#include "logic/ProblemaCubierta.h"

template <class T, std::size_t N>
void SortByCount(std::array<T, N>& clave, UINT n) {
    UINT maximo = 0;
    for (UINT k = 0; k < n; ++k) {
        maximo = std::max<UINT>(maximo, clave[k] >> 16);
    }
    std::array<UINT, CProblemaCubierta::kMaxCandidatos + 2> inicio;
    std::fill_n(inicio.begin(), maximo + 2, 0);
    for (UINT k = 0; k < n; ++k) {
        ++inicio[(clave[k] >> 16) + 1];
    }
    for (UINT c = 0; c <= maximo; ++c) {
        inicio[c + 1] += inicio[c];
    }
    std::array<T, N> copia;
    std::copy_n(clave.begin(), n, copia.begin());
    for (UINT k = 0; k < n; ++k) {
        clave[inicio[copia[k] >> 16]++] = copia[k];
    }
}
