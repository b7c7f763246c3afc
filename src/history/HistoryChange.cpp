#include "history/HistoryChange.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "core/Files.h"
#include "history/HistoryCsv.h"

namespace quintara {

HistoryLock::~HistoryLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::filesystem::path HistoryLockPath(const std::filesystem::path& historyFile) {
    return historyFile.parent_path() / ("." + historyFile.filename().string() + ".lock");
}

Expected<HistoryLock> LockHistory(const std::filesystem::path& history, std::chrono::milliseconds wait) {
    const auto target = FileBehindLinks(history);
    if (!target) {
        return Refuse(target.error());
    }
    const auto lockPath = HistoryLockPath(*target);
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
    if (fd < 0) {
        // A lock file made by another user: reading is all a lock needs.
        fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
    }
    HistoryLock lock(fd);
    if (fd < 0) {
        return lock;
    }
    constexpr std::chrono::milliseconds kPoll{10};
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            // A file system without locks (ENOLCK) cannot be guarded; the change goes on as it always did.
            return lock;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return Refuse(RefusalCause::Unwritable, history.string() + ": " + std::string(kHistoryBusy));
        }
        std::this_thread::sleep_for(kPoll);
    }
    return lock;
}

Expected<HistoryChanged> ChangeHistory(const std::filesystem::path& history, const HistoryChange& change,
                                       HistoryBackup backup, std::chrono::milliseconds wait) {
    const auto lock = LockHistory(history, wait);
    if (!lock) {
        return Refuse(lock.error());
    }
    auto held = ReadWholeFile(history);
    if (!held && held.error().cause != RefusalCause::Missing) {
        return Refuse(held.error());
    }
    const std::string old = held ? std::move(*held) : std::string();
    auto bytes = change(old);
    if (!bytes) {
        return Refuse(bytes.error());
    }
    HistoryChanged changed;
    if (!*bytes) {
        return changed;
    }
    // The backup is written before the history is replaced, so a disk too full for it refuses the
    // change; it takes its place only after the history took its own.
    const auto backupPath = BackupPathFor(history);
    std::optional<PendingFile> kept;
    if (backup == HistoryBackup::Keep && !old.empty()) {
        auto prepared = PrepareFile(backupPath, old, Durability::Flushed, history);
        if (!prepared) {
            return Refuse(prepared.error().cause, prepared.error().text + "; the history was left as it was");
        }
        kept.emplace(std::move(*prepared));
    }
    auto pending = PrepareFile(history, **bytes);
    if (!pending) {
        return Refuse(pending.error());
    }
    if (auto committed = pending->Commit(); !committed) {
        return Refuse(committed.error());
    }
    changed.written = true;
    std::vector<std::string> warnings;
    if (kept) {
        if (auto committed = kept->Commit(); committed) {
            changed.backup = backupPath;
        } else {
            warnings.push_back("the history was changed, but the history as it was could not be kept: " +
                               committed.error().text);
        }
    }
    warnings.push_back(pending->FlushFolder());
    if (kept && changed.backup && kept->Target().parent_path() != pending->Target().parent_path()) {
        warnings.push_back(kept->FlushFolder());
    }
    for (const auto& warning : warnings) {
        if (!warning.empty()) {
            changed.warning += (changed.warning.empty() ? "" : "\n") + warning;
        }
    }
    return changed;
}

}  // namespace quintara
