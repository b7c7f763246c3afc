#include "ui/EngineCalls.h"

#include <utility>

namespace quintara::ui {

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
