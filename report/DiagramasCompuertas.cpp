// The gate diagrams of the report: AND-OR, OR-AND, NAND and NOR, each family
// first for every function alone and then for all functions at once, where a
// first-level gate shared by several functions is built once and feeds them
// through a bus line.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "logic/Sistema.h"
#include "report/GeometriaCompuertas.h"

using namespace compuertas;

// What tells the four families apart.
struct CSistema::FamiliaCompuertas {
    const char* encabezado;
    const char* encabezadoSimultaneo;
    bool procesar;    // the processing flag of the half its terms come from
    bool individual;  // its type flag among the individual diagrams
    bool simultaneo;  // its type flag among the simultaneous diagrams
    const TablaCubiertas& cubiertas;
    const TablaSubcubiertas& subcubiertas;
    bool recto;    // a lone literal reaches the output gate uninverted
    bool suma;     // the terms are sums, their gates OR-shaped
    bool burbuja;  // NAND or NOR: every gate carries a bubble
    bool formaOr;  // OR-shaped output gates
};

namespace {

constexpr int kAvanceEncabezado = 30;
// Below an individual diagram's last row, and below a simultaneous one's.
constexpr int kAvanceIndividual = 21;
constexpr int kAvanceSimultaneo = 51;

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

template <std::size_t N>
UINT Ocupadas(const std::array<ListaTerminos, N>& ranuras) {
    UINT k = 0;
    while (k < N && ranuras[k]) {
        ++k;
    }
    return k;
}

// Covers and functions are shown from 1.
std::string Numero(UINT i) {
    return std::to_string(i + 1);
}

int Veces(int paso, UINT n) {
    return paso * static_cast<int>(n);
}

// The bus positions (t from 1) that one function's sub-cover takes its inputs
// from, in the general cover's order. The sub-cover keeps that order, so one
// walk of both lists finds them.
std::vector<UINT> BusesDeEntrada(const Termino* general, const Termino* subcubierta) {
    std::vector<UINT> buses;
    UINT t = 1;
    for (const Termino* p = general; p != nullptr && subcubierta != nullptr; p = p->sig.get()) {
        if (CSistema::CubeEqual(*p, *subcubierta)) {
            buses.push_back(t);
            subcubierta = subcubierta->sig.get();
        }
        ++t;
    }
    return buses;
}

// The top of function f's output gate in a simultaneous diagram whose rows end
// at `fondo`: the gates stand q rows apart. A cover of fewer terms than
// functions still gives each gate a row of its own: those beyond the last row
// stand below it, and the bus runs on down to them.
int ArribaCompartida(int fondo, UINT ranuras, UINT funciones, UINT f) {
    const UINT q = std::max(1u, ranuras / (funciones + 1));
    return fondo - Veces(kAltoFila, ranuras) + kLineaSalida + Veces(kAltoFila, q * (f + 1));
}

// Whether a diagram between `arriba` and `fondo` misses the clip box: its
// gates, arcs and labels reach less than a row beyond. A page of a long report
// then draws its own diagrams only.
bool FueraDelRecorte(const CRect& recorte, int arriba, int fondo) {
    return arriba - kAltoFila >= recorte.bottom || fondo + kAltoFila <= recorte.top;
}

// 0 for one term or none, 1 for the 42-high gate (2 to 6), 2 for the 76-high one.
UINT ClaseTamano(UINT terminos) {
    return terminos <= 1 ? 0 : (terminos <= 6 ? 1 : 2);
}

void DrawOutline(const CSistema& sistema, CDC& dc, bool formaOr, int h) {
    if (formaOr) {
        sistema.DrawOrGate(dc, kEspaldaSalida, h);
    } else {
        sistema.DrawAndGate(dc, kEspaldaSalida, h);
    }
}

}  // namespace

// One function's output gate in a simultaneous diagram.
struct CSistema::PuertaCompartida {
    int arriba;
    std::vector<UINT> buses;
    UINT terminos;
    std::string etiqueta;
};

