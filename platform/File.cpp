#include "platform/File.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>

namespace {

constexpr std::size_t kBloque = 64 * 1024;
constexpr const char* kListaAcceso = "system.posix_acl_access";

// Closes the descriptor when the read ends, whichever way.
class CDescriptor {
public:
    explicit CDescriptor(int fd) : m_nFd(fd) {}
    ~CDescriptor() {
        if (m_nFd >= 0) {
            ::close(m_nFd);
        }
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_nFd; }

private:
    int m_nFd;
};

std::string Carpeta(const std::string& path) {
    const std::size_t barra = path.find_last_of('/');
    if (barra == std::string::npos) {
        return ".";
    }
    return barra == 0 ? std::string("/") : path.substr(0, barra);
}

bool EsRegular(const struct stat& info) {
    return S_ISREG(info.st_mode);
}

// A full file system keeps its own message; any other refusal of a write is a
// write error.
CFile::Causa FallaEscritura(int error) {
    const CFile::Causa causa = CFile::FromErrno(error);
    return causa == CFile::Causa::DiscoLleno ? causa : CFile::Causa::ErrorEscritura;
}

// fsync, again when a signal interrupts it: 0 or the error.
int Sincroniza(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// Reads to the end, or one byte past the limit.
CFile::Causa ReadUpTo(int fd, std::size_t limite, std::vector<std::uint8_t>& datos) {
    for (;;) {
        const std::size_t usado = datos.size();
        if (usado > limite) {
            return CFile::Causa::DemasiadoGrande;
        }
        const std::size_t pedido = std::min(kBloque, limite + 1 - usado);
        datos.resize(usado + pedido);
        const ssize_t leidos = ::read(fd, datos.data() + usado, pedido);
        if (leidos < 0 && errno == EINTR) {
            datos.resize(usado);
            continue;
        }
        if (leidos < 0) {
            return CFile::Causa::ErrorLectura;
        }
        datos.resize(usado + static_cast<std::size_t>(leidos));
        if (leidos == 0) {
            return CFile::Causa::Ninguna;
        }
    }
}

// Copies the extended attributes of the file at `path`, its access list among
// them, onto the file open at `fd`. The security labels are left to the
// system, which gives the new file its own.
bool CopiaAtributos(const std::string& path, int fd) {
    const ssize_t largo = ::listxattr(path.c_str(), nullptr, 0);
    if (largo <= 0) {
        return largo == 0 || errno == ENOTSUP;
    }
    std::vector<char> nombres(static_cast<std::size_t>(largo));
    const ssize_t leidos = ::listxattr(path.c_str(), nombres.data(), nombres.size());
    if (leidos < 0) {
        return false;
    }
    std::vector<char> valor;
    for (const char* nombre = nombres.data(); nombre < nombres.data() + leidos;
         nombre += std::strlen(nombre) + 1) {
        if (std::string_view(nombre).starts_with("security.")) {
            continue;
        }
        const ssize_t tamano = ::getxattr(path.c_str(), nombre, nullptr, 0);
        if (tamano < 0) {
            return false;
        }
        valor.resize(static_cast<std::size_t>(tamano));
        const ssize_t n = ::getxattr(path.c_str(), nombre, valor.data(), valor.size());
        if (n < 0 || ::fsetxattr(fd, nombre, valor.data(), static_cast<std::size_t>(n), 0) != 0) {
            return false;
        }
    }
    return true;
}

// Whether a link on the way to the file at `path`, the folders' among them,
// is one the system would not follow for this user: a link in a sticky folder
// that anyone may write (a class folder, /tmp), made by neither the user, nor
// root, nor the folder's owner. A save goes where the link leads, and would
// replace whatever file its maker chose, the saver's own ~/.bashrc, say. The
// system's guard (protected_symlinks) does not cover a save that reads the
// link to learn its file's name, as Qt's does, so the save applies the same
// rule itself.
bool EnlaceAjeno(const std::string& path) {
    std::string hecho;  // the part walked so far, free of links; empty: the root
    if (!path.starts_with('/')) {
        char* actual = ::getcwd(nullptr, 0);
        if (actual == nullptr) {
            return false;
        }
        hecho = actual;
        std::free(actual);
    }
    std::vector<std::string> resto;  // what is left to walk, the next part last
    const auto agrega = [&resto](const std::string& ruta) {
        std::size_t fin = ruta.size();
        while (fin > 0) {
            const std::size_t barra = ruta.find_last_of('/', fin - 1);
            const std::size_t inicio = barra == std::string::npos ? 0 : barra + 1;
            if (fin > inicio) {
                resto.push_back(ruta.substr(inicio, fin - inicio));
            }
            fin = barra == std::string::npos ? 0 : barra;
        }
    };
    agrega(path);
    std::vector<char> destino(PATH_MAX);
    for (int saltos = 0; !resto.empty();) {
        const std::string parte = std::move(resto.back());
        resto.pop_back();
        if (parte == ".") {
            continue;
        }
        if (parte == "..") {
            hecho.erase(std::min(hecho.size(), hecho.find_last_of('/')));
            continue;
        }
        const std::string ruta = hecho + '/' + parte;
        struct stat enlace {};
        if (::lstat(ruta.c_str(), &enlace) != 0) {
            return false;
        }
        if (!S_ISLNK(enlace.st_mode)) {
            hecho = ruta;
            continue;
        }
        if (enlace.st_uid != ::geteuid() && enlace.st_uid != 0) {
            struct stat carpeta {};
            if (::stat(hecho.empty() ? "/" : hecho.c_str(), &carpeta) != 0) {
                return false;
            }
            const bool compartida =
                (carpeta.st_mode & S_ISVTX) != 0 && (carpeta.st_mode & S_IWOTH) != 0;
            if (compartida && enlace.st_uid != carpeta.st_uid) {
                return true;
            }
        }
        const ssize_t largo = ::readlink(ruta.c_str(), destino.data(), destino.size());
        if (largo <= 0 || ++saltos > 40) {
            return false;
        }
        const std::string siguiente(destino.data(), static_cast<std::size_t>(largo));
        if (siguiente.starts_with('/')) {
            hecho.clear();
        }
        agrega(siguiente);
    }
    return false;
}

// The access a file made now gets: read and write for all, less the umask.
mode_t ModoArchivoNuevo() {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea)) {
        if (linea.starts_with("Umask:")) {
            return static_cast<mode_t>(0666 & ~std::stoul(linea.substr(6), nullptr, 8));
        }
    }
    return S_IRUSR | S_IWUSR;
}

}  // namespace

