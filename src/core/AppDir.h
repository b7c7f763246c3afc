#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Refusal.h"

namespace quintara {

// What the program is told at start-up about where its files may be; empty texts count as unset.
struct AppDirInputs {
    std::optional<std::string> option;       // --app-dir DIR
    std::optional<std::string> environment;  // QUINTARA_APP_DIR
    std::filesystem::path executableFolder;  // the folder holding the running program
    std::optional<std::string> xdgDataHome;  // XDG_DATA_HOME
    std::optional<std::string> home;         // HOME
};

// Which rule chose the application directory.
enum class AppDirRule { Option, Environment, ExecutableFolder, PerUser };

struct AppDirChoice {
    std::filesystem::path folder;
    AppDirRule rule = AppDirRule::Option;
    // Where the program's own files (wheels, help, pictures) are found when `folder` lacks them: the
    // install's share/quintara for the per-user folder, empty for the other rules.
    std::filesystem::path shareFolder{};
};

// The name of the per-user folder under the user's data folder.
inline constexpr const char* kPerUserFolderName = "Quintara";

// True when `folder` holds the program's files, as a build folder or an unpacked copy does.
bool HoldsProgramFiles(const std::filesystem::path& folder);

// The application directory: --app-dir, else QUINTARA_APP_DIR, else the executable's folder when it
// holds the program's files, else $XDG_DATA_HOME/Quintara or ~/.local/share/Quintara. Fails (Usage)
// only when none applies because neither XDG_DATA_HOME nor HOME is set.
Expected<AppDirChoice> ChooseAppDir(const AppDirInputs& inputs);

// Where an install keeps the files it ships: share/quintara beside the install's bin/.
std::filesystem::path ShareFolderOf(const std::filesystem::path& executableFolder);

// What filling the per-user folder did: the files copied, and one message per thing that failed.
struct ShareCopyReport {
    std::vector<std::string> copied;
    std::vector<std::string> problems;
};

// Copies into `userFolder` (made if missing) each shipped history of `shareFolder` that it lacks: the
// draws are the user's data from the first start on. A history that is there is never touched, and the
// program's own files (wheels, help, pictures) are never copied, so that a newer package reaches every
// user at once. Each copy is written whole or not at all; a failure names the file and goes on.
ShareCopyReport CopyMissingHistories(const std::filesystem::path& shareFolder,
                                     const std::filesystem::path& userFolder);

// A file of the program's own (a wheel, the help, a picture): the one in `folder` when the user has one
// there, else the shipped one in `shareFolder`. Without a share folder, or when neither has it, the name
// in `folder`, so that a message names the folder the user knows.
std::filesystem::path FindProgramFile(const std::filesystem::path& folder,
                                      const std::filesystem::path& shareFolder, std::string_view name);

// The application directory made ready: chosen, and when it is the per-user folder, given the shipped
// histories it lacks. `problems` are to be shown to the user; the program goes on with what it has.
struct PreparedAppDir {
    AppDirChoice choice;
    std::vector<std::string> problems;
};
Expected<PreparedAppDir> PrepareAppDir(const AppDirInputs& inputs);

// The inputs of the running process: its environment and the folder of its executable (`argv0` is the
// fallback when the system cannot tell where the executable is).
AppDirInputs ProcessAppDirInputs(std::optional<std::string> option, const char* argv0);

}  // namespace quintara
