#pragma once

#include <cerrno>
#include <filesystem>
#include <string>

#include "core/Files.h"

namespace quintara::test {

// Makes one step of the writer fail for files of one name, as a failing disk would, while it lives.
class WriteFaultScope {
public:
    WriteFaultScope(WriteStep step, std::string fileName, int error = EIO) {
        SetWriteFaultForTesting([=](WriteStep at, const std::filesystem::path& file) {
            return at == step && file.filename() == fileName ? error : 0;
        });
    }
    ~WriteFaultScope() { SetWriteFaultForTesting({}); }
    WriteFaultScope(const WriteFaultScope&) = delete;
    WriteFaultScope& operator=(const WriteFaultScope&) = delete;
};

}  // namespace quintara::test