CFile::Causa CFile::ReadAll(const std::string& path, std::size_t limite,
                            std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FromErrno(errno);
    }
    if (!EsRegular(info)) {
        return Causa::NoRegular;
    }
    // Should a pipe have taken the file's place since, opening it still returns
    // at once, and the check below refuses it.
    const CDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        return FromErrno(errno);
    }
    if (::fstat(fd.Get(), &info) != 0) {
        return Causa::ErrorLectura;
    }
    if (!EsRegular(info)) {
        return Causa::NoRegular;
    }
    std::vector<std::uint8_t> datos;
    const Causa causa = ReadUpTo(fd.Get(), limite, datos);
    if (causa == Causa::Ninguna) {
        bytes = std::move(datos);
    }
    return causa;
}

CFile::Causa CFile::SaveTarget(const std::string& path) {
    if (EnlaceAjeno(path)) {
        return Causa::AccesoDenegado;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || EsRegular(info)) {
        return Causa::Ninguna;
    }
    return Causa::NoRegular;
}

CFile::Causa CFile::WriteRefusal(const std::string& path) {
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return FromErrno(errno);
    }
    // A safe save writes a new file beside the old one: the folder must take it.
    if (::access(Carpeta(path).c_str(), W_OK | X_OK) != 0) {
        return FromErrno(errno);
    }
    return Causa::Ninguna;
}

CFile::Causa CFile::OpenForWritingRefusal(const std::string& path) {
    const CDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 && FromErrno(errno) == Causa::AccesoDenegado) {
        return Causa::AccesoDenegado;
    }
    return Causa::Ninguna;
}

CFile::Causa CFile::WriteFailure(const std::string& path) {
    struct statvfs espacio {};
    if (::statvfs(Carpeta(path).c_str(), &espacio) == 0 && espacio.f_bavail == 0) {
        return Causa::DiscoLleno;
    }
    return Causa::ErrorEscritura;
}

bool CFile::HasRoomToGrow(const std::string& path, std::size_t size) {
    struct stat info {};
    struct statvfs espacio {};
    if (::stat(path.c_str(), &info) != 0 || !EsRegular(info) ||
        ::statvfs(Carpeta(path).c_str(), &espacio) != 0 || espacio.f_blocks == 0) {
        return false;
    }
    const auto tamano = static_cast<std::uint64_t>(size);
    const auto crece = tamano - std::min(tamano, static_cast<std::uint64_t>(info.st_size));
    return static_cast<std::uint64_t>(espacio.f_bavail) * espacio.f_frsize >= crece;
}

bool CFile::HasOtherLinks(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && EsRegular(info) && info.st_nlink > 1;
}

bool CFile::NameLeavesNoRoomFor(const std::string& path, std::size_t extra) {
    const long limite = ::pathconf(Carpeta(path).c_str(), _PC_NAME_MAX);
    const std::size_t barra = path.find_last_of('/');
    const std::size_t largo = barra == std::string::npos ? path.size() : path.size() - barra - 1;
    return limite > 0 && largo + extra > static_cast<std::size_t>(limite);
}

