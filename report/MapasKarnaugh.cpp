// The report's last section: every cover marked on Karnaugh maps, SOP first and
// then POS. One map block per cover, function and alternative sub-cover: its
// heading, a legend of the implicants each followed by a dot of its colour, and
// the map, every cell with its term number, the function's value and a dot for
// each implicant that contains it. Blocks flow in rows across the page.
//
// A block that falls wholly outside the device's clip box is not drawn, but
// the cursor and the map fields move exactly as if it were, so that what is
// drawn after it stands where it would.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <optional>
#include <string>

#include "logic/DisposicionMapa.h"
#include "logic/Sistema.h"
#include "report/GeometriaMapa.h"

namespace {
constexpr int kMargen = 10;
constexpr int kCelda = CGeometriaMapa::kCelda;
// Texts are not measured; a block is left out only when it ends this far
// above the clip box, so that no glyph or pen pixel of it could reach it.
constexpr int kHolgura = 20;

std::string Encabezado(UINT k, UINT j, UINT f) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "Cubierta %u.%u de f%u :", k + 1, j + 1, f + 1);
    return texto;
}

// " %u": the term number of a cell.
std::string NumeroCelda(UINT termino) {
    char texto[16];
    std::snprintf(texto, sizeof texto, " %u", termino);
    return texto;
}

// The implicants of one map: cover k with one function, else the sub-cover of
// function f and alternative j in it.
const Termino* ImplicantesDelMapa(UINT funciones, const TablaCubiertas& cubiertas,
                                  const TablaSubcubiertas& subcubiertas, UINT k, UINT f, UINT j) {
    if (k >= kMaxCubiertas || f >= kMaxFunciones || j >= kMaxSubcubiertas) {
        return nullptr;
    }
    return funciones == 1 ? cubiertas[k].get() : subcubiertas[k][f][j].get();
}

bool FueraDelRecorte(const CRect& recorte, int x0, int y0, int fondo) {
    return fondo + kHolgura <= recorte.top || y0 >= recorte.bottom || x0 >= recorte.right;
}
}  // namespace

struct CSistema::MapasLado {
    MapasLado(const CSistema& sistema, const CDC& dc, const Termino* nivelLado,
              const TablaCubiertas& cubiertasLado, const TablaSubcubiertas& subcubiertasLado,
              char caracterAusente, char caracterPresente)
        : nivel(nivelLado),
          cubiertas(cubiertasLado),
          subcubiertas(subcubiertasLado),
          ausente(caracterAusente),
          presente(caracterPresente),
          funciones(std::min(sistema.m_nFunciones, kMaxFunciones)),
          geometria(sistema.m_nVariables),
          disposicion(sistema.m_nVariables),
          recorte(dc.GetClipBox()),
          caracteresEntrada(static_cast<UINT>(std::bit_width(sistema.m_nMascara >> 1)) + 1),
          fuente(CFont::CreatePointFont(70, "Arial", dc)) {
        for (UINT t = 0; t < brochas.size(); ++t) {
            brochas[t] = CBrush{CGeometriaMapa::DotColour(t), false};
        }
    }

    const Termino* nivel;
    const TablaCubiertas& cubiertas;
    const TablaSubcubiertas& subcubiertas;
    char ausente;
    char presente;
    UINT funciones;
    CGeometriaMapa geometria;
    CDisposicionMapa disposicion;
    CRect recorte;
    // One legend entry: a character per variable and a blank.
    UINT caracteresEntrada;
    CFont fuente;  // the cells' term numbers
    std::array<CBrush, CGeometriaMapa::kMaxImplicantes> brochas;
    std::optional<CBrush> brochaEntrada;
    UINT enFila = 0;  // maps begun in the current row

    // The block being drawn: its cover, function and alternative, its
    // implicants, and where it ends, worked out beforehand.
    UINT k = 0;
    UINT f = 0;
    UINT j = 0;
    const Termino* lista = nullptr;
    UINT implicantes = 0;
    CGeometriaMapa::Bloque bloque;

    void StartBlock(UINT cubierta, UINT funcion, UINT alternativa) {
        k = cubierta;
        f = funcion;
        j = alternativa;
        lista = ImplicantesDelMapa(funciones, cubiertas, subcubiertas, k, f, j);
        implicantes = CountNodes(lista);
    }

