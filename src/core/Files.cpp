#include "core/Files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintara {

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // The close result matters for a written file: some file systems report write errors only there.
    int Close() {
        int result = 0;
        if (m_fd >= 0) {
            result = ::close(m_fd);
            m_fd = -1;
        }
        return result;
    }

private:
    int m_fd;
};

Error FileError(ErrorKind kind, const std::filesystem::path& path, const std::string& reason) {
    return MakeError(kind, path.string() + ": " + reason);
}

// Writes every byte, retrying after interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const auto parent = path.parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
}

}  // namespace

std::string FileErrorReason(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "no such file or folder";
    case EACCES:
    case EPERM:
        return "no permission";
    case EISDIR:
        return "is a folder, not a file";
    case ENOTDIR:
        return "a part of the path is not a folder";
    case ELOOP:
        return "is a symbolic link, which is not followed";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EROFS:
        return "the file system is read-only";
    case ENAMETOOLONG:
        return "the name is too long";
    case EEXIST:
        return "a file of that name is in the way";
    case EIO:
        return "an input/output error of the disk";
    case EFBIG:
        return "the file is too large";
    default:
        return "system error " + std::to_string(errorNumber);
    }
}

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == ENOENT) {
            return FileError(ErrorKind::Missing, path, "no such file");
        }
        return FileError(ErrorKind::Unreadable, path,
                         error == EACCES || error == EPERM
                             ? "no permission to read it"
                             : "cannot be opened (" + FileErrorReason(error) + ")");
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return FileError(ErrorKind::Unreadable, path, "cannot be read (" + FileErrorReason(errno) + ")");
    }
    if (S_ISDIR(info.st_mode)) {
        return FileError(ErrorKind::Unreadable, path, "is a folder, not a file");
    }
    if (!S_ISREG(info.st_mode)) {
        // A pipe or a device would block or never end; the program reads only plain files.
        return FileError(ErrorKind::Unreadable, path, "is not a plain file");
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileError(ErrorKind::Unreadable, path, "read error (" + FileErrorReason(errno) + ")");
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::filesystem::path TemporaryNameFor(const std::filesystem::path& path, int attempt) {
    return FolderOf(path) / ("." + path.filename().string() + "." + std::to_string(::getpid()) + "-" +
                             std::to_string(attempt) + ".tmp");
}

namespace {

// A new file of a unique name beside `path` holding `bytes`, flushed to disk and closed, with the
// permission bits of the file it will replace. On a failure nothing of it is left.
Result<std::filesystem::path> WriteTemporary(const std::filesystem::path& path, std::string_view bytes) {
    if (path.filename().empty()) {
        return FileError(ErrorKind::Unwritable, path, "names no file");
    }
    // The permission bits of the file being replaced; a new file gets the usual ones (0666 less umask).
    struct stat old {};
    const bool replacing = ::lstat(path.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        return FileError(ErrorKind::Unwritable, path, "is a folder, not a file");
    }

    std::filesystem::path temporary;
    int fdNumber = -1;
    int lastError = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && fdNumber < 0; ++attempt) {
        temporary = TemporaryNameFor(path, attempt);
        // O_EXCL with O_NOFOLLOW: a name that exists, a planted link above all, is never opened.
        fdNumber =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fdNumber < 0) {
            lastError = errno;
            if (lastError != EEXIST && lastError != ELOOP) {
                break;
            }
        }
    }
    if (fdNumber < 0) {
        if (lastError == EEXIST || lastError == ELOOP) {
            return FileError(ErrorKind::Unwritable, path,
                             "cannot be written: every temporary name beside it is taken");
        }
        return FileError(ErrorKind::Unwritable, path,
                         "cannot be written (" + FileErrorReason(lastError) + ")");
    }
    FileDescriptor fd(fdNumber);
    auto fail = [&](const std::string& what, int error) -> Error {
        fd.Close();
        ::unlink(temporary.c_str());
        return FileError(ErrorKind::Unwritable, path, what + " (" + FileErrorReason(error) + ")");
    };
    if (replacing && S_ISREG(old.st_mode) && ::fchmod(fd.Get(), old.st_mode & 07777) != 0) {
        return fail("cannot keep the permissions of the file", errno);
    }
    if (!WriteAll(fd.Get(), bytes)) {
        return fail("write error", errno);
    }
    if (::fsync(fd.Get()) != 0) {
        return fail("cannot be flushed to disk", errno);
    }
    if (fd.Close() != 0) {
        return fail("write error", errno);
    }
    return temporary;
}

// Renames the temporary file over `path` and flushes the folder, so the rename survives a crash.
Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return FileError(ErrorKind::Unwritable, path,
                         "cannot replace the file (" + FileErrorReason(error) + ")");
    }
    // A file system that cannot flush a folder (EINVAL) has nothing more to do.
    FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0 && ::fsync(folder.Get()) != 0 && errno != EINVAL && errno != EROFS) {
        return FileError(
            ErrorKind::Unwritable, path,
            "was replaced, but its folder cannot be flushed to disk (" + FileErrorReason(errno) + ")");
    }
    return Done{};
}

}  // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    auto temporary = WriteTemporary(path, bytes);
    if (!temporary) {
        return temporary.GetError();
    }
    return ReplaceWith(*temporary, path);
}

Status WriteFilesAtomically(const std::vector<FileContents>& files) {
    std::vector<const FileContents*> distinct;
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        const bool later = std::any_of(distinct.begin(), distinct.end(),
                                       [&](const FileContents* kept) { return kept->path == it->path; });
        if (!later) {
            distinct.insert(distinct.begin(), &*it);
        }
    }
    // A folder in a file's place would refuse only its rename, after the files before it were replaced.
    for (const auto* file : distinct) {
        std::error_code ec;
        if (std::filesystem::is_directory(file->path, ec)) {
            return FileError(ErrorKind::Unwritable, file->path, "is a folder, not a file");
        }
    }
    std::vector<std::filesystem::path> temporaries;
    const auto removeFrom = [&temporaries](std::size_t first) {
        for (std::size_t j = first; j < temporaries.size(); ++j) {
            ::unlink(temporaries[j].c_str());
        }
    };
    for (const auto* file : distinct) {
        auto temporary = WriteTemporary(file->path, file->bytes);
        if (!temporary) {
            removeFrom(0);
            return temporary.GetError();
        }
        temporaries.push_back(*temporary);
    }
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (auto replaced = ReplaceWith(temporaries[i], distinct[i]->path); !replaced) {
            removeFrom(i + 1);
            return replaced;
        }
    }
    return Done{};
}

std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name) {
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) {
        name.remove_prefix(1);
    }
    return appDir / std::filesystem::path(std::string(name));
}

}  // namespace quintara
