// The ppdev port's failures through the real code: a device that is not there
// and paths that are not a parallel port are refused with a message that names
// the device and the reason, and leave no descriptor open. Only paths in a
// temporary folder are used: no test opens a real parallel port.

#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "port/ErrorPuerto.h"
#include "port/PuertoPpdev.h"

namespace {

namespace fs = std::filesystem;

class PuertoPpdevTest : public testing::Test {
protected:
    void SetUp() override {
        m_carpeta = fs::temp_directory_path() /
                    ("tarnovel-ppdev-" + std::to_string(::getpid()) + "-" +
                     testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_carpeta);
    }
    void TearDown() override { fs::remove_all(m_carpeta); }

    // The message of opening the path through the factory, as the port
    // command does; empty when it opened.
    static std::string OpenMessage(const std::string& ruta) {
        try {
            CPuertoPpdev::Factory(ruta)();
        } catch (const CErrorPuerto& e) {
            return e.what();
        }
        return {};
    }

    static std::size_t OpenDescriptors() {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
    }

    fs::path m_carpeta;
};

TEST_F(PuertoPpdevTest, AMissingDeviceIsNamedWithItsReason) {
    const std::string ruta = (m_carpeta / "parport0").string();
    EXPECT_EQ(OpenMessage(ruta), "No se pudo abrir el puerto paralelo " + ruta +
                                     ": el dispositivo no existe (la computadora no tiene puerto "
                                     "paralelo o no está cargado el módulo ppdev).");
}

TEST_F(PuertoPpdevTest, PathsThatAreNotAParallelPortAreRefusedAndClosed) {
    const fs::path archivo = m_carpeta / "archivo";
    std::ofstream(archivo) << "no es un puerto";
    const std::size_t antes = OpenDescriptors();
    for (const fs::path& ruta : {archivo, m_carpeta}) {
        EXPECT_EQ(OpenMessage(ruta.string()), "No se pudo abrir el puerto paralelo " +
                                                  ruta.string() + ": no es un puerto paralelo.");
    }
    EXPECT_EQ(OpenDescriptors(), antes) << "the refused device is closed again";
}

TEST_F(PuertoPpdevTest, RefusedPermissionNamesTheGroupThatOwnsTheDevice) {
    const fs::path archivo = m_carpeta / "parport0";
    std::ofstream(archivo) << "";
    const group* grupo = ::getgrgid(::getegid());
    ASSERT_NE(grupo, nullptr);
    const std::string nombre = grupo->gr_name;
    for (const auto etapa : {CPuertoPpdev::Etapa::Abrir, CPuertoPpdev::Etapa::Reservar}) {
        EXPECT_EQ(CPuertoPpdev::DescribeOpenFailure(archivo.string(), EACCES, etapa),
                  "No se pudo abrir el puerto paralelo " + archivo.string() +
                      ": no tiene permiso para usarlo. El usuario debe pertenecer al grupo \"" +
                      nombre + "\", dueño del dispositivo, y volver a iniciar la sesión.");
    }
}

TEST_F(PuertoPpdevTest, APortHeldElsewhereAndOtherReasonsHaveTheirOwnWords) {
    const std::string ruta = "/dev/parport0";
    EXPECT_EQ(CPuertoPpdev::DescribeOpenFailure(ruta, ENXIO, CPuertoPpdev::Etapa::Reservar),
              "No se pudo abrir el puerto paralelo /dev/parport0: otro programa o controlador "
              "(por ejemplo, el de impresora lp) lo está usando.");
    EXPECT_EQ(CPuertoPpdev::DescribeOpenFailure(ruta, ENXIO, CPuertoPpdev::Etapa::Abrir),
              "No se pudo abrir el puerto paralelo /dev/parport0: no hay ningún puerto paralelo "
              "en ese dispositivo.");
    EXPECT_EQ(CPuertoPpdev::DescribeAccessFailure(ruta, EIO),
              "Se interrumpió la comunicación con el puerto paralelo /dev/parport0: error de "
              "entrada/salida.");
    const std::string otro = CPuertoPpdev::DescribeAccessFailure(ruta, EFAULT);
    EXPECT_NE(otro.find("error del sistema " + std::to_string(EFAULT)), std::string::npos) << otro;
}

}  // namespace
