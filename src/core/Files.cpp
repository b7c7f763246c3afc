#include "core/Files.h"

#include <algorithm>
#include <cerrno>
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

namespace {

std::filesystem::path TempPathFor(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    return temp;
}

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// The system's reason for the failure just seen, as " (reason)", or nothing when it gave none.
std::string SystemReason(int error) {
    return error == 0 ? std::string() : " (" + std::generic_category().message(error) + ")";
}

Status WriteTemp(const std::filesystem::path& path, std::string_view bytes) {
    const auto temp = TempPathFor(path);
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
        return MakeError(ErrorKind::Unwritable, path.string() + ": cannot be written" + SystemReason(errno));
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        const int error = errno;
        out.close();
        RemoveQuietly(temp);
        return MakeError(ErrorKind::Unwritable, path.string() + ": write error" + SystemReason(error));
    }
    return Done{};
}

Status RenameTemp(const std::filesystem::path& path) {
    const auto temp = TempPathFor(path);
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
    if (auto written = WriteTemp(path, bytes); !written) {
        return written;
    }
    return RenameTemp(path);
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
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (auto written = WriteTemp(distinct[i]->path, distinct[i]->bytes); !written) {
            for (std::size_t j = 0; j < i; ++j) {
                RemoveQuietly(TempPathFor(distinct[j]->path));
            }
            return written;
        }
    }
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (auto renamed = RenameTemp(distinct[i]->path); !renamed) {
            for (std::size_t j = i + 1; j < distinct.size(); ++j) {
                RemoveQuietly(TempPathFor(distinct[j]->path));
            }
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
