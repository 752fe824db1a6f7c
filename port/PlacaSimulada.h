#pragma once
// The multiplexer board on a simulated parallel port, for the tests. It keeps
// the port's data and control registers, logs every access in order and
// models the board as the protocol drives it (port/Protocolo.h):
// - a 16-bit shift register, clocked by a rising edge of data bit 3 while
//   data bit 5 stays high, shifts data bit 4 in at its top; after the leading
//   bit and the sixteen truth values its bit t holds the value of term t;
// - a multiplexer selects bit t by the four control lines at their connector
//   levels (the port inverts control bits 0, 1 and 3);
// - a complement stage inverts the multiplexer's output while data bit 6 is 1;
// - a D flip-flop latches the complement stage on a rising edge of data bit 2;
// - the output, the complement stage's while data bit 0 is 1 and the
//   flip-flop's while it is 0, drives status bit 5; the other status lines
//   read as 1.
// The board powers up with the shift register and the flip-flop at 0.
//
// Usage:
//     CPlacaSimulada placa;
//     doc.SetPortFactory([&placa] { return placa.Open(); });
//     ... run the port command ...
//     EXPECT_EQ(placa.Writes(CPlacaSimulada::Registro::Datos), (Bytes{0x20, 0x28, ...}));

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "port/Puerto.h"

class CPlacaSimulada final : public CPuerto {
public:
    enum class Registro { Datos, Estado, Control };
    struct SAcceso {
        Registro registro;
        bool bEscritura;
        std::uint8_t valor;
        bool operator==(const SAcceso&) const = default;
    };

    // The registers' values before the first visit.
    explicit CPlacaSimulada(std::uint8_t datos = 0, std::uint8_t control = 0);

    std::uint8_t ReadData() override;
    void WriteData(std::uint8_t valor) override;
    std::uint8_t ReadStatus() override;
    std::uint8_t ReadControl() override;
    void WriteControl(std::uint8_t valor) override;

    // One visit of the board, as the program opens the real port: every access
    // goes to this board, which counts the visit as open until it is destroyed.
    std::unique_ptr<CPuerto> Open();
    int OpenVisits() const { return m_nVisitasAbiertas; }
    int Visits() const { return m_nVisitas; }

    // Every access that reached a register, in order.
    const std::vector<SAcceso>& Log() const { return m_accesos; }
    void ClearLog() { m_accesos.clear(); }
    // The bytes written to one register, in order.
    std::vector<std::uint8_t> Writes(Registro registro) const;

    // The access after `n` more accesses fails, once, as a failing ioctl does:
    // it throws CErrorPuerto and reaches no register (nor the log).
    void FailAccess(std::size_t n) { m_nFalloEn = n; }

    std::uint16_t GetShiftRegister() const { return m_nDesplazamiento; }
    bool GetFlipFlop() const { return m_bBiestable; }
    // The multiplexer's output through the complement stage.
    bool GetComplementStage() const;
    bool GetOutput() const;

private:
    class CVisita;

    void Access(Registro registro, bool bEscritura, std::uint8_t valor);
    void Clock(std::uint8_t anterior, std::uint8_t nuevo);

    std::uint8_t m_nDatos;
    std::uint8_t m_nControl;
    std::uint16_t m_nDesplazamiento = 0;
    bool m_bBiestable = false;
    std::vector<SAcceso> m_accesos;
    std::optional<std::size_t> m_nFalloEn;
    int m_nVisitasAbiertas = 0;
    int m_nVisitas = 0;
};
