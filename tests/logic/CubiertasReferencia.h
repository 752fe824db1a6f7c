#pragma once
// The cover search taken literally, combination after combination, with the
// program's own selection operations: the reference that the fast search must
// agree with, cover for cover and in the same order.
//
// It carries the same mends as the program, or it would disagree by design:
// - a side, or a function, without any required (term, function) pair has no
//   cover; the walk as such would accept its first candidate at once;
// - it stops without a cover when the sizes run past the candidates;
// - it keeps the first 100 covers (6 sub-covers) of the least literal count
//   instead of writing past the last slot.

#include <array>
#include <memory>

#include "logic/Sistema.h"

namespace referencia {

inline bool TienePares(const Termino* level0, UINT c, UINT shift) {
    const UINT funciones = ((1u << c) - 1) << shift;
    for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
        if (((t->funciones ^ t->prescindibles) & funciones) != 0) {
            return true;
        }
    }
    return false;
}

// Steps 1 to 5 over the candidates into the slots; returns the number of covers.
// `lineas`, when given, counts one more for every size that had no cover.
template <std::size_t N>
UINT Buscar(CSistema& s, const Termino* level0, const Termino* candidatos,
            std::array<ListaTerminos, N>& slots, UINT c, UINT shift, UINT* lineas) {
    for (auto& slot : slots) {
        slot.reset();
    }
    if (candidatos == nullptr || !TienePares(level0, c, shift)) {
        return 0;
    }
    auto seleccion = std::make_unique<CSistema::Selector>();
    for (auto& slot : slots) {
        slot = std::make_unique<Termino>();
    }
    bool encontrada = false;
    UINT count = 1;
    bool hayCandidatos = CSistema::ResetSelection(candidatos, seleccion.get());
    while (hayCandidatos) {
        if (s.SelectionCoversAll(level0, seleccion.get(), c, shift)) {
            if (!encontrada) {
                CSistema::CopySelection(slots[0].get(), seleccion.get());
                slots[0]->marca = 1;
                encontrada = true;
            } else {
                const UINT comparacion = s.CompareLiteralCost(slots[0].get(), seleccion.get());
                if (comparacion == 1) {
                    CSistema::CopySelection(slots[0].get(), seleccion.get());
                    count = 1;
                } else if (comparacion == 0 && count < N) {
                    CSistema::CopySelection(slots[count].get(), seleccion.get());
                    ++count;
                }
            }
        }
        const bool avanzo = CSistema::NextCombination(seleccion.get());
        if (avanzo && (!encontrada || s.m_bTodasSoluciones)) {
            continue;
        }
        if (encontrada) {
            break;
        }
        if (lineas != nullptr) {
            ++*lineas;
        }
        auto selector = std::make_unique<CSistema::Selector>();
        selector->sig = std::move(seleccion->sig);
        seleccion->sig = std::move(selector);
        for (auto& slot : slots) {
            auto nodo = std::make_unique<Termino>();
            nodo->sig = std::move(slot->sig);
            slot->sig = std::move(nodo);
        }
        hayCandidatos = CSistema::ResetSelection(candidatos, seleccion.get());
    }
    CSistema::FreeSelectorList(seleccion);
    if (!encontrada) {
        count = 0;
    }
    for (std::size_t k = count; k < N; ++k) {
        slots[k].reset();
    }
    return count;
}

// Steps 1 to 7, with the counter starting from the 1 that processing gives it.
inline UINT FindMinimalCovers(CSistema& s, const Termino* level0, const Termino* primes,
                              TablaCubiertas& covers, TablaSubcubiertas& subCovers, UINT m,
                              UINT shift) {
    for (auto& porCubierta : subCovers) {
        for (auto& porFuncion : porCubierta) {
            for (auto& slot : porFuncion) {
                slot.reset();
            }
        }
    }
    s.m_nLineasCubiertas = 1;
    const UINT count = Buscar(s, level0, primes, covers, m, shift, &s.m_nLineasCubiertas);
    if (m > 1) {
        for (UINT c = 0; c < count; ++c) {
            for (UINT f = 0; f < m; ++f) {
                Buscar(s, level0, covers[c].get(), subCovers[c][f], 1, f, nullptr);
            }
        }
    }
    s.m_nLineasCubiertas = count == 0 ? 0 : s.m_nLineasCubiertas * count;
    return count;
}

}  // namespace referencia
