#include "cli/CliSupport.h"

#include <fstream>
#include <iterator>

namespace quintara::cli {

void WriteJson(const Context& context, const Json& json) {
    context.out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Failure(path.string() + ": cannot be opened");
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace quintara::cli
