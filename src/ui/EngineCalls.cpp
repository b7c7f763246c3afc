#include "ui/EngineCalls.h"

#include <utility>

#include "core/History.h"

namespace quintara::ui {

Checked LoadCurrentHistory(AppState& state, const std::filesystem::path& appDir) {
    const Game game = state.CurrentGameId();
    Expected<LoadedHistory> loaded = LoadHistory(game, appDir);
    if (!loaded) {
        return Refuse(loaded.error());
    }
    std::visit(
        [&state]<class Rec>(OneBased<Rec>& draws) {
            state.Draws<Rec>() = std::move(draws);
            state.LastDraw = static_cast<std::int32_t>(state.Draws<Rec>().Size());
        },
        loaded->draws);
    state.FirstDraw = 1;
    state.CurrentDraw = 1;
    GameStatistics& stats = loaded->statistics;
    state.BallFrequency = std::move(stats.BallFrequency);
    state.BallLastDrawn = std::move(stats.BallLastDrawn);
    if (Info(game).extraStatistics) {
        state.ThunderballFrequency = std::move(stats.ThunderballFrequency);
        state.ThunderballLastDrawn = std::move(stats.ThunderballLastDrawn);
    }
    return {};
}

void ForgetHistory(AppState& state) {
    WithDrawRecord(state.CurrentGameId(), [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        state.Draws<Rec>().Clear();
    });
    state.FirstDraw = 1;
    state.LastDraw = 0;
    state.CurrentDraw = 0;
    state.BallFrequency.Clear();
    state.BallLastDrawn.Clear();
    state.ThunderballFrequency.Clear();
    state.ThunderballLastDrawn.Clear();
}

GeneratorRequest RequestFromState(const AppState& state, double today) {
    GeneratorRequest request;
    request.game = state.CurrentGameId();
    request.algorithm = state.SelectedAlgorithm;
    request.GeneratorMode = state.GeneratorMode;
    request.PersonalPicksActive = state.PersonalPicksActive;
    request.PersonalNumbers = state.PersonalNumbers;
    request.today = today;
    return request;
}

void RunGenerator(AppState& state, double today) {
    GeneratorResult result = GenerateNumbers(RequestFromState(state, today), state.Statistics(),
                                             state.WheelLines, state.LottoDraws);
    state.FinalNumbers = std::move(result.FinalNumbers);
    if (result.SevenNumbers) {
        state.SevenNumbers = std::move(*result.SevenNumbers);
    }
    state.PickedLines = std::move(result.PickedLines);
    state.DailyPlayPickedLines = std::move(result.DailyPlayPickedLines);
    state.LinesGeneratedDate = result.LinesGeneratedDate;
}

SimulationResult SimulateOverState(const AppState& state, const GeneratorRequest& request, std::int32_t n,
                                   SimulationCommand command) {
    return RunSimulation(state.DrawsOf(request.game), request, state.WheelLines, n, command,
                         state.LottoDraws);
}

}  // namespace quintara::ui
