#pragma once
// Where each term stands on a Karnaugh map of 1 to 6 variables: the one
// arrangement that the map dialogs and the report's map covers share.
//
// One variable: A across. Two: A across, B down. Three: AB across, C down.
// Four: AB across, CD down. Five: two 4 x 4 sub-maps side by side, A choosing
// the sub-map. Six: 2 x 2 sub-maps, A choosing the row and B the column of
// sub-maps. Every two-variable axis runs 00, 01, 11, 10.
//
// Cells are addressed over the whole map: column 0..Columns()-1 from the left,
// row 0..Rows()-1 from the top, sub-maps included (a six-variable map is 8 x 8).
// Usage:
//     const CDisposicionMapa mapa(4);
//     mapa.TermAt(2, 1);       // 13
//     mapa.CellOf(13);         // {2, 1}
//     mapa.SubMapOf(2);        // 0: the column lies in the first sub-map

#include "logic/Termino.h"

class CDisposicionMapa {
public:
    // Columns and rows of one sub-map, and how far apart sub-maps stand in cells.
    static constexpr UINT kLadoSubmapa = 4;

    struct Celda {
        UINT columna = 0;
        UINT fila = 0;
        friend bool operator==(const Celda&, const Celda&) = default;
    };

    // n is clamped to 1..6.
    explicit CDisposicionMapa(UINT variables);

    UINT Variables() const { return m_nVariables; }
    UINT Terms() const { return 1u << m_nVariables; }
    UINT Columns() const;
    UINT Rows() const;
    // Columns and rows of cells inside one sub-map (the whole map below five
    // variables).
    UINT SubMapColumns() const { return Columns() < kLadoSubmapa ? Columns() : kLadoSubmapa; }
    UINT SubMapRows() const { return Rows() < kLadoSubmapa ? Rows() : kLadoSubmapa; }
    // Sub-maps across and down: 1 x 1, 2 x 1 for five variables, 2 x 2 for six.
    UINT SubMapsAcross() const { return Columns() / SubMapColumns(); }
    UINT SubMapsDown() const { return Rows() / SubMapRows(); }
    // The sub-map column (or row) that a map column (or row) belongs to.
    UINT SubMapOf(UINT columnaOFila) const { return columnaOFila / kLadoSubmapa; }
    // How many cell steps a column (or row) stands from the first one when one
    // empty step separates neighbouring sub-maps, as the map dialogs lay them out.
    UINT StepsFromFirst(UINT columnaOFila) const { return columnaOFila + SubMapOf(columnaOFila); }

    // The term in the cell; the cell of the term.
    UINT TermAt(UINT columna, UINT fila) const;
    Celda CellOf(UINT termino) const;

    // The variables written above the map and to its left ("" for one variable).
    const char* TopLabel() const;
    const char* LeftLabel() const;

    // Position of the i-th step along a two-variable axis: 0, 1, 3, 2.
    static constexpr UINT Gray(UINT i) { return i ^ (i >> 1); }

private:
    UINT m_nVariables;
};
