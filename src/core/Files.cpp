#include "core/Files.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace quintara {

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return MakeError(ErrorKind::Missing, path.string() + ": no such file");
    }
    if (std::filesystem::is_directory(path, ec)) {
        return MakeError(ErrorKind::Unreadable, path.string() + ": is a folder, not a file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return MakeError(ErrorKind::Unreadable, path.string() + ": cannot be opened for reading");
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return MakeError(ErrorKind::Unreadable, path.string() + ": read error");
    }
    return bytes;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return MakeError(ErrorKind::Unwritable, path.string() + ": cannot be written");
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return MakeError(ErrorKind::Unwritable, path.string() + ": write error");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return MakeError(ErrorKind::Unwritable, path.string() + ": cannot replace the file");
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
