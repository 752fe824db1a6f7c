#pragma once
// With "all solutions": every cover of the least weight. One search keeps the
// ties as it finds them, lowering its limit on a cheaper cover; the covers it
// misses because the reductions left out a candidate as dear as another that
// covers as much are brought back by swapping such candidates in. Beyond a
// bound on their number it gives up, and the walk in enumeration order takes
// over.

#include <optional>
#include <vector>

#include "logic/ProblemaCubierta.h"
#include "logic/Ramificacion.h"

class CEmpates {
public:
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;

    CEmpates(const CProblemaCubierta& problema, CRamificacion& ramificacion)
        : m_problema(problema), m_ramificacion(ramificacion) {}

    // The first `maxCubiertas` covers of the least weight in enumeration order,
    // given a cover of the least size; none when there are too many to keep.
    std::optional<std::vector<std::vector<UINT>>> Find(const Pares& todos, Candidatos testigo,
                                                       UINT maxCubiertas);

private:
    // A branch of the search: the pairs it must still cover, the candidates it may
    // take, and those taken on the way, of weight `peso`.
    struct Rama {
        Pares pendientes;
        Candidatos permitidos;
        UINT peso = 0;
        Candidatos camino;
    };
    // Collects the covers of weight at most `m_mejor` that complete the branch,
    // lowering `m_mejor` as cheaper ones turn up; false once there are too many.
    // `padre`: the node above, whose prices and dominance passes carry over.
    bool Collect(const Rama& rama, const CRamificacion::Estado* padre);
    bool Note(const Candidatos& cubierta, UINT peso);
    // Makes a cover cheaper by swaps of one member, and on large problems of two,
    // so that the search for the ties starts from a tighter limit.
    void Cheapen(const Pares& todos, Candidatos& cubierta) const;
    // Two members for two candidates of less weight between them; false when
    // no such swap is left.
    bool SwapPair(const Pares& todos, Candidatos& cubierta) const;
    // Adds the covers of the same weight that differ from one kept by a
    // candidate; false once there are too many.
    bool CloseTies(const Pares& todos);

    const CProblemaCubierta& m_problema;
    CRamificacion& m_ramificacion;
    // The ties of the least weight found so far.
    UINT m_mejor = 0;
    std::vector<Candidatos> m_empates;
};
