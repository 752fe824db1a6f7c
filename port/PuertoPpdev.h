#pragma once
// The first parallel port on Linux, through the ppdev driver (/dev/parport0):
// building the object opens the device and claims the port, the registers are
// read and written with the driver's ioctls, and destroying it releases the
// port and closes the device. Using the device needs read and write
// permission on it, which its owning group (usually lp) has.
//
// The port is registered for exclusive use before it is claimed: a claim of a
// port that another program or driver holds would otherwise wait, with the
// program frozen, until that one lets it go; registered exclusively it is
// refused at once.
//
// Usage:
//     FabricaPuerto fabrica = CPuertoPpdev::Factory();
//     std::unique_ptr<CPuerto> puerto = fabrica();  // throws CErrorPuerto

#include <string>

#include "port/Puerto.h"

class CPuertoPpdev final : public CPuerto {
public:
    static constexpr const char* kDispositivo = "/dev/parport0";

    // What was being done when opening failed.
    enum class Etapa { Abrir, Reservar };

    // Opens and claims the port; throws CErrorPuerto naming the device and
    // the reason.
    explicit CPuertoPpdev(std::string ruta = kDispositivo);
    ~CPuertoPpdev() override;

    std::uint8_t ReadData() override;
    void WriteData(std::uint8_t valor) override;
    std::uint8_t ReadStatus() override;
    std::uint8_t ReadControl() override;
    void WriteControl(std::uint8_t valor) override;

    // Opens a new CPuertoPpdev on the device for each visit.
    static FabricaPuerto Factory(std::string ruta = kDispositivo);

    // The message of a failed open (or claim) with the system's error number.
    // Refused permission names the group that owns the device.
    static std::string DescribeOpenFailure(const std::string& ruta, int nError, Etapa etapa);
    // The message of a register access that failed during a visit.
    static std::string DescribeAccessFailure(const std::string& ruta, int nError);

private:
    // The open device, closed when it goes.
    class CDescriptor {
    public:
        explicit CDescriptor(int nDescriptor) : m_nDescriptor(nDescriptor) {}
        ~CDescriptor();
        CDescriptor(const CDescriptor&) = delete;
        CDescriptor& operator=(const CDescriptor&) = delete;
        int Get() const { return m_nDescriptor; }

    private:
        int m_nDescriptor;
    };

    // One ioctl on a claimed port; throws CErrorPuerto when it fails.
    void Request(unsigned long nPeticion, std::uint8_t* pValor);

    std::string m_strRuta;
    CDescriptor m_descriptor;
};
