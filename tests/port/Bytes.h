#pragma once
// Byte sequences of the board protocol as the tests expect them.

#include <cstdint>
#include <iomanip>
#include <ostream>
#include <vector>

#include "port/PlacaSimulada.h"
#include "port/Protocolo.h"

using Bytes = std::vector<std::uint8_t>;
using Registro = CPlacaSimulada::Registro;
using Acceso = CPlacaSimulada::SAcceso;

// The data writes of a serial load of these seventeen bits (the leading one first).
inline Bytes LoadWrites(const std::vector<int>& bits) {
    Bytes bytes;
    for (const int bit : bits) {
        bytes.push_back(bit != 0 ? 0x30 : 0x20);
        bytes.push_back(bit != 0 ? 0x38 : 0x28);
    }
    return bytes;
}

// The leading 0 and the values of terms 0 to 15 with ones at the given terms.
inline std::vector<int> LoadBits(const std::vector<unsigned>& unos) {
    std::vector<int> bits(17, 0);
    for (const unsigned t : unos) {
        bits[t + 1] = 1;
    }
    return bits;
}

inline Acceso Read(Registro r, std::uint8_t valor) {
    return {r, false, valor};
}

inline Acceso Write(Registro r, std::uint8_t valor) {
    return {r, true, valor};
}

inline void PrintTo(const Acceso& a, std::ostream* os) {
    const char* nombres[] = {"datos", "estado", "control"};
    *os << (a.bEscritura ? "escribe " : "lee ") << nombres[static_cast<int>(a.registro)] << " 0x"
        << std::hex << std::setw(2) << std::setfill('0') << static_cast<int>(a.valor) << std::dec;
}

// Shifts the leading 0 and sixteen truth values (bit t = term t) into the
// board, as the transfer does.
inline void Load(CPuerto& puerto, std::uint16_t valores) {
    for (int i = -1; i < 16; ++i) {
        const bool bit = i >= 0 && ((static_cast<unsigned>(valores) >> i) & 1u) != 0;
        puerto.WriteData(protocolo::LoadByte(bit));
        puerto.WriteData(static_cast<std::uint8_t>(protocolo::LoadByte(bit) | protocolo::kReloj));
    }
}
