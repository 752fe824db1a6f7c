// The numbers of a map block: cell and grid offsets, row flow, the cursor at
// the block's end, and the dots' places and colours.
#include "report/GeometriaMapa.h"

#include <algorithm>

namespace {

struct Forma {
    int izquierda;     // left label's distance from the origin
    int anchoRejilla;  // one (sub-)map's grid
    int altoRejilla;
    UINT lugaresFila;    // maps in a row
    int pasoFila;        // back up after a map while the row has room
    int avanceCubierta;  // line feed after a cover
    int avanceFinal;     // line feed after the last map
};

constexpr Forma kFormas[] = {
    {0, 80, 40, 6, 50, 50, 100},     {18, 80, 80, 6, 130, 130, 130},
    {18, 160, 80, 3, 130, 130, 130}, {25, 160, 160, 3, 210, 210, 210},
    {25, 160, 160, 1, 0, 0, 0},      {30, 160, 160, 1, 0, 0, 0},
};

// Places of implicants 0 to 15: two columns at the cell's right edge, then two
// at its lower left below the term number; then four more for the others: top
// and bottom middle, and under the term number.
constexpr CPoint kPosiciones[CGeometriaMapa::kLugares] = {
    {32, 3},  {32, 10}, {32, 17}, {32, 24}, {32, 31}, {25, 3}, {25, 10},
    {25, 17}, {25, 24}, {25, 31}, {9, 17},  {9, 24},  {9, 31}, {2, 17},
    {2, 24},  {2, 31},  {18, 3},  {18, 31}, {2, 11},  {9, 11},
};
constexpr int kPunto = 6;

constexpr COLORREF kPaleta[CGeometriaMapa::kLugaresPropios] = {
    RGB(0, 0, 0),       RGB(0, 0, 255),     RGB(0, 255, 0),   RGB(255, 0, 0),
    RGB(0, 255, 255),   RGB(255, 0, 255),   RGB(255, 255, 0), RGB(255, 255, 255),
    RGB(200, 200, 200), RGB(255, 180, 0),   RGB(0, 180, 255), RGB(0, 255, 180),
    RGB(180, 0, 255),   RGB(200, 100, 200), RGB(180, 255, 0), RGB(255, 0, 180),
};

// Implicants from 16 on: 24 hues 15 degrees apart, offset by half a step from
// the palette's pure hues, first bright and then dark; each next implicant
// turns the hue by 105 degrees, so that neighbours in the legend differ most.
COLORREF ColourBeyondPalette(UINT i) {
    constexpr UINT kTonos = 24;
    const UINT tono = (i * 7) % kTonos;
    const int valor = i < kTonos ? 255 : 150;
    // Half degrees: 0..719; six sectors of 120.
    const int medios = static_cast<int>(30 * tono + 15);
    const int sector = medios / 120;
    const int parte = medios % 120;
    const int baja = valor * (120 - parte) / 120;
    const int sube = valor * parte / 120;
    switch (sector) {
        case 0:
            return RGB(valor, sube, 0);
        case 1:
            return RGB(baja, valor, 0);
        case 2:
            return RGB(0, valor, sube);
        case 3:
            return RGB(0, baja, valor);
        case 4:
            return RGB(sube, 0, valor);
        default:
            return RGB(valor, 0, baja);
    }
}

}  // namespace

CGeometriaMapa::CGeometriaMapa(UINT variables) : m_nVariables(std::clamp<UINT>(variables, 1, 6)) {}

int CGeometriaMapa::LeftLabelOffset() const {
    return kFormas[m_nVariables - 1].izquierda;
}

CPoint CGeometriaMapa::CellOffset(UINT columna, UINT fila) const {
    // Below five variables the whole map is one sub-map.
    constexpr UINT kLado = 4;
    const auto enSubmapa = [](UINT i) { return static_cast<int>(i % kLado); };
    const auto submapa = [](UINT i) { return static_cast<int>(i / kLado); };
    return CPoint{kSeparacionSubmapas * submapa(columna) + kCelda * enSubmapa(columna),
                  kSeparacionSubmapas * submapa(fila) + kCelda * enSubmapa(fila)};
}

