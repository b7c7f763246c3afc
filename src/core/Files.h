#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"

namespace quintara {

// The whole file as bytes; Missing when it does not exist, Unreadable when it cannot be read.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes to a temporary file in the same folder and renames it over `path`, so a failure never
// leaves half a file behind.
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

// A file name inside the application directory (the program writes these as "\Name").
std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name);

}  // namespace quintara
