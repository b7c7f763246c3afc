#include "core/Records.h"

#include <bit>
#include <cstring>
#include <limits>

namespace quintara {

namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

// Reads and writes fields one after the other from the start of a slot.
class SlotWriter {
public:
    explicit SlotWriter(std::span<std::byte> slot) : m_slot(slot) {}
    void Int16(std::int16_t value) {
        auto bits = static_cast<std::uint16_t>(value);
        Byte(bits & 0xFF);
        Byte(bits >> 8);
    }
    void Date(double value) {
        auto bits = std::bit_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i) {
            Byte(static_cast<unsigned>((bits >> (8 * i)) & 0xFF));
        }
    }
    template <std::size_t N>
    void Text(const FixedString<N>& text) {
        for (char c : text.Chars()) {
            Byte(static_cast<unsigned char>(c));
        }
    }

private:
    void Byte(unsigned value) { m_slot[m_at++] = static_cast<std::byte>(value); }
    std::span<std::byte> m_slot;
    std::size_t m_at = 0;
};

class SlotReader {
public:
    explicit SlotReader(std::span<const std::byte> slot) : m_slot(slot) {}
    std::int16_t Int16() {
        unsigned low = Byte();
        unsigned high = Byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    double Date() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        }
        return std::bit_cast<double>(bits);
    }
    template <std::size_t N>
    void Text(FixedString<N>& text) {
        for (char& c : text.Chars()) {
            c = static_cast<char>(Byte());
        }
    }

private:
    unsigned Byte() { return std::to_integer<unsigned>(m_slot[m_at++]); }
    std::span<const std::byte> m_slot;
    std::size_t m_at = 0;
};

template <std::size_t N>
void WriteBalls(SlotWriter& out, const std::array<std::int16_t, N>& balls) {
    for (auto ball : balls) {
        out.Int16(ball);
    }
}

template <std::size_t N>
void ReadBalls(SlotReader& in, std::array<std::int16_t, N>& balls) {
    for (auto& ball : balls) {
        ball = in.Int16();
    }
}

}  // namespace

void RecordCodec<LottoDrawRec>::Encode(const LottoDrawRec& record, std::span<std::byte> slot) {
    SlotWriter out(slot);
    out.Date(record.DrawDate);
    WriteBalls(out, record.Balls);
    out.Int16(record.BonusBall);
    out.Int16(record.BallSet);
    out.Text(record.Machine);
}

LottoDrawRec RecordCodec<LottoDrawRec>::Decode(std::span<const std::byte> slot) {
    SlotReader in(slot);
    LottoDrawRec record;
    record.DrawDate = in.Date();
    ReadBalls(in, record.Balls);
    record.BonusBall = in.Int16();
    record.BallSet = in.Int16();
    in.Text(record.Machine);
    return record;
}

void RecordCodec<LottoExtraDrawRec>::Encode(const LottoExtraDrawRec& record, std::span<std::byte> slot) {
    SlotWriter out(slot);
    out.Date(record.DrawDate);
    WriteBalls(out, record.Balls);
    out.Text(record.BallSet);
    out.Text(record.Machine);
}

LottoExtraDrawRec RecordCodec<LottoExtraDrawRec>::Decode(std::span<const std::byte> slot) {
    SlotReader in(slot);
    LottoExtraDrawRec record;
    record.DrawDate = in.Date();
    ReadBalls(in, record.Balls);
    in.Text(record.BallSet);
    in.Text(record.Machine);
    return record;
}

void RecordCodec<ThunderballDrawRec>::Encode(const ThunderballDrawRec& record, std::span<std::byte> slot) {
    SlotWriter out(slot);
    out.Date(record.DrawDate);
    WriteBalls(out, record.Balls);
    out.Int16(record.Thunderball);
    out.Text(record.BallSet);
    out.Text(record.Machine);
}

ThunderballDrawRec RecordCodec<ThunderballDrawRec>::Decode(std::span<const std::byte> slot) {
    SlotReader in(slot);
    ThunderballDrawRec record;
    record.DrawDate = in.Date();
    ReadBalls(in, record.Balls);
    record.Thunderball = in.Int16();
    in.Text(record.BallSet);
    in.Text(record.Machine);
    return record;
}

void RecordCodec<DailyPlayDrawRec>::Encode(const DailyPlayDrawRec& record, std::span<std::byte> slot) {
    SlotWriter out(slot);
    out.Date(record.DrawDate);
    WriteBalls(out, record.Balls);
    out.Text(record.BallSet);
    out.Text(record.Machine);
}

DailyPlayDrawRec RecordCodec<DailyPlayDrawRec>::Decode(std::span<const std::byte> slot) {
    SlotReader in(slot);
    DailyPlayDrawRec record;
    record.DrawDate = in.Date();
    ReadBalls(in, record.Balls);
    in.Text(record.BallSet);
    in.Text(record.Machine);
    return record;
}

}  // namespace quintara
