#pragma once
// Exact minimal-cover search over bitsets.
//
// The problem: candidates numbered 0..N-1 in list order, each covering a set of
// (term, function) pairs numbered 0..P-1 and carrying a literal count. A cover is
// a set of candidates whose pairs together are all P pairs. The result is the one
// an exhaustive enumeration of the combinations of k candidates in lexicographic
// order (k = 1, 2, ...) would give:
//   - without "all solutions": the first covering combination of the smallest size;
//   - with it: the covering combinations of the smallest size whose literal count
//     is the least among them, in enumeration order, the first `maxCubiertas`.
// It is computed without enumerating. With "all solutions" a candidate weighs a
// fixed amount larger than any literal sum plus its literals, so that the least
// weight is the least size first and the least literal count second; without it
// every candidate weighs 1. A branch-and-bound over the pairs (forced candidates,
// dominated pairs and candidates dropped, bounds from independent pairs and from
// Lagrangian prices, independent parts solved apart) finds the least weight and a
// cover of that weight. The least number of candidates is found with a limit
// that rises one at a time from the root's bound when the greedy cover is well
// above it: a search with no room to spare closes its branches far sooner than
// one that starts loose. With "all solutions" the search first keeps every cover
// of the least weight instead, adding back those that differ from one found by
// a dominated candidate of the same weight; sorted, they are the answer. Only
// when there are too many of them does it give way to the walk, which builds the
// covers in enumeration order one candidate at a time: the next candidate is the
// first one that begins some completion of that weight, found by asking the
// branch-and-bound for a completion that begins before the one known, until
// there is none. Every partial combination it enters can be completed, so it
// meets the covers in enumeration order without visiting dead branches.

#include <span>
#include <vector>

#include "logic/ProblemaCubierta.h"
#include "logic/Ramificacion.h"

// The parts, each in its own file: the bitset (Conjunto), the problem's tables
// (ProblemaCubierta), the reductions (Reducciones), the Lagrangian bound
// (CotaLagrange), the branch-and-bound (Ramificacion), the ties (Empates) and
// the walk in enumeration order (Recorrido).
class CBuscadorCubiertas {
public:
    static constexpr UINT kMaxPares = CProblemaCubierta::kMaxPares;
    static constexpr UINT kMaxCandidatos = CProblemaCubierta::kMaxCandidatos;
    static constexpr UINT kMaxLiterales = CProblemaCubierta::kMaxLiterales;
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;

    // The covers, each as the ascending positions of its candidates. `cubre[i]` holds
    // the pairs (below nPares) candidate i covers and `literales[i]` its literal
    // count; both spans have one entry per candidate. No cover when there is no pair
    // at all, when some pair has no candidate, or when the sizes or a literal count
    // exceed the limits above.
    static std::vector<std::vector<UINT>> Buscar(UINT nPares, std::span<const Pares> cubre,
                                                 std::span<const UINT> literales,
                                                 bool todasSoluciones, UINT maxCubiertas);

private:
    CBuscadorCubiertas(UINT nPares, std::span<const Pares> cubre, std::span<const UINT> literales,
                       bool todasSoluciones)
        : m_problema(nPares, cubre, literales, todasSoluciones), m_ramificacion(m_problema) {}
    std::vector<std::vector<UINT>> Find(const Pares& todos, UINT maxCubiertas);
    // The least number of candidates of a cover, and such a cover.
    UINT LeastSize(const Pares& todos, Candidatos& testigo) const;
    // The least weight of a cover, and such a cover; with literals `testigo`
    // comes in as a cover of the least number of candidates.
    UINT Optimum(const Pares& todos, Candidatos& testigo);

    CProblemaCubierta m_problema;
    CRamificacion m_ramificacion;
};
