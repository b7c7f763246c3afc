#include "core/Files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/FileDescriptor.h"

namespace quintara {

using files::FileDescriptor;
using files::FileError;

namespace {

WriteFault& Fault() {
    static WriteFault fault;
    return fault;
}

// The error a test wants `step` to fail with, or 0.
int Injected(WriteStep step, const std::filesystem::path& file) {
    const WriteFault& fault = Fault();
    return fault ? fault(step, file) : 0;
}

// Writes every byte, retrying after interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes, const std::filesystem::path& target) {
    if (const int error = Injected(WriteStep::Write, target); error != 0) {
        errno = error;
        return false;
    }
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

// Every temporary name holds this mark, so that only this program's own leftovers are ever removed.
constexpr std::string_view kTemporaryMark = ".quintara-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandom = 6;  // the X's mkostemps replaces

bool IsTemporaryName(std::string_view name) {
    const std::size_t tail = kTemporaryMark.size() + kTemporaryRandom + kTemporarySuffix.size();
    return name.size() > tail + 1 && name.front() == '.' && name.ends_with(kTemporarySuffix) &&
           name.substr(name.size() - tail, kTemporaryMark.size()) == kTemporaryMark;
}

// The process that made a temporary name of earlier versions (".Name.<pid>-<attempt>.tmp"), or 0.
pid_t EarlierWriterOf(std::string_view name) {
    if (name.size() < 8 || name.front() != '.' || !name.ends_with(kTemporarySuffix)) {
        return 0;
    }
    name.remove_suffix(kTemporarySuffix.size());
    const auto dash = name.find_last_of('-');
    const auto dot = name.find_last_of('.');
    if (dash == std::string_view::npos || dot == std::string_view::npos || dot == 0 || dash < dot + 2 ||
        dash + 1 == name.size()) {
        return 0;
    }
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() < 10 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view pid = name.substr(dot + 1, dash - dot - 1);
    const std::string_view attempt = name.substr(dash + 1);
    constexpr std::size_t kEarlierAttempts = 16;  // the names an earlier writer tried
    if (!digits(pid) || !digits(attempt) || std::stoul(std::string(attempt)) >= kEarlierAttempts) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

// The file an earlier temporary name was for: the name between the leading "." and the pid.
std::string_view EarlierTargetOf(std::string_view name) {
    name.remove_prefix(1);
    return name.substr(0, name.find_last_of('.', name.find_last_of('-')));
}

// A temporary file whose writer is gone: nobody holds its lock (a writer holds it from the file's
// creation to its rename, and the lock dies with the process).
void RemoveIfAbandoned(const std::filesystem::path& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0 || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        return;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd.Get(), &opened) == 0 && S_ISREG(opened.st_mode) && ::lstat(path.c_str(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
        ::unlink(path.c_str());
    }
}

// Earlier versions took no lock; their temporaries go when their process is gone and they are old
// enough that no writer of another machine sharing the folder can still be busy with them.
void RemoveIfEarlierLeftover(const std::filesystem::path& path, pid_t writer) {
    constexpr std::time_t kOldEnough = 600;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        std::time(nullptr) - info.st_mtime < kOldEnough) {
        return;
    }
    if (::kill(writer, 0) != 0 && errno == ESRCH) {
        ::unlink(path.c_str());
    }
}

// Removes the temporary files of this program's writers that were killed before they could clean up.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (IsTemporaryName(name)) {
            RemoveIfAbandoned(folder / name);
        } else if (const pid_t writer = EarlierWriterOf(name);
                   writer > 0 && ::access((folder / EarlierTargetOf(name)).c_str(), F_OK) == 0) {
            RemoveIfEarlierLeftover(folder / name, writer);
        }
    }
    ::closedir(dir);
}

// The permission bits a new file gets: 0666 less the process's umask, read without changing it.
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

struct Temporary {
    std::filesystem::path name;
    int fd = -1;
    int lock = -1;
};

