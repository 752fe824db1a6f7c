// The walk of the cover search in enumeration order, with its filter of the
// whole problem's reduced costs and its memory of completions searched for.

#include "logic/Recorrido.h"

#include <algorithm>

namespace {
constexpr UINT kInfinito = CProblemaCubierta::kInfinito;
constexpr UINT kPesoCandidato = CProblemaCubierta::kPesoCandidato;
// The prices of the whole problem start every search of the walk and filter its
// choices: when their bound stays well below the least count, a longer, more
// patient descent pays for itself over the walk.
constexpr int kPasosLargo = 1000;
constexpr int kPacienciaLargo = 30;
constexpr double kPasoMinimoLargo = 1e-4;
constexpr UINT kHuecoLargo = 3;
}  // namespace

std::vector<std::vector<UINT>> CRecorrido::Walk(const Pares& todos, UINT optimo,
                                                const Candidatos& testigo, UINT maxCubiertas) {
    PreparePrices(todos, optimo);
    m_maxCubiertas = maxCubiertas;
    m_seleccion.reserve(m_problema.CandidateCount());
    const Hueco hueco{todos, optimo};
    Candidatos primero = testigo;
    Improve(hueco, 0, primero);
    Enumerate(0, hueco, Fijados{}, primero);
    return std::move(m_cubiertas);
}

void CRecorrido::PreparePrices(const Pares& todos, UINT optimo) {
    m_optimo = optimo;
    const bool conLiterales = m_problema.WithLiterals();
    const UINT huecos = conLiterales ? optimo / kPesoCandidato : optimo;
    const auto raiz =
        m_ramificacion.RootPrices(todos, m_problema.All(), huecos + 1.0, m_multiplicadores);
    CCotaLagrange::Tabla& t = raiz.tabla;
    CCotaLagrange& lagrange = m_ramificacion.Lagrange();
    m_filtro.tamano = raiz.cota;
    if (CCotaLagrange::RoundUp(m_filtro.tamano) + kHuecoLargo <= huecos) {
        m_filtro.tamano = lagrange.Ascend(
            m_multiplicadores.tamano, false,
            {huecos + 1.0, kPasosLargo, kPacienciaLargo, kPasoMinimoLargo}, t.reducidoTamano);
    }
    m_reducidoTamano.assign(m_problema.CandidateCount(), 0.0);
    m_reducidoLiterales.assign(m_problema.CandidateCount(), 0.0);
    for (UINT c = 0; c < t.nColumnas; ++c) {
        m_reducidoTamano[t.columna[c]] = t.reducidoTamano[c];
    }
    if (conLiterales) {
        m_filtro.literales = lagrange.Ascend(
            m_multiplicadores.literales, true,
            {optimo % kPesoCandidato + 1.0, CCotaLagrange::kPasosRaiz}, t.reducidoLiterales);
        for (UINT c = 0; c < t.nColumnas; ++c) {
            m_reducidoLiterales[t.columna[c]] = t.reducidoLiterales[c];
        }
    }
}

bool CRecorrido::Exceeds(const Fijados& fijados) const {
    const UINT tamano = CCotaLagrange::RoundUp(m_filtro.tamano + fijados.tamano);
    if (!m_problema.WithLiterals()) {
        return tamano > m_optimo;
    }
    // Every cover of the walk has the least number of candidates.
    return std::max(tamano, m_optimo / kPesoCandidato) * kPesoCandidato +
               CCotaLagrange::RoundUp(m_filtro.literales + fijados.literales) >
           m_optimo;
}

CRecorrido::Fijados CRecorrido::Taking(Fijados f, UINT j) const {
    f.tamano += std::max(0.0, m_reducidoTamano[j]);
    f.literales += std::max(0.0, m_reducidoLiterales[j]);
    return f;
}

CRecorrido::Fijados CRecorrido::Leaving(Fijados f, UINT j) const {
    f.tamano += std::max(0.0, -m_reducidoTamano[j]);
    f.literales += std::max(0.0, -m_reducidoLiterales[j]);
    return f;
}

void CRecorrido::Enumerate(UINT desde, const Hueco& hueco, Fijados fijados, Candidatos testigo) {
    // `testigo` is a completion from `desde` on. The covers go on with the
    // candidates that begin some completion, in order: each is found by searching
    // for a completion that begins before the one known.
    UINT inicio = desde;
    while (m_cubiertas.size() < m_maxCubiertas) {
        const UINT i = First(inicio, hueco, fijados, testigo);
        Pares quedan = hueco.pendientes;
        quedan.Remove(m_problema.Covers(i));
        m_seleccion.push_back(i);
        if (quedan.None()) {
            m_cubiertas.push_back(m_seleccion);
        } else {
            Candidatos testigoHijo = testigo;
            testigoHijo.Reset(i);
            Enumerate(i + 1, {quedan, hueco.resto - m_problema.Weight(i)}, Taking(fijados, i),
                      testigoHijo);
        }
        m_seleccion.pop_back();
        // The candidates up to i are left out from here on.
        for (UINT j = inicio; j <= i; ++j) {
            fijados = Leaving(fijados, j);
        }
        inicio = i + 1;
        if (m_cubiertas.size() >= m_maxCubiertas || Exceeds(fijados) ||
            !Completable(hueco, i, testigo)) {
            return;
        }
    }
}

