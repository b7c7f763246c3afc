#include "core/AppDir.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "core/Files.h"
#include "core/Games.h"

namespace quintara {

namespace {

namespace fs = std::filesystem;

bool IsHistoryFileName(const std::string& name) {
    return std::any_of(kAllGames.begin(), kAllGames.end(),
                       [&](Game game) { return Info(game).historyFile == name; });
}

// Files that only a folder of the program's own holds: the shipped Lotto history and the help manual.
constexpr const char* kProgramFileMarkers[] = {"LottoHistory.dat", "Quintara.html"};

std::optional<std::string> Given(const std::optional<std::string>& text) {
    if (text && !text->empty()) {
        return text;
    }
    return std::nullopt;
}

fs::path Absolute(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

std::optional<std::string> Environment(const char* name) {
    if (const char* value = std::getenv(name)) {
        return std::string(value);
    }
    return std::nullopt;
}

}  // namespace

bool HoldsProgramFiles(const fs::path& folder) {
    return std::any_of(std::begin(kProgramFileMarkers), std::end(kProgramFileMarkers), [&](const char* name) {
        std::error_code ec;
        return fs::is_regular_file(folder / name, ec);
    });
}

Expected<AppDirChoice> ChooseAppDir(const AppDirInputs& inputs) {
    if (const auto option = Given(inputs.option)) {
        return AppDirChoice{Absolute(*option), AppDirRule::Option};
    }
    if (const auto environment = Given(inputs.environment)) {
        return AppDirChoice{Absolute(*environment), AppDirRule::Environment};
    }
    if (!inputs.executableFolder.empty() && HoldsProgramFiles(inputs.executableFolder)) {
        return AppDirChoice{inputs.executableFolder, AppDirRule::ExecutableFolder};
    }
    // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored like an unset one.
    if (const auto xdg = Given(inputs.xdgDataHome); xdg && fs::path(*xdg).is_absolute()) {
        return AppDirChoice{fs::path(*xdg).lexically_normal() / kPerUserFolderName, AppDirRule::PerUser};
    }
    if (const auto home = Given(inputs.home)) {
        return AppDirChoice{fs::path(*home).lexically_normal() / ".local" / "share" / kPerUserFolderName,
                            AppDirRule::PerUser};
    }
    return Refuse(RefusalCause::Usage,
                  "Quintara cannot tell where to keep its files: neither XDG_DATA_HOME nor HOME is set. "
                  "Give --app-dir DIR or set QUINTARA_APP_DIR.");
}

fs::path ShareFolderOf(const fs::path& executableFolder) {
    return (executableFolder.parent_path() / "share" / "quintara").lexically_normal();
}

ShareCopyReport CopyMissingHistories(const fs::path& shareFolder, const fs::path& userFolder) {
    ShareCopyReport report;
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    if (ec || !fs::is_directory(userFolder)) {
        report.problems.push_back(
            "Cannot make the folder " + userFolder.string() +
            " for Quintara's files: " + (ec ? ec.message() : "a file of that name is in the way"));
        return report;
    }

    std::vector<fs::path> shipped;
    for (fs::directory_iterator it(shareFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError) && IsHistoryFileName(it->path().filename().string())) {
            shipped.push_back(it->path());
        }
    }
    if (ec) {
        report.problems.push_back("Cannot read the shipped files in " + shareFolder.string() + ": " +
                                  ec.message());
        return report;
    }
    std::sort(shipped.begin(), shipped.end());

    for (const auto& source : shipped) {
        const fs::path target = userFolder / source.filename();
        std::error_code statusError;
        const auto status = fs::symlink_status(target, statusError);
        if (status.type() != fs::file_type::not_found) {
            if (statusError) {
                report.problems.push_back("Cannot tell whether " + target.string() +
                                          " is there: " + statusError.message());
            }
            continue;
        }
        const auto bytes = ReadWholeFile(source);
        if (!bytes) {
            report.problems.push_back("Cannot copy the shipped file " + source.filename().string() + ": " +
                                      bytes.error().text);
            continue;
        }
        if (const auto written = WriteFileAtomically(target, *bytes); !written) {
            report.problems.push_back("Cannot copy the shipped file " + source.filename().string() + ": " +
                                      written.error().text);
            continue;
        }
        report.copied.push_back(source.filename().string());
    }
    return report;
}

fs::path FindProgramFile(const fs::path& folder, const fs::path& shareFolder, std::string_view name) {
    fs::path own = InAppDir(folder, name);
    if (shareFolder.empty()) {
        return own;
    }
    std::error_code ec;
    if (fs::exists(own, ec)) {
        return own;
    }
    const fs::path shipped = InAppDir(shareFolder, name);
    return fs::exists(shipped, ec) ? shipped : own;
}

Expected<PreparedAppDir> PrepareAppDir(const AppDirInputs& inputs) {
    auto choice = ChooseAppDir(inputs);
    if (!choice) {
        return Refuse(choice.error());
    }
    PreparedAppDir prepared{*choice, {}};
    if (choice->rule == AppDirRule::PerUser) {
        prepared.choice.shareFolder = ShareFolderOf(inputs.executableFolder);
        prepared.problems = CopyMissingHistories(prepared.choice.shareFolder, choice->folder).problems;
    }
    return prepared;
}

AppDirInputs ProcessAppDirInputs(std::optional<std::string> option, const char* argv0) {
    AppDirInputs inputs;
    inputs.option = std::move(option);
    inputs.environment = Environment("QUINTARA_APP_DIR");
    inputs.xdgDataHome = Environment("XDG_DATA_HOME");
    inputs.home = Environment("HOME");
    std::error_code ec;
    fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr) {
        executable = Absolute(argv0);
    }
    inputs.executableFolder = executable.parent_path();
    return inputs;
}

}  // namespace quintara