    void SelectBrush(CDC& dc, UINT t) {
        const CBrush anterior = dc.SelectObject(brochas[t % brochas.size()]);
        if (!brochaEntrada) {
            brochaEntrada = anterior;
        }
    }
};

void CSistema::DrawKarnaughSections(CDC& dc) {
    if (!m_bVerMapaK) {
        return;
    }
    const bool ambasListas = m_pNivelSop[0] && m_pNivelPos[0];
    if (m_bProcesarSop && ambasListas) {
        dc.TextOut(m_nPosX, m_nPosY, "Cubiertas SOP sobre mapas K:");
        m_nPosY += 20;
        DrawKarnaughCovers(dc, m_pNivelSop[0].get(), m_pCubiertaSop, m_pCubiertaFuncionSop, '0',
                           '1');
    }
    if (m_bProcesarPos && ambasListas) {
        dc.TextOut(m_nPosX, m_nPosY, "Cubiertas POS sobre mapas K:");
        m_nPosY += 20;
        DrawKarnaughCovers(dc, m_pNivelPos[0].get(), m_pCubiertaPos, m_pCubiertaFuncionPos, '1',
                           '0');
    }
}

void CSistema::DrawKarnaughCovers(CDC& dc, const Termino* nivel, const TablaCubiertas& cubiertas,
                                  const TablaSubcubiertas& subcubiertas, char ausente,
                                  char presente) {
    MapasLado mapas(*this, dc, nivel, cubiertas, subcubiertas, ausente, presente);
    const CPen plumaEntrada = dc.SelectObject(CPen{CPen::Solid, 1, RGB(0, 0, 0)});

    for (UINT k = 0; k < kMaxCubiertas && (k == 0 || cubiertas[k]); ++k) {
        for (UINT f = 0; f < mapas.funciones; ++f) {
            for (UINT j = 0; j < kMaxSubcubiertas && (j == 0 || subcubiertas[k][f][j]); ++j) {
                DrawMapBlock(dc, mapas, k, f, j);
                if (mapas.funciones > 1) {
                    StepMapRow(mapas, false);
                }
            }
        }
        // One function: the maps of successive covers share rows.
        StepMapRow(mapas, mapas.funciones > 1);
    }
    if (mapas.enFila != 0) {
        m_nPosX = kMargen;
        m_nPosY += mapas.geometria.FinalLineFeed();
    }
    m_nPosX = kMargen;
    dc.SelectObject(plumaEntrada);
    if (mapas.brochaEntrada) {
        dc.SelectObject(*mapas.brochaEntrada);
    }
}

// After a map (or, with one function, after a cover): beside it while the row
// has room, else a new row below it. At the end of a cover of several
// functions: a new row, undoing the last step back up.
void CSistema::StepMapRow(MapasLado& mapas, bool finDeCubierta) {
    const CGeometriaMapa& g = mapas.geometria;
    if (finDeCubierta) {
        if (mapas.enFila != 0) {
            m_nPosX = kMargen;
            m_nPosY += g.CoverLineFeed();
            mapas.enFila = 0;
        }
    } else if (mapas.enFila < g.RowRoom()) {
        m_nPosY -= g.RowStep();
    } else {
        m_nPosX = kMargen;
        mapas.enFila = 0;
    }
}

