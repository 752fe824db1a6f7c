#include "logic/BuscadorCubiertas.h"

#include <algorithm>
#include <limits>

namespace {
constexpr UINT kInfinito = std::numeric_limits<UINT>::max();
// The weight of one candidate when literals count too: more than the literals of
// any combination, so that fewer candidates always win over fewer literals.
constexpr UINT kPesoCandidato = 1u << 13;
}  // namespace

std::vector<std::vector<UINT>> CBuscadorCubiertas::Buscar(UINT nPares, std::span<const Pares> cubre,
                                                          std::span<const UINT> literales,
                                                          bool todasSoluciones, UINT maxCubiertas) {
    if (nPares == 0 || nPares > kMaxPares || cubre.empty() || cubre.size() > kMaxCandidatos ||
        literales.size() != cubre.size() || maxCubiertas == 0) {
        return {};
    }
    CBuscadorCubiertas buscador(nPares, cubre, literales, todasSoluciones);
    Pares todos;
    for (UINT p = 0; p < nPares; ++p) {
        if (buscador.m_candidatosDe[p].None()) {
            return {};
        }
        todos.Set(p);
    }
    // The covers do not change when dominated pairs are dropped, so the walk in
    // enumeration order can start from fewer pairs.
    Filas filas;
    for (UINT p = 0; p < nPares; ++p) {
        filas.clave[filas.n++] = (buscador.m_candidatosDe[p].Count() << 16) | p;
    }
    std::sort(filas.clave.begin(), filas.clave.begin() + filas.n);
    buscador.QuitarParesDominados(todos, buscador.m_todos, filas);
    const UINT optimo = buscador.Resolver(todos, buscador.m_todos, kInfinito - 1, false);
    if (optimo == kInfinito) {
        return {};
    }
    buscador.m_maxCubiertas = todasSoluciones ? maxCubiertas : 1;
    buscador.Enumerar(0, todos, optimo);
    return std::move(buscador.m_cubiertas);
}

CBuscadorCubiertas::CBuscadorCubiertas(UINT nPares, std::span<const Pares> cubre,
                                       std::span<const UINT> literales, bool todasSoluciones)
    : m_nPares(nPares),
      m_nCandidatos(static_cast<UINT>(cubre.size())),
      m_cubre(cubre),
      m_peso(cubre.size()),
      m_candidatosDe(nPares),
      m_ultimo(nPares, 0) {
    for (UINT i = 0; i < m_nCandidatos; ++i) {
        m_peso[i] = todasSoluciones ? kPesoCandidato + literales[i] : 1;
        m_todos.Set(i);
        m_cubre[i].ForEach([&](UINT p) {
            if (p < m_nPares) {
                m_candidatosDe[p].Set(i);
                m_ultimo[p] = i;
            }
        });
    }
    m_seleccion.reserve(m_nCandidatos);
}

bool CBuscadorCubiertas::Forzar(Pares& pendientes, Candidatos& permitidos, UINT& fijo,
                                Filas& filas) const {
    // A pair with a single candidate left forces it. Taking it removes only pairs
    // that it covers, so the counts of the pairs kept stay right in one pass.
    bool posible = true;
    const Pares vistos = pendientes;
    filas.n = 0;
    vistos.ForEach([&](UINT p) {
        if (!posible || !pendientes.Test(p)) {
            return;
        }
        const Candidatos c = m_candidatosDe[p] & permitidos;
        const UINT n = c.Count();
        if (n == 0) {
            posible = false;
        } else if (n == 1) {
            const UINT j = c.First();
            fijo += m_peso[j];
            pendientes.Quitar(m_cubre[j]);
            permitidos.Reset(j);
        } else {
            filas.clave[filas.n++] = (n << 16) | p;
        }
    });
    return posible;
}

