#pragma once
// The reductions of a node of the cover search: candidates some pair cannot do
// without, the bound of independent pairs and what it rules out, dominated
// pairs and candidates, and the parts that share no candidate.

#include <array>

#include "logic/ProblemaCubierta.h"

class CReducciones {
public:
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;
    using Resto = CProblemaCubierta::Resto;
    static constexpr UINT kMaxPares = CProblemaCubierta::kMaxPares;

    // The pairs still open after the forced candidates, each keyed by its count of
    // candidates (high bits) and its number (low 16 bits).
    struct Filas {
        std::array<UINT, kMaxPares> clave;
        UINT n = 0;
    };
    // Pairs that share no candidate, each with the weight of its cheapest
    // candidate; `primero` has the fewest candidates.
    struct Independientes {
        Pares pares;
        std::array<UINT, kMaxPares> minimo;
        UINT primero = 0;
    };
    // The open pairs and allowed candidates at the last pass of each dominance
    // test. Both sets only shrink down the search, and a pass leaves nothing
    // dominated: later only pairs that lost a candidate can dominate another, and
    // only candidates that lost a pair can be dominated.
    struct Depurado {
        Candidatos permitidos;  // at the last pass over the pairs
        Pares pendientes;       // at the last pass over the candidates
        bool valido = false;
    };

    explicit CReducciones(const CProblemaCubierta& problema) : m_problema(problema) {}

    // Takes the candidates that some pair cannot do without and lists the other
    // pairs by their count of candidates; false when some pair has none left.
    bool TakeForced(Resto& r, Filas& filas) const;
    // The least cost of the independent pairs: a lower bound of any cover.
    UINT IndependentBound(const Pares& pendientes, const Candidatos& permitidos, Filas& filas,
                          Independientes& independientes) const;
    // The same bound, the pairs listed here; the independent pairs go to
    // `independientes`.
    UINT Bound(const Pares& pendientes, const Candidatos& permitidos,
               Independientes& independientes) const;
    UINT Bound(const Pares& pendientes, const Candidatos& permitidos) const;
    // Drops the candidates that the bound shows too dear to take.
    bool DropTooDear(Candidatos& permitidos, UINT cota, UINT limite,
                     const Independientes& independientes) const;
    // Drops the pairs whose candidates include all those of another pair: covering
    // that one covers them. The covers stay the same.
    bool DropDominatedPairs(Pares& pendientes, const Candidatos& permitidos) const {
        return DropDominatedPairs(pendientes, permitidos, pendientes);
    }
    // The same, with only the pairs of `revisar` as dominating ones.
    bool DropDominatedPairs(Pares& pendientes, const Candidatos& permitidos,
                            const Pares& revisar) const;
    // Drops the candidates whose open pairs another candidate, no dearer, covers as
    // well. The least cost stays the same.
    bool DropDominatedCandidates(const Pares& pendientes, Candidatos& permitidos,
                                 const Candidatos& revisar) const;
    // Both tests, each over what changed since its last pass; true if either
    // dropped something.
    bool DropDominated(Pares& pendientes, Candidatos& permitidos, Depurado& depurado) const;
    // The open pairs linked to `fila` through shared candidates.
    Pares Component(const Pares& pendientes, const Candidatos& permitidos, UINT fila) const;

private:
    const CProblemaCubierta& m_problema;
};
