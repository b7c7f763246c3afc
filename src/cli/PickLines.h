#pragma once

#include <string>
#include <vector>

#include "cli/Commands.h"
#include "generate/Generator.h"

namespace quintara::cli {

// --algorithm, --wheel, --wheel-file and --personal, as pick and check take them; the options made, so that
// a command can set them against its own.
std::vector<CLI::Option*> AddLineSourceOptions(CLI::App& command, PickOptions& options);

// The lines the options pick: the algorithm's, the wheel's and the generator's result.
struct PickedLinesRun {
    GeneratorRequest request;
    std::string wheelName;
    GeneratorResult result;
};

// Picks the lines as pick does; a bad option is a UsageError, a wheel or history that fails a Failure.
PickedLinesRun PickLines(Context& context, const PickOptions& options);

}  // namespace quintara::cli
