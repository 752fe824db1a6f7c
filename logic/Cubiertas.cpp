#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <vector>

#include "logic/BuscadorCubiertas.h"
#include "logic/Sistema.h"

namespace {

// A side's cover problem: the candidates in list order, the (term, function)
// pairs each covers and its literal count.
struct Problema {
    std::vector<const Termino*> candidatos;
    std::vector<CBuscadorCubiertas::Pares> cubre;
    std::vector<UINT> literales;
    UINT nPares = 0;
};

// The pairs are the terms of level 0 required for one of the c functions from bit
// `shift` on; a candidate covers a pair when it belongs to that function and
// covers the term.
Problema Plantear(const CSistema& sistema, const Termino* level0, const Termino* candidates, UINT c,
                  UINT shift) {
    Problema p;
    for (const Termino* q = candidates; q != nullptr; q = q->sig.get()) {
        p.candidatos.push_back(q);
        p.literales.push_back(sistema.CountLiterals(*q));
    }
    p.cubre.resize(p.candidatos.size());
    for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
        const UINT requeridas = t->funciones ^ t->prescindibles;
        for (UINT i = 0; i < c; ++i) {
            const UINT bit = (1u << i) << shift;
            if ((requeridas & bit) == 0) {
                continue;
            }
            // More pairs than the search takes make it refuse the problem.
            if (p.nPares < CBuscadorCubiertas::kMaxPares) {
                for (std::size_t j = 0; j < p.candidatos.size(); ++j) {
                    const Termino& candidato = *p.candidatos[j];
                    if ((candidato.funciones & bit) != 0 && sistema.CubeCoversTerm(*t, candidato)) {
                        p.cubre[j].Set(p.nPares);
                    }
                }
            }
            ++p.nPares;
        }
    }
    return p;
}

std::vector<std::vector<UINT>> Buscar(const Problema& p, bool todasSoluciones, UINT maximo) {
    return CBuscadorCubiertas::Buscar(p.nPares, p.cubre, p.literales, todasSoluciones, maximo);
}

// A list of copies of the chosen candidates, in combination order.
ListaTerminos Guardar(const Problema& p, const std::vector<UINT>& posiciones) {
    ListaTerminos slot;
    CSistema::ListaSelectores seleccion;
    for (auto k = posiciones.size(); k-- > 0;) {
        auto nodo = std::make_unique<Termino>();
        nodo->sig = std::move(slot);
        slot = std::move(nodo);
        auto selector = std::make_unique<CSistema::Selector>();
        selector->termino = p.candidatos[posiciones[k]];
        selector->sig = std::move(seleccion);
        seleccion = std::move(selector);
    }
    CSistema::CopySelection(slot.get(), seleccion.get());
    return slot;
}

// Stores the covers found into the slots; the first node of slot 0 carries the
// found flag.
template <std::size_t N>
UINT GuardarTodas(const Problema& p, const std::vector<std::vector<UINT>>& encontradas,
                  std::array<ListaTerminos, N>& slots) {
    for (auto& slot : slots) {
        slot.reset();
    }
    for (std::size_t c = 0; c < encontradas.size() && c < N; ++c) {
        slots[c] = Guardar(p, encontradas[c]);
    }
    if (slots[0]) {
        slots[0]->marca = 1;
    }
    return static_cast<UINT>(std::min(encontradas.size(), N));
}

}  // namespace

