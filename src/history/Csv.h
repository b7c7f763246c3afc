#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Refusal.h"

namespace quintara {

// One row of a CSV text: the line it starts on (from 1) and its fields, unquoted and trimmed of blanks.
struct CsvRow {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// Reads CSV as spreadsheet programs write it: an optional UTF-8 byte-order mark, rows ended by LF, CR LF
// or CR, fields separated by commas, and fields in double quotes that may hold commas, line ends and
// doubled quotes (RFC 4180); a quote inside a field that does not start with one is
// text. Every field, quoted or not, is trimmed of blanks (not of tabs), the same
// trimming the writer's fields had. Rows of nothing but blanks are skipped. An unclosed quote or text
// after a closing quote is an error naming its line.
Expected<std::vector<CsvRow>> ReadCsv(std::string_view text);

// The same a row at a time, for texts too long to hold as rows: `visit` sees each row as it is read and
// may take its fields. The rows of a text with an error are visited up to it.
Checked ForEachCsvRow(std::string_view text, const std::function<void(CsvRow&)>& visit);

// An error of the CSV's line `line` (from 1): "line N: what".
Refusal CsvLineError(std::size_t line, const std::string& what);

// Trims blanks, the padding of record text fields, on both sides.
std::string_view TrimBlanks(std::string_view text);

// A field as a CSV row holds it: in double quotes, inner quotes doubled, when it holds a comma, a quote
// or a line end.
std::string CsvField(std::string_view text);

}  // namespace quintara
