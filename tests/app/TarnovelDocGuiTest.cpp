// Opening and saving a document where the file system says no: a full disk,
// what is not a regular file, no permission, a read-only file system, a disk
// that fails at the sync. Every failure shows the framework's message that
// names it and loses nothing; a save reported done is on the disk.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/TarnovelDoc.h"
#include "platform/MessageBox.h"

// What the program asks fsync to put on the disk while a test watches, and the
// error the disk answers with (0: the system's own answer).
namespace disco {
std::string ruta;  // the document's file; empty: nothing is watched
std::vector<std::string> sincronizados;
int error = 0;

// The file open at `fd` as it stands: the folder of the document, the
// document's file itself, or a new file not yet in its place.
std::string Nombre(int fd) {
    struct stat sincronizado {};
    struct stat otro {};
    ::fstat(fd, &sincronizado);
    const auto es = [&](const std::string& path) {
        return ::stat(path.c_str(), &otro) == 0 && otro.st_dev == sincronizado.st_dev &&
               otro.st_ino == sincronizado.st_ino;
    };
    if (es(ruta.substr(0, ruta.find_last_of('/')))) {
        return "carpeta";
    }
    return es(ruta) ? "archivo" : "nuevo";
}
}  // namespace disco

// Stands in for the system's fsync in this program, to watch it and to fail it.
extern "C" int fsync(int fd) {
    if (!disco::ruta.empty()) {
        disco::sincronizados.push_back(disco::Nombre(fd));
        if (disco::error != 0) {
            errno = disco::error;
            return -1;
        }
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

// A file that access() says is there and may be written without asking the
// server, as a network file system (sshfs) answers: also when it was deleted
// there, or may not be written.
namespace cache {
std::string ruta;
}

extern "C" int access(const char* path, int mode) {
    if (!cache::ruta.empty() && cache::ruta == path) {
        return 0;
    }
    return static_cast<int>(::syscall(SYS_faccessat, AT_FDCWD, path, mode));
}

namespace {

using Mensajes = std::vector<std::string>;

// The kernel's form of an access list of five entries, as setxattr takes it.
struct ListaAcceso {
    struct Entrada {
        std::uint16_t etiqueta;
        std::uint16_t permiso;
        std::uint32_t id;
    };
    std::uint32_t version;
    Entrada entradas[5];
};

std::string Local(const QString& ruta) {
    return QFile::encodeName(ruta).toStdString();
}

// A small tmpfs over a folder for the test's life, where the test may mount one.
class CTmpfs {
public:
    explicit CTmpfs(const QString& carpeta) : m_strCarpeta(Local(carpeta)) {
        m_bMontado = ::mount("tmpfs", m_strCarpeta.c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0;
    }
    ~CTmpfs() {
        if (m_bMontado) {
            ::umount2(m_strCarpeta.c_str(), MNT_DETACH);
        }
    }
    CTmpfs(const CTmpfs&) = delete;
    CTmpfs& operator=(const CTmpfs&) = delete;

    bool Montado() const { return m_bMontado; }
    bool MakeReadOnly() const {
        return ::mount("tmpfs", m_strCarpeta.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       "size=64k") == 0;
    }
    // Takes every free byte with one more file.
    void Fill() const {
        QFile relleno(QString::fromStdString(m_strCarpeta + "/relleno"));
        ASSERT_TRUE(relleno.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloque(1024, 'r');
        while (relleno.write(bloque) == bloque.size()) {
        }
    }

private:
    std::string m_strCarpeta;
    bool m_bMontado = false;
};

// Where no file system can be mounted, a file of the process may not grow at
// all (or past `bytes`) while this lives: the write fails as on a full disk, at
// the flush for a small document.
class CSinEspacio {
public:
    explicit CSinEspacio(rlim_t bytes = 0) : m_pAnterior(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_limite);
        rlimit cero = m_limite;
        cero.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &cero);
    }
    ~CSinEspacio() {
        ::setrlimit(RLIMIT_FSIZE, &m_limite);
        std::signal(SIGXFSZ, m_pAnterior);
    }
    CSinEspacio(const CSinEspacio&) = delete;
    CSinEspacio& operator=(const CSinEspacio&) = delete;

private:
    void (*m_pAnterior)(int);
    rlimit m_limite{};
};

// While this lives, the thread obeys file permissions even as root: the
// capabilities that override them (or those given) are out of its effective set.
class CSinPrivilegios {
public:
    explicit CSinPrivilegios(unsigned quitar = (1u << CAP_DAC_OVERRIDE) |
                                               (1u << CAP_DAC_READ_SEARCH)) {
        m_bLeidos = ::syscall(SYS_capget, &m_cabecera, m_anteriores) == 0;
        if (m_bLeidos) {
            __user_cap_data_struct sin[2] = {m_anteriores[0], m_anteriores[1]};
            sin[0].effective &= ~quitar;
            ::syscall(SYS_capset, &m_cabecera, sin);
        }
    }
    ~CSinPrivilegios() {
        if (m_bLeidos) {
            ::syscall(SYS_capset, &m_cabecera, m_anteriores);
        }
    }
    CSinPrivilegios(const CSinPrivilegios&) = delete;
    CSinPrivilegios& operator=(const CSinPrivilegios&) = delete;

private:
    __user_cap_header_struct m_cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_anteriores[2]{};
    bool m_bLeidos = false;
};

QByteArray Contenido(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray("(ilegible)");
}

bool EsRoot() {
    return ::geteuid() == 0;
}

class TarnovelDocFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_carpeta.isValid());
        m_strDisco = m_carpeta.filePath(QStringLiteral("disco"));
        ASSERT_TRUE(QDir().mkpath(m_strDisco));
        m_doc.m_sistema.SetNumVariables(2);
        m_doc.m_sistema.SetNumFunctions(1);
    }
    QString Ruta(const char* nombre) const {
        return m_strDisco + QLatin1Char('/') + QString::fromUtf8(nombre);
    }
    // Saved once while there is room; then changed and marked modified.
    QByteArray SaveAndChange(const QString& ruta, std::size_t largo) {
        m_doc.m_sistema.SetDescription(std::string(largo, 'a'));
        EXPECT_TRUE(m_doc.OnSaveDocument(ruta));
        m_doc.SetPathName(ruta);
        m_doc.m_sistema.SetDescription(std::string(largo, 'b'));
        m_doc.SetModifiedFlag(true);
        return Contenido(ruta);
    }
    static std::string Texto(const char* formato, const QString& ruta) {
        return QString::fromUtf8(formato).arg(ruta).toStdString();
    }

    QTemporaryDir m_carpeta;
    QString m_strDisco;
    CMessageCapture m_mensajes;
    CTarnovelDoc m_doc;
};

