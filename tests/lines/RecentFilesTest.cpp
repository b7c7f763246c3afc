#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

#include "lines/RecentFiles.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

// A settings store in memory, keys kept in index order as the desktop store returns them.
class FakeStore : public SettingsStore {
public:
    std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) override {
        if (failing) {
            throw std::runtime_error("store unavailable");
        }
        std::vector<std::pair<std::string, std::string>> pairs;
        if (const auto it = sections.find(std::string(section)); it != sections.end()) {
            for (const auto& [index, value] : it->second) {
                pairs.emplace_back("RecentFile" + std::to_string(index), value);
            }
        }
        return pairs;
    }
    void WriteSection(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& values) override {
        if (failing) {
            throw std::runtime_error("store unavailable");
        }
        for (const auto& [key, value] : values) {
            const auto index = std::stoi(key.substr(std::string_view("RecentFile").size()));
            sections[std::string(section)][index] = value;
        }
    }

    std::map<std::string, std::map<int, std::string>> sections;
    bool failing = false;
};

TEST(RecentFilesTest, AddKeepsTheFiveNewestFirstEachOnce) {
    RecentFiles recent;
    EXPECT_FALSE(recent.Shown());
    EXPECT_TRUE(recent.Captions().empty());
    for (const char* path : {"/d/one.lot", "/d/two.lot", "/d/three.lxt", "/d/four.thu", "/d/five.dly"}) {
        recent.Add(path);
    }
    recent.Add("C:\\Lines\\six.lot  ");
    EXPECT_EQ(recent.Captions(),
              (std::vector<std::string>{"six.lot", "five.dly", "four.thu", "three.lxt", "two.lot"}));
    EXPECT_EQ(recent.PathOfItem(0), "C:\\Lines\\six.lot");
    EXPECT_EQ(recent.PathOfItem(4), "/d/two.lot");
    EXPECT_THROW(recent.PathOfItem(5), std::out_of_range);

    // A file used again moves up instead of standing twice; an empty path names no file.
    RecentFiles twice;
    twice.Add("/d/same.lot");
    twice.Add("/d/other.lot");
    twice.Add("/d/same.lot");
    twice.Add("");
    EXPECT_EQ(twice.Captions(), (std::vector<std::string>{"same.lot", "other.lot"}));
}

TEST(RecentFilesTest, SurvivesARestartThroughTheStore) {
    FakeStore store;
    RecentFiles missing;
    missing.Load(store);
    EXPECT_FALSE(missing.Shown());
    missing.Save(store);  // every key empty, as the menu had no files
    EXPECT_EQ(store.sections["Recent Files"],
              (std::map<int, std::string>{{0, ""}, {1, ""}, {2, ""}, {3, ""}, {4, ""}}));

    // A stored empty value shows no item and the first file added stands alone.
    RecentFiles afterEmpty;
    afterEmpty.Load(store);
    EXPECT_FALSE(afterEmpty.Shown());
    afterEmpty.Add("/d/wheel.txt");
    EXPECT_EQ(afterEmpty.Captions(), std::vector<std::string>{"wheel.txt"});

    RecentFiles recent;
    for (const char* path : {"/d/a.lot", "/d/b.thu", "/d/c.txt"}) {
        recent.Add(path);
    }
    recent.Save(store);  // in one write of the store, as SavedLinesTest shows
    EXPECT_EQ(
        store.sections["Recent Files"],
        (std::map<int, std::string>{{0, "/d/a.lot"}, {1, "/d/b.thu"}, {2, "/d/c.txt"}, {3, ""}, {4, ""}}));
    RecentFiles restarted;
    restarted.Load(store);
    EXPECT_EQ(restarted, recent);

    // A list stored with repeats (and gaps) by an older version comes back with each path once, where
    // it was newest; saving it empties the keys it no longer fills.
    store.sections["Recent Files"] = {{0, "/d/w.txt"}, {1, "/d/a.lot"}, {2, "/d/w.txt"}, {4, "/d/w.txt"}};
    RecentFiles repeated;
    repeated.Load(store);
    EXPECT_EQ(repeated.Captions(), (std::vector<std::string>{"w.txt", "a.lot"}));
    repeated.Save(store);
    EXPECT_EQ(store.sections["Recent Files"][4], "");

    // Failures of the store are ignored.
    store.failing = true;
    recent.Save(store);
    RecentFiles unreadable;
    unreadable.Load(store);
    EXPECT_FALSE(unreadable.Shown());
}

TEST(RecentFilesTest, ChosenFilesByExtensionAndWheelGames) {
    using Kind = RecentFileTarget::Kind;
    const std::pair<const char*, RecentFileTarget> files[] = {
        // The games of the extensions are LinesFileTest's.
        {"C:\\Old\\saved.FIL", {Kind::Lines, Game::Lotto}},
        {"/d/wheel.TXT", {Kind::Wheel, std::nullopt}},
        {"/d/notes.doc", {}},
        {"", {}},
    };
    for (const auto& [path, target] : files) {
        EXPECT_EQ(ClassifyRecentFile(path), target) << path;
    }

    const std::pair<const char*, std::optional<Game>> wheels[] = {
        {"1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n", Game::Lotto},
        {"1 2 3 4 5\n", Game::Thunderball},
        {"1 2 3 4 5 6 7", Game::DailyPlay},
        {"1 2 3\n4 5 6\n", Game::Thunderball},  // the blanks are counted on across lines
        {"1 2 3 4 5 6 7 8\n1 2\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, game] : wheels) {
        EXPECT_EQ(GameOfWheelText(text), game) << text;
    }

    test::TempDir dir;
    EXPECT_EQ(*GameOfWheelFile(dir.Write("w.txt", "1 2 3 4 5 6 7\n")), Game::DailyPlay);
    EXPECT_EQ(*GameOfWheelFile(""), std::nullopt);
    EXPECT_FALSE(GameOfWheelFile(dir / "gone.txt").has_value());
}

}  // namespace
}  // namespace quintara
