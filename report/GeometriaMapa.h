#pragma once
// Pixel geometry of one Karnaugh-map block of the report's last section: where
// the cells, grid lines and labels of a map of n variables stand around its
// origin (the top-left corner of its top-left cell), where a block leaves the
// cursor, how maps flow in rows, and where and in which colour the dot of each
// implicant goes inside a cell. The term of each cell comes from
// CDisposicionMapa, shared with the map dialogs.
//
// Cells are 40 x 40 pixels; the sub-maps of five and six variables stand 200
// pixels apart. Implicants 0 to 15 each have a place of their own in every cell
// and a colour of the report's palette. A map may have more (a six-variable
// parity function needs 32, and up to 20 can share one cell): the others get
// colours of their own and, in each cell, the first free place among four more
// and then those of the first 16 that the cell leaves free. No two dots of a
// cell overlap, and each implicant keeps one colour in the legend and the cells.

#include <array>

#include "logic/Termino.h"
#include "platform/DC.h"

class CGeometriaMapa {
public:
    static constexpr int kCelda = 40;
    static constexpr int kSeparacionSubmapas = 200;
    // Implicants of one map that have a colour and a dot: as many as a map has
    // cells, and as many as the system's per-cell flags hold.
    static constexpr UINT kMaxImplicantes = 64;
    // Places of the first 16 implicants, then four more for the others.
    static constexpr UINT kLugaresPropios = 16;
    static constexpr UINT kLugares = 20;
    static constexpr UINT kSinLugar = kLugares;
    // A legend entry that passes this x ends its line.
    static constexpr int kFinLeyenda = 770;

    struct Caja {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        friend bool operator==(const Caja&, const Caja&) = default;
    };

    // Where one block leaves the cursor and what it covers, from where it began.
    struct Bloque {
        int origenX = 0;  // the map's top-left cell
        int origenY = 0;
        int finX = 0;  // the cursor after the block
        int finY = 0;
        int fondo = 0;  // one below the grid's bottom line
        friend bool operator==(const Bloque&, const Bloque&) = default;
    };

    // n is clamped to 1..6.
    explicit CGeometriaMapa(UINT variables);

    UINT Variables() const { return m_nVariables; }

    // How far left of the origin the left label starts; 0: there is none.
    int LeftLabelOffset() const;
    // The top-left corner of the cell in a column and row of the whole map,
    // sub-maps included, relative to the origin.
    CPoint CellOffset(UINT columna, UINT fila) const;
    // Width and height of the grid of one (sub-)map and of the whole map.
    int GridWidth() const;
    int GridHeight() const;
    int MapHeight() const;

    // Maps in one row of the report, how far the cursor goes back up after a
    // map while the row has room, and the line feeds after a cover and after
    // the last map. A row of one map takes no steps.
    UINT RowRoom() const;
    int RowStep() const;
    int CoverLineFeed() const;
    int FinalLineFeed() const;

    // The block that starts at (x0, y0) with a heading of so many characters
    // and a legend of so many implicants, each entry so many characters long:
    // the same arithmetic as its drawing.
    Bloque Block(int x0, int y0, UINT caracteresEncabezado, UINT implicantes,
                 UINT caracteresEntrada) const;

    // The bounding box of the dot in place `lugar` of the cell at (x, y).
    static Caja DotBox(UINT lugar, int x, int y);
    // The colour of implicant t's dots (t below kMaxImplicantes).
    static COLORREF DotColour(UINT t);
    // The place of each containing implicant's dot in one cell: implicants 0 to
    // 15 their own, the others in their order the first free one of places 16 to
    // 19 and then 0 to 15. kSinLugar for an implicant that does not contain the
    // cell or finds no room.
    static std::array<UINT, kMaxImplicantes> PlaceDots(
        const std::array<bool, kMaxImplicantes>& contiene, UINT implicantes);

private:
    UINT m_nVariables;
};
