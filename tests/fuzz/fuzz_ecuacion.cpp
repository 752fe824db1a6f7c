// The equation of one function as a user may type it: the first byte picks the
// number of variables, the rest is the equation. Every input must be checked
// with at most one message, and every accepted one must expand into a well
// formed canonical text. The expansion must also survive text that was not
// checked.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editors/Ecuacion.h"
#include "platform/MessageBox.h"

namespace {

// Products of exactly n letters in variable order, joined by " + ", each
// minterm once.
bool IsCanonical(const std::string& texto, unsigned n) {
    std::uint64_t vistos = 0;
    for (std::size_t p = 0; p < texto.size(); p += n + 3) {
        if (p + n > texto.size() || (p + n < texto.size() && texto.compare(p + n, 3, " + ") != 0)) {
            return false;
        }
        unsigned t = 0;
        for (unsigned k = 0; k < n; ++k) {
            const char c = texto[p + k];
            if (c != static_cast<char>('a' + k) && c != static_cast<char>('A' + k)) {
                return false;
            }
            t = 2 * t + (c < 'a' ? 1u : 0u);
        }
        if ((vistos >> t) & 1u) {
            return false;
        }
        vistos |= std::uint64_t{1} << t;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned n = 1u + data[0] % 6u;
    const std::string ecuacion(reinterpret_cast<const char*>(data + 1), size - 1);
    CMessageCapture capture;
    CEcuacion e(n);
    const EcuacionAceptada a = e.Accept(ecuacion);
    if (capture.Messages().size() != (a.aceptada ? 0u : 1u) || !IsCanonical(a.canonica, n)) {
        __builtin_trap();
    }
    e.m_nPos = 0;
    const ListaProductos libre =
        e.ExpandSum(ecuacion, ListaProductos{std::string()}, ecuacion.size(), false);
    if (!IsCanonical(CEcuacion::JoinTerms(libre), n)) {
        __builtin_trap();
    }
    return 0;
}
