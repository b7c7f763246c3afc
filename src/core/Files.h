#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Result.h"

namespace quintara {

// The whole file as bytes; Missing when it does not exist, Unreadable when it cannot be read.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes to a temporary file in the same folder and renames it over `path`, so a failure never
// leaves half a file behind.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// A file name inside the application directory (the program writes these as "\Name").
std::filesystem::path InAppDir(const std::filesystem::path& appDir, std::string_view name);

}  // namespace quintara
