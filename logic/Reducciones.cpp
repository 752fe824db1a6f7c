// The reductions of a node of the cover search: forced candidates, the bound of
// independent pairs, dominance, and the parts of a node.

#include "logic/Reducciones.h"

#include <algorithm>
#include <span>

#include "logic/OrdenPorCuenta.h"

namespace {
constexpr UINT kInfinito = CProblemaCubierta::kInfinito;

// What the members of `antes` missing from `ahora` reach through `alcance`.
template <class De, class A>
A Reached(const De& antes, const De& ahora, std::span<const A> alcance) {
    De perdidos = antes;
    perdidos.Remove(ahora);
    A tocados;
    perdidos.ForEach([&](UINT i) { tocados |= alcance[i]; });
    return tocados;
}
}  // namespace

bool CReducciones::TakeForced(Resto& r, Filas& filas) const {
    // A pair with a single candidate left forces it. Taking it removes only pairs
    // that it covers, so the counts of the pairs kept stay right in one pass.
    bool posible = true;
    const Pares vistos = r.pendientes;
    filas.n = 0;
    vistos.ForEach([&](UINT p) {
        if (!posible || !r.pendientes.Test(p)) {
            return;
        }
        const Candidatos c = m_problema.CandidatesOf(p) & r.permitidos;
        const UINT n = c.Count();
        if (n == 0) {
            posible = false;
        } else if (n == 1) {
            const UINT j = c.First();
            r.fijo += m_problema.Weight(j);
            r.pendientes.Remove(m_problema.Covers(j));
            r.permitidos.Reset(j);
            r.tomados.Set(j);
        } else {
            filas.clave[filas.n++] = (n << 16) | p;
        }
    });
    return posible;
}

UINT CReducciones::IndependentBound(const Pares& pendientes, const Candidatos& permitidos,
                                    Filas& filas, Independientes& independientes) const {
    // Pairs no two of which share a candidate each need a candidate of their own.
    // Taking them fewest-candidates first keeps the set large.
    SortByCount(filas.clave, filas.n);
    Pares bloqueados;
    UINT cota = 0;
    independientes.pares = Pares{};
    independientes.primero = kInfinito;
    for (UINT k = 0; k < filas.n; ++k) {
        const UINT p = filas.clave[k] & 0xFFFF;
        if (!pendientes.Test(p) || bloqueados.Test(p)) {
            continue;
        }
        if (independientes.primero == kInfinito) {
            independientes.primero = p;
        }
        UINT minimo = kInfinito;
        (m_problema.CandidatesOf(p) & permitidos).ForEach([&](UINT j) {
            bloqueados |= m_problema.Covers(j);
            minimo = std::min(minimo, m_problema.Weight(j));
        });
        independientes.pares.Set(p);
        independientes.minimo[p] = minimo;
        cota += minimo;
    }
    return cota;
}

UINT CReducciones::Bound(const Pares& pendientes, const Candidatos& permitidos,
                         Independientes& independientes) const {
    Filas filas;
    pendientes.ForEach([&](UINT p) {
        filas.clave[filas.n++] = ((m_problema.CandidatesOf(p) & permitidos).Count() << 16) | p;
    });
    return IndependentBound(pendientes, permitidos, filas, independientes);
}

UINT CReducciones::Bound(const Pares& pendientes, const Candidatos& permitidos) const {
    Independientes independientes;
    return Bound(pendientes, permitidos, independientes);
}

bool CReducciones::DropTooDear(Candidatos& permitidos, UINT cota, UINT limite,
                               const Independientes& independientes) const {
    // A cover with candidate j still needs its own candidate for each independent
    // pair that j does not cover: when that passes the limit, j is out.
    bool cambio = false;
    const Candidatos vistos = permitidos;
    vistos.ForEach([&](UINT j) {
        // What j saves can only bring the bound down.
        if (cota + m_problema.Weight(j) <= limite) {
            return;
        }
        UINT ahorro = 0;
        (m_problema.Covers(j) & independientes.pares).ForEach([&](UINT p) {
            ahorro += independientes.minimo[p];
        });
        if (cota + m_problema.Weight(j) - ahorro > limite) {
            permitidos.Reset(j);
            cambio = true;
        }
    });
    return cambio;
}