struct CasoDisco {
    const char* nombre;
    std::size_t largo;
    // Another name of the file, or a folder that takes no new file, make the
    // save write the file itself, and then a longer document.
    enum class Como { Nuevo, OtroNombre, CarpetaCerrada } como;
};

class DiscoLlenoTest : public TarnovelDocFileTest,
                       public ::testing::WithParamInterface<CasoDisco> {};

TEST_P(DiscoLlenoTest, FailedSaveKeepsTheOldFileByteForByteAndTheDocumentModified) {
    using Como = CasoDisco::Como;
    const CasoDisco& caso = GetParam();
    const CTmpfs tmpfs(m_strDisco);
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, caso.largo);
    ASSERT_GT(antes.size(), static_cast<qsizetype>(caso.largo));
    if (caso.como == Como::OtroNombre) {
        ASSERT_EQ(::link(Local(ruta).c_str(), Local(Ruta("duro")).c_str()), 0);
    }
    // A longer document: the old file has room for one of its own length.
    m_doc.m_sistema.SetDescription(
        std::string(caso.como == Como::Nuevo ? caso.largo + 100 : 20000, 'b'));
    std::optional<CSinEspacio> sinEspacio;
    std::string esperado;
    if (tmpfs.Montado()) {
        tmpfs.Fill();
        esperado = "La unidad de disco de destino está llena.";
    } else {
        sinEspacio.emplace();
        esperado = Texto("Error inesperado al escribir en %1.", ruta);
    }
    if (caso.como == Como::CarpetaCerrada) {
        QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::ExeOwner);
    }
    {
        const CSinPrivilegios sinPrivilegios;
        EXPECT_FALSE(m_doc.DoFileSave());
    }
    QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    sinEspacio.reset();
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{esperado});
    EXPECT_EQ(Contenido(ruta), antes);
    EXPECT_TRUE(m_doc.IsModified());
    const QStringList quedan = QDir(m_strDisco).entryList(QDir::Files);
    EXPECT_EQ(quedan.size(), (tmpfs.Montado() ? 2 : 1) + (caso.como == Como::OtroNombre ? 1 : 0))
        << "no half-written file is left";
}

