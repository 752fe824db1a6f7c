#pragma once
// The branch-and-bound of the cover search. A node is reduced (forced
// candidates, the bound of independent pairs, dominated pairs and candidates,
// the Lagrangian bound) until nothing changes; then it branches on a pair with
// the fewest candidates, the one whose candidates the prices charge most, trying
// first those the prices favour. Parts that share no candidate are solved apart.

#include <array>
#include <utility>

#include "logic/CotaLagrange.h"
#include "logic/ProblemaCubierta.h"
#include "logic/Reducciones.h"

class CRamificacion {
public:
    using Pares = CProblemaCubierta::Pares;
    using Candidatos = CProblemaCubierta::Candidatos;
    using Resto = CProblemaCubierta::Resto;
    using Multiplicadores = CCotaLagrange::Multiplicadores;
    using Depurado = CReducciones::Depurado;
    static constexpr UINT kMaxCandidatos = CProblemaCubierta::kMaxCandidatos;

    // A node of the search once reduced: what is still open, what is allowed, what
    // the reductions took and at what weight, and the bounds' prices.
    struct Estado {
        Estado(const Pares& p, const Candidatos& c, const Depurado* previo)
            : resto{p, c, 0, Candidatos{}}, depurado(previo != nullptr ? *previo : Depurado{}) {}
        Resto resto;
        CReducciones::Independientes independientes;
        Multiplicadores u;
        UINT cota = 0;
        bool precios = false;
        Depurado depurado;
    };
    enum class Nodo { Descartado, Cubierto, Abierto };
    using Orden = std::array<std::pair<double, UINT>, kMaxCandidatos>;
    // What a search looks for: the least weight up to `limite` or, with
    // `primera`, the weight of the first cover found within it. `lleno`: no
    // cover has fewer candidates than the limit has room for. `previos`: prices
    // to start the bounds from; `depurado`: the dominance tests' last passes.
    struct Pedido {
        UINT limite = 0;
        bool primera = false;
        bool lleno = false;
        const Multiplicadores* previos = nullptr;
        const Depurado* depurado = nullptr;
    };

    explicit CRamificacion(const CProblemaCubierta& problema)
        : m_problema(problema), m_reducciones(problema), m_lagrange(problema) {}

    // Forced candidates, bounds and dominance until nothing changes: the node is
    // out of the limit, covered, or open for branching.
    Nodo Reduce(Estado& e, UINT limite, bool lleno, const Multiplicadores* previos);
    // The candidates of the pair to branch on, in the order to try them.
    UINT OrderBranch(const Estado& e, Orden& orden) const;
    // The least weight of covering `pendientes` with `permitidos` as asked, or
    // infinity; the candidates of that cover go to `elegidos`.
    UINT Solve(const Pares& pendientes, const Candidatos& permitidos, const Pedido& pedido,
               Candidatos& elegidos);
    // The least number of candidates covering `pendientes` with `permitidos`, up to
    // `hasta`, or infinity; the candidates of that cover go to `elegidos`. The
    // limit rises one at a time from a bound: a search within a limit that leaves
    // no room to spare closes its branches far sooner than one that starts loose.
    UINT SolveRising(const Pares& pendientes, const Candidatos& permitidos, UINT hasta,
                     Candidatos& elegidos);
    // The weight of a cover taken greedily: a first limit.
    UINT Greedy(const Pares& todos) const;
    // The root's prices `u`, from those of the independent pairs raised towards
    // `objetivo` by the bound of the number of candidates; the table is left
    // built, with the reduced costs of that bound, for further descents.
    struct Raiz {
        CCotaLagrange::Tabla& tabla;
        double cota;
    };
    Raiz RootPrices(const Pares& pendientes, const Candidatos& permitidos, double objetivo,
                    Multiplicadores& u);

    const CReducciones& Reductions() const { return m_reducciones; }
    CCotaLagrange& Lagrange() { return m_lagrange; }

private:
    // The pair to branch on, given the candidates' reduced costs in the bound of
    // their number.
    UINT PairToBranch(const Estado& e, const std::array<double, kMaxCandidatos>& reducido) const;
    // One part after another, each within the limit less the bound of the rest.
    UINT SolveParts(const Estado& e, const Pares& parte, const Pedido& pedido,
                    Candidatos& elegidos);

    const CProblemaCubierta& m_problema;
    CReducciones m_reducciones;
    CCotaLagrange m_lagrange;
};
