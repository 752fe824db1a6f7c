#pragma once
// The walk in enumeration order: it builds the covers of the least weight one
// candidate at a time. The next candidate is the first one that begins some
// completion of that weight, found by asking the branch-and-bound for a
// completion that begins before the one known, until there is none. Every
// partial combination it enters can be completed, so it meets the covers in
// enumeration order without visiting dead branches. The reduced costs of the
// whole problem's prices rule out many choices before any search.

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "logic/CotaLagrange.h"
#include "logic/ProblemaCubierta.h"
#include "logic/Ramificacion.h"

class CRecorrido {
public:
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;

    // The problem is borrowed: the pair after its last one is lent to searches.
    CRecorrido(CProblemaCubierta& problema, CRamificacion& ramificacion)
        : m_problema(problema), m_ramificacion(ramificacion) {}

    // The first `maxCubiertas` covers of `todos` of weight `optimo`, the least, in
    // enumeration order; `testigo` is one of them.
    std::vector<std::vector<UINT>> Walk(const Pares& todos, UINT optimo, const Candidatos& testigo,
                                        UINT maxCubiertas);

private:
    // What a completion must still cover, and the weight it must have.
    struct Hueco {
        Pares pendientes;
        UINT resto = 0;
    };
    // What the choices made so far add to the bound of the whole problem: the
    // reduced costs of the candidates taken and of those left out.
    struct Fijados {
        double tamano = 0;
        double literales = 0;
    };
    // The prices of the whole problem start every bound of the walk, and their
    // reduced costs give the walk a bound of its own for every choice it makes.
    void PreparePrices(const Pares& todos, UINT optimo);
    bool Exceeds(const Fijados& fijados) const;
    Fijados Taking(Fijados f, UINT j) const;
    Fijados Leaving(Fijados f, UINT j) const;
    // Walks the combinations in enumeration order from position `desde`, entering
    // only those that can be completed; `testigo` is one such completion.
    void Enumerate(UINT desde, const Hueco& hueco, Fijados fijados, Candidatos testigo);
    // The first candidate from `inicio` on that begins some completion; `testigo`
    // holds a completion from `inicio` on and ends with one that begins there.
    UINT First(UINT inicio, const Hueco& hueco, const Fijados& fijados, Candidatos& testigo);
    // Brings a completion from `desde` on earlier in enumeration order by single
    // swaps, each a candidate of a lower position in place of a member, covering
    // all the member alone covers, at the same weight: a witness nearer the first
    // leaves fewer completions before it to search for.
    void Improve(const Hueco& hueco, UINT desde, Candidatos& testigo) const;
    // Whether the candidates after `tras` can complete; such a completion goes to
    // `testigo`.
    bool Completable(const Hueco& hueco, UINT tras, Candidatos& testigo);
    // Whether some completion from `inicio` on takes one of `alguno`.
    bool CompletableWith(const Hueco& hueco, UINT inicio, const Candidatos& alguno,
                         Candidatos& testigo);

    CProblemaCubierta& m_problema;
    CRamificacion& m_ramificacion;
    UINT m_maxCubiertas = 0;
    // The bound of the whole problem and its reduced costs, for Exceeds.
    UINT m_optimo = 0;
    Fijados m_filtro;
    std::vector<double> m_reducidoTamano;
    std::vector<double> m_reducidoLiterales;
    CCotaLagrange::Multiplicadores m_multiplicadores{};
    // Completions already searched for: the open pairs, the position and the weight.
    struct Clave {
        Pares pendientes;
        UINT tras;
        UINT resto;
        bool operator==(const Clave& o) const {
            return tras == o.tras && resto == o.resto && pendientes.Equals(o.pendientes);
        }
    };
    struct HashClave {
        std::size_t operator()(const Clave& c) const {
            return c.pendientes.Hash() ^ (std::size_t{c.tras} << 20) ^ c.resto;
        }
    };
    struct Completado {
        bool completable;
        Candidatos testigo;
    };
    std::unordered_map<Clave, Completado, HashClave> m_memoria;
    std::vector<UINT> m_seleccion;
    std::vector<std::vector<UINT>> m_cubiertas;
};