bool CFile::TakeAttributesOf(int fd, const std::string& path) {
    struct stat viejo {};
    struct stat nuevo {};
    if (::fstat(fd, &nuevo) != 0) {
        return true;
    }
    if (::stat(path.c_str(), &viejo) != 0) {
        // Gone, though a network file system's stale cache may have said it
        // was there when the new file took its access from it, and found none:
        // a document not even its owner could open. It is a new document, with
        // the access of one. (A folder's default access list shapes a file made
        // as new, so what the owner may read is left alone.)
        if (errno == ENOENT && (nuevo.st_mode & S_IRUSR) == 0) {
            ::fchmod(fd, ModoArchivoNuevo());
        }
        return true;
    }
    if (viejo.st_dev == nuevo.st_dev && viejo.st_ino == nuevo.st_ino) {
        return true;
    }
    if ((viejo.st_uid != nuevo.st_uid || viejo.st_gid != nuevo.st_gid) &&
        ::fchown(fd, viejo.st_uid, viejo.st_gid) != 0) {
        return false;
    }
    if (!CopiaAtributos(path, fd)) {
        return false;
    }
    // The folder's default access list gave the new file one the old file did
    // not have: it would let others read the document who could not before.
    if (::getxattr(path.c_str(), kListaAcceso, nullptr, 0) < 0 && errno == ENODATA &&
        ::fgetxattr(fd, kListaAcceso, nullptr, 0) >= 0) {
        return ::fremovexattr(fd, kListaAcceso) == 0 && ::fchmod(fd, viejo.st_mode & 07777) == 0;
    }
    return true;
}

CFile::Causa CFile::WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    const CDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        return FromErrno(errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !EsRegular(info)) {
        return Causa::NoRegular;
    }
    // Past the user's file-size limit (ulimit -f) the write would stop half way
    // through the old content, where no room is reserved to refuse it first.
    rlimit limite{};
    if (::getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY &&
        bytes.size() > limite.rlim_cur) {
        return Causa::ErrorEscritura;
    }
    if (!bytes.empty() && ::fallocate(fd.Get(), 0, 0, static_cast<off_t>(bytes.size())) != 0) {
        const int error = errno;
        if (error != EOPNOTSUPP && error != ENOSYS && error != EINVAL) {
            return FallaEscritura(error);
        }
        // This file system reserves no room: its free room, where it tells
        // one (ramfs does not), is all there is to go by.
        struct statvfs espacio {};
        const auto crece =
            static_cast<std::uint64_t>(bytes.size()) -
            std::min<std::uint64_t>(bytes.size(), static_cast<std::uint64_t>(info.st_size));
        if (::fstatvfs(fd.Get(), &espacio) == 0 && espacio.f_blocks != 0 &&
            static_cast<std::uint64_t>(espacio.f_bavail) * espacio.f_frsize < crece) {
            return Causa::DiscoLleno;
        }
    }
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::pwrite(fd.Get(), bytes.data() + escritos, bytes.size() - escritos,
                                   static_cast<off_t>(escritos));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return FallaEscritura(n < 0 ? errno : ENOSPC);
        }
        escritos += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) != 0) {
        return FallaEscritura(errno);
    }
    return Sync(fd.Get());
}

CFile::Causa CFile::Sync(int fd) {
    const int error = Sincroniza(fd);
    if (error == 0) {
        return Causa::Ninguna;
    }
    // A network file system may name a full disk on its server no better than
    // a refusal (sshfs: EPERM); its free room still tells.
    struct statvfs espacio {};
    if (::fstatvfs(fd, &espacio) == 0 && espacio.f_blocks != 0 && espacio.f_bavail == 0) {
        return Causa::DiscoLleno;
    }
    return FallaEscritura(error);
}

CFile::Causa CFile::SyncFolderOf(const std::string& path) {
    // The file saved through a link is the link's target, in the target's folder.
    char* real = ::realpath(path.c_str(), nullptr);
    const std::string carpeta = Carpeta(real != nullptr ? std::string(real) : path);
    std::free(real);
    // A folder that may be written but not read cannot be opened for this.
    const CDescriptor fd(::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return Causa::Ninguna;
    }
    const int error = Sincroniza(fd.Get());
    if (error == 0 || error == EINVAL || error == EBADF) {
        return Causa::Ninguna;
    }
    return FallaEscritura(error);
}

bool CFile::SameFile(const std::string& a, const std::string& b) {
    struct stat primero {};
    struct stat segundo {};
    return ::stat(a.c_str(), &primero) == 0 && ::stat(b.c_str(), &segundo) == 0 &&
           primero.st_dev == segundo.st_dev && primero.st_ino == segundo.st_ino;
}

CFile::Causa CFile::FromErrno(int error) {
    switch (error) {
        case 0:
            return Causa::Ninguna;
        case ENOENT:
        case ENOTDIR:
            return Causa::NoEncontrado;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return Causa::AccesoDenegado;
        case ENOSPC:
        case EDQUOT:
            return Causa::DiscoLleno;
        case EISDIR:
            return Causa::NoRegular;
        default:
            return Causa::Otra;
    }
}
