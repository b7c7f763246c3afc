#include "history/Csv.h"

#include "core/Windows1252.h"

namespace quintara {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

Status ForEachCsvRow(std::string_view text, const std::function<void(CsvRow&)>& visit) {
    if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    CsvRow row;
    std::size_t line = 1;
    std::size_t at = 0;
    auto lineError = [](std::size_t where, const std::string& what) {
        return MakeError(ErrorKind::BadFormat, "line " + std::to_string(where) + ": " + what);
    };
    // Consumes a line end at `at` if there is one (LF, CR LF or a lone CR).
    auto atLineEnd = [&]() {
        if (at < text.size() && text[at] == '\r') {
            ++at;
            if (at < text.size() && text[at] == '\n') {
                ++at;
            }
            return true;
        }
        if (at < text.size() && text[at] == '\n') {
            ++at;
            return true;
        }
        return false;
    };
    while (at < text.size()) {
        row.line = line;
        row.fields.clear();
        bool anyQuoted = false;
        while (true) {
            while (at < text.size() && text[at] == ' ') {
                ++at;
            }
            std::string field;
            if (at < text.size() && text[at] == '"') {
                anyQuoted = true;
                const std::size_t openedOn = line;
                ++at;
                while (true) {
                    if (at >= text.size()) {
                        return lineError(openedOn, "a quoted field is not closed");
                    }
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            field += '"';
                            ++at;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (at >= text.size() || text[at] != '\n'))) {
                        ++line;
                    }
                    field += c;
                }
                while (at < text.size() && text[at] == ' ') {
                    ++at;
                }
                if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    return lineError(line, "text after the closing quote of field " +
                                               std::to_string(row.fields.size() + 1));
                }
                row.fields.emplace_back(TrimBlanks(field));
            } else {
                const std::size_t start = at;
                // A quote inside a field that does not start with one is taken as it stands.
                while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    ++at;
                }
                row.fields.emplace_back(TrimBlanks(text.substr(start, at - start)));
            }
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            break;
        }
        if (atLineEnd()) {
            ++line;
        }
        if (!anyQuoted && row.fields.size() == 1 && row.fields[0].empty()) {
            continue;
        }
        visit(row);
    }
    return Done{};
}

Result<std::vector<CsvRow>> ReadCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    const Status read = ForEachCsvRow(text, [&rows](CsvRow& row) { rows.push_back(std::move(row)); });
    if (!read) {
        return read.GetError();
    }
    return rows;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

}  // namespace quintara
