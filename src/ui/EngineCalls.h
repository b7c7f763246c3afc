#pragma once

#include "core/AppState.h"
#include "generate/Generator.h"
#include "simulate/Simulation.h"

namespace quintara::ui {

// The engine's entry points over the program's state: the one place where the windows build an engine
// call's arguments from AppState and store what it returns.

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