void CSistema::DrawMapBlock(CDC& dc, MapasLado& mapas, UINT k, UINT f, UINT j) {
    mapas.StartBlock(k, f, j);
    const std::string encabezado = Encabezado(k, j, f);
    const int x0 = m_nPosX;
    const int y0 = m_nPosY;
    mapas.bloque = mapas.geometria.Block(x0, y0, static_cast<UINT>(encabezado.size()),
                                         mapas.implicantes, mapas.caracteresEntrada);
    ++mapas.enFila;
    if (FueraDelRecorte(mapas.recorte, x0, y0, mapas.bloque.fondo)) {
        SkipMapBlock(mapas);
        return;
    }

    m_nOrigenMapaX = x0;
    m_nPosY += 10;
    dc.TextOut(m_nPosX, m_nPosY, encabezado);
    m_nPosX += static_cast<int>(encabezado.size()) * 13 / 2;
    DrawMapLegend(dc, mapas);

    // The corner's short diagonal ends at the grid's top-left corner.
    m_nPosX = x0;
    dc.MoveTo(x0 + 25, m_nPosY + 25);
    dc.LineTo(x0 + 40, m_nPosY + 40);
    m_nPosY += 40;
    m_nPosX += 40;
    m_nOrigenMapaX = m_nPosX;
    m_nOrigenMapaY = m_nPosY;

    dc.TextOut(m_nOrigenMapaX + 5, m_nOrigenMapaY - 20, mapas.disposicion.TopLabel());
    if (mapas.geometria.LeftLabelOffset() > 0) {
        dc.TextOut(m_nOrigenMapaX - mapas.geometria.LeftLabelOffset(), m_nOrigenMapaY,
                   mapas.disposicion.LeftLabel());
    }
    DrawMapCells(dc, mapas);
    m_nPosY += 15;
}

// Leaves the cursor and the map fields as drawing the block would.
void CSistema::SkipMapBlock(const MapasLado& mapas) {
    const CGeometriaMapa::Bloque& bloque = mapas.bloque;
    m_nOrigenMapaX = bloque.origenX;
    m_nOrigenMapaY = bloque.origenY;
    m_nPosX = bloque.finX;
    m_nPosY = bloque.finY;
    if (mapas.geometria.Variables() == 6) {
        m_nDesplazamientoY = CGeometriaMapa::kSeparacionSubmapas;
    }
    // The last cell drawn: the last row of the last column.
    const CDisposicionMapa& d = mapas.disposicion;
    ProbeBlockCell(mapas, d.TermAt(d.Columns() - 1, d.Rows() - 1), d.Terms() - 1);
}

void CSistema::ProbeBlockCell(const MapasLado& mapas, UINT termino, UINT celda) {
    m_cCelda = mapas.ausente;
    ProbeMapCell(mapas.nivel, mapas.cubiertas, mapas.subcubiertas, mapas.presente, celda,
                 static_cast<int>(termino) - static_cast<int>(celda), mapas.f, 1u << mapas.f,
                 mapas.k, mapas.j);
}

void CSistema::DrawMapLegend(CDC& dc, MapasLado& mapas) {
    UINT t = 0;
    for (const Termino* p = mapas.lista; p != nullptr; p = p->sig.get(), ++t) {
        // A node of its own, so that the notation writes this implicant alone.
        const Termino suelto(p->unos, p->ceros, p->funciones, p->prescindibles);
        const std::string texto = FormatCubeList(&suelto, "");
        dc.TextOut(m_nPosX, m_nPosY, texto);
        m_nPosX += 8 * static_cast<int>(texto.size());
        mapas.SelectBrush(dc, t);
        // Over the entry's trailing blank.
        dc.Ellipse(m_nPosX - 10, m_nPosY + 5, m_nPosX - 4, m_nPosY + 11);
        if (m_nPosX > CGeometriaMapa::kFinLeyenda) {
            m_nPosX = m_nOrigenMapaX;
            m_nPosY += 20;
        }
    }
}

// Sub-maps left to right, then (six variables) the second row of them, 200
// lower; the cursor comes back to the map's left edge after each row.
void CSistema::DrawMapCells(CDC& dc, MapasLado& mapas) {
    const CDisposicionMapa& d = mapas.disposicion;
    const bool seis = mapas.geometria.Variables() == 6;
    if (seis) {
        m_nDesplazamientoY = 0;
    }
    UINT celda = 0;
    for (UINT u = 0; u < d.SubMapsDown(); ++u) {
        for (UINT s = 0; s < d.SubMapsAcross(); ++s) {
            DrawSubMap(dc, mapas, u, s, celda);
        }
        if (seis) {
            m_nDesplazamientoY = CGeometriaMapa::kSeparacionSubmapas;
            m_nPosX = m_nOrigenMapaX;
        }
    }
}

namespace {
void Line(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}
}  // namespace

