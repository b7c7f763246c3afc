#include "core/Windows1252.h"

#include <array>
#include <cstdio>

namespace quintara {

namespace {

// Code points of the bytes 0x80-0x9F; the undefined ones map to the control character of their value.
constexpr std::array<std::uint16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> ByteOf(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The code point starting at `at` and its length in bytes, or nothing for malformed UTF-8.
std::optional<std::pair<std::uint32_t, std::size_t>> NextCodePoint(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return std::pair<std::uint32_t, std::size_t>{lead, 1};
    }
    std::size_t length = 0;
    std::uint32_t value = 0;
    std::uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair<std::uint32_t, std::size_t>{value, length};
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

Windows1252Text EncodeWindows1252(std::string_view utf8) {
    Windows1252Text result;
    result.bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto next = NextCodePoint(utf8, at);
        if (!next) {
            result.fault = EncodingFault{at, 0};
            return result;
        }
        const auto byte = ByteOf(next->first);
        if (!byte) {
            result.fault = EncodingFault{at, next->first};
            return result;
        }
        result.bytes += static_cast<char>(*byte);
        at += next->second;
    }
    return result;
}

Windows1252Text EncodeWindows1252Field(std::string_view utf8) {
    Windows1252Text result = EncodeWindows1252(utf8);
    if (!result.Ok()) {
        return result;
    }
    for (std::size_t at = 0; at < utf8.size();) {
        const auto next = NextCodePoint(utf8, at);
        if (next->first < 0x20 || (next->first >= 0x7F && next->first <= 0x9F)) {
            result.fault = EncodingFault{at, next->first, true};
            return result;
        }
        at += next->second;
    }
    return result;
}

std::string UpperCaseWindows1252(std::string_view bytes) {
    std::string upper(bytes);
    for (char& c : upper) {
        const auto byte = static_cast<unsigned char>(c);
        unsigned char capital = byte;
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            capital = static_cast<unsigned char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {  // š œ ž
            capital = static_cast<unsigned char>(byte - 0x10);
        } else if (byte == 0xFF) {  // ÿ
            capital = 0x9F;
        }
        c = static_cast<char>(capital);
    }
    return upper;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto next = NextCodePoint(text, at);
        if (!next) {
            return false;
        }
        at += next->second;
    }
    return true;
}

std::string EncodingFault::Describe(std::string_view text) const {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
    if (control) {
        return "the control character " + std::string(code);
    }
    if (codePoint == 0) {
        return "bytes that are not UTF-8 text";
    }
    const auto length = NextCodePoint(text, offset);
    const std::string character = length ? std::string(text.substr(offset, length->second)) : std::string();
    return "the character \"" + character + "\" (" + code + "), which Windows-1252 cannot hold";
}

}  // namespace quintara
