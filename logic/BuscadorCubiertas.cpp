// The cover search's entry: the checks of the problem, then the ties or the
// least weight and the walk in enumeration order.

#include "logic/BuscadorCubiertas.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "logic/Empates.h"
#include "logic/Recorrido.h"

namespace {
constexpr UINT kInfinito = CProblemaCubierta::kInfinito;
}  // namespace

std::vector<std::vector<UINT>> CBuscadorCubiertas::Buscar(UINT nPares, std::span<const Pares> cubre,
                                                          std::span<const UINT> literales,
                                                          bool todasSoluciones, UINT maxCubiertas) {
    if (nPares == 0 || nPares > kMaxPares || cubre.empty() || cubre.size() > kMaxCandidatos ||
        literales.size() != cubre.size() || maxCubiertas == 0 ||
        std::any_of(literales.begin(), literales.end(), [](UINT l) { return l > kMaxLiterales; })) {
        return {};
    }
    CBuscadorCubiertas buscador(nPares, cubre, literales, todasSoluciones);
    Pares todos;
    for (UINT p = 0; p < nPares; ++p) {
        if (buscador.m_problema.CandidatesOf(p).None()) {
            return {};
        }
        todos.Set(p);
    }
    return buscador.Find(todos, maxCubiertas);
}

std::vector<std::vector<UINT>> CBuscadorCubiertas::Find(const Pares& pares, UINT maxCubiertas) {
    // The covers do not change when dominated pairs are dropped, so the walk in
    // enumeration order can start from fewer pairs.
    Pares todos = pares;
    m_ramificacion.Reductions().DropDominatedPairs(todos, m_problema.All());
    const bool todasSoluciones = m_problema.WithLiterals();
    Candidatos testigo;
    if (todasSoluciones) {
        // The least number of candidates first, then every cover of the least
        // weight, unless there are too many of them; the walk then starts from
        // the least number already known.
        if (LeastSize(todos, testigo) == kInfinito) {
            return {};
        }
        CEmpates empates(m_problema, m_ramificacion);
        if (auto cubiertas = empates.Find(todos, testigo, maxCubiertas)) {
            return std::move(*cubiertas);
        }
    }
    const UINT optimo = Optimum(todos, testigo);
    if (optimo == kInfinito) {
        return {};
    }
    CRecorrido recorrido(m_problema, m_ramificacion);
    return recorrido.Walk(todos, optimo, testigo, todasSoluciones ? maxCubiertas : 1);
}

UINT CBuscadorCubiertas::LeastSize(const Pares& todos, Candidatos& testigo) const {
    const CProblemaCubierta contando(m_problema.PairCount(), m_problema.AllCovers(),
                                     m_problema.AllLiterals(), false);
    CRamificacion ramificacion(contando);
    return ramificacion.SolveRising(todos, contando.All(), ramificacion.Greedy(todos), testigo);
}

UINT CBuscadorCubiertas::Optimum(const Pares& todos, Candidatos& testigo) {
    if (!m_problema.WithLiterals()) {
        return m_ramificacion.SolveRising(todos, m_problema.All(), m_ramificacion.Greedy(todos),
                                          testigo);
    }
    // With literals `testigo` is a cover of the least number of candidates: every
    // bound of the search starts from the right count, and no cover has fewer
    // candidates than the limit has room for.
    return m_ramificacion.Solve(todos, m_problema.All(),
                                {m_problema.WeightOf(testigo), false, true}, testigo);
}
