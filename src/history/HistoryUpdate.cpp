#include "history/HistoryUpdate.h"

#include <span>
#include <string>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/Files.h"
#include "core/History.h"
#include "history/HistoryChange.h"

namespace quintara {

namespace {

constexpr std::string_view kUnchanged = " The history file was not changed.";

tl::unexpected<Refusal> Unchanged(Refusal refusal) {
    const bool ended = !refusal.text.empty() && refusal.text.back() == '.';
    refusal.text += (ended ? "" : ".") + std::string(kUnchanged);
    return Refuse(std::move(refusal));
}

// The file's bytes; a missing file is an empty history.
Expected<std::string> ReadHistoryBytes(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes && bytes.error().cause == RefusalCause::Missing) {
        return std::string();
    }
    return bytes;
}

std::int32_t WholeSlots(const std::string& bytes, Game game) {
    return static_cast<std::int32_t>(bytes.size() / static_cast<std::size_t>(Info(game).recordLength));
}

template <class Rec>
void EncodeInto(const Rec& record, std::string& bytes, std::size_t offset, std::size_t slotLength) {
    auto* data = reinterpret_cast<std::byte*>(bytes.data()) + offset;
    RecordCodec<Rec>::Encode(record, std::span<std::byte>(data, slotLength));
}

// Reads the file under its lock, lets `change` turn its bytes into the new file, and writes that in
// its place before the lock is let go.
template <class Change>
Expected<HistoryWritten> Rewrite(const std::filesystem::path& appDir, const AnyDrawRec& draw, Change change) {
    const Game game = GameOfDraw(draw);
    HistoryWritten written;
    written.game = game;
    written.file = HistoryPath(appDir, game);
    const auto changed =
        ChangeHistory(written.file, [&](const std::string& held) -> Expected<std::optional<std::string>> {
            auto newBytes = change(held, WholeSlots(held, game), written);
            if (!newBytes) {
                return Refuse(newBytes.error());
            }
            written.draws = WholeSlots(*newBytes, game);
            return std::optional<std::string>(std::move(*newBytes));
        });
    if (!changed) {
        return Unchanged(changed.error());
    }
    written.warning = changed->warning;
    return written;
}

double DrawDateOf(const AnyDrawRec& draw) {
    return std::visit([](const auto& record) { return record.DrawDate; }, draw);
}

// The date of the record in slot 1 (the newest draw) of a history file's bytes.
std::optional<double> NewestDateIn(const std::string& bytes, Game game) {
    if (WholeSlots(bytes, game) == 0) {
        return std::nullopt;
    }
    const auto slot = std::span<const std::byte>(reinterpret_cast<const std::byte*>(bytes.data()),
                                                 static_cast<std::size_t>(Info(game).recordLength));
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return RecordCodec<Rec>::Decode(slot).DrawDate;
    });
}

// How many records at the top of a history file's bytes share the newest draw's date.
int RoundsOnNewestDate(const std::string& bytes, Game game) {
    const auto slotLength = static_cast<std::size_t>(Info(game).recordLength);
    const auto dateOf = [&](std::int32_t slot) {
        const auto at = std::span<const std::byte>(
            reinterpret_cast<const std::byte*>(bytes.data()) + static_cast<std::size_t>(slot) * slotLength,
            slotLength);
        return WithDrawRecord(game, [&](auto tag) {
            using Rec = typename decltype(tag)::type;
            return RecordCodec<Rec>::Decode(at).DrawDate;
        });
    };
    const std::int32_t slots = WholeSlots(bytes, game);
    int rounds = 0;
    while (rounds < slots && dateOf(rounds) == dateOf(0)) {
        ++rounds;
    }
    return rounds;
}