UINT CBuscadorCubiertas::CotaInferior(const Pares& pendientes, const Candidatos& permitidos,
                                      Filas& filas, UINT& rama) const {
    // Pairs no two of which share a candidate each need a candidate of their own.
    // Taking them fewest-candidates first keeps the set large.
    std::sort(filas.clave.begin(), filas.clave.begin() + filas.n);
    Pares bloqueados;
    UINT cota = 0;
    rama = kInfinito;
    for (UINT k = 0; k < filas.n; ++k) {
        const UINT p = filas.clave[k] & 0xFFFF;
        if (!pendientes.Test(p) || bloqueados.Test(p)) {
            continue;
        }
        if (rama == kInfinito) {
            rama = p;
        }
        UINT minimo = kInfinito;
        (m_candidatosDe[p] & permitidos).ForEach([&](UINT j) {
            bloqueados |= m_cubre[j];
            minimo = std::min(minimo, m_peso[j]);
        });
        cota += minimo;
    }
    return cota;
}

bool CBuscadorCubiertas::QuitarParesDominados(Pares& pendientes, const Candidatos& permitidos,
                                              const Filas& filas) const {
    // Sorted by count, a pair can only be dominated by one before it.
    bool cambio = false;
    for (UINT k = 1; k < filas.n; ++k) {
        const UINT q = filas.clave[k] & 0xFFFF;
        if (!pendientes.Test(q)) {
            continue;
        }
        for (UINT l = 0; l < k; ++l) {
            const UINT p = filas.clave[l] & 0xFFFF;
            if (pendientes.Test(p) &&
                (m_candidatosDe[p] & permitidos).SubsetOf(m_candidatosDe[q])) {
                pendientes.Reset(q);
                cambio = true;
                break;
            }
        }
    }
    return cambio;
}

bool CBuscadorCubiertas::QuitarCandidatosDominados(const Pares& pendientes,
                                                   Candidatos& permitidos) const {
    // Most open pairs first, then cheapest: a candidate can only be dominated by
    // one before it.
    std::array<UINT, kMaxCandidatos> orden;
    UINT n = 0;
    const Candidatos vistos = permitidos;
    vistos.ForEach([&](UINT j) {
        const UINT cubiertos = (m_cubre[j] & pendientes).Count();
        if (cubiertos == 0) {
            permitidos.Reset(j);
        } else {
            orden[n++] = ((kMaxPares - cubiertos) << 20) | (m_peso[j] % kPesoCandidato << 10) | j;
        }
    });
    bool cambio = false;
    for (UINT k = 1; k < n; ++k) {
        const UINT j = orden[k] & 0x3FF;
        const Pares propios = m_cubre[j] & pendientes;
        for (UINT l = 0; l < k; ++l) {
            const UINT otro = orden[l] & 0x3FF;
            if (permitidos.Test(otro) && m_peso[otro] <= m_peso[j] &&
                propios.SubsetOf(m_cubre[otro])) {
                permitidos.Reset(j);
                cambio = true;
                break;
            }
        }
    }
    return cambio;
}

