#pragma once

#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "generate/Generator.h"

namespace quintara::cli {

// A generator run as the options choose it: the request, the wheel's lines and the wheel's list item.
struct GeneratorSetup {
    GeneratorRequest request;
    OneBased<std::string> wheelLines;
    std::string wheelName;
};

// Checks the generator options against the game and reads the wheel they name; refusals end the command.
GeneratorSetup SetUpGenerator(const Context& context, Game game, const GeneratorChoice& choice);

// Today in the local calendar, as a day serial.
double Today();

}  // namespace quintara::cli
