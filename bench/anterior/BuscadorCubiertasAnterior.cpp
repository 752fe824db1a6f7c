// The earlier cover search, unchanged but for its name; see its header.
#include "bench/anterior/BuscadorCubiertasAnterior.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_set>
#include <utility>

namespace {
// Ties kept before the search for them gives way to the walk: beyond this many
// covers of the least weight, the walk reaches its first ones sooner.
constexpr std::size_t kMaxEmpates = 2000;
constexpr UINT kInfinito = std::numeric_limits<UINT>::max();
// The weight of one candidate when literals count too: more than the literals of
// any combination, so that fewer candidates always win over fewer literals.
constexpr UINT kPesoCandidato = 1u << 16;
// Below the rounding error of the bound's sums, above nothing a weight can be.
constexpr double kHolgura = 1e-6;
// Subgradient steps of the bound: more at the top of a search, fewer below,
// where the multipliers come from the level above. Long first steps, halved
// after a run without gain, reach a tight bound in far fewer nodes than short
// ones do.
constexpr int kPasosRaiz = 150;
constexpr int kPasos = 80;
constexpr double kPasoInicial = 2.0;
// The prices of the whole problem start every search of the walk and filter its
// choices: when their bound stays well below the least count, a longer, more
// patient descent pays for itself over the walk.
constexpr int kPasosLargo = 1000;
constexpr int kPacienciaLargo = 30;
constexpr double kPasoMinimoLargo = 1e-4;
constexpr UINT kHuecoLargo = 3;
// The bound of the literals is cut to a quarter of its steps once, over at least
// a hundred nodes, it has closed fewer than one in twenty.
constexpr long kMuestraLiterales = 100;
constexpr long kPodaRara = 20;
constexpr int kAcorte = 4;

// Sorts keys (count << 16 | number) given in ascending number by count, keeping
// that order among equal counts, as sorting the keys would: the counts are
// small, so a counting sort beats a comparison sort.
template <class T, std::size_t N>
void OrdenarPorCuenta(std::array<T, N>& clave, UINT n) {
    UINT maximo = 0;
    for (UINT k = 0; k < n; ++k) {
        maximo = std::max<UINT>(maximo, clave[k] >> 16);
    }
    std::array<UINT, CBuscadorCubiertasAnterior::kMaxCandidatos + 2> inicio;
    std::fill_n(inicio.begin(), maximo + 2, 0);
    for (UINT k = 0; k < n; ++k) {
        ++inicio[(clave[k] >> 16) + 1];
    }
    for (UINT c = 0; c <= maximo; ++c) {
        inicio[c + 1] += inicio[c];
    }
    std::array<T, N> copia;
    std::copy_n(clave.begin(), n, copia.begin());
    for (UINT k = 0; k < n; ++k) {
        clave[inicio[copia[k] >> 16]++] = copia[k];
    }
}
// What the members of `antes` missing from `ahora` reach through `alcance`.
template <class De, class A>
A Tocados(const De& antes, const De& ahora, const std::vector<A>& alcance) {
    De perdidos = antes;
    perdidos.Quitar(ahora);
    A tocados;
    perdidos.ForEach([&](UINT i) { tocados |= alcance[i]; });
    return tocados;
}
}  // namespace

std::vector<std::vector<UINT>> CBuscadorCubiertasAnterior::Buscar(UINT nPares,
                                                                  std::span<const Pares> cubre,
                                                                  std::span<const UINT> literales,
                                                                  bool todasSoluciones,
                                                                  UINT maxCubiertas) {
    if (nPares == 0 || nPares > kMaxPares || cubre.empty() || cubre.size() > kMaxCandidatos ||
        literales.size() != cubre.size() || maxCubiertas == 0 ||
        std::any_of(literales.begin(), literales.end(), [](UINT l) { return l > kMaxLiterales; })) {
        return {};
    }
    CBuscadorCubiertasAnterior buscador(nPares, cubre, literales, todasSoluciones);
    Pares todos;
    for (UINT p = 0; p < nPares; ++p) {
        if (buscador.m_candidatosDe[p].None()) {
            return {};
        }
        todos.Set(p);
    }
    // The covers do not change when dominated pairs are dropped, so the walk in
    // enumeration order can start from fewer pairs.
    buscador.QuitarParesDominados(todos, buscador.m_todos);
    if (todasSoluciones) {
        if (auto cubiertas = buscador.Empates(todos, maxCubiertas)) {
            return std::move(*cubiertas);
        }
    }
    Candidatos testigo;
    const UINT optimo = buscador.Optimo(todos, testigo);
    if (optimo == kInfinito) {
        return {};
    }
    buscador.PrepararMultiplicadores(todos, optimo);
    buscador.m_maxCubiertas = todasSoluciones ? maxCubiertas : 1;
    buscador.Enumerar(0, todos, optimo, Fijados{}, testigo);
    return std::move(buscador.m_cubiertas);
}

