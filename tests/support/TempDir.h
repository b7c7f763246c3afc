#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace quintara::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("quintara-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / std::string(name); }

    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const auto path = *this / name;
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::string Read(std::string_view name) const {
        std::ifstream in(*this / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

private:
    std::filesystem::path m_path;
};

// Copies the built application folder's shipped files (histories, wheels, pictures, help) to `to`,
// so a test may change them freely.
inline void CopyBuiltAppFolder(const std::filesystem::path& to) {
    for (const auto& entry : std::filesystem::directory_iterator(QUINTARA_APP_DIR)) {
        const auto extension = entry.path().extension();
        if (extension == ".dat" || extension == ".txt" || extension == ".png" || extension == ".html") {
            std::filesystem::copy_file(entry.path(), to / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
}

// The same into `dir`, giving its path as the program's application folder.
inline std::string CopiedAppFolder(const TempDir& dir) {
    CopyBuiltAppFolder(dir.Path());
    return dir.Path().string();
}

// The file writer's leftovers in a folder: every hidden temporary file.
inline std::vector<std::string> Temporaries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".") && name.ends_with(".tmp")) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace quintara::test
