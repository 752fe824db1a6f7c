#pragma once
// The cover search as it stood before its rework (commit f2f8f43), kept
// unchanged under another name: the benchmark checks the present search against
// it on every system and times the two side by side. Not part of the program.
//
// Exact minimal-cover search over bitsets.
//
// The problem: candidates numbered 0..N-1 in list order, each covering a set of
// (term, function) pairs numbered 0..P-1 and carrying a literal count. A cover is
// a set of candidates whose pairs together are all P pairs. The result is the one
// an exhaustive enumeration of the combinations of k candidates in lexicographic
// order (k = 1, 2, ...) would give:
//   - without "all solutions": the first covering combination of the smallest size;
//   - with it: the covering combinations of the smallest size whose literal count
//     is the least among them, in enumeration order, the first `maxCubiertas`.
// It is computed without enumerating. With "all solutions" a candidate weighs a
// fixed amount larger than any literal sum plus its literals, so that the least
// weight is the least size first and the least literal count second; without it
// every candidate weighs 1. A branch-and-bound over the pairs (forced candidates,
// dominated pairs and candidates dropped, bounds from independent pairs and from
// Lagrangian prices, independent parts solved apart) finds the least weight and a
// cover of that weight. With "all solutions" the search first keeps every cover
// of the least weight instead, adding back those that differ from one found by
// a dominated candidate of the same weight; sorted, they are the answer. Only
// when there are too many of them does it give way to the walk, which builds the
// covers in enumeration order one candidate at a time: the next candidate is the
// first one that begins some completion of that weight, found by asking the
// branch-and-bound for a completion that begins before the one known, until
// there is none. Every partial combination it enters can be completed, so it
// meets the covers in enumeration order without visiting dead branches.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "logic/Termino.h"

