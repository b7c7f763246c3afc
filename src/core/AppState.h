#pragma once

#include <cstdint>
#include <string>

#include "core/Draws.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"

namespace quintara {

// The program-wide data of the engine: one value owned by the application object and passed by reference.
// What the main window shows and where its walks stand is the window's own session, kept beside it.
struct AppState {
    CurrentGameValue CurrentGame = Game::Lotto;

    OneBased<LottoDrawRec> LottoDraws;
    OneBased<LottoExtraDrawRec> LottoExtraDraws;
    OneBased<ThunderballDrawRec> ThunderballDraws;
    OneBased<DailyPlayDrawRec> DailyPlayDraws;
    OneBased<Lotto59DrawRec> Lotto59Draws;
    OneBased<Thunderball39DrawRec> Thunderball39Draws;

    std::int32_t FirstDraw = 1;
    std::int32_t LastDraw = 0;
    std::int32_t CurrentDraw = 0;
    std::int16_t HistoryFileNumber = 0;

    OneBased<FrequencyRec> BallFrequency;
    OneBased<LastDrawnRec> BallLastDrawn;
    OneBased<FrequencyRec> ThunderballFrequency;
    OneBased<LastDrawnRec> ThunderballLastDrawn;

    OneBased<LottoDrawRec> PickedLines;
    OneBased<DailyPlayDrawRec> DailyPlayPickedLines;
    bool LinesAvailable = false;
    double LinesGeneratedDate = 0;
    OneBased<WinningLineRec> WinningLines;
    std::string ReportText;
    bool ThunderballStatistics = false;

    // The generator's state: the last run's numbers, the selections it ran with, personal picks, the wheel.
    OneBased<std::int16_t> FinalNumbers;
    OneBased<std::int16_t> SevenNumbers;
    std::int16_t GeneratorMode = 0;
    // The algorithm selected in the main window's box, as its text and its list position; every
    // generator run (Pick, the picks views, the simulation) reads it here, never from the box.
    std::string SelectedAlgorithm;
    std::int16_t SelectedAlgorithmIndex = -1;
    bool PersonalPicksActive = false;
    OneBased<std::int16_t> PersonalNumbers;
    bool LinesFromPersonalPicks = false;
    OneBased<std::string> WheelLines;   // normalised: "1,2,3,4,5,6,"
    OneBased<std::string> WheelBackup;  // taken before an import, restored when the file is refused

    Game CurrentGameId() const { return CurrentGame; }

    // The statistics as the generators read them.
    GameStatistics Statistics() const {
        return GameStatistics{BallFrequency, BallLastDrawn, ThunderballFrequency, ThunderballLastDrawn};
    }

    // The loaded draw array of a record type.
    template <class Rec>
    OneBased<Rec>& Draws();
    template <class Rec>
    const OneBased<Rec>& Draws() const {
        return const_cast<AppState*>(this)->Draws<Rec>();
    }

    // The loaded draws of a game, and of the current game, as the engine reads them.
    DrawsView DrawsOf(Game game) const;
    DrawsView CurrentDraws() const { return DrawsOf(CurrentGameId()); }
};

template <>
inline OneBased<LottoDrawRec>& AppState::Draws<LottoDrawRec>() {
    return LottoDraws;
}
template <>
inline OneBased<LottoExtraDrawRec>& AppState::Draws<LottoExtraDrawRec>() {
    return LottoExtraDraws;
}
template <>
inline OneBased<ThunderballDrawRec>& AppState::Draws<ThunderballDrawRec>() {
    return ThunderballDraws;
}
template <>
inline OneBased<DailyPlayDrawRec>& AppState::Draws<DailyPlayDrawRec>() {
    return DailyPlayDraws;
}
template <>
inline OneBased<Lotto59DrawRec>& AppState::Draws<Lotto59DrawRec>() {
    return Lotto59Draws;
}
template <>
inline OneBased<Thunderball39DrawRec>& AppState::Draws<Thunderball39DrawRec>() {
    return Thunderball39Draws;
}

inline DrawsView AppState::DrawsOf(Game game) const {
    return WithDrawRecord(game,
                          [this]<class Rec>(RecordTag<Rec>) -> DrawsView { return std::cref(Draws<Rec>()); });
}

}  // namespace quintara