// The draw first, every older draw one slot further on.
Expected<std::string> Added(const AnyDrawRec& draw, const std::string& old, std::int32_t before,
                            HistoryWritten& written) {
    const auto slotLength = static_cast<std::size_t>(Info(written.game).recordLength);
    const auto newest = NewestDateIn(old, written.game);
    if (newest && !NewDrawDateFollows(Info(written.game), DrawDateOf(draw), *newest,
                                      RoundsOnNewestDate(old, written.game))) {
        return Refuse(RefusalCause::OutOfRange, NotLaterMessage(DrawDateOf(draw), *newest));
    }
    std::string bytes(slotLength, '\0');
    std::visit([&](const auto& record) { EncodeInto(record, bytes, 0, slotLength); }, draw);
    bytes += old;
    written.drawNumber = before + 1;
    written.added = true;
    return bytes;
}

// Draw D replaced; only its fields, so the slot's filler and every other byte stay as they were.
Expected<std::string> Corrected(std::int32_t drawNumber, const AnyDrawRec& draw, const std::string& old,
                                std::int32_t before, HistoryWritten& written) {
    if (drawNumber < 1 || drawNumber > before) {
        return Refuse(RefusalCause::OutOfRange, written.file.string() + ": holds no draw " +
                                                    std::to_string(drawNumber) + " to correct (draws 1 to " +
                                                    std::to_string(before) + ").");
    }
    const auto slotLength = static_cast<std::size_t>(Info(written.game).recordLength);
    std::string bytes = old;
    const auto offset = static_cast<std::size_t>(before - drawNumber) * slotLength;
    std::visit([&](const auto& record) { EncodeInto(record, bytes, offset, slotLength); }, draw);
    written.drawNumber = drawNumber;
    return bytes;
}

}  // namespace

std::string NotLaterMessage(double date, double newest) {
    return "A new draw must be dated after the newest draw held (" + FormatDate(newest) + "), not " +
           FormatDate(date) + ".";
}

bool NewDrawDateFollows(const GameInfo& info, double date, double newest, int roundsOnNewest) {
    return date > newest || (date == newest && roundsOnNewest < RoundsOn(info.game, date));
}

Expected<std::optional<double>> NewestDrawDate(Game game, const std::filesystem::path& appDir) {
    auto bytes = ReadHistoryBytes(HistoryPath(appDir, game));
    if (!bytes) {
        return Refuse(bytes.error());
    }
    return NewestDateIn(*bytes, game);
}

Game GameOfDraw(const AnyDrawRec& draw) {
    return std::visit([](const auto& record) { return GameOfRecord<std::decay_t<decltype(record)>>(); },
                      draw);
}

Expected<std::int32_t> HistoryDrawCount(Game game, const std::filesystem::path& appDir) {
    auto bytes = ReadHistoryBytes(HistoryPath(appDir, game));
    if (!bytes) {
        return Refuse(bytes.error());
    }
    return WholeSlots(*bytes, game);
}

Expected<HistoryWritten> AddDraw(const std::filesystem::path& appDir, const AnyDrawRec& draw) {
    return Rewrite(appDir, draw, [&](const std::string& old, std::int32_t before, HistoryWritten& written) {
        return Added(draw, old, before, written);
    });
}

Expected<HistoryWritten> CorrectDraw(const std::filesystem::path& appDir, std::int32_t drawNumber,
                                     const AnyDrawRec& draw) {
    return Rewrite(appDir, draw, [&](const std::string& old, std::int32_t before, HistoryWritten& written) {
        return Corrected(drawNumber, draw, old, before, written);
    });
}

Expected<HistoryWritten> WriteDraw(const std::filesystem::path& appDir, std::int32_t drawNumber,
                                   const AnyDrawRec& draw) {
    // Decided on the file as it is under the lock, not as it was when the number was typed.
    return Rewrite(
        appDir, draw,
        [&](const std::string& old, std::int32_t before, HistoryWritten& written) -> Expected<std::string> {
            if (drawNumber == before + 1) {
                return Added(draw, old, before, written);
            }
            if (drawNumber >= 1 && drawNumber <= before) {
                return Corrected(drawNumber, draw, old, before, written);
            }
            return Refuse(RefusalCause::OutOfRange,
                          written.file.string() + ": draw " + std::to_string(drawNumber) +
                              " is neither a draw of the file (1 to " + std::to_string(before) +
                              ") nor the next one (" + std::to_string(before + 1) + ").");
        });
}

}  // namespace quintara
