#pragma once
// The Lagrangian bound of the covering problem at a node: every open pair priced,
// a candidate whose pairs are worth more than it costs taken, the prices raised
// by subgradient steps. The number of candidates and their literals are bounded
// apart: a single bound of the weights would let a fractional count hide every
// literal. The reduced costs settle candidates out of or into every cover
// within the limit.

#include <array>
#include <cstdint>
#include <vector>

#include "logic/ProblemaCubierta.h"
#include "logic/Reducciones.h"

class CCotaLagrange {
public:
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;
    using Resto = CProblemaCubierta::Resto;
    static constexpr UINT kMaxPares = CProblemaCubierta::kMaxPares;
    static constexpr UINT kMaxCandidatos = CProblemaCubierta::kMaxCandidatos;
    // Subgradient steps of the bound: more at the top of a search, fewer below,
    // where the multipliers come from the level above.
    static constexpr int kPasosRaiz = 150;
    static constexpr int kPasos = 80;

    // Prices of the open pairs for the bound of the number of candidates and for
    // the bound of their literals.
    struct Multiplicadores {
        std::array<double, kMaxPares> tamano;
        std::array<double, kMaxPares> literales;
    };
    // How far a bound may go: the limit of the weight, whether no cover has fewer
    // candidates than the limit has room for (so that what is left of the limit
    // beyond them bounds the literals), and the steps of the subgradient.
    struct Limite {
        UINT limite = 0;
        bool lleno = false;
        int pasos = kPasos;
    };
    // A descent of the subgradient: the bound it aims at, its steps, and the steps
    // without gain before the step is halved, down to `pasoMinimo`.
    struct Descenso {
        double objetivo = 0;
        int pasos = kPasos;
        int paciencia = 5;
        double pasoMinimo = 0.1;
    };
    // Scratch of the bound: the open pairs as rows numbered from 0 and, per
    // candidate, its rows; contiguous, so that the many steps of the bound run
    // over plain arrays.
    struct Tabla {
        std::array<UINT, kMaxCandidatos> columna;
        std::array<UINT, kMaxCandidatos + 1> inicio;
        std::array<double, kMaxCandidatos> literales;
        std::array<double, kMaxCandidatos> reducidoTamano;
        std::array<double, kMaxCandidatos> reducidoLiterales;
        std::array<std::uint16_t, kMaxPares> par;
        std::array<std::uint16_t, kMaxPares> fila;  // per pair, while it is open
        std::vector<std::uint16_t> filas;
        UINT nColumnas = 0;
        UINT nPares = 0;
        // The same columns in blocks of eight, longest first, each block as rows
        // of eight row numbers padded with an empty row: the steps of the bound
        // run over them without a branch per column.
        std::vector<std::uint16_t> bloques;
        std::array<UINT, kMaxCandidatos / 8 + 2> inicioBloque;
        std::array<std::uint16_t, kMaxCandidatos + 8> columnaDe;
        std::array<float, kMaxCandidatos + 8> costeTamano;
        std::array<float, kMaxCandidatos + 8> costeLiterales;
        UINT nBloques = 0;
    };

    explicit CCotaLagrange(const CProblemaCubierta& problema) : m_problema(problema) {}

    // The prices to start from: those given, or those of the independent pairs.
    void Start(Multiplicadores& u, const Multiplicadores* previos,
               const CReducciones::Independientes& independientes) const;
    // The bound of the node; false when it passes the limit. Candidates it shows
    // out of or into every cover within the limit are settled (`cambio`).
    bool Tighten(Resto& r, const Limite& limite, Multiplicadores& u, bool& cambio);
    // Costs are whole numbers, so a bound rounds up.
    static UINT RoundUp(double cota);
    // The rows and columns of the open pairs and allowed candidates.
    Tabla& BuildTable(const Pares& pendientes, const Candidatos& permitidos);
    // The table as the last bound left it, with its reduced costs.
    const Tabla& LastTable() const { return m_tabla; }
    // Raises the bound by subgradient steps towards the target; leaves u at the
    // best prices and `reducido` at the candidates' reduced costs under them.
    double Ascend(std::array<double, kMaxPares>& u, bool literales, const Descenso& descenso,
                  std::array<double, kMaxCandidatos>& reducido) const;

private:
    // The bound at prices `u` given per row of the table, summed exactly, and
    // the candidates' reduced costs under them.
    double Value(const std::array<double, kMaxPares>& u, bool literales,
                 std::array<double, kMaxCandidatos>& reducido) const;
    // The same bound in single precision, for the steps only; takes from each
    // row's count in `gradiente` the candidates the bound takes.
    float FastValue(const float* u, bool literales, float* gradiente) const;

    const CProblemaCubierta& m_problema;
    Tabla m_tabla;
    // How often the bound of the literals was computed, and how often it closed
    // the branch.
    long m_cotasLiterales = 0;
    long m_podasLiterales = 0;
};
