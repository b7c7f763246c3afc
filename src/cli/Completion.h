#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace quintara::cli {

// The shells a completion script can be written for.
inline constexpr const char* kCompletionShells[] = {"bash", "zsh", "fish"};

// A script that completes quintara-cli's commands, their options and the values of --game and of file
// options in `shell`, read from the command line's own table so that it never lags behind it. Nothing
// for a shell it does not know.
std::optional<std::string> CompletionScript(const CLI::App& app, std::string_view shell);

}  // namespace quintara::cli
