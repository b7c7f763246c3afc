#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"

namespace quintara {

// The whole file as bytes. Every error names the file and the reason: Missing when it does not exist,
// Unreadable when it is a folder, when permission is denied or when reading fails.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces `path` with `bytes` so that a failure never leaves half a file: the bytes go to a new file of
// a unique name in the same folder, created exclusively and never through a symbolic link, are flushed
// to disk, and the new file is renamed over the old one, whose permission bits it keeps; the folder is
// flushed after the rename. On every failure the temporary file is removed and `path` is left alone.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// One file of a set written together.
struct FileContents {
    std::filesystem::path path;
    std::string_view bytes;
};

// Writes every file to its temporary file first and renames them over the old files only when all were
// written, so a failure on any one of them leaves every old file as it was. Where two entries name the
// same file the later one is what the file holds.
Status WriteFilesAtomically(const std::vector<FileContents>& files);
// How many names the writer tries for its temporary file before it gives up.
inline constexpr int kTemporaryNameAttempts = 16;

// The temporary file name the writer tries at `attempt` (0 .. kTemporaryNameAttempts - 1) for `path` in
// this process: a hidden name in the same folder.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& path, int attempt);

// Why a file operation failed, in words for a message ("no permission", "no such file or folder").
std::string FileErrorReason(int errorNumber);

// A file name inside the application directory (the program writes these as "\Name").
std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name);

}  // namespace quintara