UINT CBuscadorCubiertas::Resolver(Pares pendientes, Candidatos permitidos, UINT limite,
                                  bool primera) const {
    UINT fijo = 0;
    Filas filas;
    UINT rama = 0;
    UINT cota = 0;
    // Reduce until nothing changes; the cheap bound first, before the dearer
    // dominance tests.
    for (;;) {
        if (!Forzar(pendientes, permitidos, fijo, filas) || fijo > limite) {
            return kInfinito;
        }
        if (pendientes.None()) {
            return fijo;
        }
        cota = fijo + CotaInferior(pendientes, permitidos, filas, rama);
        if (cota > limite) {
            return kInfinito;
        }
        const bool filasQuitadas = QuitarParesDominados(pendientes, permitidos, filas);
        if (!QuitarCandidatosDominados(pendientes, permitidos) && !filasQuitadas) {
            break;
        }
    }
    // Parts that share no candidate are solved apart: their least costs add up.
    const Pares parte = Componente(pendientes, permitidos, rama);
    if (!parte.Equals(pendientes)) {
        Pares otras = pendientes;
        otras.Quitar(parte);
        const UINT cotaOtras = Cota(otras, permitidos);
        if (fijo + cotaOtras > limite) {
            return kInfinito;
        }
        const UINT costeParte = Resolver(parte, permitidos, limite - fijo - cotaOtras, false);
        if (costeParte == kInfinito) {
            return kInfinito;
        }
        const UINT costeOtras = Resolver(otras, permitidos, limite - fijo - costeParte, primera);
        return costeOtras == kInfinito ? kInfinito : fijo + costeParte + costeOtras;
    }
    // Branch on the pair with the fewest candidates; the candidates that cover the
    // most first, so that a cover (and a tight limit) comes early.
    std::array<UINT, kMaxCandidatos> orden;
    UINT nOrden = 0;
    (m_candidatosDe[rama] & permitidos).ForEach([&](UINT j) {
        const UINT cubiertos = (m_cubre[j] & pendientes).Count();
        orden[nOrden++] = ((kMaxPares - cubiertos) << 20) | (m_peso[j] % kPesoCandidato << 10) | j;
    });
    std::sort(orden.begin(), orden.begin() + nOrden);
    UINT mejor = kInfinito;
    for (UINT k = 0; k < nOrden; ++k) {
        const UINT j = orden[k] & 0x3FF;
        permitidos.Reset(j);
        if (fijo + m_peso[j] > limite) {
            continue;
        }
        Pares resto = pendientes;
        resto.Quitar(m_cubre[j]);
        const UINT sub = Resolver(resto, permitidos, limite - fijo - m_peso[j], primera);
        if (sub == kInfinito) {
            continue;
        }
        mejor = fijo + m_peso[j] + sub;
        if (primera || mejor == cota) {
            break;
        }
        limite = mejor - 1;
    }
    return mejor;
}

CBuscadorCubiertas::Pares CBuscadorCubiertas::Componente(const Pares& pendientes,
                                                         const Candidatos& permitidos,
                                                         UINT fila) const {
    Pares alcanzadas;
    alcanzadas.Set(fila);
    Pares nuevas = alcanzadas;
    Candidatos vistos;
    while (!nuevas.None()) {
        Candidatos candidatos;
        nuevas.ForEach([&](UINT p) { candidatos |= m_candidatosDe[p]; });
        candidatos &= permitidos;
        candidatos.Quitar(vistos);
        vistos |= candidatos;
        nuevas = Pares{};
        candidatos.ForEach([&](UINT j) { nuevas |= m_cubre[j]; });
        nuevas &= pendientes;
        nuevas.Quitar(alcanzadas);
        alcanzadas |= nuevas;
    }
    return alcanzadas;
}

UINT CBuscadorCubiertas::Cota(const Pares& pendientes, const Candidatos& permitidos) const {
    Filas filas;
    pendientes.ForEach([&](UINT p) {
        filas.clave[filas.n++] = ((m_candidatosDe[p] & permitidos).Count() << 16) | p;
    });
    UINT rama = 0;
    return CotaInferior(pendientes, permitidos, filas, rama);
}

void CBuscadorCubiertas::Enumerar(UINT desde, const Pares& pendientes, UINT resto) {
    // Every pair still open must be covered from here on, so no position past the
    // last candidate of any of them can start the rest of a cover.
    UINT hasta = m_nCandidatos - 1;
    pendientes.ForEach([&](UINT p) { hasta = std::min(hasta, m_ultimo[p]); });
    for (UINT i = desde; i <= hasta && m_cubiertas.size() < m_maxCubiertas; ++i) {
        // A candidate that adds nothing would be redundant in the finished cover,
        // and a cover of the least size has no redundant member.
        if (m_peso[i] > resto || !m_cubre[i].Intersects(pendientes)) {
            continue;
        }
        Pares quedan = pendientes;
        quedan.Quitar(m_cubre[i]);
        const UINT queda = resto - m_peso[i];
        m_seleccion.push_back(i);
        if (quedan.None()) {
            if (queda == 0) {
                m_cubiertas.push_back(m_seleccion);
            }
        } else if (queda > 0) {
            Candidatos despues = m_todos;
            despues.QuitarHasta(i);
            if (Resolver(quedan, despues, queda, true) != kInfinito) {
                Enumerar(i + 1, quedan, queda);
            }
        }
        m_seleccion.pop_back();
    }
}