// A new file of a unique name beside `target`, open for writing and locked against the leftover
// cleaning of other writers.
Expected<Temporary> CreateTemporary(const std::filesystem::path& target) {
    constexpr int kAttempts = 8;
    int error = EEXIST;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name =
            (FolderOf(target) / ("." + target.filename().string() + std::string(kTemporaryMark) +
                                 std::string(kTemporaryRandom, 'X') + std::string(kTemporarySuffix)))
                .string();
        const int fd = ::mkostemps(name.data(), static_cast<int>(kTemporarySuffix.size()), O_CLOEXEC);
        if (fd < 0) {
            error = errno;
            break;
        }
        // A second open of its own: the lock must outlive the close of the written descriptor.
        const int lock = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
        int locked = -1;
        while (lock >= 0 && (locked = ::flock(lock, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat written {};
        struct stat held {};
        if (locked == 0 && ::fstat(fd, &written) == 0 && ::fstat(lock, &held) == 0 && held.st_nlink > 0 &&
            written.st_dev == held.st_dev && written.st_ino == held.st_ino) {
            return Temporary{name, fd, lock};
        }
        // Another writer took it for a leftover between its creation and the lock: try a new name.
        if (lock >= 0) {
            ::close(lock);
        }
        ::close(fd);
    }
    return Refuse(RefusalCause::Unwritable, FileErrorReason(error));
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

Expected<std::filesystem::path> FileBehindLinks(const std::filesystem::path& path) {
    constexpr int kMostLinks = 40;  // what the system itself follows before it gives up
    std::filesystem::path current = path;
    for (int hop = 0; hop <= kMostLinks; ++hop) {  // kMostLinks links, then what the last names
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (hop > 0 && (errno == ENOENT || errno == ENOTDIR)) {
                return FileError(RefusalCause::Unreadable, path,
                                 "is a symbolic link to " + current.string() + ", which does not exist");
            }
            return current;
        }
        if (!S_ISLNK(info.st_mode)) {
            return current;
        }
        std::error_code error;
        const auto target = std::filesystem::read_symlink(current, error);
        if (error) {
            return current;
        }
        current = target.is_absolute() ? target : FolderOf(current) / target;
    }
    return FileError(RefusalCause::Unreadable, path, "is a chain of symbolic links too long to follow");
}

PendingFile::PendingFile(std::filesystem::path shown, std::filesystem::path target,
                         std::filesystem::path temporary, int lockDescriptor)
    : m_shown(std::move(shown)),
      m_target(std::move(target)),
      m_temporary(std::move(temporary)),
      m_lock(lockDescriptor) {}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : m_shown(std::move(other.m_shown)),
      m_target(std::move(other.m_target)),
      m_temporary(std::move(other.m_temporary)),
      m_lock(other.m_lock),
      m_committed(other.m_committed) {
    other.m_lock = -1;
    other.m_committed = true;
}

PendingFile::~PendingFile() {
    if (!m_committed) {
        ::unlink(m_temporary.c_str());
    }
    Release();
}

void PendingFile::Release() {
    if (m_lock >= 0) {
        ::close(m_lock);
        m_lock = -1;
    }
}

Checked PendingFile::Commit() {
    int error = Injected(WriteStep::Rename, m_target);
    if (error == 0 && ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        return FileError(RefusalCause::Unwritable, m_shown,
                         "cannot replace the file (" + FileErrorReason(error) + ")");
    }
    m_committed = true;
    Release();
    return {};
}

std::string PendingFile::FlushFolder() const {
    int error = Injected(WriteStep::FolderFlush, m_target);
    if (error == 0) {
        // A file system that cannot flush a folder (EINVAL) has nothing more to do.
        FileDescriptor folder(::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.Get() >= 0 && ::fsync(folder.Get()) != 0 && errno != EINVAL && errno != EROFS) {
            error = errno;
        }
    }
    if (error == 0) {
        return {};
    }
    return m_shown.string() + ": the change was made, but its folder cannot be flushed to disk (" +
           FileErrorReason(error) + "), so it may not survive a power cut";
}

Expected<PendingFile> PrepareFile(const std::filesystem::path& path, std::string_view bytes,
                                  Durability durability,
                                  const std::optional<std::filesystem::path>& permissionsOf) {
    if (path.filename().empty()) {
        return FileError(RefusalCause::Unwritable, path, "names no file");
    }
    auto target = FileBehindLinks(path);
    if (!target) {
        return Refuse(RefusalCause::Unwritable, target.error().text);
    }
    // The permission bits and owner of the file being replaced; a new file gets the usual bits.
    struct stat model {};
    const bool replacing = ::lstat(target->c_str(), &model) == 0;
    if (replacing && S_ISDIR(model.st_mode)) {
        return FileError(RefusalCause::Unwritable, path, "is a folder, not a file");
    }
    bool modelled = replacing && S_ISREG(model.st_mode);
    if (struct stat original{};
        permissionsOf && ::stat(permissionsOf->c_str(), &original) == 0 && S_ISREG(original.st_mode)) {
        model = original;
        modelled = true;
    }

    RemoveLeftoverTemporaries(FolderOf(*target));
    auto temporary = CreateTemporary(*target);
    if (!temporary) {
        return FileError(RefusalCause::Unwritable, path,
                         "cannot be written (" + temporary.error().text + ")");
    }
    PendingFile pending(path, *target, temporary->name, temporary->lock);
    FileDescriptor fd(temporary->fd);
    auto fail = [&](const std::string& what, int error) {
        fd.Close();
        return FileError(RefusalCause::Unwritable, path, what + " (" + FileErrorReason(error) + ")");
    };
    if (modelled) {
        if (model.st_uid != ::geteuid() || model.st_gid != ::getegid()) {
            // Only the superuser may give a file away; anyone else keeps his own, as an editor would.
            [[maybe_unused]] const int owned = ::fchown(fd.Get(), model.st_uid, model.st_gid);
        }
        if (::fchmod(fd.Get(), model.st_mode & 07777) != 0) {
            return fail("cannot keep the permissions of the file", errno);
        }
    } else {
        [[maybe_unused]] const int usual = ::fchmod(fd.Get(), NewFileMode());
    }
    if (!WriteAll(fd.Get(), bytes, *target)) {
        return fail("write error", errno);
    }
    if (durability == Durability::Flushed) {
        int error = Injected(WriteStep::Flush, *target);
        if (error == 0 && ::fsync(fd.Get()) != 0) {
            error = errno;
        }
        if (error != 0) {
            return fail("cannot be flushed to disk", error);
        }
    }
    if (fd.Close() != 0) {
        return fail("write error", errno);
    }
    return pending;
}

Expected<FileWritten> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                          Durability durability) {
    auto pending = PrepareFile(path, bytes, durability);
    if (!pending) {
        return Refuse(pending.error());
    }
    if (auto committed = pending->Commit(); !committed) {
        return Refuse(committed.error());
    }
    FileWritten written;
    if (durability == Durability::Flushed) {
        written.warning = pending->FlushFolder();
    }
    return written;
}

namespace {

// The files to write, each path once with the contents given last for it, in the order of their last
// mention.
std::vector<const FileContents*> LastOfEachPath(const std::vector<FileContents>& files) {
    std::vector<const FileContents*> distinct;
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        const bool later = std::any_of(distinct.begin(), distinct.end(),
                                       [&](const FileContents* kept) { return kept->path == it->path; });
        if (!later) {
            distinct.push_back(&*it);
        }
    }
    std::reverse(distinct.begin(), distinct.end());
    return distinct;
}

// The old contents of every file but the last, ready beside it, so that a failed rename further on can
// put them back with a rename of their own, which needs no room on the disk. None for a file not there.
Expected<std::vector<std::optional<PendingFile>>> PrepareRollback(const std::vector<PendingFile>& pending) {
    std::vector<std::optional<PendingFile>> rollback(pending.size());
    for (std::size_t i = 0; i + 1 < pending.size(); ++i) {
        struct stat info {};
        if (::lstat(pending[i].Target().c_str(), &info) != 0) {
            continue;
        }
        auto old = ReadWholeFile(pending[i].Target());
        if (!old) {
            return Refuse(RefusalCause::Unwritable, old.error().text + "; nothing was written");
        }
        auto kept = PrepareFile(pending[i].Target(), *old);
        if (!kept) {
            return Refuse(kept.error());
        }
        rollback[i].emplace(std::move(*kept));
    }
    return rollback;
}

// Puts back the first `count` files after a later one failed; `message` gains each that could not be.
void RollBack(const std::vector<PendingFile>& pending, std::vector<std::optional<PendingFile>>& rollback,
              std::size_t count, std::string& message) {
    for (std::size_t j = 0; j < count; ++j) {
        const bool restored = rollback[j] ? rollback[j]->Commit().has_value()
                                          : ::unlink(pending[j].Target().c_str()) == 0 || errno == ENOENT;
        if (!restored) {
            message += "; " + pending[j].Target().string() + " was replaced and could not be put back";
        }
    }
}

// Flushes each folder the files went to once; the warnings of those that could not be.
std::string FlushFolders(const std::vector<PendingFile>& pending) {
    std::string warnings;
    std::vector<std::filesystem::path> flushed;
    for (const auto& file : pending) {
        const auto folder = FolderOf(file.Target());
        if (std::find(flushed.begin(), flushed.end(), folder) != flushed.end()) {
            continue;
        }
        flushed.push_back(folder);
        if (const std::string warning = file.FlushFolder(); !warning.empty()) {
            warnings += (warnings.empty() ? "" : "\n") + warning;
        }
    }
    return warnings;
}

}  // namespace

Expected<FileWritten> WriteFilesAtomically(const std::vector<FileContents>& files) {
    const std::vector<const FileContents*> distinct = LastOfEachPath(files);
    std::vector<PendingFile> pending;
    pending.reserve(distinct.size());
    for (const auto* file : distinct) {
        auto prepared = PrepareFile(file->path, file->bytes);
        if (!prepared) {
            return Refuse(prepared.error());
        }
        pending.push_back(std::move(*prepared));
    }
    auto rollback = PrepareRollback(pending);
    if (!rollback) {
        return Refuse(rollback.error());
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        auto committed = pending[i].Commit();
        if (!committed) {
            std::string message = committed.error().text;
            RollBack(pending, *rollback, i, message);
            return Refuse(RefusalCause::Unwritable, message);
        }
    }
    FileWritten written;
    written.warning = FlushFolders(pending);
    return written;
}

bool CreateEmptyFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    return fd >= 0 && ::close(fd) == 0;
}

void SetWriteFaultForTesting(WriteFault fault) {
    Fault() = std::move(fault);
}

std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name) {
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) {
        name.remove_prefix(1);
    }
    return appDir / std::filesystem::path(std::string(name));
}

}  // namespace quintara
