#include <cstring>
#include <gtest/gtest.h>
#include <limits>

#include "core/Dates.h"
#include "core/HistoryCheck.h"
#include "core/RecordFile.h"
#include "core/Statistics.h"
#include "core/TextRules.h"
#include "core/Windows1252.h"
#include "fuzz/Corpus.h"
#include "fuzz/Mutator.h"
#include "generate/WheelFile.h"
#include "generate/WheelLines.h"
#include "history/Csv.h"
#include "history/HistoryCsv.h"
#include "support/HistoryBuilder.h"

namespace quintara::fuzz {
namespace {

constexpr int kCasesPerReader = 10000;

// Every value of a sound draw is in its range; the checks restate VerifyDraws from the game table.
template <class Rec>
void ExpectInRange(const Rec& draw, const std::string& input) {
    constexpr Game game = GameOfRecord<Rec>();
    const DrawView view = ViewOf(draw);
    ASSERT_TRUE(IsDrawDate(view.date)) << Escaped(input);
    for (int ball : view.balls) {
        ASSERT_TRUE(ball >= 1 && ball <= Info(game).maxBall) << Escaped(input);
    }
    if (view.extra) {
        ASSERT_TRUE(*view.extra >= 1 && *view.extra <= Info(game).extraMax) << Escaped(input);
    }
}

// Statistics of any history, damaged or not, count only real balls into tables of the game's size.
template <class Rec>
void ExpectSoundStatistics(const OneBased<Rec>& draws, const std::string& input) {
    constexpr Game game = GameOfRecord<Rec>();
    const GameStatistics stats = ComputeStatistics(game, draws);
    ASSERT_EQ(stats.BallFrequency.Size(), static_cast<std::size_t>(Info(game).maxBall));
    std::vector<bool> seen(static_cast<std::size_t>(Info(game).maxBall) + 1, false);
    std::int64_t total = 0;
    for (const auto& rec : stats.BallFrequency) {
        ASSERT_TRUE(rec.Ball >= 1 && rec.Ball <= Info(game).maxBall) << Escaped(input);
        ASSERT_FALSE(seen[static_cast<std::size_t>(rec.Ball)]) << Escaped(input);
        seen[static_cast<std::size_t>(rec.Ball)] = true;
        total += rec.Count;
    }
    ASSERT_LE(total, static_cast<std::int64_t>(draws.Size()) * Info(game).countedFields) << Escaped(input);
    for (const auto& draw : draws) {
        // The draw display writes any date, NaN and infinities included; a real one as DD/MM/YYYY.
        const std::string shown = FormatDate(draw.DrawDate);
        if (IsDrawDate(draw.DrawDate)) {
            ASSERT_EQ(shown.size(), 10u) << Escaped(input);
        }
    }
}

// A sound history exports to CSV that imports to the same draws, and exports again to the same text.
template <class Rec>
void ExpectCsvRoundTrip(const OneBased<Rec>& draws, const std::string& input) {
    const std::string csv = HistoryCsvText(draws);
    const auto parsed = ParseHistoryCsv<Rec>(csv);
    ASSERT_TRUE(parsed.has_value()) << parsed.error().text << "\n" << Escaped(input);
    const std::string again = HistoryCsvText(parsed->draws);
    const auto reparsed = ParseHistoryCsv<Rec>(again);
    ASSERT_TRUE(reparsed.has_value()) << Escaped(input);
    ASSERT_EQ(HistoryCsvText(reparsed->draws), again) << Escaped(input);
}

template <class Rec>
std::string SoundSlots() {
    test::HistoryBuilder<Rec> builder;
    for (int i = 0; i < 5; ++i) {
        const int b = 1 + i;
        builder.Draw({b, b + 1, b + 2, b + 3, b + 4, b + 5, b + 6}, 1 + i);
    }
    OneBased<Rec> draws = builder.Draws();
    draws[1].Machine = "Arthur";
    draws[2].Machine = "M\xE9rlin";
    return EncodeSlots(draws, static_cast<std::size_t>(Info(GameOfRecord<Rec>()).recordLength));
}

std::vector<std::string> SlotDictionary() {
    std::vector<std::string> words;
    for (const int value : {0, -1, 32767, -32768, 50, 35, 15, 14, 28, 49}) {
        words.push_back(std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)});
    }
    for (double date : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -1e300, 40000.5, 2958466.0, -657435.0}) {
        std::string bytes(8, '\0');
        std::memcpy(bytes.data(), &date, 8);
        words.push_back(bytes);
    }
    return words;
}