void CSistema::DrawGateDiagrams(CDC& dc) {
    const std::array<FamiliaCompuertas, 4> familias = {{
        {"Diagramas de Compuertas AND-OR:", "Diagramas de Compuertas AND-OR simultaneos:",
         m_bProcesarSop, m_bIndividualDosTipos, m_bSimultaneoDosTipos, m_pCubiertaSop,
         m_pCubiertaFuncionSop, true, false, false, true},
        {"Diagramas de Compuertas OR-AND:", "Diagramas de Compuertas OR-AND simultaneos:",
         m_bProcesarPos, m_bIndividualDosTipos, m_bSimultaneoDosTipos, m_pCubiertaPos,
         m_pCubiertaFuncionPos, false, true, false, false},
        {"Diagramas de Compuertas NAND:", "Diagramas de Compuertas NAND simultaneos:",
         m_bProcesarSop, m_bIndividualUnTipo, m_bSimultaneoUnTipo, m_pCubiertaSop,
         m_pCubiertaFuncionSop, false, false, true, false},
        {"Diagramas de Compuertas NOR:", "Diagramas de Compuertas NOR simultaneos:", m_bProcesarPos,
         m_bIndividualUnTipo, m_bSimultaneoUnTipo, m_pCubiertaPos, m_pCubiertaFuncionPos, true,
         true, true, true},
    }};
    for (const FamiliaCompuertas& familia : familias) {
        DrawGateFamily(dc, familia);
    }
}

void CSistema::DrawGateFamily(CDC& dc, const FamiliaCompuertas& familia) {
    if (!(familia.individual || familia.simultaneo) || !familia.procesar || !m_pNivelSop[0] ||
        !m_pNivelPos[0] || !familia.cubiertas[0]) {
        return;
    }
    if (m_bDiagramaIndividual && familia.individual) {
        DrawIndividualDiagrams(dc, familia);
    }
    if (m_nFunciones > 1 && m_bDiagramaSimultaneo && familia.simultaneo) {
        DrawSimultaneousDiagrams(dc, familia);
    }
}

void CSistema::DrawIndividualDiagrams(CDC& dc, const FamiliaCompuertas& familia) {
    dc.TextOut(m_nPosX, m_nPosY, familia.encabezado);
    m_nPosY += kAvanceEncabezado;
    const UINT cubiertas = Ocupadas(familia.cubiertas);
    const UINT funciones = std::min(m_nFunciones, kMaxFunciones);
    for (UINT c = 0; c < cubiertas; ++c) {
        dc.TextOut(m_nPosX, m_nPosY, "Con Cubierta " + Numero(c) + ":");
        m_nPosY += kAvanceEncabezado;
        if (m_nFunciones == 1) {
            DrawGateDiagram(dc, familia, familia.cubiertas[c].get(), " f");
            continue;
        }
        // Every alternative of a function gets a diagram of its own.
        for (UINT f = 0; f < funciones; ++f) {
            const SubcubiertasFuncion& alternativas = familia.subcubiertas[c][f];
            for (UINT j = 0; j < Ocupadas(alternativas); ++j) {
                DrawGateDiagram(dc, familia, alternativas[j].get(), " f" + Numero(f));
            }
        }
    }
}

void CSistema::DrawGateDiagram(CDC& dc, const FamiliaCompuertas& familia, const Termino* terminos,
                               const std::string& etiqueta) {
    const int siguiente = m_nPosY + Veces(kAltoFila, CountNodes(terminos)) + kAvanceIndividual;
    if (FueraDelRecorte(dc.GetClipBox(), m_nPosY, siguiente)) {
        m_nPosY = siguiente;
        return;
    }
    UINT filas = 0;
    for (const Termino* p = terminos; p != nullptr; p = p->sig.get()) {
        DrawTermRow(dc, familia, *p);
        m_nPosY += kAltoFila;
        ++filas;
    }
    DrawOutputGate(dc, familia, filas, etiqueta);
}

int CSistema::DrawTermRow(CDC& dc, const FamiliaCompuertas& familia, const Termino& termino) {
    const int x = m_nPosX;
    const int y = m_nPosY;
    const UINT literales = DrawGateInputs(familia.recto, familia.suma, termino, dc);
    if (literales >= 2) {
        if (familia.suma) {
            DrawOrGate(dc, kEspalda, kAltoPuerta);
        } else {
            DrawAndGate(dc, kEspalda, kAltoPuerta);
        }
        if (familia.burbuja) {
            DrawBubble(dc, x + kFrente, y + kLineaSalida - 4);
        }
    } else if (familia.burbuja) {
        // Stands for the gate and bubble that a lone literal does without.
        Line(dc, x + kFrente, y + kLineaSalida, x + kFinMunon, y + kLineaSalida);
    }
    return x + kFrente + (familia.burbuja ? kBurbuja : 0);
}

