// The branch-and-bound of the cover search: the reduction of a node, the order
// of its branches, and the search for the least weight or a first cover.

#include "logic/Ramificacion.h"

#include <algorithm>

namespace {
constexpr UINT kInfinito = CProblemaCubierta::kInfinito;
// How far below the first limit the bound must be for the limit to rise from it.
constexpr UINT kSubida = 2;
}  // namespace

CRamificacion::Nodo CRamificacion::Reduce(Estado& e, UINT limite, bool lleno,
                                          const Multiplicadores* previos) {
    CReducciones::Filas filas;
    Resto& r = e.resto;
    bool lagrange = false;
    // Reduce until nothing changes; the cheap bound first, before the dearer
    // dominance tests. The Lagrangian bound once: what it settles is followed up
    // by the cheap reductions, but a second descent costs more than the nodes it
    // saves.
    for (;;) {
        if (!m_reducciones.TakeForced(r, filas) || r.fijo > limite) {
            return Nodo::Descartado;
        }
        if (r.pendientes.None()) {
            return Nodo::Cubierto;
        }
        e.cota = r.fijo + m_reducciones.IndependentBound(r.pendientes, r.permitidos, filas,
                                                         e.independientes);
        if (e.cota > limite) {
            return Nodo::Descartado;
        }
        if (m_reducciones.DropTooDear(r.permitidos, e.cota, limite, e.independientes)) {
            continue;
        }
        if (m_reducciones.DropDominated(r.pendientes, r.permitidos, e.depurado)) {
            continue;
        }
        if (lagrange) {
            break;
        }
        lagrange = true;
        m_lagrange.Start(e.u, previos, e.independientes);
        bool cambio = false;
        const CCotaLagrange::Limite l{
            limite, lleno, previos == nullptr ? CCotaLagrange::kPasosRaiz : CCotaLagrange::kPasos};
        if (!m_lagrange.Tighten(r, l, e.u, cambio)) {
            return Nodo::Descartado;
        }
        if (!cambio) {
            break;
        }
    }
    e.precios = lagrange;
    return Nodo::Abierto;
}

UINT CRamificacion::OrderBranch(const Estado& e, Orden& orden) const {
    // Branch on a pair with the fewest candidates; the candidates the prices
    // favour most first, so that a cover (and a tight limit) comes early.
    std::array<double, kMaxCandidatos> atractivo{};
    std::array<double, kMaxCandidatos> reducidoTamano{};
    UINT par = e.independientes.primero;
    if (e.precios) {
        // The scratch table still holds the last bound's reduced costs.
        const CCotaLagrange::Tabla& t = m_lagrange.LastTable();
        for (UINT c = 0; c < t.nColumnas; ++c) {
            reducidoTamano[t.columna[c]] = t.reducidoTamano[c];
            atractivo[t.columna[c]] = m_problema.WithLiterals()
                                          ? t.reducidoTamano[c] + t.reducidoLiterales[c]
                                          : t.reducidoTamano[c];
        }
        par = PairToBranch(e, reducidoTamano);
    }
    UINT n = 0;
    (m_problema.CandidatesOf(par) & e.resto.permitidos).ForEach([&](UINT j) {
        orden[n++] = {atractivo[j], j};
    });
    std::sort(orden.begin(), orden.begin() + n);
    return n;
}

UINT CRamificacion::PairToBranch(const Estado& e,
                                 const std::array<double, kMaxCandidatos>& reducido) const {
    // Among the pairs with the fewest candidates, the one whose candidates would
    // raise the bound of their number most when taken: its branches close
    // soonest. With literals too, their bound is left out: it closes far fewer
    // branches.
    const auto subida = [&](UINT p) {
        double suma = 0;
        (m_problema.CandidatesOf(p) & e.resto.permitidos).ForEach([&](UINT j) {
            suma += std::max(0.0, reducido[j]);
        });
        return suma;
    };
    UINT par = e.independientes.primero;
    UINT menos = (m_problema.CandidatesOf(par) & e.resto.permitidos).Count();
    double mejor = subida(par);
    e.resto.pendientes.ForEach([&](UINT p) {
        const UINT cuenta = (m_problema.CandidatesOf(p) & e.resto.permitidos).Count();
        if (cuenta > menos) {
            return;
        }
        const double s = subida(p);
        if (cuenta < menos || s > mejor) {
            menos = cuenta;
            mejor = s;
            par = p;
        }
    });
    return par;
}

