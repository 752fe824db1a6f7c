#include "port/PuertoPpdev.h"

#include <fcntl.h>
#include <grp.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "port/ErrorPuerto.h"

namespace {

// The name of the group that owns the device, or the empty text.
std::string OwningGroup(const std::string& ruta) {
    struct stat datos {};
    if (::stat(ruta.c_str(), &datos) != 0) {
        return {};
    }
    std::vector<char> memoria(4096);
    struct group grupo {};
    struct group* encontrado = nullptr;
    if (::getgrgid_r(datos.st_gid, &grupo, memoria.data(), memoria.size(), &encontrado) != 0 ||
        encontrado == nullptr) {
        return {};
    }
    return encontrado->gr_name;
}

std::string Permission(const std::string& ruta) {
    const std::string grupo = OwningGroup(ruta);
    return "no tiene permiso para usarlo. El usuario debe pertenecer al grupo " +
           (grupo.empty() ? std::string() : "\"" + grupo + "\", ") +
           "dueño del dispositivo, y volver a iniciar la sesión";
}

std::string SystemError(int nError) {
    return "error del sistema " + std::to_string(nError) + " (" +
           std::generic_category().message(nError) + ")";
}

std::string OpenReason(const std::string& ruta, int nError, CPuertoPpdev::Etapa etapa) {
    switch (nError) {
        case EACCES:
        case EPERM:
        case EROFS:
            return Permission(ruta);
        case ENOENT:
            return "el dispositivo no existe (la computadora no tiene puerto paralelo o no está "
                   "cargado el módulo ppdev)";
        case ENOTTY:
        case EINVAL:
        case EISDIR:
            return "no es un puerto paralelo";
        case EBUSY:
            return "otro programa o controlador lo está usando";
        case ENXIO:
        case ENODEV:
            // Registered exclusively, the claim of a port that another program or
            // driver has registered fails this way.
            return etapa == CPuertoPpdev::Etapa::Reservar
                       ? "otro programa o controlador (por ejemplo, el de impresora lp) lo está "
                         "usando"
                       : "no hay ningún puerto paralelo en ese dispositivo";
        default:
            return SystemError(nError);
    }
}

int OpenDevice(const std::string& ruta) {
    // Non-blocking, so that a path that is not a device cannot hold the open.
    const int nDescriptor = ::open(ruta.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (nDescriptor < 0) {
        throw CErrorPuerto(
            CPuertoPpdev::DescribeOpenFailure(ruta, errno, CPuertoPpdev::Etapa::Abrir));
    }
    return nDescriptor;
}

int Ioctl(int nDescriptor, unsigned long nPeticion, std::uint8_t* pValor) {
    int nResultado = 0;
    do {
        nResultado = pValor != nullptr ? ::ioctl(nDescriptor, nPeticion, pValor)
                                       : ::ioctl(nDescriptor, nPeticion);
    } while (nResultado < 0 && errno == EINTR);
    return nResultado;
}

}  // namespace

CPuertoPpdev::CDescriptor::~CDescriptor() {
    ::close(m_nDescriptor);
}

CPuertoPpdev::CPuertoPpdev(std::string ruta)
    : m_strRuta(std::move(ruta)), m_descriptor(OpenDevice(m_strRuta)) {
    for (const unsigned long nPeticion : {PPEXCL, PPCLAIM}) {
        if (Ioctl(m_descriptor.Get(), nPeticion, nullptr) < 0) {
            throw CErrorPuerto(DescribeOpenFailure(m_strRuta, errno, Etapa::Reservar));
        }
    }
}

CPuertoPpdev::~CPuertoPpdev() {
    Ioctl(m_descriptor.Get(), PPRELEASE, nullptr);
}

FabricaPuerto CPuertoPpdev::Factory(std::string ruta) {
    return [ruta = std::move(ruta)]() -> std::unique_ptr<CPuerto> {
        return std::make_unique<CPuertoPpdev>(ruta);
    };
}

std::string CPuertoPpdev::DescribeOpenFailure(const std::string& ruta, int nError, Etapa etapa) {
    return "No se pudo abrir el puerto paralelo " + ruta + ": " + OpenReason(ruta, nError, etapa) +
           ".";
}

std::string CPuertoPpdev::DescribeAccessFailure(const std::string& ruta, int nError) {
    std::string motivo;
    switch (nError) {
        case EIO:
            motivo = "error de entrada/salida";
            break;
        case ENXIO:
        case ENODEV:
            motivo = "el puerto ya no está disponible";
            break;
        default:
            motivo = SystemError(nError);
    }
    return "Se interrumpió la comunicación con el puerto paralelo " + ruta + ": " + motivo + ".";
}

void CPuertoPpdev::Request(unsigned long nPeticion, std::uint8_t* pValor) {
    if (Ioctl(m_descriptor.Get(), nPeticion, pValor) < 0) {
        throw CErrorPuerto(DescribeAccessFailure(m_strRuta, errno));
    }
}

std::uint8_t CPuertoPpdev::ReadData() {
    std::uint8_t valor = 0;
    Request(PPRDATA, &valor);
    return valor;
}

void CPuertoPpdev::WriteData(std::uint8_t valor) {
    Request(PPWDATA, &valor);
}

std::uint8_t CPuertoPpdev::ReadStatus() {
    std::uint8_t valor = 0;
    Request(PPRSTATUS, &valor);
    return valor;
}

std::uint8_t CPuertoPpdev::ReadControl() {
    std::uint8_t valor = 0;
    Request(PPRCONTROL, &valor);
    return valor;
}

void CPuertoPpdev::WriteControl(std::uint8_t valor) {
    Request(PPWCONTROL, &valor);
}
