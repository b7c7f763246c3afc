#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quintara {

// A fixed-width text field: exactly N single-byte characters, blank-padded on the right.
template <std::size_t N>
class FixedString {
public:
    FixedString() { m_chars.fill(' '); }
    FixedString(std::string_view text) { Assign(text); }    // NOLINT(google-explicit-constructor)
    FixedString(const std::string& text) { Assign(text); }  // NOLINT(google-explicit-constructor)
    FixedString(const char* text) { Assign(text); }         // NOLINT(google-explicit-constructor)
    FixedString& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    FixedString& operator=(const std::string& text) { return *this = std::string_view(text); }
    FixedString& operator=(const char* text) { return *this = std::string_view(text); }

    // Longer text is cut, shorter text padded with blanks.
    void Assign(std::string_view text) {
        m_chars.fill(' ');
        std::copy_n(text.begin(), std::min(text.size(), N), m_chars.begin());
    }
    std::string Text() const { return std::string(m_chars.begin(), m_chars.end()); }
    std::string Trimmed() const {
        std::string text = Text();
        text.erase(text.find_last_not_of(' ') + 1);
        text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
        return text;
    }
    const std::array<char, N>& Chars() const { return m_chars; }
    std::array<char, N>& Chars() { return m_chars; }
    static constexpr std::size_t Width() { return N; }
    bool operator==(const FixedString&) const = default;

private:
    std::array<char, N> m_chars{};
};

// Balls are kept in arrays: Balls[0] is the record's Ball1, Balls[1] its Ball2, and so on.

struct LottoDrawRec {
    double DrawDate = 0;
    std::array<std::int16_t, 6> Balls{};
    std::int16_t BonusBall = 0;
    std::int16_t BallSet = 0;
    FixedString<9> Machine;
    bool operator==(const LottoDrawRec&) const = default;
};

struct LottoExtraDrawRec {
    double DrawDate = 0;
    std::array<std::int16_t, 6> Balls{};
    FixedString<4> BallSet;
    FixedString<9> Machine;
    bool operator==(const LottoExtraDrawRec&) const = default;
};

struct ThunderballDrawRec {
    double DrawDate = 0;
    std::array<std::int16_t, 5> Balls{};
    std::int16_t Thunderball = 0;
    FixedString<4> BallSet;
    FixedString<11> Machine;
    bool operator==(const ThunderballDrawRec&) const = default;
};

struct DailyPlayDrawRec {
    double DrawDate = 0;
    std::array<std::int16_t, 7> Balls{};
    FixedString<4> BallSet;
    FixedString<11> Machine;
    bool operator==(const DailyPlayDrawRec&) const = default;
};

// Today's games keep the classic records, field for field; a type of their own lets the game travel
// with its draws.
struct Lotto59DrawRec : LottoDrawRec {};
struct Thunderball39DrawRec : ThunderballDrawRec {};

struct FrequencyRec {
    std::int16_t Ball = 0;
    std::int32_t Count = 0;
    bool operator==(const FrequencyRec&) const = default;
};

// A line that won in a check: how many numbers it matched and which line it is.
struct WinningLineRec {
    std::int16_t Matches = 0;
    std::int32_t LineIndex = 0;
    std::int16_t BonusNumber = 0;  // Lotto: the bonus ball when five numbers and the bonus matched
    bool operator==(const WinningLineRec&) const = default;
};

struct LastDrawnRec {
    double DrawDate = 0;
    std::int16_t Ball = 0;
    bool operator==(const LastDrawnRec&) const = default;
};

// The bytes of each record type as the files hold them: little-endian, no padding between fields.
// Encode writes the fields at the start of `slot` (which must hold FieldBytes) and leaves the rest alone.
template <class Rec>
struct RecordCodec;

#define QUINTARA_DECLARE_CODEC(Rec, bytes)                                \
    template <>                                                           \
    struct RecordCodec<Rec> {                                             \
        static constexpr std::size_t kFieldBytes = bytes;                 \
        static void Encode(const Rec& record, std::span<std::byte> slot); \
        static Rec Decode(std::span<const std::byte> slot);               \
    }

QUINTARA_DECLARE_CODEC(LottoDrawRec, 33);
QUINTARA_DECLARE_CODEC(LottoExtraDrawRec, 33);
QUINTARA_DECLARE_CODEC(ThunderballDrawRec, 35);
QUINTARA_DECLARE_CODEC(DailyPlayDrawRec, 37);

#undef QUINTARA_DECLARE_CODEC

// The layout of a record of today's games is that of its classic counterpart.
template <class Rec, class Base>
struct SameLayoutCodec {
    static constexpr std::size_t kFieldBytes = RecordCodec<Base>::kFieldBytes;
    static void Encode(const Rec& record, std::span<std::byte> slot) {
        RecordCodec<Base>::Encode(record, slot);
    }
    static Rec Decode(std::span<const std::byte> slot) { return Rec{RecordCodec<Base>::Decode(slot)}; }
};
template <>
struct RecordCodec<Lotto59DrawRec> : SameLayoutCodec<Lotto59DrawRec, LottoDrawRec> {};
template <>
struct RecordCodec<Thunderball39DrawRec> : SameLayoutCodec<Thunderball39DrawRec, ThunderballDrawRec> {};

}  // namespace quintara
