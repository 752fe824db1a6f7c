// The term of each cell, as the table of the map's axes reads it.
#include "logic/DisposicionMapa.h"

#include <algorithm>

namespace {
struct Forma {
    UINT columnas;
    UINT filas;
    const char* arriba;
    const char* izquierda;
};

constexpr Forma kFormas[] = {
    {2, 1, "A", ""},    {2, 2, "A", "B"},    {4, 2, "AB", "C"},
    {4, 4, "AB", "CD"}, {8, 4, "ABC", "DE"}, {8, 8, "BCD", "AEF"},
};
}  // namespace

CDisposicionMapa::CDisposicionMapa(UINT variables)
    : m_nVariables(std::clamp<UINT>(variables, 1, 6)) {}

UINT CDisposicionMapa::Columns() const {
    return kFormas[m_nVariables - 1].columnas;
}

UINT CDisposicionMapa::Rows() const {
    return kFormas[m_nVariables - 1].filas;
}

const char* CDisposicionMapa::TopLabel() const {
    return kFormas[m_nVariables - 1].arriba;
}

const char* CDisposicionMapa::LeftLabel() const {
    return kFormas[m_nVariables - 1].izquierda;
}

UINT CDisposicionMapa::TermAt(UINT columna, UINT fila) const {
    const UINT c = columna % kLadoSubmapa;
    const UINT r = fila % kLadoSubmapa;
    switch (m_nVariables) {
        case 1:
            return c;
        case 2:
            return 2 * c + r;
        case 3:
            return 2 * Gray(c) + r;
        default:
            // Four variables and up: A (then B) choose the sub-map, the last four
            // variables the column and row inside it.
            return 32 * SubMapOf(fila) + 16 * SubMapOf(columna) + 4 * Gray(c) + Gray(r);
    }
}

CDisposicionMapa::Celda CDisposicionMapa::CellOf(UINT termino) const {
    // At most 64 cells: looking it up is cheaper to trust than an inverse formula.
    for (UINT fila = 0; fila < Rows(); ++fila) {
        for (UINT columna = 0; columna < Columns(); ++columna) {
            if (TermAt(columna, fila) == termino) {
                return {columna, fila};
            }
        }
    }
    return {};
}