class CBuscadorCubiertasAnterior {
public:
    // A fixed-size bitset with the few operations the search needs.
    template <std::size_t W>
    class Conjunto {
    public:
        void Set(UINT i) { m_w[i >> 6] |= std::uint64_t{1} << (i & 63); }
        void Reset(UINT i) { m_w[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
        bool Test(UINT i) const { return (m_w[i >> 6] >> (i & 63)) & 1; }
        bool None() const {
            std::uint64_t o = 0;
            for (std::uint64_t x : m_w) {
                o |= x;
            }
            return o == 0;
        }
        UINT Count() const {
            UINT n = 0;
            for (std::uint64_t x : m_w) {
                n += static_cast<UINT>(std::popcount(x));
            }
            return n;
        }
        bool Intersects(const Conjunto& o) const {
            std::uint64_t r = 0;
            for (std::size_t k = 0; k < W; ++k) {
                r |= m_w[k] & o.m_w[k];
            }
            return r != 0;
        }
        bool SubsetOf(const Conjunto& o) const {
            std::uint64_t r = 0;
            for (std::size_t k = 0; k < W; ++k) {
                r |= m_w[k] & ~o.m_w[k];
            }
            return r == 0;
        }
        bool Equals(const Conjunto& o) const { return m_w == o.m_w; }
        std::size_t Hash() const {
            std::uint64_t h = 0;
            for (std::uint64_t x : m_w) {
                h = (h ^ x) * 0x9E3779B97F4A7C15u;
            }
            return static_cast<std::size_t>(h ^ (h >> 29));
        }
        Conjunto& operator&=(const Conjunto& o) {
            for (std::size_t k = 0; k < W; ++k) {
                m_w[k] &= o.m_w[k];
            }
            return *this;
        }
        Conjunto& operator|=(const Conjunto& o) {
            for (std::size_t k = 0; k < W; ++k) {
                m_w[k] |= o.m_w[k];
            }
            return *this;
        }
        // Removes the members of o.
        Conjunto& Quitar(const Conjunto& o) {
            for (std::size_t k = 0; k < W; ++k) {
                m_w[k] &= ~o.m_w[k];
            }
            return *this;
        }
        // Keeps only the members above i.
        void QuitarHasta(UINT i) {
            const std::size_t palabra = i >> 6;
            for (std::size_t k = 0; k < palabra; ++k) {
                m_w[k] = 0;
            }
            const UINT b = i & 63;
            m_w[palabra] &= b == 63 ? 0 : ~std::uint64_t{0} << (b + 1);
        }
        friend Conjunto operator&(Conjunto a, const Conjunto& b) { return a &= b; }
        // Calls f(i) for the members in ascending order while it returns true.
        template <class F>
        void ForEachWhile(F&& f) const {
            for (std::size_t k = 0; k < W; ++k) {
                for (std::uint64_t x = m_w[k]; x != 0; x &= x - 1) {
                    if (!f(static_cast<UINT>(k * 64 + static_cast<UINT>(std::countr_zero(x))))) {
                        return;
                    }
                }
            }
        }
        // Calls f(i) for every member i in ascending order.
        template <class F>
        void ForEach(F&& f) const {
            ForEachWhile([&](UINT i) {
                f(i);
                return true;
            });
        }
        // The smallest member; the set must not be empty.
        UINT First() const {
            std::size_t k = 0;
            while (m_w[k] == 0) {
                ++k;
            }
            return static_cast<UINT>(k * 64 + static_cast<UINT>(std::countr_zero(m_w[k])));
        }

    private:
        std::array<std::uint64_t, W> m_w{};
    };

    // 64 terms times 6 functions.
    static constexpr UINT kMaxPares = 384;
    // At least the 3^6 = 729 distinct cubes of six variables.
    static constexpr UINT kMaxCandidatos = 768;
    // Far more than the six of a cube of six variables.
    static constexpr UINT kMaxLiterales = 64;
    using Pares = Conjunto<kMaxPares / 64>;
    using Candidatos = Conjunto<kMaxCandidatos / 64>;

    // The covers, each as the ascending positions of its candidates. `cubre[i]` holds
    // the pairs (below nPares) candidate i covers and `literales[i]` its literal
    // count; both spans have one entry per candidate. No cover when there is no pair
    // at all, when some pair has no candidate, or when the sizes or a literal count
    // exceed the limits above.
    static std::vector<std::vector<UINT>> Buscar(UINT nPares, std::span<const Pares> cubre,
                                                 std::span<const UINT> literales,
                                                 bool todasSoluciones, UINT maxCubiertas);

private:
    CBuscadorCubiertasAnterior(UINT nPares, std::span<const Pares> cubre,
                               std::span<const UINT> literales, bool todasSoluciones);
    // The pairs still open after the forced candidates, each keyed by its count of
    // candidates (high bits) and its number (low 16 bits).
    struct Filas {
        std::array<UINT, kMaxPares> clave;
        UINT n = 0;
    };
    // Pairs that share no candidate, each with the weight of its cheapest
    // candidate; `primero` has the fewest candidates.
    struct Independientes {
        Pares pares;
        std::array<UINT, kMaxPares> minimo;
        UINT primero = 0;
    };
    // Prices of the open pairs for the bound of the number of candidates and for
    // the bound of their literals.
    struct Multiplicadores {
        std::array<double, kMaxPares> tamano;
        std::array<double, kMaxPares> literales;
    };
    // The open pairs and allowed candidates at the last pass of each dominance
    // test. Both sets only shrink down the search, and a pass leaves nothing
    // dominated: later only pairs that lost a candidate can dominate another, and
    // only candidates that lost a pair can be dominated.
    struct Depurado {
        Candidatos permitidos;  // at the last pass over the pairs
        Pares pendientes;       // at the last pass over the candidates
        bool valido = false;
    };
    // A node of the search once reduced: what is still open, what is allowed, what
    // the reductions took and at what weight, and the bounds' prices.
    struct Estado {
        Estado(const Pares& p, const Candidatos& c, const Depurado* previo)
            : pendientes(p), permitidos(c), depurado(previo != nullptr ? *previo : Depurado{}) {}
        Pares pendientes;
        Candidatos permitidos;
        UINT fijo = 0;
        Candidatos tomados;
        Independientes independientes;
        Multiplicadores u;
        UINT cota = 0;
        bool precios = false;
        Depurado depurado;
    };
    enum class Nodo { Descartado, Cubierto, Abierto };
    // Forced candidates, bounds and dominance until nothing changes: the node is
    // out of the limit, covered, or open for branching.
    Nodo Reducir(Estado& e, UINT limite, bool lleno, const Multiplicadores* previos) const;
    using Orden = std::array<std::pair<double, UINT>, kMaxCandidatos>;
    // The candidates of the pair to branch on, in the order to try them.
    UINT OrdenarRama(const Estado& e, Orden& orden) const;
    UINT ResolverPartes(const Estado& e, const Pares& parte, UINT limite, bool primera,
                        Candidatos* elegidos) const;
    // With "all solutions": every cover of the least weight, kept in `m_empates`
    // while they are no more than a bound; none when there are more.
    std::optional<std::vector<std::vector<UINT>>> Empates(const Pares& todos, UINT maxCubiertas);
    // Collects the covers of weight at most `m_mejor` that add to `camino` (of
    // weight `peso`), lowering `m_mejor` as cheaper ones turn up; false once there
    // are too many.
    bool Recolectar(Pares pendientes, Candidatos permitidos, UINT peso, const Candidatos& camino,
                    const Multiplicadores* previos, const Depurado* depurado);
    bool Anotar(const Candidatos& cubierta, UINT peso);
    // Makes a cover cheaper by single swaps, so that the search for the ties
    // starts from a tighter limit.
    void Abaratar(const Pares& todos, Candidatos& cubierta) const;
    // Adds the covers of the same weight that differ from one kept by a
    // candidate; false once there are too many.
    bool CerrarEmpates(const Pares& todos);
    // The least number of candidates of a cover, and such a cover.
    UINT Tamano(const Pares& todos, Candidatos& testigo) const;
    // The least weight (at most `limite`) of covering `pendientes` with
    // `permitidos`, or infinity; with `primera`, the weight of the first cover found
    // within the limit. The candidates of that cover go to `elegidos`; `previos`
    // are prices to start the bounds from. `lleno`: no cover has fewer candidates
    // than the limit has room for, so that what is left of the limit beyond them
    // bounds the literals.
    UINT Resolver(Pares pendientes, Candidatos permitidos, UINT limite, bool primera, bool lleno,
                  const Multiplicadores* previos, Candidatos* elegidos,
                  const Depurado* depurado = nullptr) const;
    // The least cost of covering all pairs, and such a cover.
    UINT Optimo(const Pares& todos, Candidatos& testigo) const;
    // The weight of a cover taken greedily: a first limit.
    UINT Voraz(const Pares& todos) const;
    void PrepararMultiplicadores(const Pares& todos, UINT optimo);
    void IniciarMultiplicadores(Multiplicadores& u, const Multiplicadores* previos,
                                const Independientes& independientes) const;
    // The Lagrangian bound of the covering problem; false when it passes the limit.
    // Candidates it shows out of or into every cover within the limit are settled
    // (`cambio`).
    bool AcotarLagrange(Pares& pendientes, Candidatos& permitidos, UINT& fijo, UINT limite,
                        bool lleno, Multiplicadores& u, bool& cambio, Candidatos& tomados,
                        int pasos) const;
    static UINT Redondear(double cota);
    // Raises the bound by subgradient steps towards `objetivo`; leaves u at the
    // best prices and `reducido` at the candidates' reduced costs under them.
    // `paciencia`: steps without gain before the step is halved.
    double Subgradiente(std::array<double, kMaxPares>& u, bool literales, double objetivo,
                        int pasos, std::array<double, kMaxCandidatos>& reducido,
                        int paciencia = kPaciencia, double pasoMinimo = kPasoMinimo) const;
    static constexpr int kPaciencia = 5;
    static constexpr double kPasoMinimo = 0.1;
    // The bound at prices `u` given per row of the table, summed exactly, and
    // the candidates' reduced costs under them.
    double ValorLagrange(const std::array<double, kMaxPares>& u, bool literales,
                         std::array<double, kMaxCandidatos>& reducido) const;
    // The same bound in single precision, for the steps only; takes from each
    // row's count in `gradiente` the candidates the bound takes.
    float ValorRapido(const float* u, bool literales, int* gradiente) const;
    // Takes the candidates that some pair cannot do without and lists the other
    // pairs by their count of candidates; false when some pair has none left.
    bool Forzar(Pares& pendientes, Candidatos& permitidos, UINT& fijo, Filas& filas,
                Candidatos& tomados) const;
    // Drops the pairs whose candidates include all those of another pair: covering
    // that one covers them. The covers stay the same.
    bool QuitarParesDominados(Pares& pendientes, const Candidatos& permitidos) const {
        return QuitarParesDominados(pendientes, permitidos, pendientes);
    }
    // The same, with only the pairs of `revisar` as dominating ones.
    bool QuitarParesDominados(Pares& pendientes, const Candidatos& permitidos,
                              const Pares& revisar) const;
    // Drops the candidates whose open pairs another candidate, no dearer, covers as
    // well. The least cost stays the same.
    bool QuitarCandidatosDominados(const Pares& pendientes, Candidatos& permitidos,
                                   const Candidatos& revisar) const;
    // Both tests, each over what changed since its last pass; true if either
    // dropped something.
    bool QuitarDominados(Estado& e) const;
    // The least cost of the independent pairs: a lower bound of any cover.
    UINT CotaInferior(const Pares& pendientes, const Candidatos& permitidos, Filas& filas,
                      Independientes& independientes) const;
    // Drops the candidates that the bound shows too dear to take.
    bool QuitarPorCota(Candidatos& permitidos, UINT cota, UINT limite,
                       const Independientes& independientes) const;
    UINT Cota(const Pares& pendientes, const Candidatos& permitidos) const;
    // The open pairs linked to `fila` through shared candidates.
    Pares Componente(const Pares& pendientes, const Candidatos& permitidos, UINT fila) const;
    // What the choices made so far add to the bound of the whole problem: the
    // reduced costs of the candidates taken and of those left out.
    struct Fijados {
        double tamano = 0;
        double literales = 0;
    };
    bool Excede(const Fijados& fijados) const;
    Fijados Tomando(Fijados f, UINT j) const;
    Fijados Dejando(Fijados f, UINT j) const;
    // Walks the combinations in enumeration order from position `desde`, entering
    // only those that can be completed at weight `resto`; `testigo` is one such
    // completion.
    void Enumerar(UINT desde, const Pares& pendientes, UINT resto, Fijados fijados,
                  Candidatos testigo);
    // Whether the candidates after `tras` can cover the pairs at cost `resto`; such
    // a completion goes to `testigo`.
    bool Completable(const Pares& pendientes, UINT tras, UINT resto, Candidatos& testigo);
    // The first candidate from `inicio` on that begins some completion; `testigo`
    // holds a completion from `inicio` on and ends with one that begins there.
    UINT Primero(UINT inicio, const Pares& pendientes, UINT resto, const Fijados& fijados,
                 Candidatos& testigo);
    // Whether some completion from `inicio` on takes one of `alguno`.
    bool CompletableCon(const Pares& pendientes, UINT inicio, const Candidatos& alguno, UINT resto,
                        Candidatos& testigo);

    UINT m_nPares;
    UINT m_nCandidatos;
    // A copy: the pair after the caller's last one is lent to CompletableCon.
    std::vector<Pares> m_cubre;
    bool m_conLiterales;
    std::vector<UINT> m_peso;
    std::vector<UINT> m_literales;
    std::vector<Candidatos> m_candidatosDe;  // per pair
    Candidatos m_todos;
    UINT m_maxCubiertas = 0;
    // Scratch of the Lagrangian bound: the open pairs as rows numbered from 0 and,
    // per candidate, its rows; contiguous, so that the many steps of the bound run
    // over plain arrays.
    struct Tabla {
        std::array<UINT, kMaxCandidatos> columna;
        std::array<UINT, kMaxCandidatos + 1> inicio;
        std::array<double, kMaxCandidatos> literales;
        std::array<double, kMaxCandidatos> reducidoTamano;
        std::array<double, kMaxCandidatos> reducidoLiterales;
        std::array<std::uint16_t, kMaxPares> par;
        std::array<std::uint16_t, kMaxPares> fila;  // per pair, while it is open
        std::vector<std::uint16_t> filas;
        UINT nColumnas = 0;
        UINT nPares = 0;
        // The same columns in blocks of eight, longest first, each block as rows
        // of eight row numbers padded with an empty row: the steps of the bound
        // run over them without a branch per column.
        std::vector<std::uint16_t> bloques;
        std::array<UINT, kMaxCandidatos / 8 + 2> inicioBloque;
        std::array<std::uint16_t, kMaxCandidatos + 8> columnaDe;
        std::array<float, kMaxCandidatos + 8> costeTamano;
        std::array<float, kMaxCandidatos + 8> costeLiterales;
        UINT nBloques = 0;
    };
    mutable Tabla m_tabla;
    // How often the bound of the literals was computed, and how often it closed
    // the branch.
    mutable long m_cotasLiterales = 0;
    mutable long m_podasLiterales = 0;
    Tabla& ConstruirTabla(const Pares& pendientes, const Candidatos& permitidos) const;
    // The bound of the whole problem and its reduced costs, for Excede.
    UINT m_optimo = 0;
    Fijados m_filtro;
    std::vector<double> m_reducidoTamano;
    std::vector<double> m_reducidoLiterales;
    Multiplicadores m_multiplicadores{};
    // Completions already searched for: the open pairs, the position and the weight.
    struct Clave {
        Pares pendientes;
        UINT tras;
        UINT resto;
        bool operator==(const Clave& o) const {
            return tras == o.tras && resto == o.resto && pendientes.Equals(o.pendientes);
        }
    };
    struct HashClave {
        std::size_t operator()(const Clave& c) const {
            return c.pendientes.Hash() ^ (std::size_t{c.tras} << 20) ^ c.resto;
        }
    };
    struct Completado {
        bool completable;
        Candidatos testigo;
    };
    std::unordered_map<Clave, Completado, HashClave> m_memoria;
    std::vector<UINT> m_seleccion;
    std::vector<std::vector<UINT>> m_cubiertas;
    // The ties of the least weight found so far.
    UINT m_mejor = 0;
    std::vector<Candidatos> m_empates;
};