std::optional<std::vector<std::vector<UINT>>> CBuscadorCubiertasAnterior::Empates(
    const Pares& todos, UINT maxCubiertas) {
    // The least number of candidates first, then every cover of the least weight
    // from a search that keeps the ties; sorted, they are in enumeration order,
    // since all have the same size.
    Candidatos testigo;
    if (Tamano(todos, testigo) == kInfinito) {
        return std::vector<std::vector<UINT>>{};
    }
    Abaratar(todos, testigo);
    m_mejor = 0;
    testigo.ForEach([&](UINT j) { m_mejor += m_peso[j]; });
    if (!Recolectar(todos, m_todos, 0, Candidatos{}, nullptr, nullptr) || !CerrarEmpates(todos)) {
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

CBuscadorCubiertasAnterior::CBuscadorCubiertasAnterior(UINT nPares, std::span<const Pares> cubre,
                                                       std::span<const UINT> literales,
                                                       bool todasSoluciones)
    : m_nPares(nPares),
      m_nCandidatos(static_cast<UINT>(cubre.size())),
      m_cubre(cubre.begin(), cubre.end()),
      m_conLiterales(todasSoluciones),
      m_peso(cubre.size()),
      m_literales(literales.begin(), literales.end()),
      m_candidatosDe(nPares + 1) {
    Pares propios;
    for (UINT p = 0; p < m_nPares; ++p) {
        propios.Set(p);
    }
    for (UINT i = 0; i < m_nCandidatos; ++i) {
        m_cubre[i] &= propios;
        m_peso[i] = todasSoluciones ? kPesoCandidato + literales[i] : 1;
        m_todos.Set(i);
        m_cubre[i].ForEach([&](UINT p) {
            if (p < m_nPares) {
                m_candidatosDe[p].Set(i);
            }
        });
    }
    m_seleccion.reserve(m_nCandidatos);
}

bool CBuscadorCubiertasAnterior::Forzar(Pares& pendientes, Candidatos& permitidos, UINT& fijo,
                                        Filas& filas, Candidatos& tomados) const {
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
            tomados.Set(j);
        } else {
            filas.clave[filas.n++] = (n << 16) | p;
        }
    });
    return posible;
}

UINT CBuscadorCubiertasAnterior::CotaInferior(const Pares& pendientes, const Candidatos& permitidos,
                                              Filas& filas, Independientes& independientes) const {
    // Pairs no two of which share a candidate each need a candidate of their own.
    // Taking them fewest-candidates first keeps the set large.
    OrdenarPorCuenta(filas.clave, filas.n);
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
        (m_candidatosDe[p] & permitidos).ForEach([&](UINT j) {
            bloqueados |= m_cubre[j];
            minimo = std::min(minimo, m_peso[j]);
        });
        independientes.pares.Set(p);
        independientes.minimo[p] = minimo;
        cota += minimo;
    }
    return cota;
}

bool CBuscadorCubiertasAnterior::QuitarPorCota(Candidatos& permitidos, UINT cota, UINT limite,
                                               const Independientes& independientes) const {
    // A cover with candidate j still needs its own candidate for each independent
    // pair that j does not cover: when that passes the limit, j is out.
    bool cambio = false;
    const Candidatos vistos = permitidos;
    vistos.ForEach([&](UINT j) {
        // What j saves can only bring the bound down.
        if (cota + m_peso[j] <= limite) {
            return;
        }
        UINT ahorro = 0;
        (m_cubre[j] & independientes.pares).ForEach([&](UINT p) {
            ahorro += independientes.minimo[p];
        });
        if (cota + m_peso[j] - ahorro > limite) {
            permitidos.Reset(j);
            cambio = true;
        }
    });
    return cambio;
}

bool CBuscadorCubiertasAnterior::QuitarParesDominados(Pares& pendientes,
                                                      const Candidatos& permitidos,
                                                      const Pares& revisar) const {
    // The pairs that every candidate of p covers have all of p's candidates.
    Pares quitados;
    const Pares vistos = revisar & pendientes;
    vistos.ForEach([&](UINT p) {
        if (quitados.Test(p)) {
            return;
        }
        const Candidatos candidatos = m_candidatosDe[p] & permitidos;
        if (candidatos.None()) {
            return;
        }
        // Stops as soon as p alone is left.
        Pares dominados = pendientes;
        dominados.Reset(p);
        candidatos.ForEachWhile([&](UINT j) {
            dominados &= m_cubre[j];
            return !dominados.None();
        });
        quitados |= dominados;
    });
    pendientes.Quitar(quitados);
    return !quitados.None();
}

bool CBuscadorCubiertasAnterior::QuitarCandidatosDominados(const Pares& pendientes,
                                                           Candidatos& permitidos,
                                                           const Candidatos& revisar) const {
    // The candidates that cover every open pair of j; of two with the same pairs
    // and weight the first stays.
    bool cambio = false;
    const Candidatos vistos = revisar & permitidos;
    vistos.ForEach([&](UINT j) {
        const Pares propios = m_cubre[j] & pendientes;
        if (propios.None()) {
            permitidos.Reset(j);
            return;
        }
        // Stops as soon as no other candidate is left.
        Candidatos otros = permitidos;
        otros.Reset(j);
        propios.ForEachWhile([&](UINT p) {
            otros &= m_candidatosDe[p];
            return !otros.None();
        });
        const UINT cuantos = propios.Count();
        bool dominado = false;
        otros.ForEach([&](UINT l) {
            if (dominado || m_peso[l] > m_peso[j]) {
                return;
            }
            dominado =
                m_peso[l] < m_peso[j] || l < j || (m_cubre[l] & pendientes).Count() > cuantos;
        });
        if (dominado) {
            permitidos.Reset(j);
            cambio = true;
        }
    });
    return cambio;
}