// One document fits the write buffer and fails only at the flush; another
// fails while it is written; the last two are written into the file itself.
INSTANTIATE_TEST_SUITE_P(
    Documentos, DiscoLlenoTest,
    ::testing::Values(CasoDisco{"Pequeno", 40, CasoDisco::Como::Nuevo},
                      CasoDisco{"Grande", 40000, CasoDisco::Como::Nuevo},
                      CasoDisco{"OtroNombre", 100, CasoDisco::Como::OtroNombre},
                      CasoDisco{"CarpetaCerrada", 100, CasoDisco::Como::CarpetaCerrada}),
    [](const ::testing::TestParamInfo<CasoDisco>& caso) { return std::string(caso.param.nombre); });

TEST_F(TarnovelDocFileTest, ADiskTooFullForASecondCopyStillTakesTheDocumentInTheOldFile) {
    // A nearly full stick: no room for the new file beside the old one, but
    // the old file has room for the document, as it always had.
    const CTmpfs tmpfs(m_strDisco);
    if (!tmpfs.Montado()) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 3000);
    tmpfs.Fill();
    EXPECT_TRUE(m_doc.DoFileSave());
    EXPECT_TRUE(m_mensajes.Messages().empty());
    EXPECT_FALSE(m_doc.IsModified());
    CTarnovelDoc leido;
    ASSERT_TRUE(leido.OnOpenDocument(ruta));
    EXPECT_TRUE(leido.m_sistema.GetDescription() == std::string(3000, 'b'));
    EXPECT_EQ(QDir(m_strDisco).entryList(QDir::Files).size(), 2) << "no new file is left";
}

// Watches what a save asks the disk to keep, and makes the disk answer `error`.
class CDiscoVigilado {
public:
    explicit CDiscoVigilado(const QString& ruta, int error = 0) {
        disco::ruta = Local(ruta);
        disco::sincronizados.clear();
        disco::error = error;
    }
    ~CDiscoVigilado() {
        disco::ruta.clear();
        disco::error = 0;
    }
    CDiscoVigilado(const CDiscoVigilado&) = delete;
    CDiscoVigilado& operator=(const CDiscoVigilado&) = delete;
};

TEST_F(TarnovelDocFileTest, ASaveIsOnTheDiskBeforeItIsReported) {
    // A new file is on the disk before it takes the old one's place, and then
    // its folder, which names it; a power cut would otherwise bring the old
    // file back, or leave none. A file written in place needs only itself.
    const QString ruta = Ruta("sistema");
    using Sincronizados = std::vector<std::string>;
    {
        const CDiscoVigilado vigilado(ruta);
        EXPECT_TRUE(m_doc.OnSaveDocument(ruta));
        EXPECT_EQ(disco::sincronizados, (Sincronizados{"nuevo", "carpeta"})) << "a new file";
    }
    {
        const CDiscoVigilado vigilado(ruta);
        EXPECT_TRUE(m_doc.OnSaveDocument(ruta));
        EXPECT_EQ(disco::sincronizados, (Sincronizados{"nuevo", "carpeta"})) << "over the old one";
    }
    ASSERT_EQ(::link(Local(ruta).c_str(), Local(Ruta("duro")).c_str()), 0);
    {
        const CDiscoVigilado vigilado(ruta);
        EXPECT_TRUE(m_doc.OnSaveDocument(ruta));
        EXPECT_EQ(disco::sincronizados, Sincronizados{"archivo"}) << "in place";
    }
    EXPECT_TRUE(m_mensajes.Messages().empty());
}

