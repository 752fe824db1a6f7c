// The search for every cover of the least weight, for "all solutions".

#include "logic/Empates.h"

#include <algorithm>
#include <unordered_set>

namespace {
// Ties kept before the search for them gives way to the walk: beyond this many
// covers of the least weight, the walk reaches its first ones sooner.
constexpr std::size_t kMaxEmpates = 2000;
// Swaps of two members pay where a cover has many: on problems of more than
// one function's pairs.
constexpr UINT kParesCambioDoble = 64;
}  // namespace

std::optional<std::vector<std::vector<UINT>>> CEmpates::Find(const Pares& todos, Candidatos testigo,
                                                             UINT maxCubiertas) {
    // Every cover of the least weight from a search that keeps the ties; sorted,
    // they are in enumeration order, since all have the same size.
    Cheapen(todos, testigo);
    m_mejor = m_problema.WeightOf(testigo);
    if (!Collect({todos, m_problema.All(), 0, Candidatos{}}, nullptr) || !CloseTies(todos)) {
        return std::nullopt;
    }
    std::vector<std::vector<UINT>> cubiertas;
    cubiertas.reserve(m_empates.size());
    for (const Candidatos& c : m_empates) {
        std::vector<UINT> posiciones;
        c.ForEach([&](UINT j) { posiciones.push_back(j); });
        cubiertas.push_back(std::move(posiciones));
    }
    std::sort(cubiertas.begin(), cubiertas.end());
    if (cubiertas.size() > maxCubiertas) {
        cubiertas.resize(maxCubiertas);
    }
    return cubiertas;
}

bool CEmpates::Collect(const Rama& rama, const CRamificacion::Estado* padre) {
    if (rama.peso > m_mejor) {
        return true;
    }
    CRamificacion::Estado e(rama.pendientes, rama.permitidos,
                            padre != nullptr ? &padre->depurado : nullptr);
    // A candidate as dear as another that covers as much may well be in a cover
    // of the least weight; CloseTies brings those covers back.
    switch (m_ramificacion.Reduce(e, m_mejor - rama.peso, m_problema.WithLiterals(),
                                  padre != nullptr ? &padre->u : nullptr)) {
        case CRamificacion::Nodo::Descartado:
            return true;
        case CRamificacion::Nodo::Cubierto: {
            Candidatos cubierta = rama.camino;
            cubierta |= e.resto.tomados;
            return Note(cubierta, rama.peso + e.resto.fijo);
        }
        case CRamificacion::Nodo::Abierto:
            break;
    }
    CRamificacion::Orden orden;
    const UINT nOrden = m_ramificacion.OrderBranch(e, orden);
    Candidatos base = rama.camino;
    base |= e.resto.tomados;
    Rama hijo{Pares{}, e.resto.permitidos, 0, Candidatos{}};
    for (UINT k = 0; k < nOrden; ++k) {
        const UINT j = orden[k].second;
        hijo.permitidos.Reset(j);
        // The least weight found may have dropped in the branches before.
        const UINT con = rama.peso + e.resto.fijo + m_problema.Weight(j);
        if (con > m_mejor) {
            continue;
        }
        hijo.pendientes = e.resto.pendientes;
        hijo.pendientes.Remove(m_problema.Covers(j));
        hijo.peso = con;
        hijo.camino = base;
        hijo.camino.Set(j);
        if (!Collect(hijo, &e)) {
            return false;
        }
    }
    return true;
}

bool CEmpates::CloseTies(const Pares& todos) {
    // The search left out the candidates that another one, as dear, covers in
    // place of: each least cover it missed is one of those it found with such
    // candidates swapped back, one at a time, each step a least cover again.
    struct Hash {
        std::size_t operator()(const Candidatos& c) const { return c.Hash(); }
    };
    struct Igual {
        bool operator()(const Candidatos& a, const Candidatos& b) const { return a.Equals(b); }
    };
    std::unordered_set<Candidatos, Hash, Igual> vistas(m_empates.begin(), m_empates.end());
    std::vector<UINT> miembros;
    std::vector<Pares> antes;
    for (std::size_t k = 0; k < m_empates.size(); ++k) {
        const Candidatos cubierta = m_empates[k];
        miembros.clear();
        cubierta.ForEach([&](UINT j) { miembros.push_back(j); });
        // What the members before each one cover, and then after it.
        antes.assign(miembros.size() + 1, Pares{});
        for (std::size_t i = 0; i < miembros.size(); ++i) {
            antes[i + 1] = antes[i];
            antes[i + 1] |= m_problema.Covers(miembros[i]);
        }
        Pares despues;
        for (std::size_t i = miembros.size(); i-- > 0;) {
            const UINT l = miembros[i];
            Pares propios = todos;
            propios.Remove(antes[i]);
            propios.Remove(despues);
            despues |= m_problema.Covers(l);
            // A least cover has no member without a pair of its own; a stand-in
            // covers them all, the first one among them.
            if (propios.None()) {
                continue;
            }
            bool lleno = false;
            m_problema.CandidatesOf(propios.First()).ForEach([&](UINT j) {
                if (lleno || m_problema.Weight(j) != m_problema.Weight(l) || cubierta.Test(j) ||
                    !propios.SubsetOf(m_problema.Covers(j))) {
                    return;
                }
                Candidatos otra = cubierta;
                otra.Reset(l);
                otra.Set(j);
                if (vistas.insert(otra).second) {
                    m_empates.push_back(otra);
                    lleno = m_empates.size() > kMaxEmpates;
                }
            });
            if (lleno) {
                return false;
            }
        }
    }
    return true;
}