UINT CSistema::FindMinimalCovers(const Termino* level0, const Termino* primes,
                                 TablaCubiertas& covers, TablaSubcubiertas& subCovers, UINT m,
                                 UINT shift) {
    for (auto& porCubierta : subCovers) {
        for (auto& porFuncion : porCubierta) {
            for (auto& slot : porFuncion) {
                slot.reset();
            }
        }
    }
    const Problema problema = Plantear(*this, level0, primes, m, shift);
    const auto encontradas = Buscar(problema, m_bTodasSoluciones, kMaxCubiertas);
    const UINT count = GuardarTodas(problema, encontradas, covers);
    if (m > 1) {
        for (UINT c = 0; c < count; ++c) {
            for (UINT f = 0; f < m; ++f) {
                FindFunctionCovers(level0, covers[c].get(), subCovers[c][f], f);
            }
        }
    }
    // Cover size times the number of covers: the prime occurrences of the side.
    m_nLineasCubiertas = count == 0 ? 0 : CountNodes(covers[0].get()) * count;
    return count;
}

void CSistema::FindFunctionCovers(const Termino* level0, const Termino* cover,
                                  SubcubiertasFuncion& slots, UINT f) {
    const Problema problema = Plantear(*this, level0, cover, 1, f);
    GuardarTodas(problema, Buscar(problema, m_bTodasSoluciones, kMaxSubcubiertas), slots);
}

UINT CSistema::CountLiterals(const Termino& cube) const {
    return static_cast<UINT>(std::popcount((cube.unos ^ cube.ceros) & (m_nMascara - 1)));
}

bool CSistema::ResetSelection(const Termino* candidates, Selector* selection) {
    for (Selector* s = selection; s != nullptr; s = s->sig.get()) {
        if (candidates == nullptr) {
            return false;
        }
        s->termino = candidates;
        candidates = candidates->sig.get();
    }
    return true;
}

bool CSistema::NextCombination(Selector* selection) {
    // The last selector that can move: the last one when its candidate has a
    // successor, any other when its candidate's successor is not taken by the
    // selector after it.
    Selector* movible = nullptr;
    for (Selector* s = selection; s != nullptr; s = s->sig.get()) {
        const Termino* siguiente = s->termino->sig.get();
        if (s->sig ? siguiente != s->sig->termino : siguiente != nullptr) {
            movible = s;
        }
    }
    if (movible == nullptr) {
        return false;
    }
    movible->termino = movible->termino->sig.get();
    for (Selector* s = movible; s->sig; s = s->sig.get()) {
        s->sig->termino = s->termino->sig.get();
    }
    return true;
}

bool CSistema::SelectionCoversAll(const Termino* level0, const Selector* selection, UINT c,
                                  UINT shift) const {
    for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
        if (t->funciones != t->prescindibles && !TermCovered(*t, selection, c, shift)) {
            return false;
        }
    }
    return true;
}

bool CSistema::TermCovered(const Termino& term, const Selector* selection, UINT c,
                           UINT shift) const {
    for (UINT i = 0; i < c; ++i) {
        const UINT bit = (1u << i) << shift;
        if (((term.funciones ^ term.prescindibles) & bit) == 0) {
            continue;
        }
        bool cubierto = false;
        for (const Selector* s = selection; s != nullptr && !cubierto; s = s->sig.get()) {
            cubierto = (s->termino->funciones & bit) != 0 && CubeCoversTerm(term, *s->termino);
        }
        if (!cubierto) {
            return false;
        }
    }
    return true;
}

void CSistema::CopySelection(Termino* slot, const Selector* selection) {
    for (; slot != nullptr && selection != nullptr;
         slot = slot->sig.get(), selection = selection->sig.get()) {
        slot->unos = selection->termino->unos;
        slot->ceros = selection->termino->ceros;
        slot->funciones = selection->termino->funciones;
        slot->prescindibles = selection->termino->prescindibles;
    }
}

UINT CSistema::CompareLiteralCost(const Termino* slot, const Selector* selection) const {
    UINT guardados = 0;
    for (; slot != nullptr; slot = slot->sig.get()) {
        guardados += CountLiterals(*slot);
    }
    UINT elegidos = 0;
    for (; selection != nullptr; selection = selection->sig.get()) {
        elegidos += CountLiterals(*selection->termino);
    }
    return elegidos < guardados ? 1 : elegidos == guardados ? 0 : 2;
}