TEST_F(TarnovelDocFileTest, AWriteTheDiskRefusesAtTheSyncFailsAndKeepsTheOldFile) {
    // The system took the bytes in memory, and the disk then could not take
    // them: a failing disk, a full network share.
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, 10);
    const QString nuevo = Ruta("nuevo");
    for (const auto& [error, mensaje] :
         {std::pair{EIO, Texto("Error inesperado al escribir en %1.", ruta)},
          std::pair{ENOSPC, std::string("La unidad de disco de destino está llena.")}}) {
        m_mensajes.Clear();
        {
            const CDiscoVigilado vigilado(ruta, error);
            EXPECT_FALSE(m_doc.DoFileSave());
        }
        EXPECT_EQ(m_mensajes.Messages(), Mensajes{mensaje});
        EXPECT_EQ(Contenido(ruta), antes);
        EXPECT_TRUE(m_doc.IsModified());
        {
            const CDiscoVigilado vigilado(nuevo, error);
            EXPECT_FALSE(m_doc.OnSaveDocument(nuevo));
        }
        EXPECT_EQ(QDir(m_strDisco).entryList(QDir::Files), QStringList{QStringLiteral("sistema")})
            << "no half-saved file is left";
    }
}

TEST_F(TarnovelDocFileTest, AFullDiskThatTheSyncNamesARefusalIsStillAFullDisk) {
    // sshfs hears no more than "failure" from its server and says EPERM.
    const CTmpfs tmpfs(m_strDisco);
    if (!tmpfs.Montado()) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    tmpfs.Fill();
    {
        const CDiscoVigilado vigilado(ruta, EPERM);
        EXPECT_FALSE(m_doc.DoFileSave());
    }
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"La unidad de disco de destino está llena."});
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(TarnovelDocFileTest, RefusesToOpenWhatIsNotARegularFileAndLoadsNothing) {
    const QString tubo = Ruta("tubo");
    ASSERT_EQ(::mkfifo(Local(tubo).c_str(), 0600), 0);
    for (const QString& ruta :
         {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), tubo}) {
        CTarnovelDoc doc;
        m_mensajes.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(ruta));
        EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Imposible abrir documento."})
            << ruta.toStdString();
        EXPECT_EQ(doc.m_sistema.GetNumVariables(), 1u);
        EXPECT_TRUE(doc.GetPathName().isEmpty());
    }
}

TEST_F(TarnovelDocFileTest, SaveOnAReadOnlyFileSystemNamesIt) {
    const CTmpfs tmpfs(m_strDisco);
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, 10);
    if (tmpfs.Montado()) {
        ASSERT_TRUE(tmpfs.MakeReadOnly());
    } else if (EsRoot()) {
        GTEST_SKIP() << "no file system can be mounted here, and root writes whatever the "
                        "permissions say";
    } else {
        QFile::setPermissions(ruta, QFile::ReadOwner);
        QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::ExeOwner);
    }
    EXPECT_FALSE(m_doc.DoFileSave());
    QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(
        m_mensajes.Messages(),
        Mensajes{Texto("Imposible escribir en %1, es de sólo lectura o alguien más lo ha abierto.",
                       ruta)});
    EXPECT_EQ(Contenido(ruta), antes);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(TarnovelDocFileTest, WithoutPermissionTheMessageSaysSo) {
    if (EsRoot()) {
        GTEST_SKIP() << "root reads and writes whatever the permissions say";
    }
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, 10);
    QFile::setPermissions(ruta, QFile::ReadOwner);
    EXPECT_FALSE(m_doc.DoFileSave());
    EXPECT_EQ(Contenido(ruta), antes);
    QFile::setPermissions(ruta, QFileDevice::Permissions());
    CTarnovelDoc otro;
    EXPECT_FALSE(otro.OnOpenDocument(ruta));
    EXPECT_EQ(m_mensajes.Messages(),
              (Mensajes{Texto("Imposible escribir en %1, es de sólo lectura o alguien más lo ha "
                              "abierto.",
                              ruta),
                        Texto("Imposible leer de %1, alguien más lo ha abierto.", ruta)}));
}