bool CBuscadorCubiertasAnterior::QuitarDominados(Estado& e) const {
    Depurado& d = e.depurado;
    const Pares filas = d.valido ? Tocados(d.permitidos, e.permitidos, m_cubre) : e.pendientes;
    const bool filasQuitadas = QuitarParesDominados(e.pendientes, e.permitidos, filas);
    d.permitidos = e.permitidos;
    const Candidatos columnas =
        d.valido ? Tocados(d.pendientes, e.pendientes, m_candidatosDe) : e.permitidos;
    const bool columnasQuitadas = QuitarCandidatosDominados(e.pendientes, e.permitidos, columnas);
    d.pendientes = e.pendientes;
    d.valido = true;
    return filasQuitadas || columnasQuitadas;
}

CBuscadorCubiertasAnterior::Nodo CBuscadorCubiertasAnterior::Reducir(
    Estado& e, UINT limite, bool lleno, const Multiplicadores* previos) const {
    Filas filas;
    int lagrange = 0;
    // Reduce until nothing changes; the cheap bound first, before the dearer
    // dominance tests.
    for (;;) {
        if (!Forzar(e.pendientes, e.permitidos, e.fijo, filas, e.tomados) || e.fijo > limite) {
            return Nodo::Descartado;
        }
        if (e.pendientes.None()) {
            return Nodo::Cubierto;
        }
        e.cota = e.fijo + CotaInferior(e.pendientes, e.permitidos, filas, e.independientes);
        if (e.cota > limite) {
            return Nodo::Descartado;
        }
        if (QuitarPorCota(e.permitidos, e.cota, limite, e.independientes)) {
            continue;
        }
        if (QuitarDominados(e)) {
            continue;
        }
        if (lagrange == 2) {
            break;
        }
        if (lagrange++ == 0) {
            IniciarMultiplicadores(e.u, previos, e.independientes);
        }
        bool cambio = false;
        if (!AcotarLagrange(e.pendientes, e.permitidos, e.fijo, limite, lleno, e.u, cambio,
                            e.tomados, previos == nullptr ? kPasosRaiz : kPasos)) {
            return Nodo::Descartado;
        }
        if (!cambio) {
            break;
        }
    }
    e.precios = lagrange > 0;
    return Nodo::Abierto;
}

UINT CBuscadorCubiertasAnterior::OrdenarRama(const Estado& e, Orden& orden) const {
    // Branch on the pair with the fewest candidates; the candidates the prices
    // favour most first, so that a cover (and a tight limit) comes early.
    std::array<double, kMaxCandidatos> atractivo{};
    if (e.precios) {
        // The scratch table still holds the last bound's reduced costs.
        for (UINT c = 0; c < m_tabla.nColumnas; ++c) {
            atractivo[m_tabla.columna[c]] =
                m_conLiterales ? m_tabla.reducidoTamano[c] + m_tabla.reducidoLiterales[c]
                               : m_tabla.reducidoTamano[c];
        }
    }
    UINT n = 0;
    (m_candidatosDe[e.independientes.primero] & e.permitidos).ForEach([&](UINT j) {
        orden[n++] = {atractivo[j], j};
    });
    std::sort(orden.begin(), orden.begin() + n);
    return n;
}

UINT CBuscadorCubiertasAnterior::Resolver(Pares pendientes, Candidatos permitidos, UINT limite,
                                          bool primera, bool lleno, const Multiplicadores* previos,
                                          Candidatos* elegidos, const Depurado* depurado) const {
    Estado e(pendientes, permitidos, depurado);
    switch (Reducir(e, limite, lleno, previos)) {
        case Nodo::Descartado:
            return kInfinito;
        case Nodo::Cubierto:
            *elegidos = e.tomados;
            return e.fijo;
        case Nodo::Abierto:
            break;
    }
    // Parts that share no candidate are solved apart: their least costs add up.
    const Pares parte = Componente(e.pendientes, e.permitidos, e.independientes.primero);
    if (!parte.Equals(e.pendientes)) {
        return ResolverPartes(e, parte, limite, primera, elegidos);
    }
    Orden orden;
    const UINT nOrden = OrdenarRama(e, orden);
    UINT mejor = kInfinito;
    for (UINT k = 0; k < nOrden; ++k) {
        const UINT j = orden[k].second;
        e.permitidos.Reset(j);
        if (e.fijo + m_peso[j] > limite) {
            continue;
        }
        Pares resto = e.pendientes;
        resto.Quitar(m_cubre[j]);
        Candidatos deResto;
        const UINT sub = Resolver(resto, e.permitidos, limite - e.fijo - m_peso[j], primera, lleno,
                                  &e.u, &deResto, &e.depurado);
        if (sub == kInfinito) {
            continue;
        }
        mejor = e.fijo + m_peso[j] + sub;
        *elegidos = e.tomados;
        *elegidos |= deResto;
        elegidos->Set(j);
        if (primera || mejor == e.cota) {
            break;
        }
        limite = mejor - 1;
    }
    return mejor;
}

