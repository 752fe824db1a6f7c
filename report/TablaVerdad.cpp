// The truth table of the report: one row per term, one column per function,
// every cell boxed by the grid.
#include <algorithm>
#include <cstdio>
#include <string>

#include "logic/Sistema.h"

namespace {
constexpr int kMargen = 10;
constexpr int kAnchoColumna = 100;
constexpr int kAltoFila = 25;

// "   5 (101)": the term number in four places and its bits from A down.
std::string EtiquetaFila(UINT t, UINT mascara) {
    char numero[24];
    std::snprintf(numero, sizeof numero, "%4u (", t);
    std::string etiqueta = numero;
    for (UINT bit = mascara >> 1; bit != 0; bit >>= 1) {
        etiqueta += (t & bit) ? '1' : '0';
    }
    return etiqueta + ")";
}
}  // namespace

void CSistema::DrawTruthTable(CDC& dc) {
    // A system without zeros (1 on every term) still has its table.
    if (!m_bVerTablaVerdad || !m_pNivelSop[0]) {
        return;
    }
    const UINT funciones = std::min(m_nFunciones, kMaxFunciones);
    const UINT terminos = std::min(m_nTerminos, kMaxTerminos);

    dc.TextOut(m_nPosX, m_nPosY + 10, "Tabla de Verdad :");
    const int top = m_nPosY + 30;

    const CeldasTabla celdas = GetTruthTableCells();
    const int derecha = kMargen + kAnchoColumna * static_cast<int>(funciones + 1);
    const int fondo = top + kAltoFila * static_cast<int>(terminos + 1);
    dc.MoveTo(kMargen, top);
    dc.LineTo(derecha, top);
    dc.MoveTo(kMargen, top);
    dc.LineTo(kMargen, fondo);
    for (UINT f = 0; f < funciones; ++f) {
        const int xf = kMargen + kAnchoColumna * static_cast<int>(f + 1);
        dc.TextOut(xf + 23, top + 5, "funcion " + std::to_string(f + 1) + " ");
        dc.MoveTo(xf, top);
        dc.LineTo(xf, fondo);
    }
    dc.MoveTo(derecha, top);
    dc.LineTo(derecha, fondo);

    for (UINT t = 0; t < terminos; ++t) {
        const int yt = top + kAltoFila * static_cast<int>(t + 1);
        dc.MoveTo(kMargen, yt);
        dc.LineTo(derecha, yt);
        dc.TextOut(kMargen + 1, yt + 5, EtiquetaFila(t, m_nMascara));
        for (UINT f = 0; f < funciones; ++f) {
            const int xf = kMargen + kAnchoColumna * static_cast<int>(f + 1);
            dc.TextOut(xf + 45, yt + 5, std::string(1, celdas[f][t]));
        }
    }
    dc.MoveTo(kMargen, fondo);
    dc.LineTo(derecha, fondo);

    m_nPosX = kMargen;
    m_nPosY = top + kAltoFila * static_cast<int>(terminos) + 55;
}
