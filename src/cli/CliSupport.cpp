#include "cli/CliSupport.h"

namespace quintara::cli {

std::string WithLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (auto at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", from)) {
        out.append(text, from, at - from);
        from = at + 1;  // the LF starts the next piece
    }
    out.append(text, from);
    return out;
}

void WriteJson(const Context& context, const Json& json) {
    context.out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace quintara::cli
