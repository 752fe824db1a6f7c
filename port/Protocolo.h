#pragma once
// The bytes of the multiplexer board's protocol, shared by the transfer, the
// port dialog and the simulated board.
//
// Data register: during the serial load bit 5 is held high and every bit is a
// rising edge of bit 3 with the value on bit 4; in the port dialog bit 0
// chooses the direct output (1) or the D flip-flop's (0), bit 6 complements the
// function, a new setting is strobed by bit 3 and the flip-flop is clocked by
// bit 2. Control register: the selected term, with bits 0, 1 and 3 inverted
// because the port inverts them again on their way to the connector. Status
// register: bit 5 is the board's output.

#include <cstdint>

namespace protocolo {

constexpr std::uint8_t kSalidaDirecta = 0x01;
constexpr std::uint8_t kRelojFfd = 0x04;
constexpr std::uint8_t kReloj = 0x08;
constexpr std::uint8_t kDato = 0x10;
constexpr std::uint8_t kCarga = 0x20;
constexpr std::uint8_t kComplemento = 0x40;
// The status bit of the board's output.
constexpr std::uint8_t kSalida = 0x20;
// Control bits that the port inverts between register and connector.
constexpr std::uint8_t kControlInvertidos = 0x0B;
// Truth values shifted in after the leading 0, whatever the number of variables.
constexpr unsigned kValores = 16;

// The control byte that puts term t (0 to 15) on the four control lines.
constexpr std::uint8_t ControlByteOfTerm(unsigned t) {
    return static_cast<std::uint8_t>((t & 0x04u) | ((t & 0x0Bu) ^ kControlInvertidos));
}

// The term that a control byte puts on the control lines.
constexpr unsigned TermOfControlByte(std::uint8_t control) {
    return (control ^ kControlInvertidos) & 0x0Fu;
}

// The port dialog's setting of the data register, without its strobe.
constexpr std::uint8_t SettingByte(bool bSeleccion, bool bComplementar) {
    return static_cast<std::uint8_t>((bSeleccion ? 0 : kSalidaDirecta) |
                                     (bComplementar ? kComplemento : 0));
}

// The data byte that puts one bit of the serial load on the board; it is
// written as it is and then with kReloj, whose rising edge shifts the bit in.
constexpr std::uint8_t LoadByte(bool bValor) {
    return static_cast<std::uint8_t>(kCarga | (bValor ? kDato : 0));
}

constexpr unsigned OutputOfStatus(std::uint8_t estado) {
    return (estado & kSalida) != 0 ? 1u : 0u;
}

}  // namespace protocolo