// Runs the slot mutations; returns how many mutated histories were sound, so a test can tell that the
// mutations still reach the deeper checks.
template <class Rec>
int FuzzHistorySlots(std::uint64_t seed) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto length = static_cast<std::size_t>(Info(game).recordLength);
    const std::string base = SoundSlots<Rec>();
    const auto dictionary = SlotDictionary();
    Mutator mutator(seed);
    int sound = 0;
    for (int i = 0; i < kCasesPerReader / 4 && !::testing::Test::HasFailure(); ++i) {
        std::string bytes = mutator.Mutate(base, dictionary);
        // Keep the slots whole most of the time, so mutations land in fields rather than in the length.
        if (!mutator.OneIn(8)) {
            bytes.resize(bytes.size() / length * length);
        }
        const OneBased<Rec> draws = DecodeSlots<Rec>(bytes, length);
        EXPECT_EQ(draws.Size(), bytes.size() / length);
        ExpectSoundStatistics(draws, bytes);
        const auto problems = VerifyDraws(draws);
        for (const auto& problem : problems) {
            EXPECT_TRUE(problem.record >= 1 && problem.record <= draws.Size());
            EXPECT_FALSE(problem.what.empty());
        }
        if (problems.empty() && !draws.Empty()) {
            ++sound;
            for (const auto& draw : draws) {
                ExpectInRange(draw, bytes);
            }
            ExpectCsvRoundTrip(draws, bytes);
        }
    }
    return sound;
}

TEST(FuzzTest, HistorySlotsGiveSoundDrawsOrNamedDamage) {
    const int sound = FuzzHistorySlots<LottoDrawRec>(1001) + FuzzHistorySlots<LottoExtraDrawRec>(1002) +
                      FuzzHistorySlots<ThunderballDrawRec>(1003) + FuzzHistorySlots<DailyPlayDrawRec>(1004);
    EXPECT_GT(sound, kCasesPerReader / 10);
}

// Checks one CSV; true when it imported.
template <class Rec>
bool CheckCsv(const std::string& csv, const std::string* expectedError) {
    const auto parsed = ParseHistoryCsv<Rec>(csv);
    if (expectedError) {
        if (expectedError->empty()) {
            EXPECT_TRUE(parsed.has_value()) << parsed.error().text << "\n" << Escaped(csv);
        } else {
            EXPECT_FALSE(parsed.has_value()) << Escaped(csv);
            EXPECT_EQ(parsed.has_value() ? "" : parsed.error().text, *expectedError);
        }
    }
    if (!parsed.has_value()) {
        const std::string& message = parsed.error().text;
        EXPECT_TRUE(message.starts_with("line ")) << message;
        return false;
    }
    EXPECT_EQ(parsed->lines.size(), parsed->draws.Size());
    EXPECT_TRUE(VerifyDraws(parsed->draws).empty()) << Escaped(csv);
    const std::string exported = HistoryCsvText(parsed->draws);
    const auto again = ParseHistoryCsv<Rec>(exported);
    EXPECT_TRUE(again.has_value() && again->draws == parsed->draws) << Escaped(csv);
    return true;
}

bool CheckCsv(Game game, const std::string& csv, const std::string* expectedError) {
    return WithDrawRecord(
        game, [&](auto tag) { return CheckCsv<typename decltype(tag)::type>(csv, expectedError); });
}

TEST(FuzzTest, CsvCorpusKeepsItsOutcomes) {
    for (const auto& c : kCsvCorpus) {
        CheckCsv(c.game, c.csv, &c.error);
    }
}

TEST(FuzzTest, CsvRowsImportInRangeOrNameTheirLine) {
    // clang-format off
    const std::vector<std::string> dictionary{",", "\"", "\"\"", "\r\n", "\n", " ", "\t", "0", "-1", "50", "1e3",
        "2.5", "\xEF\xBB\xBF", "\xC3\xA9", "\xE2\x82\xAC", "\xC5\x81", "\xE9", "2015-02-30", "31/12/9999",
        "00/00/0000", "Excalibur 10"};
    // clang-format on
    Mutator mutator(2001);
    int imported = 0;
    for (int i = 0; i < kCasesPerReader && !HasFailure(); ++i) {
        const CsvCase& seed = kCsvCorpus[mutator.Below(kCsvCorpus.size())];
        // The rows are what the mutations are for; a mutated header alone only repeats one refusal.
        const std::size_t rows = seed.csv.find('\n') + 1;
        const std::string csv =
            mutator.OneIn(8) ? mutator.Mutate(seed.csv, dictionary)
                             : seed.csv.substr(0, rows) + mutator.Mutate(seed.csv.substr(rows), dictionary);
        imported += CheckCsv(seed.game, csv, nullptr) ? 1 : 0;
    }
    EXPECT_GT(imported, kCasesPerReader / 50);
}

