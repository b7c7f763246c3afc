#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

// Record text fields hold single-byte Windows-1252 text; everything that leaves the program (JSON, CSV,
// the desktop's boxes) is UTF-8. Bytes 0x00-0x7F are ASCII; 0x80-0x9F are the code page's letters and
// signs (0x80 the euro sign); 0xA0-0xFF are Latin-1. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control characters of the same value (U+0081 ...), as
// Windows itself maps them, so that every byte survives a decode and an encode unchanged.
std::string DecodeWindows1252(std::string_view bytes);

// Why a UTF-8 text cannot become Windows-1252.
struct EncodingFault {
    std::size_t offset = 0;       // byte offset in the UTF-8 text
    std::uint32_t codePoint = 0;  // the character, or 0 when the bytes are not UTF-8 at all
    bool control = false;         // a control character, which no text field of a record takes
    // "the character "ł" (U+0142), which Windows-1252 cannot hold", "the control character U+000A" or
    // "bytes that are not UTF-8 text".
    std::string Describe(std::string_view text) const;
};

// A result of encoding: the bytes, or the first character that cannot be held.
struct Windows1252Text {
    std::string bytes;
    std::optional<EncodingFault> fault;
    bool Ok() const { return !fault.has_value(); }
};

// UTF-8 to Windows-1252; refuses malformed UTF-8 (overlong forms, surrogates, stray continuation
// bytes) and any character outside the code page.
Windows1252Text EncodeWindows1252(std::string_view utf8);

// The same for a text field of a record (a machine, a ball set): control characters (U+0000-U+001F,
// U+007F-U+009F: line ends, tabs, NUL) are refused too, as they would break every line the field is
// shown or exported in.
Windows1252Text EncodeWindows1252Field(std::string_view utf8);

// Windows-1252 text in upper case, the code page's accented letters with the plain ones ("é" to "É",
// "ÿ" to "Ÿ"); the letters without a capital in the code page ("ß", "µ") stay as they are.
std::string UpperCaseWindows1252(std::string_view bytes);

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The UTF-8 byte-order mark that spreadsheet programs put at the start of a file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace quintara
