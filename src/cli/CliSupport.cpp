#include "cli/CliSupport.h"

#include "core/TextRules.h"

namespace quintara::cli {

std::vector<std::string> CommaList(std::string_view option, std::string_view text) {
    const std::string trimmed = Trim(text);
    if (!trimmed.empty() && trimmed.back() == ',') {
        throw UsageError(std::string(option) + ": \"" + trimmed +
                         "\" ends with a comma; give a number after every comma");
    }
    std::vector<std::string> fields;
    if (trimmed.empty()) {
        return fields;
    }
    for (std::size_t start = 0;;) {
        const auto comma = trimmed.find(',', start);
        fields.push_back(Trim(std::string_view(trimmed).substr(start, comma - start)));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

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