void CSistema::DrawOutputGate(CDC& dc, const FamiliaCompuertas& familia, UINT filas,
                              const std::string& etiqueta) {
    const int x = m_nPosX;
    const int yb = m_nPosY;
    DrawRailLabels(dc, yb);
    // Midway between the output lines of the first and the last row.
    const int yc = yb - Veces(kAltoFila / 2, filas) - 9;
    const int desde = x + kFrente + (familia.burbuja ? kBurbuja : 0);
    const int espalda = x + kEspaldaSalida;
    const int o = familia.formaOr ? 1 : 0;
    // Each input runs along its row's output line, turns at its jog and reaches
    // the gate's back 6 from its neighbour; on an OR back it ends on the curve.
    auto cable = [&](int yFila, int xCodo, int yEntrada, int fin) {
        dc.MoveTo(desde, yFila);
        dc.LineTo(xCodo, yFila);
        dc.LineTo(xCodo, yEntrada);
        dc.LineTo(fin, yEntrada);
    };
    if (filas % 2 == 1) {
        Line(dc, desde, yc, espalda + 10 * o, yc);
        for (int d = 1; d <= static_cast<int>(filas / 2); ++d) {
            for (const int lado : {1, -1}) {
                cable(yc + lado * 60 * d, x + 254 + 12 * d, yc + lado * 6 * d,
                      espalda + o * (11 - d));
            }
        }
    } else {
        for (int e = 1; e <= static_cast<int>(filas / 2); ++e) {
            for (const int lado : {1, -1}) {
                cable(yc + lado * (60 * e - 30), x + 248 + 12 * e, yc + lado * (6 * e - 3),
                      espalda + o * (11 - e));
            }
        }
    }
    // One NAND or NOR term still needs its output inverted: it gets a gate of
    // one input, as every diagram of two terms or more gets its gate.
    if (filas >= 2 || (filas == 1 && familia.burbuja)) {
        const int h = filas < 7 ? kAltoPuerta : kAltoSalidaGrande;
        const int frente = espalda + 13 * h / 10;
        Line(dc, frente, yc, x + kFinSalida, yc);
        m_nPosY = yc - h / 2;
        DrawOutline(*this, dc, familia.formaOr, h);
        if (familia.burbuja) {
            DrawBubble(dc, frente, yc - 4);
        }
    } else {
        Line(dc, espalda, yc, x + kFinSalida, yc);
    }
    dc.TextOut(x + kFinSalida, yc - 5, etiqueta);
    m_nPosY = yb + kAvanceIndividual;
}

void CSistema::DrawSimultaneousDiagrams(CDC& dc, const FamiliaCompuertas& familia) {
    dc.TextOut(m_nPosX, m_nPosY, familia.encabezadoSimultaneo);
    m_nPosY += kAvanceEncabezado;
    const UINT cubiertas = Ocupadas(familia.cubiertas);
    for (UINT c = 0; c < cubiertas; ++c) {
        dc.TextOut(m_nPosX, m_nPosY, "Con Cubierta gral. " + Numero(c) + ":");
        m_nPosY += kAvanceEncabezado;
        const Termino* cubierta = familia.cubiertas[c].get();
        const UINT k = CountNodes(cubierta);
        if (SkipSimultaneousDiagram(dc, k)) {
            continue;
        }
        UINT t = 1;
        for (const Termino* p = cubierta; p != nullptr; p = p->sig.get(), ++t) {
            const int salida = DrawTermRow(dc, familia, *p);
            for (UINT b = 1; b <= k; ++b) {
                const int bus = m_nPosX + kBus + Veces(kPasoCable, b);
                Line(dc, bus, m_nPosY, bus, m_nPosY + kAltoFila);
            }
            const int bus = m_nPosX + kBus + Veces(kPasoCable, t);
            Line(dc, salida, m_nPosY + kLineaSalida, bus, m_nPosY + kLineaSalida);
            DrawJunction(dc, bus, m_nPosY + kLineaSalida);
            m_nPosY += kAltoFila;
        }
        DrawSharedOutputGates(dc, familia, k + 1, c);
    }
}