void CEmpates::Cheapen(const Pares& todos, Candidatos& cubierta) const {
    // A member that covers nothing of its own goes; one whose own pairs a
    // cheaper candidate covers as well gives way to it.
    for (bool cambio = true; cambio;) {
        cambio = false;
        std::vector<UINT> miembros;
        cubierta.ForEach([&](UINT j) { miembros.push_back(j); });
        for (const UINT l : miembros) {
            const Pares propios = m_problema.OwnPairs(todos, cubierta, l);
            if (propios.None()) {
                cubierta.Reset(l);
                cambio = true;
                continue;
            }
            UINT mejor = l;
            m_problema.CandidatesOf(propios.First()).ForEach([&](UINT j) {
                if (!cubierta.Test(j) && m_problema.Weight(j) < m_problema.Weight(mejor) &&
                    propios.SubsetOf(m_problema.Covers(j))) {
                    mejor = j;
                }
            });
            if (mejor != l) {
                cubierta.Reset(l);
                cubierta.Set(mejor);
                cambio = true;
            }
        }
        if (!cambio && todos.Count() > kParesCambioDoble) {
            cambio = SwapPair(todos, cubierta);
        }
    }
}

bool CEmpates::SwapPair(const Pares& todos, Candidatos& cubierta) const {
    // The pairs covered once and twice by the members: what two members alone
    // cover is theirs once, and twice where both cover it.
    Pares una;
    Pares dos;
    Pares tres;
    std::vector<UINT> miembros;
    cubierta.ForEach([&](UINT j) {
        miembros.push_back(j);
        const Pares& c = m_problema.Covers(j);
        tres |= dos & c;
        dos |= una & c;
        una |= c;
    });
    Pares soloUna = una;
    soloUna.Remove(dos);
    Pares soloDos = dos;
    soloDos.Remove(tres);
    soloUna &= todos;
    soloDos &= todos;
    for (std::size_t x = 0; x < miembros.size(); ++x) {
        for (std::size_t y = x + 1; y < miembros.size(); ++y) {
            const UINT a = miembros[x];
            const UINT b = miembros[y];
            Pares propios = m_problema.Covers(a);
            propios |= m_problema.Covers(b);
            propios &= soloUna;
            Pares comunes = m_problema.Covers(a) & m_problema.Covers(b);
            comunes &= soloDos;
            propios |= comunes;
            if (propios.None()) {
                continue;
            }
            const UINT antes = m_problema.Weight(a) + m_problema.Weight(b);
            bool hecho = false;
            m_problema.CandidatesOf(propios.First()).ForEachWhile([&](UINT c) {
                if (cubierta.Test(c) || m_problema.Weight(c) >= antes) {
                    return true;
                }
                Pares resto = propios;
                resto.Remove(m_problema.Covers(c));
                if (resto.None()) {
                    return true;
                }
                m_problema.CandidatesOf(resto.First()).ForEachWhile([&](UINT d) {
                    if (d == c || cubierta.Test(d) ||
                        m_problema.Weight(c) + m_problema.Weight(d) >= antes ||
                        !resto.SubsetOf(m_problema.Covers(d))) {
                        return true;
                    }
                    cubierta.Reset(a);
                    cubierta.Reset(b);
                    cubierta.Set(c);
                    cubierta.Set(d);
                    hecho = true;
                    return false;
                });
                return !hecho;
            });
            if (hecho) {
                return true;
            }
        }
    }
    return false;
}

bool CEmpates::Note(const Candidatos& cubierta, UINT peso) {
    if (peso < m_mejor) {
        m_mejor = peso;
        m_empates.clear();
    }
    if (peso == m_mejor) {
        m_empates.push_back(cubierta);
    }
    return m_empates.size() <= kMaxEmpates;
}