TEST_F(TarnovelDocFileTest, RefusesToSaveOverWhatIsNotARegularFile) {
    // A save puts a new file in the place of the old one: a device, a pipe or a
    // folder there, also behind a link, would be replaced or hidden.
    const QString tubo = Ruta("tubo");
    ASSERT_EQ(::mkfifo(Local(tubo).c_str(), 0600), 0);
    const QString enlace = Ruta("enlace");
    ASSERT_TRUE(QFile::link(tubo, enlace));
    const QString carpeta = Ruta("carpeta");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    m_doc.SetModifiedFlag(true);
    for (const QString& ruta : {tubo, enlace, carpeta}) {
        m_mensajes.Clear();
        EXPECT_FALSE(m_doc.OnSaveDocument(ruta)) << ruta.toStdString();
        EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Imposible guardar documento."});
        EXPECT_TRUE(m_doc.IsModified());
    }
    struct stat info {};
    ASSERT_EQ(::stat(Local(tubo).c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(enlace).isSymLink());
    EXPECT_TRUE(QFileInfo(carpeta).isDir());
}

TEST_F(TarnovelDocFileTest, AWritableFileIsSavedWhereTheFolderTakesNoNewFile) {
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::ExeOwner);
    {
        const CSinPrivilegios sinPrivilegios;
        EXPECT_TRUE(m_doc.DoFileSave());
    }
    QFile::setPermissions(m_strDisco, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(m_mensajes.Messages().empty());
    EXPECT_FALSE(m_doc.IsModified());
    CTarnovelDoc leido;
    ASSERT_TRUE(leido.OnOpenDocument(ruta));
    EXPECT_EQ(leido.m_sistema.GetDescription(), std::string(10, 'b'));
}

TEST_F(TarnovelDocFileTest, ASaveKeepsTheFilesOtherNamesOwnerAndGroup) {
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    const QString duro = Ruta("duro");
    ASSERT_EQ(::link(Local(ruta).c_str(), Local(duro).c_str()), 0);
    EXPECT_TRUE(m_doc.DoFileSave());
    CTarnovelDoc porOtroNombre;
    ASSERT_TRUE(porOtroNombre.OnOpenDocument(duro));
    EXPECT_EQ(porOtroNombre.m_sistema.GetDescription(), std::string(10, 'b'));
    if (!EsRoot()) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    ASSERT_EQ(::unlink(Local(duro).c_str()), 0);
    ASSERT_EQ(::chown(Local(ruta).c_str(), 1001, 2000), 0);
    // Root gives the new file the old one's owner; a user who may write the
    // file but not give it away has it written in place.
    for (const unsigned quitar : {0u, 1u << CAP_CHOWN}) {
        const std::string descripcion = quitar == 0 ? "de root" : "de otro";
        m_doc.m_sistema.SetDescription(descripcion);
        m_doc.SetModifiedFlag(true);
        {
            const CSinPrivilegios sinPrivilegios(quitar);
            EXPECT_TRUE(m_doc.DoFileSave());
        }
        struct stat info {};
        ASSERT_EQ(::stat(Local(ruta).c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 1001u) << descripcion;
        EXPECT_EQ(info.st_gid, 2000u) << descripcion;
        CTarnovelDoc leido;
        ASSERT_TRUE(leido.OnOpenDocument(ruta));
        EXPECT_EQ(leido.m_sistema.GetDescription(), descripcion);
    }
    EXPECT_TRUE(m_mensajes.Messages().empty());
}

TEST_F(TarnovelDocFileTest, AFileWithTwoNamesIsSavedWhereNoRoomCanBeReserved) {
    // ramfs reserves no room, as ext2 or NFSv3 do not.
    if (::mount("ramfs", Local(m_strDisco).c_str(), "ramfs", 0, nullptr) != 0) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 100);
    ASSERT_EQ(::link(Local(ruta).c_str(), Local(Ruta("duro")).c_str()), 0);
    m_doc.m_sistema.SetDescription(std::string(5000, 'b'));
    const bool guardado = m_doc.DoFileSave();
    CTarnovelDoc leido;
    const bool abierto = leido.OnOpenDocument(Ruta("duro"));
    ::umount2(Local(m_strDisco).c_str(), MNT_DETACH);
    EXPECT_TRUE(guardado);
    EXPECT_TRUE(m_mensajes.Messages().empty());
    ASSERT_TRUE(abierto);
    EXPECT_EQ(leido.m_sistema.GetDescription(), std::string(5000, 'b'));
}

TEST_F(TarnovelDocFileTest, PastTheFileSizeLimitAFileWrittenInPlaceKeepsItsOldContent) {
    // Where no room can be reserved, the limit (ulimit -f) would stop the write
    // half way through the old content.
    if (::mount("ramfs", Local(m_strDisco).c_str(), "ramfs", 0, nullptr) != 0) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, 100);
    ASSERT_EQ(::link(Local(ruta).c_str(), Local(Ruta("duro")).c_str()), 0);
    m_doc.m_sistema.SetDescription(std::string(20000, 'b'));
    bool guardado = true;
    {
        const CSinEspacio limite(8192);
        guardado = m_doc.DoFileSave();
    }
    const QByteArray despues = Contenido(ruta);
    ::umount2(Local(m_strDisco).c_str(), MNT_DETACH);
    EXPECT_FALSE(guardado);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{Texto("Error inesperado al escribir en %1.", ruta)});
    EXPECT_EQ(despues, antes);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(TarnovelDocFileTest, ASaveKeepsTheFilesAccessListAndAttributes) {
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    const std::string local = Local(ruta);
    ASSERT_EQ(::chmod(local.c_str(), 0644), 0);
    // User 4242 may write, the group only read, the mask lets writing through.
    const ListaAcceso lista{
        2, {{0x01, 6, ~0u}, {0x02, 6, 4242}, {0x04, 4, ~0u}, {0x10, 6, ~0u}, {0x20, 4, ~0u}}};
    if (::setxattr(local.c_str(), "system.posix_acl_access", &lista, sizeof lista, 0) != 0 ||
        ::setxattr(local.c_str(), "user.origen", "x", 1, 0) != 0) {
        GTEST_SKIP() << "no access lists or user attributes on this file system";
    }
    struct stat antes {};
    ASSERT_EQ(::stat(local.c_str(), &antes), 0);
    EXPECT_TRUE(m_doc.DoFileSave());
    struct stat despues {};
    ASSERT_EQ(::stat(local.c_str(), &despues), 0);
    EXPECT_EQ(despues.st_mode, antes.st_mode);
    EXPECT_EQ(::getxattr(local.c_str(), "system.posix_acl_access", nullptr, 0),
              static_cast<ssize_t>(sizeof lista));
    EXPECT_EQ(::getxattr(local.c_str(), "user.origen", nullptr, 0), 1);
}

}  // namespace

