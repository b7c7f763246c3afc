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

// Checks the generator options of pick, check and simulate against the game and reads the wheel they
// name; refusals end the command.
GeneratorSetup SetUpGenerator(Context& context, const PickOptions& options);

}  // namespace quintara::cli
