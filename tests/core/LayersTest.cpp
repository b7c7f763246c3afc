#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every include of the sources under src/<folder>, as "file: included".
std::vector<std::string> IncludesUnder(const std::string& folder) {
    const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::vector<std::string> found;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(QUINTARA_SOURCE_DIR) / "src" / folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            std::smatch match;
            if (std::regex_search(line, match, include)) {
                found.push_back(fs::relative(entry.path(), QUINTARA_SOURCE_DIR).string() + ": " +
                                match[1].str());
            }
        }
    }
    return found;
}

bool Includes(const std::string& include, const std::vector<std::string>& prefixes) {
    const std::string header = include.substr(include.find(": ") + 2);
    for (const auto& prefix : prefixes) {
        if (header.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

// Dependencies point one way: the engine knows no window, the windows know no Qt, the form kit knows no
// program window, and the Qt layer renders any form without knowing the program's windows.
TEST(LayersTest, NoFolderIncludesALayerAboveIt) {
    const std::vector<std::string> qt{"Q", "qt/", "qt6/"};
    const std::vector<std::string> ui{"ui/"};
    struct Rule {
        std::string folder;
        std::vector<std::string> forbidden;
    };
    const std::vector<Rule> rules{
        {"core", {"ui/", "qt/", "Q", "generate/", "lines/", "check/", "history/", "stats/", "cli/"}},
        {"generate", {"ui/", "qt/", "Q", "cli/"}},
        {"history", {"ui/", "qt/", "Q", "cli/"}},
        {"lines", {"ui/", "qt/", "Q", "cli/"}},
        {"check", {"ui/", "qt/", "Q", "cli/"}},
        {"stats", {"ui/", "qt/", "Q", "cli/"}},
        {"cli", {"ui/", "qt/", "Q"}},
        {"ui", {"qt/", "Q"}},
        {"formkit",
         {"ui/main/", "ui/picks/", "ui/start/", "ui/lines/", "ui/check/", "ui/simulate/", "ui/stats/",
          "ui/history/", "ui/App.h", "core/", "generate/"}},
        {"qt",
         {"ui/main/", "ui/picks/", "ui/start/", "ui/lines/", "ui/check/", "ui/simulate/", "ui/stats/",
          "ui/history/", "ui/App.h"}},
    };
    for (const auto& rule : rules) {
        if (!fs::exists(fs::path(QUINTARA_SOURCE_DIR) / "src" / rule.folder)) {
            continue;
        }
        for (const auto& include : IncludesUnder(rule.folder)) {
            EXPECT_FALSE(Includes(include, rule.forbidden)) << include;
        }
    }
}

}  // namespace