TEST_F(TarnovelDocFileTest, AFileWhoseNameIsNearTheLimitIsSavedAgain) {
    // The safe save's new file is named after the old one plus a suffix, too
    // long for these names.
    for (const std::size_t largo : {249U, 255U}) {
        const QString ruta = Ruta(std::string(largo, 'n').c_str());
        SaveAndChange(ruta, 10);
        m_mensajes.Clear();
        EXPECT_TRUE(m_doc.DoFileSave()) << largo;
        EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
        EXPECT_TRUE(Contenido(ruta).contains("bbbbbbbbbb")) << largo;
        EXPECT_EQ(QDir(m_strDisco).entryList(QDir::Files).size(), largo == 249U ? 1 : 2);
    }
}

TEST_F(TarnovelDocFileTest, AFileGoneBehindAStaleCacheIsSavedWithTheAccessOfANewFile) {
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    ASSERT_TRUE(QFile::remove(ruta));
    cache::ruta = Local(ruta);
    const bool guardado = m_doc.DoFileSave();
    cache::ruta.clear();
    EXPECT_TRUE(guardado);
    // Not "no access at all", as the cache's answer would have left it.
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    struct stat info {};
    ASSERT_EQ(::stat(Local(ruta).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mascara);
    EXPECT_TRUE(m_mensajes.Messages().empty());
}

TEST_F(TarnovelDocFileTest, AReadOnlyFileIsNotReplacedWhereAccessSaysItMayBeWritten) {
    const QString ruta = Ruta("sistema");
    const QByteArray antes = SaveAndChange(ruta, 10);
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    cache::ruta = Local(ruta);
    {
        const CSinPrivilegios sinPrivilegios;
        EXPECT_FALSE(m_doc.DoFileSave());
    }
    cache::ruta.clear();
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{Texto("Imposible escribir en %1, es de sólo lectura o alguien más lo ha "
                             "abierto.",
                             ruta)});
    EXPECT_EQ(Contenido(ruta), antes);
    struct stat info {};
    ASSERT_EQ(::stat(Local(ruta).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u) << "still read-only";
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(TarnovelDocFileTest, ASaveFollowsNoLinkOfAnotherUserInASharedStickyFolder) {
    // Another user's link in a class folder, at the document's name or for its
    // folder, would have the save replace a file of that user's choosing
    // elsewhere. Where the system would follow the link (a folder that is not
    // sticky, or one of the link's maker), so does the save.
    const QString fuera = m_carpeta.filePath(QStringLiteral("fuera"));
    ASSERT_TRUE(QDir().mkpath(fuera));
    const QString suyo = fuera + QStringLiteral("/sistema");
    const QByteArray antes = SaveAndChange(suyo, 10);
    const QString nombre = Ruta("nombre");
    const QString carpeta = Ruta("carpeta");
    ASSERT_TRUE(QFile::link(suyo, nombre));
    ASSERT_TRUE(QFile::link(fuera, carpeta));
    const std::string disco = Local(m_strDisco);
    if (!EsRoot() || ::lchown(Local(nombre).c_str(), 4242, 4242) != 0 ||
        ::lchown(Local(carpeta).c_str(), 4242, 4242) != 0) {
        GTEST_SKIP() << "only root may give a link to another user";
    }
    const auto guarda = [&](mode_t modo, uid_t dueno) {
        EXPECT_EQ(::chmod(disco.c_str(), modo), 0);
        EXPECT_EQ(::chown(disco.c_str(), dueno, dueno), 0);
        std::vector<bool> hechos;
        for (const QString& ruta : {nombre, carpeta + QStringLiteral("/sistema")}) {
            m_mensajes.Clear();
            hechos.push_back(m_doc.OnSaveDocument(ruta));
        }
        return hechos;
    };
    EXPECT_EQ(guarda(01777, 0), (std::vector<bool>{false, false}));
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{Texto("Imposible escribir en %1, es de sólo lectura o alguien más lo ha "
                             "abierto.",
                             carpeta + QStringLiteral("/sistema"))});
    EXPECT_EQ(Contenido(suyo), antes);
    EXPECT_EQ(guarda(0770, 0), (std::vector<bool>{true, true}));
    EXPECT_EQ(guarda(01777, 4242), (std::vector<bool>{true, true}));
    EXPECT_TRUE(Contenido(suyo).contains("bbbbbbbbbb"));
}

TEST_F(TarnovelDocFileTest, ASaveGivesTheFileNoAccessListTheOldOneLacked) {
    // The folder's default access list lets user 4242 read its new files; the
    // document, saved before the list was set, must stay closed to that user.
    const QString ruta = Ruta("sistema");
    SaveAndChange(ruta, 10);
    const std::string local = Local(ruta);
    ASSERT_EQ(::chmod(local.c_str(), 0640), 0);
    const ListaAcceso lista{
        2, {{0x01, 7, ~0u}, {0x02, 4, 4242}, {0x04, 7, ~0u}, {0x10, 7, ~0u}, {0x20, 0, ~0u}}};
    if (::setxattr(Local(m_strDisco).c_str(), "system.posix_acl_default", &lista, sizeof lista,
                   0) != 0) {
        GTEST_SKIP() << "no access lists on this file system";
    }
    EXPECT_TRUE(m_doc.DoFileSave());
    EXPECT_TRUE(m_mensajes.Messages().empty());
    EXPECT_TRUE(Contenido(ruta).contains("bbbbbbbbbb"));
    struct stat info {};
    ASSERT_EQ(::stat(local.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_LT(::getxattr(local.c_str(), "system.posix_acl_access", nullptr, 0), 0);
}
