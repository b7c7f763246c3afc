#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Refusal.h"

namespace quintara {

// The whole file as bytes. Every error names the file and the reason: Missing when it does not exist,
// Unreadable when it is a folder, a symbolic link to nothing, larger than `limit` bytes, when
// permission is denied or when reading fails.
Expected<std::string> ReadWholeFile(const std::filesystem::path& path,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max());

// The name that stands for the standard input where a file is read ("-").
inline constexpr std::string_view kStandardInput = "-";

// What a file the user names may be: a plain file only (the desktop program, whose dialogs and recent
// files must never wait on a pipe), or on the command line a pipe too.
enum class InputKinds { PlainFiles, PipesToo };

// A file the user names to be read once (a CSV to import, a lines file). PlainFiles: ReadWholeFile.
// PipesToo: a FIFO or a process substitution is read to its end like a file, and kStandardInput reads
// the standard input; a device or a folder is still refused with its reason.
Expected<std::string> ReadInputFile(const std::filesystem::path& path, InputKinds kinds,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max());

// The path as errors name it: "standard input" for kStandardInput where pipes are read.
std::string InputName(const std::filesystem::path& path, InputKinds kinds);

// The file a path names once every symbolic link on its end is followed; the path itself when it is no
// link, whether or not it exists. A link to nothing (a drive that is not mounted) is an error naming the
// link and its target: writing there would put an empty file in place of the user's.
Expected<std::filesystem::path> FileBehindLinks(const std::filesystem::path& path);

// Whether the bytes must reach the disk before they replace the old file. A scratch file (the listing
// of the last lines picked) is remade at will and is written whole, but not flushed.
enum class Durability { Flushed, Scratch };

// A write that succeeded, and what the user should still be told: `warning` is not empty when the
// change was made but its folder could not be flushed, so it may not survive a power cut.
struct FileWritten {
    std::string warning;
};

// Replaces `path` with `bytes` so that a failure never leaves half a file: the bytes go to a new file of
// a unique name in the same folder, created exclusively, are flushed to disk, and the new file is renamed
// over the old one, whose permission bits and owner it keeps; the folder is flushed after the rename. A
// path that is a symbolic link is written through to the link's target and the link stays. On every
// failure the temporary file is removed and `path` is left alone. Temporary files that writers of this
// program left behind when they were killed are removed from the folder first.
Expected<FileWritten> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                          Durability durability = Durability::Flushed);

// One file of a set written together.
struct FileContents {
    std::filesystem::path path;
    std::string_view bytes;
};

// Writes every file to its temporary file first and renames them over the old files only when all were
// written; when a rename fails, the files already replaced get their old contents back, so the set is
// either all new or all old. Where two entries name the same file the later one is what the file holds.
Expected<FileWritten> WriteFilesAtomically(const std::vector<FileContents>& files);

// A file written and flushed under its temporary name beside its target, waiting to be put in place;
// the temporary file is removed unless it is committed.
class PendingFile {
public:
    // `shown` is the path as the caller named it, for messages; `target` the file behind its links.
    PendingFile(std::filesystem::path shown, std::filesystem::path target, std::filesystem::path temporary,
                int lockDescriptor);
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // Renames the temporary file over the target. The folder is not flushed: FlushFolder does that, once
    // for all the files committed in it.
    Checked Commit();
    // Flushes the target's folder so a rename in it survives a power cut; the warning for the user when
    // that fails, or nothing.
    std::string FlushFolder() const;
    const std::filesystem::path& Target() const { return m_target; }

private:
    void Release();
    std::filesystem::path m_shown;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_lock = -1;  // held while the temporary exists, so no other writer takes it for a leftover
    bool m_committed = false;
};

// Writes `bytes` to a temporary file beside `path` (the file behind its links) with the permission bits
// and owner of the file it will replace, or of `permissionsOf` when given (a backup takes its
// original's).
Expected<PendingFile> PrepareFile(const std::filesystem::path& path, std::string_view bytes,
                                  Durability durability = Durability::Flushed,
                                  const std::optional<std::filesystem::path>& permissionsOf = std::nullopt);

// Creates `path` as an empty file when nothing is there; never replaces what is.
bool CreateEmptyFile(const std::filesystem::path& path);

// The steps of the writer a test can make fail, as a failing disk fails them.
enum class WriteStep { Write, Flush, Rename, FolderFlush };

// Asked before each step with the file it is for (the target, not the temporary name): an error number
// other than 0 makes the step fail with it. Nothing in the program sets one; tests do.
using WriteFault = std::function<int(WriteStep, const std::filesystem::path&)>;
void SetWriteFaultForTesting(WriteFault fault);

// Why a file operation failed, in words for a message ("no permission", "no such file or folder").
std::string FileErrorReason(int errorNumber);

// A file name inside the application directory (the program writes these as "\Name").
std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name);

}  // namespace quintara
