#pragma once
// The file side of opening and saving a document, on the system's own calls so
// that a failure keeps its cause (errno) and the framework's message that names
// it can be shown. Reading refuses what is not a regular file before a byte is
// read (a device never ends, a pipe without a writer never answers) and never
// reads more than its limit, whatever size the file claims. Qt-free.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CFile {
public:
    // Why a file could not be read or written.
    enum class Causa {
        Ninguna,
        NoEncontrado,    // the file or a folder of its path does not exist
        AccesoDenegado,  // no permission, or a read-only file system
        DiscoLleno,
        NoRegular,  // a folder, device, pipe or socket
        DemasiadoGrande,
        ErrorLectura,    // the file opened but reading it failed
        ErrorEscritura,  // writing it failed
        Otra,
    };

    // The bytes of a regular file of at most `limite` bytes; on any failure
    // `bytes` stays empty.
    static Causa ReadAll(const std::string& path, std::size_t limite,
                         std::vector<std::uint8_t>& bytes);
    // NoRegular when something other than a regular file stands at `path` (a
    // folder, a device, a pipe, also behind a link): a save would put a file in
    // its place. AccesoDenegado when a link on the way to it is one the system
    // would not follow: another user's, in a sticky folder anyone may write.
    // Ninguna when nothing or a regular file does.
    static Causa SaveTarget(const std::string& path);
    // Why a file could not be written at `path`: the system's answer for the
    // file itself when it exists, else for the folder it would be made in.
    // Ninguna when neither refuses.
    static Causa WriteRefusal(const std::string& path);
    // AccesoDenegado when the existing file at `path` may not be opened for
    // writing, Ninguna otherwise. Unlike access(), which a network file system
    // may answer without asking its server (sshfs says yes to all), this asks
    // the server: a read-only file there must not be replaced by a new one.
    static Causa OpenForWritingRefusal(const std::string& path);
    // Why writing at `path` failed once the file was open: a full file system
    // (a short write says no more than that it was short), else an unexpected
    // write error.
    static Causa WriteFailure(const std::string& path);
    // Whether the file system says it has room for the regular file at `path`
    // to grow to `size` bytes. False where it tells nothing of its room.
    static bool HasRoomToGrow(const std::string& path, std::size_t size);
    // Whether other names (hard links) share the regular file at `path`: a new
    // file put in its place would leave them with the old content.
    static bool HasOtherLinks(const std::string& path);
    // Whether the last name of `path` is too long for its folder once `extra`
    // more characters are added to it (a new file named after the old one).
    static bool NameLeavesNoRoomFor(const std::string& path, std::size_t extra);
    // Gives the new file open at `fd` the owner, group, access list and other
    // extended attributes of the file at `path`, so that putting it in that
    // file's place changes none of them. True when there is nothing to give or
    // the system allows it; false when it refuses (a user who may write the
    // file but not give a file its owner). An access list the old file lacks
    // (a folder's default one) is taken off. Where no file stands at `path`,
    // the new file gets the access of a file made now.
    static bool TakeAttributesOf(int fd, const std::string& path);
    // Writes `bytes` into the regular file at `path` itself, which keeps its
    // owner, group, links and permissions. The room is claimed before a byte is
    // written, so that a full disk leaves the old content whole.
    static Causa WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes);
    // Puts what was written to the file open at `fd` on the disk. A write the
    // system only kept in memory can still fail there (a failing disk, a full
    // network share): the save must learn it before the new file takes the old
    // one's place or the save is reported done.
    static Causa Sync(int fd);
    // Puts on the disk the entry of the file at `path` in its folder (behind
    // links, the folder of the file itself), once the file was made or renamed
    // there: until then a power cut can bring the old file back, or leave none.
    // Ninguna also where the folder cannot be opened or its system syncs no
    // folders.
    static Causa SyncFolderOf(const std::string& path);
    // Whether two paths name one existing file (the same device and inode),
    // through links or not.
    static bool SameFile(const std::string& a, const std::string& b);
    // The cause that a system error number stands for.
    static Causa FromErrno(int error);
};