// Column by column, each column's cells from the top; in the pass of column c
// its horizontal and vertical grid lines number c come first, the remaining
// border lines after the last column. `celda` counts the map's cells drawn.
void CSistema::DrawSubMap(CDC& dc, MapasLado& mapas, UINT u, UINT s, UINT& celda) {
    const CDisposicionMapa& d = mapas.disposicion;
    const CGeometriaMapa& g = mapas.geometria;
    const UINT columnas = d.SubMapColumns();
    const UINT filas = d.SubMapRows();
    const CPoint esquina = g.CellOffset(s * columnas, u * filas);
    const int izquierda = m_nOrigenMapaX + esquina.x;
    const int arriba = m_nOrigenMapaY + esquina.y;
    const auto horizontal = [&](UINT h) {
        const int y = arriba + kCelda * static_cast<int>(h);
        Line(dc, izquierda, y, izquierda + g.GridWidth(), y);
    };
    const auto vertical = [&](UINT v) {
        const int x = izquierda + kCelda * static_cast<int>(v);
        Line(dc, x, arriba, x, arriba + g.GridHeight());
    };
    for (UINT c = 0; c < columnas; ++c) {
        if (c <= filas) {
            horizontal(c);
        }
        vertical(c);
        m_nPosY = m_nOrigenMapaY + (g.Variables() == 6 ? m_nDesplazamientoY : 0);
        for (UINT r = 0; r < filas; ++r) {
            DrawMapCell(dc, mapas, d.TermAt(s * columnas + c, u * filas + r), celda++);
            // One variable: its cells keep the row's y.
            if (g.Variables() != 1) {
                m_nPosY += kCelda;
            }
        }
        m_nPosX += kCelda;
    }
    for (UINT h = columnas; h <= filas; ++h) {
        horizontal(h);
    }
    vertical(columnas);
    if (g.Variables() >= 5) {
        m_nPosX += kCelda;
    }
}

// The cell whose top-left corner is the cursor.
void CSistema::DrawMapCell(CDC& dc, MapasLado& mapas, UINT termino, UINT celda) {
    const int x = m_nPosX;
    const int y = m_nPosY;
    ProbeBlockCell(mapas, termino, celda);
    const CFont anterior = dc.SelectObject(mapas.fuente);
    dc.TextOut(x + 2, y + 2, NumeroCelda(termino));
    dc.SelectObject(anterior);
    dc.TextOut(x + 16, y + 13, std::string(1, m_cCelda));

    const auto lugares = CGeometriaMapa::PlaceDots(m_bContieneCelda, mapas.implicantes);
    const UINT n = std::min(mapas.implicantes, CGeometriaMapa::kMaxImplicantes);
    for (UINT t = 0; t < n; ++t) {
        if (lugares[t] == CGeometriaMapa::kSinLugar) {
            continue;
        }
        mapas.SelectBrush(dc, t);
        const CGeometriaMapa::Caja caja = CGeometriaMapa::DotBox(lugares[t], x, y);
        dc.Ellipse(caja.left, caja.top, caja.right, caja.bottom);
    }
}

void CSistema::ProbeMapCell(const Termino* nivel, const TablaCubiertas& cubiertas,
                            const TablaSubcubiertas& subcubiertas, char presente, UINT base,
                            int desplazamiento, UINT f, UINT mascaraFuncion, UINT k, UINT j) {
    const UINT v = static_cast<UINT>(static_cast<int>(base) + desplazamiento);
    for (const Termino* p = nivel; p != nullptr; p = p->sig.get()) {
        if (p->unos != v) {
            continue;
        }
        if ((p->funciones & mascaraFuncion) != 0) {
            m_cCelda = (p->prescindibles & mascaraFuncion) != 0 ? 'X' : presente;
        }
        break;
    }
    m_bContieneCelda.fill(false);
    UINT t = 0;
    for (const Termino* p = ImplicantesDelMapa(m_nFunciones, cubiertas, subcubiertas, k, f, j);
         p != nullptr && t < m_bContieneCelda.size(); p = p->sig.get(), ++t) {
        bool contiene = true;
        // A dash matches both values.
        for (UINT bit = m_nMascara >> 1; bit != 0 && contiene; bit >>= 1) {
            const bool fija = ((p->unos ^ p->ceros) & bit) != 0;
            contiene = !fija || (p->unos & bit) == (v & bit);
        }
        m_bContieneCelda[t] = contiene;
    }
}
