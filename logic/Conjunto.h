#pragma once
// A fixed-size bitset with the few operations the cover search needs: sets of
// pairs and of candidates, copied and compared as plain values.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "logic/Termino.h"

template <std::size_t W>
class CConjunto {
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
    bool Intersects(const CConjunto& o) const {
        std::uint64_t r = 0;
        for (std::size_t k = 0; k < W; ++k) {
            r |= m_w[k] & o.m_w[k];
        }
        return r != 0;
    }
    bool SubsetOf(const CConjunto& o) const {
        std::uint64_t r = 0;
        for (std::size_t k = 0; k < W; ++k) {
            r |= m_w[k] & ~o.m_w[k];
        }
        return r == 0;
    }
    bool Equals(const CConjunto& o) const { return m_w == o.m_w; }
    std::size_t Hash() const {
        std::uint64_t h = 0;
        for (std::uint64_t x : m_w) {
            h = (h ^ x) * 0x9E3779B97F4A7C15u;
        }
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
    CConjunto& operator&=(const CConjunto& o) {
        for (std::size_t k = 0; k < W; ++k) {
            m_w[k] &= o.m_w[k];
        }
        return *this;
    }
    CConjunto& operator|=(const CConjunto& o) {
        for (std::size_t k = 0; k < W; ++k) {
            m_w[k] |= o.m_w[k];
        }
        return *this;
    }
    // Removes the members of o.
    CConjunto& Remove(const CConjunto& o) {
        for (std::size_t k = 0; k < W; ++k) {
            m_w[k] &= ~o.m_w[k];
        }
        return *this;
    }
    // Keeps only the members above i.
    void KeepAbove(UINT i) {
        const std::size_t palabra = i >> 6;
        for (std::size_t k = 0; k < palabra; ++k) {
            m_w[k] = 0;
        }
        const UINT b = i & 63;
        m_w[palabra] &= b == 63 ? 0 : ~std::uint64_t{0} << (b + 1);
    }
    friend CConjunto operator&(CConjunto a, const CConjunto& b) { return a &= b; }
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
