#include "core/Files.h"

#include <algorithm>
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

namespace {

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// The system's reason for the failure just seen, as " (reason)", or nothing when it gave none.
std::string SystemReason(int error) {
    return error == 0 ? std::string() : " (" + std::generic_category().message(error) + ")";
}

// Writes the bytes to a temporary file of its own beside `path` and returns its name. The name is new
// for every write, so two writers of one file never share it and a stale one left by a crash never
// blocks the next write; the bytes are on the disk before the caller's rename makes them the file.
Result<std::filesystem::path> WriteTemp(const std::filesystem::path& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp;
    std::FILE* out = nullptr;
    int error = 0;
    for (int attempt = 0; attempt < 100 && out == nullptr; ++attempt) {
        temp = path;
        temp += "." + std::to_string(ProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        errno = 0;
        out = std::fopen(temp.string().c_str(), "wbx");
        error = errno;
        if (out == nullptr && error != EEXIST) {
            break;
        }
    }
    if (out == nullptr) {
        return MakeError(ErrorKind::Unwritable, path.string() + ": cannot be written" + SystemReason(error));
    }
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
    written = SyncToDisk(out) && written;
    error = errno;
    written = std::fclose(out) == 0 && written;
    if (!written) {
        RemoveQuietly(temp);
        return MakeError(ErrorKind::Unwritable, path.string() + ": write error" + SystemReason(error));
    }
    return temp;
}

Status RenameTemp(const std::filesystem::path& temp, const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        RemoveQuietly(temp);
        return MakeError(ErrorKind::Unwritable,
                         path.string() + ": cannot replace the file (" + ec.message() + ")");
    }
    return Done{};
}

}  // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    auto temp = WriteTemp(path, bytes);
    if (!temp) {
        return temp.GetError();
    }
    return RenameTemp(*temp, path);
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
            return MakeError(ErrorKind::Unwritable, file->path.string() + ": is a folder, not a file");
        }
    }
    std::vector<std::filesystem::path> temps;
    const auto removeTemps = [&temps](std::size_t from) {
        for (std::size_t j = from; j < temps.size(); ++j) {
            RemoveQuietly(temps[j]);
        }
    };
    for (const auto* file : distinct) {
        auto temp = WriteTemp(file->path, file->bytes);
        if (!temp) {
            removeTemps(0);
            return temp.GetError();
        }
        temps.push_back(*temp);
    }
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (auto renamed = RenameTemp(temps[i], distinct[i]->path); !renamed) {
            removeTemps(i + 1);
            return renamed;
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