UINT CBuscadorCubiertasAnterior::ResolverPartes(const Estado& e, const Pares& parte, UINT limite,
                                                bool primera, Candidatos* elegidos) const {
    // One part after another, each within the limit less the bound of those still
    // to come; a loop rather than recursion, so that many parts do not nest
    // deeply.
    UINT total = e.fijo;
    Candidatos todos = e.tomados;
    Pares quedan = e.pendientes;
    Pares actual = parte;
    for (;;) {
        Pares otras = quedan;
        otras.Quitar(actual);
        const bool ultima = otras.None();
        const UINT cotaOtras = ultima ? 0 : Cota(otras, e.permitidos);
        if (total + cotaOtras > limite) {
            return kInfinito;
        }
        Candidatos deParte;
        // A part may well need fewer candidates than its limit has room for.
        const UINT coste = Resolver(actual, e.permitidos, limite - total - cotaOtras,
                                    ultima && primera, false, &e.u, &deParte, &e.depurado);
        if (coste == kInfinito) {
            return kInfinito;
        }
        total += coste;
        todos |= deParte;
        if (ultima) {
            break;
        }
        quedan = otras;
        actual = Componente(quedan, e.permitidos, quedan.First());
    }
    *elegidos = todos;
    return total;
}

bool CBuscadorCubiertasAnterior::Recolectar(Pares pendientes, Candidatos permitidos, UINT peso,
                                            const Candidatos& camino,
                                            const Multiplicadores* previos,
                                            const Depurado* depurado) {
    if (peso > m_mejor) {
        return true;
    }
    Estado e(pendientes, permitidos, depurado);
    // A candidate as dear as another that covers as much may well be in a cover
    // of the least weight; CerrarEmpates brings those covers back.
    switch (Reducir(e, m_mejor - peso, m_conLiterales, previos)) {
        case Nodo::Descartado:
            return true;
        case Nodo::Cubierto: {
            Candidatos cubierta = camino;
            cubierta |= e.tomados;
            return Anotar(cubierta, peso + e.fijo);
        }
        case Nodo::Abierto:
            break;
    }
    Orden orden;
    const UINT nOrden = OrdenarRama(e, orden);
    Candidatos base = camino;
    base |= e.tomados;
    for (UINT k = 0; k < nOrden; ++k) {
        const UINT j = orden[k].second;
        e.permitidos.Reset(j);
        // The least weight found may have dropped in the branches before.
        const UINT con = peso + e.fijo + m_peso[j];
        if (con > m_mejor) {
            continue;
        }
        Pares resto = e.pendientes;
        resto.Quitar(m_cubre[j]);
        Candidatos hijo = base;
        hijo.Set(j);
        if (!Recolectar(resto, e.permitidos, con, hijo, &e.u, &e.depurado)) {
            return false;
        }
    }
    return true;
}