bool CReducciones::DropDominatedPairs(Pares& pendientes, const Candidatos& permitidos,
                                      const Pares& revisar) const {
    // The pairs that every candidate of p covers have all of p's candidates.
    Pares quitados;
    const Pares vistos = revisar & pendientes;
    vistos.ForEach([&](UINT p) {
        if (quitados.Test(p)) {
            return;
        }
        const Candidatos candidatos = m_problema.CandidatesOf(p) & permitidos;
        if (candidatos.None()) {
            return;
        }
        // Stops as soon as p alone is left.
        Pares dominados = pendientes;
        dominados.Reset(p);
        candidatos.ForEachWhile([&](UINT j) {
            dominados &= m_problema.Covers(j);
            return !dominados.None();
        });
        quitados |= dominados;
    });
    pendientes.Remove(quitados);
    return !quitados.None();
}

bool CReducciones::DropDominatedCandidates(const Pares& pendientes, Candidatos& permitidos,
                                           const Candidatos& revisar) const {
    // The candidates that cover every open pair of j; of two with the same pairs
    // and weight the first stays.
    bool cambio = false;
    const Candidatos vistos = revisar & permitidos;
    vistos.ForEach([&](UINT j) {
        const Pares propios = m_problema.Covers(j) & pendientes;
        if (propios.None()) {
            permitidos.Reset(j);
            return;
        }
        // Stops as soon as no other candidate is left.
        Candidatos otros = permitidos;
        otros.Reset(j);
        propios.ForEachWhile([&](UINT p) {
            otros &= m_problema.CandidatesOf(p);
            return !otros.None();
        });
        const UINT cuantos = propios.Count();
        const UINT peso = m_problema.Weight(j);
        bool dominado = false;
        otros.ForEach([&](UINT l) {
            if (dominado || m_problema.Weight(l) > peso) {
                return;
            }
            dominado = m_problema.Weight(l) < peso || l < j ||
                       (m_problema.Covers(l) & pendientes).Count() > cuantos;
        });
        if (dominado) {
            permitidos.Reset(j);
            cambio = true;
        }
    });
    return cambio;
}

bool CReducciones::DropDominated(Pares& pendientes, Candidatos& permitidos, Depurado& d) const {
    const Pares filas =
        d.valido ? Reached(d.permitidos, permitidos, m_problema.AllCovers()) : pendientes;
    const bool filasQuitadas = DropDominatedPairs(pendientes, permitidos, filas);
    d.permitidos = permitidos;
    const Candidatos columnas =
        d.valido ? Reached(d.pendientes, pendientes, m_problema.AllCandidatesOf()) : permitidos;
    const bool columnasQuitadas = DropDominatedCandidates(pendientes, permitidos, columnas);
    d.pendientes = pendientes;
    d.valido = true;
    return filasQuitadas || columnasQuitadas;
}

CReducciones::Pares CReducciones::Component(const Pares& pendientes, const Candidatos& permitidos,
                                            UINT fila) const {
    Pares alcanzadas;
    alcanzadas.Set(fila);
    Pares nuevas = alcanzadas;
    Candidatos vistos;
    while (!nuevas.None()) {
        Candidatos candidatos;
        nuevas.ForEach([&](UINT p) { candidatos |= m_problema.CandidatesOf(p); });
        candidatos &= permitidos;
        candidatos.Remove(vistos);
        vistos |= candidatos;
        nuevas = Pares{};
        candidatos.ForEach([&](UINT j) { nuevas |= m_problema.Covers(j); });
        nuevas &= pendientes;
        nuevas.Remove(alcanzadas);
        alcanzadas |= nuevas;
    }
    return alcanzadas;
}
