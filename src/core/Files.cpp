#include "core/Files.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace quintara {

namespace {

long ProcessId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

}  // namespace

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
    // A name of its own per write, so two writers of one file never share a temporary file, and a
    // stale one left by a crash never blocks the next write.
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp;
    std::FILE* out = nullptr;
    for (int attempt = 0; attempt < 100 && out == nullptr; ++attempt) {
        temp = path;
        temp += "." + std::to_string(ProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        out = std::fopen(temp.string().c_str(), "wbx");
        if (out == nullptr && errno != EEXIST) {
            break;
        }
    }
    if (out == nullptr) {
        return MakeError(ErrorKind::Unwritable, path.string() + ": cannot be written");
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
    // The bytes must be on the disk before the rename makes them the file.
    written = SyncToDisk(out) && written;
    written = std::fclose(out) == 0 && written;
    std::error_code ec;
    if (!written) {
        std::filesystem::remove(temp, ec);
        return MakeError(ErrorKind::Unwritable, path.string() + ": write error");
    }
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
