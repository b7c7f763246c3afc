#pragma once

#include <filesystem>

#include "core/AppState.h"
#include "core/Refusal.h"
#include "generate/Generator.h"
#include "simulate/Simulation.h"

namespace quintara::ui {

// The engine's entry points over the program's state: the one place where the windows build an engine
// call's arguments from AppState and store what it returns.

// Loads the history of the current game into its draw array, sets FirstDraw, LastDraw and CurrentDraw
// and stores the statistics (the Thunderball's only for a game that has them). On failure the state is
// left as it was; a missing file stays missing.
Checked LoadCurrentHistory(AppState& state, const std::filesystem::path& appDir);

// After a failed load: the current game has no draws and no statistics, so nothing that follows can show
// or use another game's (or an older file's) draws under this game's name.
void ForgetHistory(AppState& state);

// The request of a generator run over the program's state: the selected algorithm, the generator mode and
// the personal picks, dated `today`.
GeneratorRequest RequestFromState(const AppState& state, double today);

// One generator run over the program's state (its statistics, loaded wheel and Lotto history), storing the
// final numbers, the seven numbers of a seven-number run and the lines. Throws GenerateError when the lines
// cannot be made; the state then keeps the previous run.
void RunGenerator(AppState& state, double today);

// A simulation over the program's state: the draws of request.game, the loaded wheel and the Lotto draws.
// Nothing in the state changes.
SimulationResult SimulateOverState(const AppState& state, const GeneratorRequest& request, std::int32_t n,
                                   SimulationCommand command);

}  // namespace quintara::ui
