#include "cli/CliSupport.h"

namespace quintara::cli {

void WriteJson(const Context& context, const Json& json) {
    context.out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

std::string WithLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (auto at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", start)) {
        out.append(text, start, at - start);
        start = at + 1;  // keeps the LF
    }
    out.append(text, start);
    return out;
}

}  // namespace quintara::cli
