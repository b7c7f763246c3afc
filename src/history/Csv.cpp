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

Refusal CsvLineError(std::size_t line, const std::string& what) {
    return {.text = "line " + std::to_string(line) + ": " + what, .cause = RefusalCause::BadFormat};
}

namespace {

// Walks a CSV text row by row, counting the lines it passes.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }

    // The next row's fields; `anyQuoted` tells whether one of them was quoted.
    Checked ReadRow(CsvRow& row, bool& anyQuoted) {
        row.line = m_line;
        row.fields.clear();
        anyQuoted = false;
        while (true) {
            SkipSpaces();
            if (Peek('"')) {
                anyQuoted = true;
                if (const Checked quoted = ReadQuoted(row); !quoted) {
                    return Refuse(quoted.error());
                }
            } else {
                ReadPlain(row);
            }
            if (!Peek(',')) {
                break;
            }
            ++m_at;
        }
        if (SkipLineEnd()) {
            ++m_line;
        }
        return {};
    }

private:
    bool Peek(char c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool AtFieldEnd() const { return AtEnd() || Peek(',') || Peek('\r') || Peek('\n'); }

    void SkipSpaces() {
        while (Peek(' ')) {
            ++m_at;
        }
    }

    // Consumes a line end if there is one (LF, CR LF or a lone CR).
    bool SkipLineEnd() {
        if (Peek('\r')) {
            ++m_at;
            if (Peek('\n')) {
                ++m_at;
            }
            return true;
        }
        if (Peek('\n')) {
            ++m_at;
            return true;
        }
        return false;
    }

    // A field that does not start with a quote, taken as it stands up to the next comma or line end.
    void ReadPlain(CsvRow& row) {
        const std::size_t start = m_at;
        while (!AtFieldEnd()) {
            ++m_at;
        }
        row.fields.emplace_back(TrimBlanks(m_text.substr(start, m_at - start)));
    }

    // A quoted field: doubled quotes stand for one, line ends inside it are kept.
    Checked ReadQuoted(CsvRow& row) {
        const std::size_t openedOn = m_line;
        ++m_at;
        std::string field;
        while (true) {
            if (AtEnd()) {
                return Refuse(CsvLineError(openedOn, "a quoted field is not closed"));
            }
            const char c = m_text[m_at++];
            if (c == '"') {
                if (!Peek('"')) {
                    break;
                }
                ++m_at;
            } else if (c == '\n' || (c == '\r' && !Peek('\n'))) {
                ++m_line;
            }
            field += c;
        }
        SkipSpaces();
        if (!AtFieldEnd()) {
            return Refuse(CsvLineError(
                m_line, "text after the closing quote of field " + std::to_string(row.fields.size() + 1)));
        }
        row.fields.emplace_back(TrimBlanks(field));
        return {};
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

}  // namespace

Checked ForEachCsvRow(std::string_view text, const std::function<void(CsvRow&)>& visit) {
    if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    CsvReader reader(text);
    CsvRow row;
    while (!reader.AtEnd()) {
        bool anyQuoted = false;
        if (const Checked read = reader.ReadRow(row, anyQuoted); !read) {
            return Refuse(read.error());
        }
        // A blank line is no row.
        if (!anyQuoted && row.fields.size() == 1 && row.fields[0].empty()) {
            continue;
        }
        visit(row);
    }
    return {};
}

Expected<std::vector<CsvRow>> ReadCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    const Checked read = ForEachCsvRow(text, [&rows](CsvRow& row) { rows.push_back(std::move(row)); });
    if (!read) {
        return Refuse(read.error());
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
