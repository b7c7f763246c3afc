#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/Refusal.h"

namespace quintara {

// How long a change of a history waits for another Quintara to finish with it before refusing.
inline constexpr std::chrono::milliseconds kHistoryLockWait{5000};

// Why a change was refused while another Quintara (the desktop program, a command in a script) held
// the history.
inline constexpr std::string_view kHistoryBusy = "another Quintara is changing this history";

// Keeps every other Quintara from changing a history for as long as it lives: an advisory lock on a
// lock file beside the history, which dies with the process that holds it.
class HistoryLock {
public:
    explicit HistoryLock(int descriptor) : m_fd(descriptor) {}
    HistoryLock(HistoryLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    HistoryLock& operator=(HistoryLock&&) = delete;
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;
    ~HistoryLock();

private:
    int m_fd;
};

// The lock file of a history file: a hidden name beside it (".LottoHistory.dat.lock").
std::filesystem::path HistoryLockPath(const std::filesystem::path& historyFile);

// Takes the lock of the file behind the history's links, waiting up to `wait` while another Quintara
// holds it, then refusing with kHistoryBusy. A folder where no lock file can be made is one where no
// new history can be written either; the write then says why.
Expected<HistoryLock> LockHistory(const std::filesystem::path& history,
                                  std::chrono::milliseconds wait = kHistoryLockWait);

// What a change makes of the bytes a history holds now: its new bytes, nothing to leave it as it is,
// or the error that refuses the change.
using HistoryChange = std::function<Expected<std::optional<std::string>>(const std::string& held)>;

enum class HistoryBackup { None, Keep };

// What a change did.
struct HistoryChanged {
    bool written = false;
    std::optional<std::filesystem::path> backup;  // where the history as it was is kept
    std::string warning;  // the change was made, but the user should know something about it
};

// The one way a history is rewritten, by every command that changes one: under the history's lock for
// the whole read-change-write, reads the file as it is now (a missing file is an empty history), lets
// `change` make the new bytes and puts them in place atomically, so a change made meanwhile by another
// Quintara is never lost. With HistoryBackup::Keep, a history that held draws is kept as
// BackupPathFor(history), with its permissions, once the new history is safely in place: a backup that
// cannot be written refuses the change before anything is replaced, and a refused change never touches
// the backup there was.
Expected<HistoryChanged> ChangeHistory(const std::filesystem::path& history, const HistoryChange& change,
                                       HistoryBackup backup = HistoryBackup::None,
                                       std::chrono::milliseconds wait = kHistoryLockWait);

}  // namespace quintara