int CGeometriaMapa::GridWidth() const {
    return kFormas[m_nVariables - 1].anchoRejilla;
}

int CGeometriaMapa::GridHeight() const {
    return kFormas[m_nVariables - 1].altoRejilla;
}

int CGeometriaMapa::MapHeight() const {
    return m_nVariables == 6 ? kSeparacionSubmapas + GridHeight() : GridHeight();
}

UINT CGeometriaMapa::RowRoom() const {
    return kFormas[m_nVariables - 1].lugaresFila;
}

int CGeometriaMapa::RowStep() const {
    return kFormas[m_nVariables - 1].pasoFila;
}

int CGeometriaMapa::CoverLineFeed() const {
    return kFormas[m_nVariables - 1].avanceCubierta;
}

int CGeometriaMapa::FinalLineFeed() const {
    return kFormas[m_nVariables - 1].avanceFinal;
}

CGeometriaMapa::Bloque CGeometriaMapa::Block(int x0, int y0, UINT caracteresEncabezado,
                                             UINT implicantes, UINT caracteresEntrada) const {
    int x = x0 + static_cast<int>(caracteresEncabezado) * 13 / 2;
    int y = y0 + 10;
    const int anchoEntrada = 8 * static_cast<int>(caracteresEntrada);
    for (UINT t = 0; t < implicantes; ++t) {
        x += anchoEntrada;
        if (x > kFinLeyenda) {
            x = x0;
            y += 20;
        }
    }
    Bloque b;
    b.origenX = x0 + kCelda;
    b.origenY = y + kCelda;
    // The cursor stands on the last column's last cell, moved on by one column
    // (and one more per sub-map); one variable keeps its row's y.
    const int ultimaFila = m_nVariables == 1 ? 0 : GridHeight();
    const int ancho = m_nVariables == 6   ? 0
                      : m_nVariables == 5 ? 2 * (GridWidth() + kCelda)
                                          : GridWidth();
    b.finX = b.origenX + ancho;
    b.finY = b.origenY + MapHeight() - GridHeight() + ultimaFila + 15;
    b.fondo = b.origenY + MapHeight() + 1;
    return b;
}

CGeometriaMapa::Caja CGeometriaMapa::DotBox(UINT lugar, int x, int y) {
    const CPoint p = kPosiciones[std::min(lugar, kLugares - 1)];
    return Caja{x + p.x, y + p.y, x + p.x + kPunto, y + p.y + kPunto};
}

COLORREF CGeometriaMapa::DotColour(UINT t) {
    return t < kLugaresPropios ? kPaleta[t] : ColourBeyondPalette((t - kLugaresPropios) % 48);
}

std::array<UINT, CGeometriaMapa::kMaxImplicantes> CGeometriaMapa::PlaceDots(
    const std::array<bool, kMaxImplicantes>& contiene, UINT implicantes) {
    std::array<UINT, kMaxImplicantes> lugar;
    lugar.fill(kSinLugar);
    std::array<bool, kLugares> ocupado{};
    const UINT n = std::min(implicantes, kMaxImplicantes);
    for (UINT t = 0; t < n && t < kLugaresPropios; ++t) {
        if (contiene[t]) {
            lugar[t] = t;
            ocupado[t] = true;
        }
    }
    UINT siguiente = 0;  // the places in the order the others take them
    const auto orden = [](UINT i) { return (i + kLugaresPropios) % kLugares; };
    for (UINT t = kLugaresPropios; t < n; ++t) {
        if (!contiene[t]) {
            continue;
        }
        while (siguiente < kLugares && ocupado[orden(siguiente)]) {
            ++siguiente;
        }
        if (siguiente == kLugares) {
            break;
        }
        lugar[t] = orden(siguiente);
        ocupado[orden(siguiente)] = true;
    }
    return lugar;
}
