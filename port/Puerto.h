#pragma once
// The three registers of the first parallel port, as the board transfer and
// the port dialog reach them: data (written, and read once to be saved),
// status (read: bit 5 is the board's output) and control (written, and read
// once to be saved). Every access moves one byte. An access that fails throws
// CErrorPuerto with the message for the user. One object is one visit of the
// port: it is opened when built and released when destroyed.
//
// Usage:
//     std::unique_ptr<CPuerto> puerto = fabrica();  // may throw CErrorPuerto
//     const std::uint8_t control = puerto->ReadControl();
//     puerto->WriteData(0x20);

#include <cstdint>
#include <functional>
#include <memory>

class CPuerto {
public:
    CPuerto() = default;
    virtual ~CPuerto() = default;
    CPuerto(const CPuerto&) = delete;
    CPuerto& operator=(const CPuerto&) = delete;

    virtual std::uint8_t ReadData() = 0;
    virtual void WriteData(std::uint8_t valor) = 0;
    virtual std::uint8_t ReadStatus() = 0;
    virtual std::uint8_t ReadControl() = 0;
    virtual void WriteControl(std::uint8_t valor) = 0;
};

// Opens the port for one visit; throws CErrorPuerto when it cannot.
using FabricaPuerto = std::function<std::unique_ptr<CPuerto>()>;
