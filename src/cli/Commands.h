#pragma once

#include <string>
#include <vector>

#include "cli/CliSupport.h"

namespace quintara::cli {

// One command of quintara-cli: its name, its usage text and what runs it.
struct Command {
    const char* name;
    const char* summary;
    const char* usage;  // printed by --help, and after a usage error
    int (*run)(Context& context, const std::vector<std::string>& words);
};

// Every command, in the order the general help lists them.
const std::vector<Command>& AllCommands();

// The history commands.
int RunImportHistory(Context& context, const std::vector<std::string>& words);
int RunExportHistory(Context& context, const std::vector<std::string>& words);
int RunDraws(Context& context, const std::vector<std::string>& words);
int RunStats(Context& context, const std::vector<std::string>& words);

// The generation commands.
int RunFinal(Context& context, const std::vector<std::string>& words);
int RunPick(Context& context, const std::vector<std::string>& words);
int RunWheelCheck(Context& context, const std::vector<std::string>& words);

}  // namespace quintara::cli