// Checks one wheel text; true when it passed every check.
bool CheckWheelText(Game game, const std::string& text, const bool* accepted) {
    const int highest = Info(game).numbersChosen;
    const WheelRead read = NormaliseWheelText(text, game);
    std::optional<Refusal> refusal;
    if (!read) {
        refusal = read.error();
    } else if (const Checked checked = CheckWheel(*read, game, highest, WheelSource::BuiltIn); !checked) {
        refusal = checked.error();
    }
    if (accepted) {
        EXPECT_EQ(!refusal, *accepted) << Escaped(text);
    }
    if (refusal) {
        EXPECT_FALSE(refusal->title.empty());
        EXPECT_FALSE(refusal->text.empty());
        EXPECT_FALSE(refusal->detail.empty()) << Escaped(text);
        return false;
    }
    // A wheel that passed makes one line per wheel line, every number one of the final numbers.
    OneBased<std::int16_t> finalNumbers;
    for (int n = 1; n <= highest; ++n) {
        finalNumbers.PushBack(static_cast<std::int16_t>(Info(game).maxBall + 1 - n));
    }
    const PickedLineSet lines = MakeWheelLines(finalNumbers, *read, game);
    const std::size_t made =
        game == Game::DailyPlay ? lines.DailyPlayPickedLines.Size() : lines.PickedLines.Size();
    EXPECT_EQ(made, read->Size()) << Escaped(text);
    for (const auto& line : *read) {
        const auto pointers = WheelPointers(line);
        EXPECT_EQ(pointers.size(), static_cast<std::size_t>(Info(game).pointersPerLine)) << Escaped(text);
        for (auto pointer : pointers) {
            EXPECT_TRUE(pointer >= 1 && pointer <= highest) << Escaped(text);
        }
    }
    return true;
}

TEST(FuzzTest, WheelTextsMakeEveryLineOrAreRefused) {
    for (const auto& c : kWheelCorpus) {
        CheckWheelText(c.game, c.text, &c.accepted);
    }
    const std::vector<std::string> dictionary{" ",  "  ", ",",   "\n",  "\r\n", "0",     "28",
                                              "29", "-1", "1e1", "2.5", "\t",   "99999", "x"};
    Mutator mutator(3001);
    int accepted = 0;
    for (int i = 0; i < kCasesPerReader && !HasFailure(); ++i) {
        const WheelCase& seed = kWheelCorpus[mutator.Below(kWheelCorpus.size())];
        accepted += CheckWheelText(seed.game, mutator.Mutate(seed.text, dictionary), nullptr) ? 1 : 0;
    }
    EXPECT_GT(accepted, kCasesPerReader / 50);
}

TEST(FuzzTest, NumericTextDatesAndTheCodePageAgreeWithThemselves) {
    Mutator mutator(4001);
    const std::string numberAlphabet = "0123456789 +-.eE\t,x";
    const std::vector<std::string> numbers{"7",     " 07 ",   "-3",      "2.5",  "1e3",
                                           "32767", "-32768", "32767.5", "1e400"};
    for (int i = 0; i < kCasesPerReader && !HasFailure(); ++i) {
        const std::string text = mutator.OneIn(2)
                                     ? mutator.Text(numberAlphabet, 12)
                                     : mutator.Mutate(numbers[mutator.Below(numbers.size())], numbers);
        const auto integer = ToInteger(text);
        const auto whole = ToLong(text);
        if (integer) {
            ASSERT_TRUE(IsNumeric(text)) << Escaped(text);
            ASSERT_TRUE(whole) << Escaped(text);
            ASSERT_EQ(*whole, *integer) << Escaped(text);
        }
        if (whole) {
            ASSERT_TRUE(IsNumeric(text)) << Escaped(text);
        }
    }
    const std::string dateAlphabet = "0123456789/- ";
    const std::vector<std::string> dates{"07/10/2015", "2015-10-07", "29/02/2000",
                                         "1/2/2005",   "31/12/9999", "0100-01-01"};
    for (int i = 0; i < kCasesPerReader; ++i) {
        const std::string text = mutator.OneIn(2) ? mutator.Text(dateAlphabet, 12)
                                                  : mutator.Mutate(dates[mutator.Below(dates.size())], dates);
        for (const auto& parse : {ParseDate, ParseIsoDate, ParseUserDate}) {
            if (const auto date = parse(text)) {
                ASSERT_TRUE(IsDrawDate(*date)) << Escaped(text);
                ASSERT_EQ(ParseDate(FormatDate(*date)), date) << Escaped(text);
                ASSERT_EQ(ParseIsoDate(FormatIsoDate(*date)), date) << Escaped(text);
            }
        }
    }
    const std::vector<std::string> texts{"Arthur", "M\xC3\xA9rlin", "\xE2\x82\xAC", "\xC5\x81",
                                         "\xF0\x9F\x98\x80"};
    for (int i = 0; i < kCasesPerReader; ++i) {
        const std::string bytes =
            mutator.Text(std::string_view("\x00\x41\x80\x81\x9D\xA0\xE9\xFF\"\t", 10), 12);
        const std::string utf8 = DecodeWindows1252(bytes);
        ASSERT_TRUE(IsUtf8(utf8));
        ASSERT_EQ(EncodeWindows1252(utf8).bytes, bytes);
        const std::string text = mutator.Mutate(texts[mutator.Below(texts.size())], texts);
        const Windows1252Text encoded = EncodeWindows1252(text);
        if (encoded.Ok()) {
            ASSERT_EQ(DecodeWindows1252(encoded.bytes), text) << Escaped(text);
        } else {
            ASSERT_LT(encoded.fault->offset, text.size()) << Escaped(text);
            ASSERT_FALSE(encoded.fault->Describe(text).empty());
        }
    }
}

}  // namespace
}  // namespace quintara::fuzz
