#pragma once

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

template <class Rec>
struct RecordTag {
    using type = Rec;
};

// Calls f(RecordTag<Rec>{}) with the draw record type of `game`.
template <class F>
decltype(auto) WithDrawRecord(Game game, F&& f) {
    switch (game) {
    case Game::Lotto:
        return f(RecordTag<LottoDrawRec>{});
    case Game::LottoExtra:
        return f(RecordTag<LottoExtraDrawRec>{});
    case Game::Thunderball:
        return f(RecordTag<ThunderballDrawRec>{});
    case Game::Lotto59:
        return f(RecordTag<Lotto59DrawRec>{});
    case Game::Thunderball39:
        return f(RecordTag<Thunderball39DrawRec>{});
    case Game::DailyPlay:
        break;
    }
    return f(RecordTag<DailyPlayDrawRec>{});
}

template <class Rec>
constexpr Game GameOfRecord() {
    if constexpr (std::is_same_v<Rec, LottoDrawRec>) {
        return Game::Lotto;
    } else if constexpr (std::is_same_v<Rec, LottoExtraDrawRec>) {
        return Game::LottoExtra;
    } else if constexpr (std::is_same_v<Rec, ThunderballDrawRec>) {
        return Game::Thunderball;
    } else if constexpr (std::is_same_v<Rec, Lotto59DrawRec>) {
        return Game::Lotto59;
    } else if constexpr (std::is_same_v<Rec, Thunderball39DrawRec>) {
        return Game::Thunderball39;
    } else {
        static_assert(std::is_same_v<Rec, DailyPlayDrawRec>);
        return Game::DailyPlay;
    }
}

// One game's draws (index 1 newest), the record type telling the game: held (a history as read) or viewed
// (the loaded draws an engine function reads).
using GameDraws =
    std::variant<OneBased<LottoDrawRec>, OneBased<LottoExtraDrawRec>, OneBased<ThunderballDrawRec>,
                 OneBased<DailyPlayDrawRec>, OneBased<Lotto59DrawRec>, OneBased<Thunderball39DrawRec>>;
template <class Rec>
using DrawsRef = std::reference_wrapper<const OneBased<Rec>>;
using DrawsView =
    std::variant<DrawsRef<LottoDrawRec>, DrawsRef<LottoExtraDrawRec>, DrawsRef<ThunderballDrawRec>,
                 DrawsRef<DailyPlayDrawRec>, DrawsRef<Lotto59DrawRec>, DrawsRef<Thunderball39DrawRec>>;

// Records that carry Lotto's bonus ball, and those that carry a Thunderball.
template <class Rec>
inline constexpr bool kHasBonusBall = std::is_base_of_v<LottoDrawRec, Rec>;
template <class Rec>
inline constexpr bool kHasThunderball = std::is_base_of_v<ThunderballDrawRec, Rec>;

// One draw of any game in plain values, for display, export and reports: everything that leaves the
// program, so its text is UTF-8. A writer of records encodes it back (EncodeWindows1252).
struct DrawView {
    double date = 0;
    std::vector<int> balls;    // the main balls in stored order
    std::optional<int> extra;  // Lotto's bonus ball or the Thunderball
    std::string ballSet;       // trimmed of blanks, decoded from Windows-1252 to UTF-8
    std::string machine;       // likewise
};

DrawView ViewOf(const LottoDrawRec& draw);
DrawView ViewOf(const LottoExtraDrawRec& draw);
DrawView ViewOf(const ThunderballDrawRec& draw);
DrawView ViewOf(const DailyPlayDrawRec& draw);

}  // namespace quintara
