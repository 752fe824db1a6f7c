#include "platform/File.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Causa = CFile::Causa;

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "tarnovel-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(plantilla.data()), nullptr);
        m_carpeta = plantilla;
    }
    void TearDown() override { fs::remove_all(m_carpeta); }

    std::string Ruta(const char* nombre) const { return (m_carpeta / nombre).string(); }
    std::string Escribir(const char* nombre, const std::string& contenido) const {
        std::ofstream(Ruta(nombre), std::ios::binary) << contenido;
        return Ruta(nombre);
    }

    fs::path m_carpeta;
    std::vector<std::uint8_t> m_bytes{1, 2, 3};
};

TEST_F(FileTest, ReadsARegularFileUpToItsLimit) {
    const std::string ruta = Escribir("doc", "abcdef");
    EXPECT_EQ(CFile::ReadAll(ruta, 6, m_bytes), Causa::Ninguna);
    EXPECT_EQ(m_bytes, (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 'f'}));
    EXPECT_EQ(CFile::ReadAll(ruta, 5, m_bytes), Causa::DemasiadoGrande);
    EXPECT_TRUE(m_bytes.empty()) << "nothing is half read";
    EXPECT_EQ(CFile::ReadAll(Escribir("vacio", ""), 5, m_bytes), Causa::Ninguna);
    EXPECT_TRUE(m_bytes.empty());
}

TEST_F(FileTest, LimitHoldsWhateverSizeTheFileClaims) {
    // The system's files claim to be empty and are not.
    struct stat info {};
    ASSERT_EQ(::stat("/proc/self/status", &info), 0);
    ASSERT_EQ(info.st_size, 0);
    EXPECT_EQ(CFile::ReadAll("/proc/self/status", 16, m_bytes), Causa::DemasiadoGrande);
    EXPECT_TRUE(m_bytes.empty());
}

TEST_F(FileTest, RefusesWhatIsNotARegularFileWithoutReadingIt) {
    // A device never ends; a pipe without a writer would never answer.
    EXPECT_EQ(CFile::ReadAll("/dev/zero", 1 << 20, m_bytes), Causa::NoRegular);
    EXPECT_TRUE(m_bytes.empty());
    ASSERT_EQ(::mkfifo(Ruta("tubo").c_str(), 0600), 0);
    EXPECT_EQ(CFile::ReadAll(Ruta("tubo"), 1 << 20, m_bytes), Causa::NoRegular);
    EXPECT_EQ(CFile::ReadAll(m_carpeta.string(), 1 << 20, m_bytes), Causa::NoRegular);
    EXPECT_EQ(CFile::ReadAll(Ruta("no-existe"), 1 << 20, m_bytes), Causa::NoEncontrado);
    EXPECT_EQ(CFile::ReadAll(Ruta("no-existe/doc"), 1 << 20, m_bytes), Causa::NoEncontrado);
}

TEST_F(FileTest, NamesWhatRefusesAWrite) {
    EXPECT_EQ(CFile::WriteRefusal(Ruta("nuevo")), Causa::Ninguna);
    EXPECT_EQ(CFile::WriteRefusal(Escribir("doc", "x")), Causa::Ninguna);
    EXPECT_EQ(CFile::WriteRefusal(Ruta("no-existe/doc")), Causa::NoEncontrado);
    EXPECT_EQ(CFile::WriteFailure(Ruta("doc")), Causa::ErrorEscritura) << "the disk has room";
}

TEST_F(FileTest, NamesAWriteThatPermissionsRefuse) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes whatever the permissions say";
    }
    Escribir("doc", "x");
    fs::permissions(Ruta("doc"), fs::perms::owner_read);
    EXPECT_EQ(CFile::WriteRefusal(Ruta("doc")), Causa::AccesoDenegado);
    fs::permissions(m_carpeta, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(CFile::WriteRefusal(Ruta("nuevo")), Causa::AccesoDenegado);
    fs::permissions(m_carpeta, fs::perms::owner_all);
}

}  // namespace