UINT CRecorrido::First(UINT inicio, const Hueco& hueco, const Fijados& fijados,
                       Candidatos& testigo) {
    UINT conocido = testigo.First();
    for (;;) {
        // The candidates before the known one that could begin a completion: not
        // redundant, not too dear, not ruled out by the bound.
        Candidatos antes;
        for (UINT j = inicio; j < conocido; ++j) {
            if (m_problema.Weight(j) <= hueco.resto &&
                m_problema.Covers(j).Intersects(hueco.pendientes) && !Exceeds(Taking(fijados, j))) {
                antes.Set(j);
            }
        }
        if (antes.None()) {
            return conocido;
        }
        Candidatos otro;
        if (!CompletableWith(hueco, inicio, antes, otro)) {
            return conocido;
        }
        Improve(hueco, inicio, otro);
        testigo = otro;
        conocido = testigo.First();
    }
}

bool CRecorrido::CompletableWith(const Hueco& hueco, UINT inicio, const Candidatos& alguno,
                                 Candidatos& testigo) {
    if (!m_problema.CanLendPair()) {
        // No room for the extra pair: each candidate on its own, in order.
        bool hay = false;
        alguno.ForEach([&](UINT j) {
            if (hay) {
                return;
            }
            Pares quedan = hueco.pendientes;
            quedan.Remove(m_problema.Covers(j));
            const UINT queda = hueco.resto - m_problema.Weight(j);
            if (quedan.None()) {
                hay = queda == 0;
                testigo = Candidatos{};
            } else {
                hay = queda > 0 && Completable({quedan, queda}, j, testigo);
            }
            if (hay) {
                testigo.Set(j);
            }
        });
        return hay;
    }
    // An extra pair that only the candidates of `alguno` cover makes the search
    // take one of them.
    const CProblemaCubierta::Prestamo prestamo(m_problema, alguno);
    Pares conExtra = hueco.pendientes;
    conExtra.Set(prestamo.Pair());
    Candidatos permitidos = m_problema.All();
    if (inicio > 0) {
        permitidos.KeepAbove(inicio - 1);
    }
    return m_ramificacion.Solve(conExtra, permitidos,
                                {hueco.resto, true, true, &m_multiplicadores, nullptr},
                                testigo) != kInfinito;
}

void CRecorrido::Improve(const Hueco& hueco, UINT desde, Candidatos& testigo) const {
    for (bool cambio = true; cambio;) {
        cambio = false;
        testigo.ForEachWhile([&](UINT w) {
            const Pares propios = m_problema.OwnPairs(hueco.pendientes, testigo, w);
            if (propios.None()) {
                return true;
            }
            UINT mejor = w;
            m_problema.CandidatesOf(propios.First()).ForEachWhile([&](UINT j) {
                if (j >= w) {
                    return false;
                }
                if (j >= desde && !testigo.Test(j) &&
                    m_problema.Weight(j) == m_problema.Weight(w) &&
                    propios.SubsetOf(m_problema.Covers(j))) {
                    mejor = j;
                    return false;
                }
                return true;
            });
            if (mejor == w) {
                return true;
            }
            testigo.Reset(w);
            testigo.Set(mejor);
            cambio = true;
            return false;
        });
    }
}

bool CRecorrido::Completable(const Hueco& hueco, UINT tras, Candidatos& testigo) {
    // Different beginnings often leave the same pairs open at the same point.
    const Clave clave{hueco.pendientes, tras, hueco.resto};
    if (const auto visto = m_memoria.find(clave); visto != m_memoria.end()) {
        testigo = visto->second.testigo;
        return visto->second.completable;
    }
    Candidatos despues = m_problema.All();
    despues.KeepAbove(tras);
    const bool completable =
        m_ramificacion.Solve(hueco.pendientes, despues,
                             {hueco.resto, true, true, &m_multiplicadores, nullptr},
                             testigo) != kInfinito;
    if (completable) {
        Improve(hueco, tras + 1, testigo);
    }
    m_memoria.emplace(clave, Completado{completable, testigo});
    return completable;
}
