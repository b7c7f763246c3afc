// Reading the files and pipes the user names, every failure named with its reason.
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/FileDescriptor.h"
#include "core/Files.h"

namespace quintara {

using files::FileDescriptor;
using files::FileError;

namespace {

// What a reader takes besides plain files: nothing, or pipes too (a FIFO, a process substitution, the
// standard input), which are read to their end however long the writer takes.
enum class Streams { Refused, Read };

// The bytes of an open descriptor up to its end; `shown` names it in errors.
Expected<std::string> ReadOpened(int fd, const std::filesystem::path& shown, std::size_t limit,
                                 Streams streams) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return FileError(RefusalCause::Unreadable, shown, "cannot be read (" + FileErrorReason(errno) + ")");
    }
    if (S_ISDIR(info.st_mode)) {
        return FileError(RefusalCause::Unreadable, shown, "is a folder, not a file");
    }
    const bool stream = S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode);
    if (streams == Streams::Read && (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))) {
        // A device would block or never end.
        return FileError(RefusalCause::Unreadable, shown, "is a device, not a file");
    }
    if (!S_ISREG(info.st_mode) && !(stream && streams == Streams::Read)) {
        // A pipe or a device would block or never end; the program reads only plain files.
        return FileError(RefusalCause::Unreadable, shown, "is not a plain file");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        return FileError(RefusalCause::Unreadable, shown,
                         "is " + std::to_string(info.st_size) +
                             " bytes long, larger than any such file (at most " + std::to_string(limit) +
                             " bytes)");
    }
    if (stream) {
        // Opened without waiting for a writer; the reads now wait for the writer's bytes and its end.
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return FileError(RefusalCause::Unreadable, shown,
                             "cannot be read (" + FileErrorReason(errno) + ")");
        }
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileError(RefusalCause::Unreadable, shown, "read error (" + FileErrorReason(errno) + ")");
        }
        if (got == 0) {
            return bytes;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            return FileError(RefusalCause::Unreadable, shown,
                             "is larger than any such file (at most " + std::to_string(limit) + " bytes)");
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

Expected<std::string> ReadNamed(const std::filesystem::path& path, std::size_t limit, Streams streams) {
    // Not waiting in open: a FIFO without a writer yet must not hang before its type is known.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == ENOENT) {
            // A link to nothing is not a missing file: a history behind it must not be taken for empty.
            if (auto behind = FileBehindLinks(path); !behind) {
                return Refuse(behind.error());
            }
            return FileError(RefusalCause::Missing, path, "no such file");
        }
        return FileError(RefusalCause::Unreadable, path,
                         error == EACCES || error == EPERM
                             ? "no permission to read it"
                             : "cannot be opened (" + FileErrorReason(error) + ")");
    }
    struct stat info {};
    if (streams == Streams::Read && ::fstat(fd.Get(), &info) == 0 && S_ISFIFO(info.st_mode)) {
        // A FIFO opened without waiting reads as ended until a writer comes. Wait on this descriptor for
        // the first bytes or a writer's close (Linux reports no hang-up before a writer has come), then
        // read it blocking. Opening the FIFO again to wait would wait for ever for a writer that has
        // already written everything and gone while this descriptor held the bytes.
        pollfd ready{fd.Get(), POLLIN, 0};
        while (::poll(&ready, 1, -1) < 0) {
            if (errno != EINTR) {
                return FileError(RefusalCause::Unreadable, path,
                                 "cannot be read (" + FileErrorReason(errno) + ")");
            }
        }
        const int flags = ::fcntl(fd.Get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0) {
            return FileError(RefusalCause::Unreadable, path,
                             "cannot be read (" + FileErrorReason(errno) + ")");
        }
    }
    return ReadOpened(fd.Get(), path, limit, streams);
}

}  // namespace

Expected<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
    return ReadNamed(path, limit, Streams::Refused);
}

std::string InputName(const std::filesystem::path& path, InputKinds kinds) {
    return kinds == InputKinds::PipesToo && path == kStandardInput ? std::string("standard input")
                                                                   : path.string();
}

Expected<std::string> ReadInputFile(const std::filesystem::path& path, InputKinds kinds, std::size_t limit) {
    if (kinds == InputKinds::PlainFiles) {
        return ReadWholeFile(path, limit);
    }
    if (path == kStandardInput) {
        return ReadOpened(STDIN_FILENO, InputName(path, kinds), limit, Streams::Read);
    }
    return ReadNamed(path, limit, Streams::Read);
}

}  // namespace quintara
