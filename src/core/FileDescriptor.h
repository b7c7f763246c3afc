#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/Refusal.h"

// What the file readers and writers of core share; no other code includes it.
namespace quintara::files {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // The close result matters for a written file: some file systems report write errors only there.
    int Close() {
        int result = 0;
        if (m_fd >= 0) {
            result = ::close(m_fd);
            m_fd = -1;
        }
        return result;
    }

private:
    int m_fd;
};

inline tl::unexpected<Refusal> FileError(RefusalCause cause, const std::filesystem::path& path,
                                         const std::string& reason) {
    return Refuse(cause, path.string() + ": " + reason);
}

}  // namespace quintara::files