UINT CRamificacion::Solve(const Pares& pendientes, const Candidatos& permitidos,
                          const Pedido& pedido, Candidatos& elegidos) {
    Estado e(pendientes, permitidos, pedido.depurado);
    switch (Reduce(e, pedido.limite, pedido.lleno, pedido.previos)) {
        case Nodo::Descartado:
            return kInfinito;
        case Nodo::Cubierto:
            elegidos = e.resto.tomados;
            return e.resto.fijo;
        case Nodo::Abierto:
            break;
    }
    const Resto& r = e.resto;
    // Parts that share no candidate are solved apart: their least costs add up.
    const Pares parte =
        m_reducciones.Component(r.pendientes, r.permitidos, e.independientes.primero);
    if (!parte.Equals(r.pendientes)) {
        return SolveParts(e, parte, pedido, elegidos);
    }
    Orden orden;
    const UINT nOrden = OrderBranch(e, orden);
    UINT limite = pedido.limite;
    UINT mejor = kInfinito;
    Candidatos quedan = r.permitidos;
    for (UINT k = 0; k < nOrden; ++k) {
        const UINT j = orden[k].second;
        quedan.Reset(j);
        const UINT peso = m_problema.Weight(j);
        if (r.fijo + peso > limite) {
            continue;
        }
        Pares resto = r.pendientes;
        resto.Remove(m_problema.Covers(j));
        Candidatos deResto;
        const Pedido hijo{limite - r.fijo - peso, pedido.primera, pedido.lleno, &e.u, &e.depurado};
        const UINT sub = Solve(resto, quedan, hijo, deResto);
        if (sub == kInfinito) {
            continue;
        }
        mejor = r.fijo + peso + sub;
        elegidos = r.tomados;
        elegidos |= deResto;
        elegidos.Set(j);
        if (pedido.primera || mejor == e.cota) {
            break;
        }
        limite = mejor - 1;
    }
    return mejor;
}

UINT CRamificacion::SolveParts(const Estado& e, const Pares& parte, const Pedido& pedido,
                               Candidatos& elegidos) {
    // Each part within the limit less the bound of those still to come; a loop
    // rather than recursion, so that many parts do not nest deeply.
    const Resto& r = e.resto;
    UINT total = r.fijo;
    Candidatos todos = r.tomados;
    Pares quedan = r.pendientes;
    Pares actual = parte;
    for (;;) {
        Pares otras = quedan;
        otras.Remove(actual);
        const bool ultima = otras.None();
        const UINT cotaOtras = ultima ? 0 : m_reducciones.Bound(otras, r.permitidos);
        if (total + cotaOtras > pedido.limite) {
            return kInfinito;
        }
        Candidatos deParte;
        // A part may well need fewer candidates than its limit has room for.
        const Pedido dePartes{pedido.limite - total - cotaOtras, ultima && pedido.primera, false,
                              &e.u, &e.depurado};
        const UINT coste = Solve(actual, r.permitidos, dePartes, deParte);
        if (coste == kInfinito) {
            return kInfinito;
        }
        total += coste;
        todos |= deParte;
        if (ultima) {
            break;
        }
        quedan = otras;
        actual = m_reducciones.Component(quedan, r.permitidos, quedan.First());
    }
    elegidos = todos;
    return total;
}

UINT CRamificacion::SolveRising(const Pares& pendientes, const Candidatos& permitidos, UINT hasta,
                                Candidatos& elegidos) {
    // No cover takes more than every candidate.
    const UINT tope = std::min(hasta, permitidos.Count());
    // Where a bound is already close to the first limit, the search from that
    // limit down is as tight; the cheap bound first, as the Lagrangian one costs
    // a descent. Literals would make every limit a step of one literal.
    const auto cerca = [&](UINT cota) { return cota > tope || tope - cota < kSubida; };
    if (m_problema.WithLiterals() || cerca(m_reducciones.Bound(pendientes, permitidos))) {
        return Solve(pendientes, permitidos, {tope}, elegidos);
    }
    Multiplicadores u{};
    const UINT desde = CCotaLagrange::RoundUp(RootPrices(pendientes, permitidos, tope, u).cota);
    if (cerca(desde)) {
        return Solve(pendientes, permitidos, {tope}, elegidos);
    }
    // Every cover within a limit has the whole limit's count once the limit below
    // has none: the first one found is a least one.
    for (UINT limite = desde; limite <= tope; ++limite) {
        const UINT tamano = Solve(pendientes, permitidos, {limite, true, true}, elegidos);
        if (tamano != kInfinito) {
            return tamano;
        }
    }
    return kInfinito;
}

CRamificacion::Raiz CRamificacion::RootPrices(const Pares& pendientes, const Candidatos& permitidos,
                                              double objetivo, Multiplicadores& u) {
    CReducciones::Independientes independientes;
    m_reducciones.Bound(pendientes, permitidos, independientes);
    m_lagrange.Start(u, nullptr, independientes);
    CCotaLagrange::Tabla& t = m_lagrange.BuildTable(pendientes, permitidos);
    const double cota =
        m_lagrange.Ascend(u.tamano, false, {objetivo, CCotaLagrange::kPasosRaiz}, t.reducidoTamano);
    return {t, cota};
}

UINT CRamificacion::Greedy(const Pares& todos) const {
    // Each time the candidate that covers the most open pairs for its weight.
    Pares pendientes = todos;
    UINT coste = 0;
    while (!pendientes.None()) {
        UINT elegido = kInfinito;
        double mejor = 0;
        m_problema.All().ForEach([&](UINT j) {
            const double valor = static_cast<double>((m_problema.Covers(j) & pendientes).Count()) /
                                 m_problema.Weight(j);
            if (valor > mejor) {
                mejor = valor;
                elegido = j;
            }
        });
        if (elegido == kInfinito) {
            return kInfinito - 1;
        }
        coste += m_problema.Weight(elegido);
        pendientes.Remove(m_problema.Covers(elegido));
    }
    return coste;
}