bool CSistema::SkipSimultaneousDiagram(const CDC& dc, UINT k) {
    const UINT m = std::min(m_nFunciones, kMaxFunciones);
    const int filas = m_nPosY + Veces(kAltoFila, k);
    const int siguiente = filas + kAvanceSimultaneo + (k < m ? Veces(kAltoFila, m - k) : 0);
    // The last gate's inputs hang from its top 6 apart, one per term at most.
    const int fondo = std::max(siguiente, ArribaCompartida(filas, k + 1, m, m - 1) +
                                              std::max(Veces(kPasoCable, k), kAltoSalidaGrande));
    if (!FueraDelRecorte(dc.GetClipBox(), m_nPosY, fondo)) {
        return false;
    }
    m_nPosY = siguiente;
    return true;
}

void CSistema::DrawSharedOutputGates(CDC& dc, const FamiliaCompuertas& familia, UINT ranuras,
                                     UINT cubierta) {
    const int x = m_nPosX;
    const int yb = m_nPosY;
    DrawRailLabels(dc, yb);
    const UINT m = std::min(m_nFunciones, kMaxFunciones);
    const UINT k = ranuras - 1;

    const Termino* general = familia.cubiertas[cubierta].get();
    std::vector<PuertaCompartida> puertas;
    int fondoBus = yb;
    for (UINT f = 0; f < m; ++f) {
        const Termino* primera = familia.subcubiertas[cubierta][f][0].get();
        puertas.push_back(PuertaCompartida{ArribaCompartida(yb, ranuras, m, f),
                                           BusesDeEntrada(general, primera), CountNodes(primera),
                                           " f" + Numero(f)});
        const auto entradas = static_cast<UINT>(puertas.back().buses.size());
        if (entradas > 0) {
            fondoBus = std::max(fondoBus, puertas.back().arriba + Veces(kPasoCable, entradas));
        }
    }
    for (UINT b = 1; b <= k && fondoBus > yb; ++b) {
        const int bus = x + kBus + Veces(kPasoCable, b);
        Line(dc, bus, yb, bus, fondoBus);
    }

    for (const PuertaCompartida& puerta : puertas) {
        DrawSharedOutputGate(dc, familia, puerta);
    }
    m_nPosY = yb + kAvanceSimultaneo + (k < m ? Veces(kAltoFila, m - k) : 0);
}

void CSistema::DrawSharedOutputGate(CDC& dc, const FamiliaCompuertas& familia,
                                    const PuertaCompartida& puerta) {
    const int x = m_nPosX;
    const int y = puerta.arriba;
    const std::vector<UINT>& buses = puerta.buses;
    const int o = familia.formaOr ? 1 : 0;
    const int i = static_cast<int>(buses.size());
    // One NAND or NOR input still needs inverting: a 42-high gate of one input.
    const bool inversor = familia.burbuja && i == 1;
    const int clase = static_cast<int>(std::max(ClaseTamano(puerta.terminos), inversor ? 1u : 0u));
    // The inputs hang from the gate's top 6 apart, in the general cover's order.
    for (int n = 0; n < i; ++n) {
        const int bus = x + kBus + Veces(kPasoCable, buses[static_cast<std::size_t>(n)]);
        const int yi = y + kPasoCable * (n + 1);
        Line(dc, bus, yi, x + kEspaldaSalida + o * (10 - std::abs(3 * clase - n)), yi);
        DrawJunction(dc, bus, yi);
    }
    if (i >= 2 || inversor) {
        const int h = 34 * clase + 8;
        m_nPosY = y;
        DrawOutline(*this, dc, familia.formaOr, h);
        const int b = familia.burbuja ? 1 : 0;
        Line(dc, x + 380 + kBurbuja * b + 44 * clase, y + h / 2, x + kFinSalida, y + h / 2);
        if (familia.burbuja) {
            DrawBubble(dc, x + kEspaldaSalida + 13 * h / 10, y + h / 2 - 4);
        }
        dc.TextOut(x + kFinSalida, y + h / 2 - 5, puerta.etiqueta);
    } else {
        Line(dc, x + kEspaldaSalida, y + kPasoCable * i, x + kFinSalida, y + kPasoCable * i);
        dc.TextOut(x + kFinSalida, y + kPasoCable * i - 5, puerta.etiqueta);
    }
}
