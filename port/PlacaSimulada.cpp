#include "port/PlacaSimulada.h"

#include "port/ErrorPuerto.h"
#include "port/Protocolo.h"

using namespace protocolo;

namespace {

bool Rises(std::uint8_t anterior, std::uint8_t nuevo, std::uint8_t bit) {
    return (anterior & bit) == 0 && (nuevo & bit) != 0;
}

}  // namespace

// A visit hands every access on to the board.
class CPlacaSimulada::CVisita final : public CPuerto {
public:
    explicit CVisita(CPlacaSimulada& placa) : m_placa(placa) {
        ++m_placa.m_nVisitasAbiertas;
        ++m_placa.m_nVisitas;
    }
    ~CVisita() override { --m_placa.m_nVisitasAbiertas; }
    CVisita(const CVisita&) = delete;
    CVisita& operator=(const CVisita&) = delete;

    std::uint8_t ReadData() override { return m_placa.ReadData(); }
    void WriteData(std::uint8_t valor) override { m_placa.WriteData(valor); }
    std::uint8_t ReadStatus() override { return m_placa.ReadStatus(); }
    std::uint8_t ReadControl() override { return m_placa.ReadControl(); }
    void WriteControl(std::uint8_t valor) override { m_placa.WriteControl(valor); }

private:
    CPlacaSimulada& m_placa;
};

CPlacaSimulada::CPlacaSimulada(std::uint8_t datos, std::uint8_t control)
    : m_nDatos(datos), m_nControl(control) {}

std::unique_ptr<CPuerto> CPlacaSimulada::Open() {
    return std::make_unique<CVisita>(*this);
}

void CPlacaSimulada::Access(Registro registro, bool bEscritura, std::uint8_t valor) {
    if (m_nFalloEn.has_value()) {
        if (*m_nFalloEn == 0) {
            m_nFalloEn.reset();
            throw CErrorPuerto(
                "Se interrumpió la comunicación con la placa simulada: error de entrada/salida.");
        }
        --*m_nFalloEn;
    }
    m_accesos.push_back({registro, bEscritura, valor});
}

std::uint8_t CPlacaSimulada::ReadData() {
    Access(Registro::Datos, false, m_nDatos);
    return m_nDatos;
}

void CPlacaSimulada::WriteData(std::uint8_t valor) {
    Access(Registro::Datos, true, valor);
    const std::uint8_t anterior = m_nDatos;
    m_nDatos = valor;
    Clock(anterior, valor);
}

std::uint8_t CPlacaSimulada::ReadStatus() {
    const auto estado = static_cast<std::uint8_t>(GetOutput() ? 0xFF : 0xFF & ~kSalida);
    Access(Registro::Estado, false, estado);
    return estado;
}

std::uint8_t CPlacaSimulada::ReadControl() {
    Access(Registro::Control, false, m_nControl);
    return m_nControl;
}

void CPlacaSimulada::WriteControl(std::uint8_t valor) {
    Access(Registro::Control, true, valor);
    m_nControl = valor;
}

void CPlacaSimulada::Clock(std::uint8_t anterior, std::uint8_t nuevo) {
    const bool bCarga = (anterior & kCarga) != 0 && (nuevo & kCarga) != 0;
    if (bCarga && Rises(anterior, nuevo, kReloj)) {
        const unsigned bit = (nuevo & kDato) != 0 ? 1u : 0u;
        m_nDesplazamiento = static_cast<std::uint16_t>((m_nDesplazamiento >> 1) | (bit << 15));
    }
    if (Rises(anterior, nuevo, kRelojFfd)) {
        m_bBiestable = GetComplementStage();
    }
}

bool CPlacaSimulada::GetComplementStage() const {
    const bool bMux = ((m_nDesplazamiento >> TermOfControlByte(m_nControl)) & 1u) != 0;
    return bMux != ((m_nDatos & kComplemento) != 0);
}

bool CPlacaSimulada::GetOutput() const {
    return (m_nDatos & kSalidaDirecta) != 0 ? GetComplementStage() : m_bBiestable;
}

std::vector<std::uint8_t> CPlacaSimulada::Writes(Registro registro) const {
    std::vector<std::uint8_t> bytes;
    for (const SAcceso& a : m_accesos) {
        if (a.bEscritura && a.registro == registro) {
            bytes.push_back(a.valor);
        }
    }
    return bytes;
}