bool CBuscadorCubiertasAnterior::CerrarEmpates(const Pares& todos) {
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
            antes[i + 1] |= m_cubre[miembros[i]];
        }
        Pares despues;
        for (std::size_t i = miembros.size(); i-- > 0;) {
            const UINT l = miembros[i];
            Pares propios = todos;
            propios.Quitar(antes[i]);
            propios.Quitar(despues);
            despues |= m_cubre[l];
            // A least cover has no member without a pair of its own; a stand-in
            // covers them all, the first one among them.
            if (propios.None()) {
                continue;
            }
            bool lleno = false;
            m_candidatosDe[propios.First()].ForEach([&](UINT j) {
                if (lleno || m_peso[j] != m_peso[l] || cubierta.Test(j) ||
                    !propios.SubsetOf(m_cubre[j])) {
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

void CBuscadorCubiertasAnterior::Abaratar(const Pares& todos, Candidatos& cubierta) const {
    // A member that covers nothing of its own goes; one whose own pairs a
    // cheaper candidate covers as well gives way to it.
    for (bool cambio = true; cambio;) {
        cambio = false;
        std::vector<UINT> miembros;
        cubierta.ForEach([&](UINT j) { miembros.push_back(j); });
        for (const UINT l : miembros) {
            Pares propios = todos;
            cubierta.ForEach([&](UINT j) {
                if (j != l) {
                    propios.Quitar(m_cubre[j]);
                }
            });
            if (propios.None()) {
                cubierta.Reset(l);
                cambio = true;
                continue;
            }
            UINT mejor = l;
            m_candidatosDe[propios.First()].ForEach([&](UINT j) {
                if (!cubierta.Test(j) && m_peso[j] < m_peso[mejor] &&
                    propios.SubsetOf(m_cubre[j])) {
                    mejor = j;
                }
            });
            if (mejor != l) {
                cubierta.Reset(l);
                cubierta.Set(mejor);
                cambio = true;
            }
        }
    }
}

bool CBuscadorCubiertasAnterior::Anotar(const Candidatos& cubierta, UINT peso) {
    if (peso < m_mejor) {
        m_mejor = peso;
        m_empates.clear();
    }
    if (peso == m_mejor) {
        m_empates.push_back(cubierta);
    }
    return m_empates.size() <= kMaxEmpates;
}

UINT CBuscadorCubiertasAnterior::Tamano(const Pares& todos, Candidatos& testigo) const {
    CBuscadorCubiertasAnterior contando(m_nPares, m_cubre, m_literales, false);
    return contando.Resolver(todos, m_todos, contando.Voraz(todos), false, false, nullptr,
                             &testigo);
}

UINT CBuscadorCubiertasAnterior::Optimo(const Pares& todos, Candidatos& testigo) const {
    UINT limite = Voraz(todos);
    if (m_conLiterales) {
        // The least number of candidates first: with it known, every bound of the
        // search with literals starts from the right count.
        if (Tamano(todos, testigo) == kInfinito) {
            return kInfinito;
        }
        limite = 0;
        testigo.ForEach([&](UINT j) { limite += m_peso[j]; });
    }
    // No cover has fewer candidates than the one just found.
    return Resolver(todos, m_todos, limite, false, true, nullptr, &testigo);
}

UINT CBuscadorCubiertasAnterior::Voraz(const Pares& todos) const {
    // A first cover, taking each time the candidate that covers the most open
    // pairs for its weight: a limit for the exact search to start from.
    Pares pendientes = todos;
    UINT coste = 0;
    while (!pendientes.None()) {
        UINT elegido = kInfinito;
        double mejor = 0;
        m_todos.ForEach([&](UINT j) {
            const double valor = static_cast<double>((m_cubre[j] & pendientes).Count()) / m_peso[j];
            if (valor > mejor) {
                mejor = valor;
                elegido = j;
            }
        });
        if (elegido == kInfinito) {
            return kInfinito - 1;
        }
        coste += m_peso[elegido];
        pendientes.Quitar(m_cubre[elegido]);
    }
    return coste;
}

CBuscadorCubiertasAnterior::Tabla& CBuscadorCubiertasAnterior::ConstruirTabla(
    const Pares& pendientes, const Candidatos& permitidos) const {
    Tabla& t = m_tabla;
    t.nPares = 0;
    pendientes.ForEach([&](UINT p) {
        t.fila[p] = static_cast<std::uint16_t>(t.nPares);
        t.par[t.nPares++] = static_cast<std::uint16_t>(p);
    });
    // The lengths first, so that the rows are written without growing the
    // vectors one at a time.
    t.nColumnas = 0;
    UINT total = 0;
    permitidos.ForEach([&](UINT j) {
        t.columna[t.nColumnas] = j;
        t.literales[t.nColumnas] = m_literales[j];
        t.inicio[t.nColumnas++] = total;
        total += (m_cubre[j] & pendientes).Count();
    });
    t.inicio[t.nColumnas] = total;
    if (t.filas.size() < total) {
        t.filas.resize(total);
    }
    std::uint16_t* filas = t.filas.data();
    for (UINT c = 0; c < t.nColumnas; ++c) {
        std::uint16_t* fila = filas + t.inicio[c];
        (m_cubre[t.columna[c]] & pendientes).ForEach([&](UINT p) { *fila++ = t.fila[p]; });
    }
    // Blocks of eight columns of like length; a padded column costs too much to
    // be taken.
    std::array<std::uint32_t, kMaxCandidatos> porLargo;
    for (UINT c = 0; c < t.nColumnas; ++c) {
        porLargo[c] = ((t.inicio[c + 1] - t.inicio[c]) << 16) | c;
    }
    OrdenarPorCuenta(porLargo, t.nColumnas);
    std::reverse(porLargo.begin(), porLargo.begin() + t.nColumnas);
    const auto vacia = static_cast<std::uint16_t>(t.nPares);
    t.nBloques = (t.nColumnas + 7) / 8;
    UINT casillas = 0;
    for (UINT b = 0; b < t.nBloques; ++b) {
        t.inicioBloque[b] = casillas;
        casillas += 8 * (porLargo[b * 8] >> 16);
    }
    t.inicioBloque[t.nBloques] = casillas;
    if (t.bloques.size() < casillas) {
        t.bloques.resize(casillas);
    }
    std::fill_n(t.bloques.begin(), casillas, vacia);
    for (UINT i = 0; i < t.nBloques * 8; ++i) {
        const bool hay = i < t.nColumnas;
        const UINT c = hay ? porLargo[i] & 0xFFFF : 0;
        t.columnaDe[i] = static_cast<std::uint16_t>(c);
        t.costeTamano[i] = hay ? 1.0f : 1e30f;
        t.costeLiterales[i] = hay ? static_cast<float>(t.literales[c]) : 1e30f;
        if (hay) {
            // Lane i % 8 of its block, one row of the block per row of the column.
            std::uint16_t* casilla = t.bloques.data() + t.inicioBloque[i / 8] + i % 8;
            for (UINT f = t.inicio[c]; f < t.inicio[c + 1]; ++f, casilla += 8) {
                *casilla = filas[f];
            }
        }
    }
    return t;
}

void CBuscadorCubiertasAnterior::PrepararMultiplicadores(const Pares& todos, UINT optimo) {
    // The prices of the whole problem start every bound of the walk, and their
    // reduced costs give the walk a bound of its own for every choice it makes.
    m_optimo = optimo;
    Filas filas;
    todos.ForEach([&](UINT p) { filas.clave[filas.n++] = (m_candidatosDe[p].Count() << 16) | p; });
    Independientes independientes;
    CotaInferior(todos, m_todos, filas, independientes);
    IniciarMultiplicadores(m_multiplicadores, nullptr, independientes);
    Tabla& t = ConstruirTabla(todos, m_todos);
    const UINT huecos = m_conLiterales ? optimo / kPesoCandidato : optimo;
    m_filtro.tamano =
        Subgradiente(m_multiplicadores.tamano, false, huecos + 1.0, kPasosRaiz, t.reducidoTamano);
    if (Redondear(m_filtro.tamano) + kHuecoLargo <= huecos) {
        m_filtro.tamano = Subgradiente(m_multiplicadores.tamano, false, huecos + 1.0, kPasosLargo,
                                       t.reducidoTamano, kPacienciaLargo, kPasoMinimoLargo);
    }
    m_reducidoTamano.assign(m_nCandidatos, 0.0);
    m_reducidoLiterales.assign(m_nCandidatos, 0.0);
    for (UINT c = 0; c < t.nColumnas; ++c) {
        m_reducidoTamano[t.columna[c]] = t.reducidoTamano[c];
    }
    if (m_conLiterales) {
        m_filtro.literales =
            Subgradiente(m_multiplicadores.literales, true, optimo % kPesoCandidato + 1.0,
                         kPasosRaiz, t.reducidoLiterales);
        for (UINT c = 0; c < t.nColumnas; ++c) {
            m_reducidoLiterales[t.columna[c]] = t.reducidoLiterales[c];
        }
    }
}

bool CBuscadorCubiertasAnterior::Excede(const Fijados& fijados) const {
    const UINT tamano = Redondear(m_filtro.tamano + fijados.tamano);
    if (!m_conLiterales) {
        return tamano > m_optimo;
    }
    // Every cover of the walk has the least number of candidates.
    return std::max(tamano, m_optimo / kPesoCandidato) * kPesoCandidato +
               Redondear(m_filtro.literales + fijados.literales) >
           m_optimo;
}

CBuscadorCubiertasAnterior::Fijados CBuscadorCubiertasAnterior::Tomando(Fijados f, UINT j) const {
    f.tamano += std::max(0.0, m_reducidoTamano[j]);
    f.literales += std::max(0.0, m_reducidoLiterales[j]);
    return f;
}

CBuscadorCubiertasAnterior::Fijados CBuscadorCubiertasAnterior::Dejando(Fijados f, UINT j) const {
    f.tamano += std::max(0.0, -m_reducidoTamano[j]);
    f.literales += std::max(0.0, -m_reducidoLiterales[j]);
    return f;
}

void CBuscadorCubiertasAnterior::IniciarMultiplicadores(
    Multiplicadores& u, const Multiplicadores* previos,
    const Independientes& independientes) const {
    if (previos != nullptr) {
        u = *previos;
        return;
    }
    for (UINT p = 0; p < m_nPares; ++p) {
        const bool independiente = independientes.pares.Test(p);
        u.tamano[p] = independiente ? 1.0 : 0.0;
        u.literales[p] = independiente ? independientes.minimo[p] % kPesoCandidato : 0.0;
    }
}

bool CBuscadorCubiertasAnterior::AcotarLagrange(Pares& pendientes, Candidatos& permitidos,
                                                UINT& fijo, UINT limite, bool lleno,
                                                Multiplicadores& u, bool& cambio,
                                                Candidatos& tomados, int pasos) const {
    Tabla& t = ConstruirTabla(pendientes, permitidos);
    // The number of candidates and their literals are bounded apart: a single
    // bound of the weights would let a fractional count hide every literal.
    const UINT margen = limite - fijo;
    const UINT huecos = m_conLiterales ? margen / kPesoCandidato : margen;
    const double tamano = Subgradiente(u.tamano, false, huecos + 1.0, pasos, t.reducidoTamano);
    UINT minimo = Redondear(tamano);
    if (minimo > huecos) {
        return false;
    }
    if (lleno) {
        minimo = huecos;
    }
    double literales = 0;
    UINT escala = 1;
    if (m_conLiterales) {
        escala = kPesoCandidato;
        const UINT sobra = margen - minimo * kPesoCandidato;
        // The bound of the literals costs as much as that of the size. Where it
        // seldom closes a branch (when nearly every cover of the least size is
        // within the limit), a short descent still gives most of its settling.
        const bool decide = m_cotasLiterales < kMuestraLiterales ||
                            m_podasLiterales * kPodaRara >= m_cotasLiterales;
        ++m_cotasLiterales;
        literales = Subgradiente(u.literales, true, sobra + 1.0, decide ? pasos : pasos / kAcorte,
                                 t.reducidoLiterales);
        if (Redondear(literales) > sobra) {
            ++m_podasLiterales;
            return false;
        }
    }
    // A candidate whose taking or leaving would lift the bounds past the limit is
    // settled the other way.
    auto cota = [&](double masTamano, double masLiterales) {
        return escala * std::max(minimo, Redondear(tamano + masTamano)) +
               (m_conLiterales ? Redondear(literales + masLiterales) : 0);
    };
    for (UINT c = 0; c < t.nColumnas; ++c) {
        const UINT j = t.columna[c];
        const double rt = t.reducidoTamano[c];
        const double rl = m_conLiterales ? t.reducidoLiterales[c] : 0.0;
        if (cota(std::max(0.0, rt), std::max(0.0, rl)) > margen) {
            permitidos.Reset(j);
            cambio = true;
        } else if (cota(std::max(0.0, -rt), std::max(0.0, -rl)) > margen) {
            permitidos.Reset(j);
            fijo += m_peso[j];
            pendientes.Quitar(m_cubre[j]);
            tomados.Set(j);
            cambio = true;
        }
    }
    return true;
}

UINT CBuscadorCubiertasAnterior::Redondear(double cota) {
    // Costs are whole numbers, so a bound rounds up; the slack keeps rounding
    // errors of the sums from rounding a whole number past itself.
    return static_cast<UINT>(std::max(0.0, std::ceil(cota - kHolgura)));
}

double CBuscadorCubiertasAnterior::Subgradiente(std::array<double, kMaxPares>& u, bool literales,
                                                double objetivo, int pasos,
                                                std::array<double, kMaxCandidatos>& reducido,
                                                int paciencia, double pasoMinimo) const {
    // Every pair priced at u: a candidate whose pairs are worth more than it costs
    // is taken. The sum of the prices plus those gains bounds every cover from
    // below; subgradient steps raise it towards the target.
    const Tabla& t = m_tabla;
    const UINT n = t.nPares;
    // The steps in single precision, over the blocks; the bound returned is that
    // of the best prices, summed again exactly.
    std::array<float, kMaxPares + 1> precio;
    for (UINT r = 0; r < n; ++r) {
        precio[r] = static_cast<float>(u[t.par[r]]);
    }
    precio[n] = 0.0f;  // the empty row of the blocks
    std::array<float, kMaxPares> mejorPrecio;
    std::copy_n(precio.begin(), n, mejorPrecio.begin());
    double mejor = std::numeric_limits<double>::lowest();
    double paso = kPasoInicial;
    int sinMejora = 0;
    for (int k = 0; k <= pasos; ++k) {
        // The subgradient: 1 less the number of taken candidates of each pair.
        std::array<int, kMaxPares> gradiente;
        std::fill_n(gradiente.begin(), n, 1);
        const double valor = ValorRapido(precio.data(), literales, gradiente.data());
        if (valor > mejor + kHolgura) {
            mejor = valor;
            std::copy_n(precio.begin(), n, mejorPrecio.begin());
            sinMejora = 0;
        } else if (++sinMejora == paciencia) {
            paso /= 2;
            sinMejora = 0;
        }
        // Steps this short no longer move the bound.
        if (Redondear(mejor) >= objetivo || k == pasos || paso < pasoMinimo) {
            break;
        }
        int norma = 0;
        for (UINT r = 0; r < n; ++r) {
            norma += gradiente[r] * gradiente[r];
        }
        if (norma == 0) {
            break;
        }
        const float salto = static_cast<float>(paso * (objetivo - valor) / norma);
        for (UINT r = 0; r < n; ++r) {
            precio[r] = std::max(0.0f, precio[r] + salto * static_cast<float>(gradiente[r]));
        }
    }
    std::array<double, kMaxPares> exacto;
    for (UINT r = 0; r < n; ++r) {
        exacto[r] = mejorPrecio[r];
        u[t.par[r]] = mejorPrecio[r];
    }
    return ValorLagrange(exacto, literales, reducido);
}

float CBuscadorCubiertasAnterior::ValorRapido(const float* u, bool literales,
                                              int* gradiente) const {
    const Tabla& t = m_tabla;
    // Four partial sums and eight columns at a time: a single sum would wait on
    // each addition in turn.
    float s[4] = {0, 0, 0, 0};
    UINT r = 0;
    for (; r + 3 < t.nPares; r += 4) {
        for (UINT l = 0; l < 4; ++l) {
            s[l] += u[r + l];
        }
    }
    for (; r < t.nPares; ++r) {
        s[0] += u[r];
    }
    float valor = (s[0] + s[1]) + (s[2] + s[3]);
    const float* coste = literales ? t.costeLiterales.data() : t.costeTamano.data();
    const std::uint16_t* bloques = t.bloques.data();
    std::array<std::uint16_t, kMaxCandidatos + 8> tomadas;
    UINT nTomadas = 0;
    float ganancia = 0;
    for (UINT b = 0; b < t.nBloques; ++b) {
        float a[8];
        for (UINT l = 0; l < 8; ++l) {
            a[l] = coste[b * 8 + l];
        }
        for (UINT f = t.inicioBloque[b]; f < t.inicioBloque[b + 1]; f += 8) {
            for (UINT l = 0; l < 8; ++l) {
                a[l] -= u[bloques[f + l]];
            }
        }
        // The taken ones listed without a branch per column.
        for (UINT l = 0; l < 8; ++l) {
            ganancia += std::min(a[l], 0.0f);
            tomadas[nTomadas] = static_cast<std::uint16_t>(b * 8 + l);
            nTomadas += a[l] < 0 ? 1u : 0u;
        }
    }
    const std::uint16_t* filas = t.filas.data();
    for (UINT k = 0; k < nTomadas; ++k) {
        const UINT c = t.columnaDe[tomadas[k]];
        // The end read once: the counts written may alias it.
        const UINT fin = t.inicio[c + 1];
        for (UINT f = t.inicio[c]; f < fin; ++f) {
            --gradiente[filas[f]];
        }
    }
    return valor + ganancia;
}

double CBuscadorCubiertasAnterior::ValorLagrange(
    const std::array<double, kMaxPares>& u, bool literales,
    std::array<double, kMaxCandidatos>& reducido) const {
    const Tabla& t = m_tabla;
    const std::uint16_t* filas = t.filas.data();
    double valor = 0;
    for (UINT r = 0; r < t.nPares; ++r) {
        valor += u[r];
    }
    for (UINT c = 0; c < t.nColumnas; ++c) {
        double a = literales ? t.literales[c] : 1.0;
        for (UINT f = t.inicio[c]; f < t.inicio[c + 1]; ++f) {
            a -= u[filas[f]];
        }
        reducido[c] = a;
        valor += std::min(a, 0.0);
    }
    return valor;
}

CBuscadorCubiertasAnterior::Pares CBuscadorCubiertasAnterior::Componente(
    const Pares& pendientes, const Candidatos& permitidos, UINT fila) const {
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

UINT CBuscadorCubiertasAnterior::Cota(const Pares& pendientes, const Candidatos& permitidos) const {
    Filas filas;
    pendientes.ForEach([&](UINT p) {
        filas.clave[filas.n++] = ((m_candidatosDe[p] & permitidos).Count() << 16) | p;
    });
    Independientes independientes;
    return CotaInferior(pendientes, permitidos, filas, independientes);
}

void CBuscadorCubiertasAnterior::Enumerar(UINT desde, const Pares& pendientes, UINT resto,
                                          Fijados fijados, Candidatos testigo) {
    // `testigo` is a completion from `desde` on. The covers go on with the
    // candidates that begin some completion, in order: each is found by searching
    // for a completion that begins before the one known.
    UINT inicio = desde;
    while (m_cubiertas.size() < m_maxCubiertas) {
        const UINT i = Primero(inicio, pendientes, resto, fijados, testigo);
        Pares quedan = pendientes;
        quedan.Quitar(m_cubre[i]);
        m_seleccion.push_back(i);
        if (quedan.None()) {
            m_cubiertas.push_back(m_seleccion);
        } else {
            Candidatos testigoHijo = testigo;
            testigoHijo.Reset(i);
            Enumerar(i + 1, quedan, resto - m_peso[i], Tomando(fijados, i), testigoHijo);
        }
        m_seleccion.pop_back();
        // The candidates up to i are left out from here on.
        for (UINT j = inicio; j <= i; ++j) {
            fijados = Dejando(fijados, j);
        }
        inicio = i + 1;
        if (m_cubiertas.size() >= m_maxCubiertas || Excede(fijados) ||
            !Completable(pendientes, i, resto, testigo)) {
            return;
        }
    }
}

UINT CBuscadorCubiertasAnterior::Primero(UINT inicio, const Pares& pendientes, UINT resto,
                                         const Fijados& fijados, Candidatos& testigo) {
    UINT conocido = testigo.First();
    for (;;) {
        // The candidates before the known one that could begin a completion: not
        // redundant, not too dear, not ruled out by the bound.
        Candidatos antes;
        for (UINT j = inicio; j < conocido; ++j) {
            if (m_peso[j] <= resto && m_cubre[j].Intersects(pendientes) &&
                !Excede(Tomando(fijados, j))) {
                antes.Set(j);
            }
        }
        if (antes.None()) {
            return conocido;
        }
        Candidatos otro;
        if (!CompletableCon(pendientes, inicio, antes, resto, otro)) {
            return conocido;
        }
        testigo = otro;
        conocido = testigo.First();
    }
}

bool CBuscadorCubiertasAnterior::CompletableCon(const Pares& pendientes, UINT inicio,
                                                const Candidatos& alguno, UINT resto,
                                                Candidatos& testigo) {
    if (m_nPares == kMaxPares) {
        // No room for the extra pair: each candidate on its own, in order.
        bool hay = false;
        alguno.ForEach([&](UINT j) {
            if (hay) {
                return;
            }
            Pares quedan = pendientes;
            quedan.Quitar(m_cubre[j]);
            const UINT queda = resto - m_peso[j];
            if (quedan.None()) {
                hay = queda == 0;
                testigo = Candidatos{};
            } else {
                hay = queda > 0 && Completable(quedan, j, queda, testigo);
            }
            if (hay) {
                testigo.Set(j);
            }
        });
        return hay;
    }
    // An extra pair that only the candidates of `alguno` cover makes the search
    // take one of them.
    const UINT extra = m_nPares;
    alguno.ForEach([&](UINT j) { m_cubre[j].Set(extra); });
    m_candidatosDe[extra] = alguno;
    Pares conExtra = pendientes;
    conExtra.Set(extra);
    Candidatos permitidos = m_todos;
    if (inicio > 0) {
        permitidos.QuitarHasta(inicio - 1);
    }
    const bool hay = Resolver(conExtra, permitidos, resto, true, true, &m_multiplicadores,
                              &testigo) != kInfinito;
    alguno.ForEach([&](UINT j) { m_cubre[j].Reset(extra); });
    m_candidatosDe[extra] = Candidatos{};
    return hay;
}

bool CBuscadorCubiertasAnterior::Completable(const Pares& pendientes, UINT tras, UINT resto,
                                             Candidatos& testigo) {
    // Different beginnings often leave the same pairs open at the same point.
    const Clave clave{pendientes, tras, resto};
    if (const auto visto = m_memoria.find(clave); visto != m_memoria.end()) {
        testigo = visto->second.testigo;
        return visto->second.completable;
    }
    Candidatos despues = m_todos;
    despues.QuitarHasta(tras);
    const bool completable =
        Resolver(pendientes, despues, resto, true, true, &m_multiplicadores, &testigo) != kInfinito;
    m_memoria.emplace(clave, Completado{completable, testigo});
    return completable;
}
