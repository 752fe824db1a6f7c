// Rebuilds the cover problems of a processed system and runs the present and the
// earlier search on each, timing both and comparing their covers.

#include "bench/ProblemasCubiertas.h"

#include <chrono>
#include <vector>

#include "bench/anterior/BuscadorCubiertasAnterior.h"
#include "logic/BuscadorCubiertas.h"

namespace {

struct Problema {
    UINT nPares = 0;
    std::vector<CBuscadorCubiertas::Pares> cubre;
    std::vector<CBuscadorCubiertasAnterior::Pares> cubreAnterior;
    std::vector<UINT> literales;
    UINT maximo = 0;
};

// As the system poses it: the pairs are the terms of level 0 required for one of
// the c functions from bit `shift` on.
Problema Plantear(const CSistema& s, const Termino* level0, const Termino* candidatos, UINT c,
                  UINT shift, UINT maximo) {
    Problema p;
    p.maximo = maximo;
    std::vector<const Termino*> lista;
    for (const Termino* q = candidatos; q != nullptr; q = q->sig.get()) {
        lista.push_back(q);
        p.literales.push_back(s.CountLiterals(*q));
    }
    p.cubre.resize(lista.size());
    p.cubreAnterior.resize(lista.size());
    for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
        const UINT requeridas = t->funciones ^ t->prescindibles;
        for (UINT i = 0; i < c; ++i) {
            const UINT bit = (1u << i) << shift;
            if ((requeridas & bit) == 0) {
                continue;
            }
            if (p.nPares < CBuscadorCubiertas::kMaxPares) {
                for (std::size_t j = 0; j < lista.size(); ++j) {
                    if ((lista[j]->funciones & bit) != 0 && s.CubeCoversTerm(*t, *lista[j])) {
                        p.cubre[j].Set(p.nPares);
                        p.cubreAnterior[j].Set(p.nPares);
                    }
                }
            }
            ++p.nPares;
        }
    }
    return p;
}

void Lado(const CSistema& s, const Termino* level0, const Termino* primos,
          const TablaCubiertas& cubiertas, std::vector<Problema>& problemas) {
    if (primos == nullptr) {
        return;
    }
    problemas.push_back(Plantear(s, level0, primos, s.m_nFunciones, 0, kMaxCubiertas));
    if (s.m_nFunciones < 2) {
        return;
    }
    for (const ListaTerminos& cubierta : cubiertas) {
        for (UINT f = 0; cubierta && f < s.m_nFunciones; ++f) {
            problemas.push_back(Plantear(s, level0, cubierta.get(), 1, f, kMaxSubcubiertas));
        }
    }
}

template <class F>
double Cronometrar(F&& f) {
    const auto inicio = std::chrono::steady_clock::now();
    f();
    const auto fin = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(fin - inicio).count();
}

}  // namespace

Comparacion CompararBusquedas(const CSistema& s) {
    std::vector<Problema> problemas;
    if (s.m_bProcesarSop) {
        Lado(s, s.m_pNivelSop[0].get(), s.m_pPrimosSop.get(), s.m_pCubiertaSop, problemas);
    }
    if (s.m_bProcesarPos) {
        Lado(s, s.m_pNivelPos[0].get(), s.m_pPrimosPos.get(), s.m_pCubiertaPos, problemas);
    }
    Comparacion c;
    const bool todas = s.m_bTodasSoluciones;
    // The two searches run in turn, each first on every other problem, so that
    // neither gains from the caches the other warmed.
    for (std::size_t k = 0; k < problemas.size(); ++k) {
        const Problema& p = problemas[k];
        std::vector<std::vector<UINT>> nuevas;
        std::vector<std::vector<UINT>> anteriores;
        const auto nueva = [&] {
            c.ms += Cronometrar([&] {
                nuevas =
                    CBuscadorCubiertas::Buscar(p.nPares, p.cubre, p.literales, todas, p.maximo);
            });
        };
        const auto anterior = [&] {
            c.msAnterior += Cronometrar([&] {
                anteriores = CBuscadorCubiertasAnterior::Buscar(p.nPares, p.cubreAnterior,
                                                                p.literales, todas, p.maximo);
            });
        };
        if (k % 2 == 0) {
            nueva();
            anterior();
        } else {
            anterior();
            nueva();
        }
        c.iguales = c.iguales && nuevas == anteriores;
    }
    return c;
}
