#include "history/HistoryCsv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <optional>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/HistoryCheck.h"
#include "core/TextRules.h"
#include "core/Windows1252.h"
#include "history/Csv.h"
#include "history/HistoryChange.h"

namespace quintara {

namespace {

template <class Rec>
std::vector<int> NumbersOf(const Rec& draw) {
    const DrawView view = ViewOf(draw);
    std::vector<int> numbers = view.balls;
    std::sort(numbers.begin(), numbers.end());
    numbers.push_back(view.extra.value_or(0));
    return numbers;
}

std::string NumbersText(const DrawView& view) {
    std::string text;
    for (int ball : view.balls) {
        text += (text.empty() ? "" : " ") + std::to_string(ball);
    }
    if (view.extra) {
        text += " + " + std::to_string(*view.extra);
    }
    return text;
}

// Errors of the CSV's own content start with `csvName` when there is one.
tl::unexpected<Refusal> CsvError(Refusal refusal, const std::string& csvName) {
    if (!csvName.empty()) {
        refusal.text = csvName + ": " + refusal.text;
    }
    return Refuse(std::move(refusal));
}

// An import up to its writing: the CSV read and checked.
template <class Rec>
struct PreparedImport {
    CsvImportReport report;
    HistoryCsvDraws<Rec> parsed;
};

template <class Rec>
Expected<PreparedImport<Rec>> Prepare(std::string_view csv, const std::string& csvName) {
    auto parsed = ParseHistoryCsv<Rec>(csv);
    if (!parsed) {
        return CsvError(parsed.error(), csvName);
    }
    PreparedImport<Rec> prepared{CsvImportReport{}, std::move(*parsed)};
    prepared.report.draws = prepared.parsed.draws.Size();
    prepared.report.warnings = std::move(prepared.parsed.warnings);
    return prepared;
}

// Where the draws of a merge go: after the newest draw held, or in front of a held round of their date.
template <class Rec>
struct MergePlaces {
    OneBased<Rec> newer;
    // Second rounds of held dates, each to go in front of the round the history holds.
    std::map<std::size_t, std::vector<Rec>> roundsBefore;
};

// Sorts the CSV's draws against the sound history `history`: held already, older than its newest (both
// counted in the report), new, or a second round of a held date; a draw that differs from the one held on
// its date is refused.
template <class Rec>
Expected<MergePlaces<Rec>> PlaceDraws(const PreparedImport<Rec>& prepared, const OneBased<Rec>& history,
                                      CsvImportReport& report, const std::string& csvName) {
    constexpr Game game = GameOfRecord<Rec>();
    // The records held on each date: one, or a round each where the game draws two.
    std::map<double, std::vector<std::size_t>> heldOn;
    double newest = -std::numeric_limits<double>::infinity();
    for (std::size_t r = 1; r <= history.Size(); ++r) {
        heldOn[std::floor(history[r].DrawDate)].push_back(r);
        newest = std::max(newest, history[r].DrawDate);
    }
    MergePlaces<Rec> places;
    const OneBased<Rec>& draws = prepared.parsed.draws;
    for (std::size_t i = 1; i <= draws.Size(); ++i) {
        const Rec& draw = draws[i];
        const auto same = heldOn.find(draw.DrawDate);
        if (same == heldOn.end()) {
            if (draw.DrawDate > newest) {
                places.newer.PushBack(draw);
            } else {
                ++report.older;
            }
            continue;
        }
        auto& rounds = same->second;
        const bool isHeld = std::any_of(rounds.begin(), rounds.end(), [&](std::size_t r) {
            return r > 0 && NumbersOf(draw) == NumbersOf(history[r]);
        });
        if (isHeld) {
            ++report.alreadyHeld;
        } else if (static_cast<int>(rounds.size()) < RoundsOn(game, draw.DrawDate)) {
            places.roundsBefore[rounds.front()].push_back(draw);
            rounds.push_back(0);  // a round now taken, by a record not yet written
        } else {
            const Rec& first = history[rounds.front()];
            return CsvError(
                CsvLineError(prepared.parsed.lines[i - 1],
                             "the draw on " + FormatDate(draw.DrawDate) + " (" + NumbersText(ViewOf(draw)) +
                                 ") differs from the draw the history holds on that date (" +
                                 NumbersText(ViewOf(first)) + ")"),
                csvName);
        }
    }
    return places;
}

// Counts the draws a merge adds, and the newest of them, into the report.
template <class Rec>
void CountAdded(const MergePlaces<Rec>& places, CsvImportReport& report) {
    const auto added = [&report](std::size_t count, double date) {
        report.added += count;
        report.newestAdded = std::max(report.newestAdded.value_or(date), date);
    };
    for (const auto& [at, rounds] : places.roundsBefore) {
        added(rounds.size(), rounds.front().DrawDate);
    }
    if (places.newer.Size() > 0) {
        added(places.newer.Size(), places.newer[1].DrawDate);
    }
}

// The history after a merge: the new draws first, then the history with the second rounds in front of
// theirs.
template <class Rec>
OneBased<Rec> Merged(MergePlaces<Rec> places, const OneBased<Rec>& history) {
    OneBased<Rec> result = std::move(places.newer);
    for (std::size_t r = 1; r <= history.Size(); ++r) {
        if (const auto rounds = places.roundsBefore.find(r); rounds != places.roundsBefore.end()) {
            for (const Rec& round : rounds->second) {
                result.PushBack(round);
            }
        }
        result.PushBack(history[r]);
    }
    return result;
}

// Writes the import through ChangeHistory, keeping the history it replaces. A merge is worked out on the
// history as it is under the lock: a draw added meanwhile by another Quintara is merged with, never
// written over.
template <class Rec>
Expected<CsvImportReport> Write(PreparedImport<Rec> prepared, const std::filesystem::path& appDir,
                                ImportMode mode, const std::string& csvName) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto length = static_cast<std::size_t>(Info(game).recordLength);
    const auto historyPath = HistoryPath(appDir, game);
    CsvImportReport& report = prepared.report;
    const HistoryChange change = [&](const std::string& held) -> Expected<std::optional<std::string>> {
        const OneBased<Rec>& draws = prepared.parsed.draws;
        if (mode == ImportMode::Replace) {
            report.added = report.draws;
            if (draws.Size() > 0) {
                report.newestAdded = draws[1].DrawDate;
            }
            return std::optional<std::string>(EncodeSlots(draws, length));
        }
        const OneBased<Rec> history = DecodeSlots<Rec>(held, length);
        if (const auto problems = VerifyDraws(history); !problems.empty()) {
            return Refuse(RefusalCause::BadFormat, historyPath.string() + ": " +
                                                       std::to_string(problems.size()) +
                                                       " damaged records; a merge needs a sound history:\n" +
                                                       DescribeProblems(problems));
        }
        auto places = PlaceDraws(prepared, history, report, csvName);
        if (!places) {
            return Refuse(places.error());
        }
        CountAdded(*places, report);
        if (report.added == 0) {
            return std::optional<std::string>();
        }
        return std::optional<std::string>(EncodeSlots(Merged(std::move(*places), history), length));
    };
    const auto changed = ChangeHistory(historyPath, change, HistoryBackup::Keep);
    if (!changed) {
        return Refuse(changed.error());
    }
    report.backup = changed->backup;
    report.saveWarning = changed->warning;
    return std::move(report);
}

template <class Rec>
Expected<CsvImportReport> Import(std::string_view csv, const std::filesystem::path& appDir, ImportMode mode,
                                 const std::string& csvName) {
    auto prepared = Prepare<Rec>(csv, csvName);
    if (!prepared) {
        return Refuse(prepared.error());
    }
    return Write(std::move(*prepared), appDir, mode, csvName);
}

}  // namespace

