#pragma once
// A cover problem as the search sees it: the candidates numbered in list order,
// the (term, function) pairs each one covers, the candidates of each pair and
// the weight of each candidate. With literals a candidate weighs a fixed amount
// larger than any literal sum plus its literals, so that the least weight is
// the least number of candidates first and the least literal count second.

#include <limits>
#include <span>
#include <vector>

#include "logic/Conjunto.h"

class CProblemaCubierta {
public:
    // 64 terms times 6 functions.
    static constexpr UINT kMaxPares = 384;
    // At least the 3^6 = 729 distinct cubes of six variables.
    static constexpr UINT kMaxCandidatos = 768;
    // Far more than the six of a cube of six variables.
    static constexpr UINT kMaxLiterales = 64;
    using Pares = CConjunto<kMaxPares / 64>;
    using Candidatos = CConjunto<kMaxCandidatos / 64>;
    static constexpr UINT kInfinito = std::numeric_limits<UINT>::max();
    // The weight of one candidate when literals count too: more than the literals
    // of any combination, so that fewer candidates always win over fewer literals.
    static constexpr UINT kPesoCandidato = 1u << 16;

    // What is left of the problem below some choices: the pairs still open, the
    // candidates that may still be taken, and those taken, of weight `fijo`.
    struct Resto {
        Pares pendientes;
        Candidatos permitidos;
        UINT fijo = 0;
        Candidatos tomados;
    };

    // `cubre[i]` may hold pairs from nPares on; they are left out.
    CProblemaCubierta(UINT nPares, std::span<const Pares> cubre, std::span<const UINT> literales,
                      bool conLiterales);

    UINT PairCount() const { return m_nPares; }
    UINT CandidateCount() const { return m_nCandidatos; }
    bool WithLiterals() const { return m_conLiterales; }
    const Pares& Covers(UINT j) const { return m_cubre[j]; }
    std::span<const Pares> AllCovers() const { return m_cubre; }
    std::span<const UINT> AllLiterals() const { return m_literales; }
    const Candidatos& CandidatesOf(UINT p) const { return m_candidatosDe[p]; }
    std::span<const Candidatos> AllCandidatesOf() const { return m_candidatosDe; }
    UINT Weight(UINT j) const { return m_peso[j]; }
    UINT Literals(UINT j) const { return m_literales[j]; }
    const Candidatos& All() const { return m_todos; }
    // The weight of a set of candidates.
    UINT WeightOf(const Candidatos& c) const;
    // The pairs of `pendientes` that `miembro` alone of `cubierta` covers.
    Pares OwnPairs(const Pares& pendientes, const Candidatos& cubierta, UINT miembro) const;
    // Whether the pair after the last one is free to lend.
    bool CanLendPair() const { return m_nPares < kMaxPares; }

    // The pair after the last one, covered by the candidates of `alguno` alone
    // while the loan lasts: a search that must take one of them.
    class Prestamo {
    public:
        Prestamo(CProblemaCubierta& problema, const Candidatos& alguno);
        ~Prestamo();
        Prestamo(const Prestamo&) = delete;
        Prestamo& operator=(const Prestamo&) = delete;
        UINT Pair() const { return m_problema.m_nPares; }

    private:
        CProblemaCubierta& m_problema;
        Candidatos m_alguno;
    };

private:
    UINT m_nPares;
    UINT m_nCandidatos;
    bool m_conLiterales;
    std::vector<Pares> m_cubre;
    std::vector<UINT> m_peso;
    std::vector<UINT> m_literales;
    std::vector<Candidatos> m_candidatosDe;  // per pair, and the lent one
    Candidatos m_todos;
};