std::filesystem::path BackupPathFor(const std::filesystem::path& historyPath) {
    std::filesystem::path backup = historyPath;
    backup += ".bak";
    return backup;
}

template <class Rec>
std::string HistoryCsvText(const OneBased<Rec>& draws) {
    std::string csv = HistoryCsvHeader(GameOfRecord<Rec>()) + "\n";
    for (const auto& draw : draws) {
        const DrawView view = ViewOf(draw);
        csv += FormatIsoDate(view.date);
        for (int ball : view.balls) {
            csv += "," + std::to_string(ball);
        }
        if (view.extra) {
            csv += "," + std::to_string(*view.extra);
        }
        csv += "," + CsvField(view.ballSet) + "," + CsvField(view.machine) + "\n";
    }
    return csv;
}

#define QUINTARA_INSTANTIATE(Rec) template std::string HistoryCsvText<Rec>(const OneBased<Rec>&)
QUINTARA_FOR_EACH_HISTORY_RECORD(QUINTARA_INSTANTIATE);
#undef QUINTARA_INSTANTIATE

Expected<CsvImportReport> ImportHistoryCsv(Game game, std::string_view csv,
                                           const std::filesystem::path& appDir, ImportMode mode) {
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return Import<Rec>(csv, appDir, mode, std::string());
    });
}

Expected<CsvImportReport> ImportHistoryCsvFile(Game game, const std::filesystem::path& csvPath,
                                               const std::filesystem::path& appDir, ImportMode mode,
                                               InputKinds kinds) {
    auto csv = ReadInputFile(csvPath, kinds);
    if (!csv) {
        return Refuse(csv.error());
    }
    const std::string csvName = InputName(csvPath, kinds);
    return WithDrawRecord(game, [&](auto tag) -> Expected<CsvImportReport> {
        using Rec = typename decltype(tag)::type;
        auto prepared = Prepare<Rec>(*csv, csvName);
        if (!prepared) {
            return Refuse(prepared.error());
        }
        // The draws are all that is written: the text goes before the history is read and written.
        std::string().swap(*csv);
        return Write(std::move(*prepared), appDir, mode, csvName);
    });
}

Expected<std::string> ExportHistoryCsv(Game game, const std::filesystem::path& appDir) {
    return WithDrawRecord(game, [&](auto tag) -> Expected<std::string> {
        using Rec = typename decltype(tag)::type;
        const auto path = HistoryPath(appDir, game);
        auto draws = ReadRecordFile<Rec>(path, static_cast<std::size_t>(Info(game).recordLength));
        if (!draws) {
            return Refuse(draws.error());
        }
        if (const auto problems = VerifyDraws(*draws); !problems.empty()) {
            return Refuse(RefusalCause::BadFormat, path.string() + ": " + std::to_string(problems.size()) +
                                                       " damaged records; the export was refused:\n" +
                                                       DescribeProblems(problems));
        }
        return HistoryCsvText(*draws);
    });
}

}  // namespace quintara
