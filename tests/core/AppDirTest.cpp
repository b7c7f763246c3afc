#include <gtest/gtest.h>

#include "core/AppDir.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

bool Mentions(const std::vector<std::string>& problems, const std::string& text) {
    for (const auto& problem : problems) {
        if (problem.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(AppDirTest, EachRuleInOrderFindsTheApplicationDirectory) {
    const test::TempDir temp;
    const fs::path built = temp / "build";
    const fs::path unpacked = temp / "copy";
    const fs::path installed = temp / "usr" / "bin";
    fs::create_directories(built);
    fs::create_directories(unpacked);
    fs::create_directories(installed);
    temp.Write("build/LottoHistory.dat", "");
    temp.Write("copy/Quintara.html", "");

    const std::optional<std::string> unset;
    // The inputs (option, environment, executable's folder, XDG_DATA_HOME, HOME), the folder and its rule.
    const std::tuple<AppDirInputs, fs::path, AppDirRule> cases[] = {
        {{"/opt/q/../mine", "/env", built, "/xdg", "/home/u"}, "/opt/mine", AppDirRule::Option},
        {{"", "/env", built, "/xdg", "/home/u"}, "/env", AppDirRule::Environment},  // an empty option
        {{unset, "", built, "/xdg", "/home/u"}, built, AppDirRule::ExecutableFolder},
        {{unset, unset, unpacked, "/xdg", "/home/u"}, unpacked, AppDirRule::ExecutableFolder},
        {{unset, unset, installed, "/xdg", "/home/u"}, "/xdg/Quintara", AppDirRule::PerUser},
        {{unset, unset, installed, unset, "/home/u"}, "/home/u/.local/share/Quintara", AppDirRule::PerUser},
        {{unset, unset, installed, "", "/home/u"}, "/home/u/.local/share/Quintara", AppDirRule::PerUser},
        {{unset, unset, installed, "data", "/home/u"}, "/home/u/.local/share/Quintara", AppDirRule::PerUser},
    };
    for (const auto& [inputs, folder, rule] : cases) {
        const auto choice = ChooseAppDir(inputs);
        ASSERT_TRUE(choice.has_value()) << folder;
        EXPECT_EQ(std::pair(choice->folder, choice->rule), std::pair(folder, rule));
    }

    const auto relative = ChooseAppDir({"here", unset, installed, unset, unset});
    EXPECT_EQ(relative->folder, fs::current_path() / "here");
    const auto nowhere = ChooseAppDir({unset, unset, installed, unset, unset});
    ASSERT_FALSE(nowhere.has_value());
    EXPECT_EQ(nowhere.error().cause, RefusalCause::Usage);
    EXPECT_NE(nowhere.error().text.find("neither XDG_DATA_HOME nor HOME is set"), std::string::npos);
}

TEST(AppDirTest, MissingHistoriesAreCopiedPresentOnesKeptAndProgramFilesReadWhereTheyAre) {
    const test::TempDir temp;
    fs::create_directories(temp / "share" / "help");
    fs::create_directories(temp / "user");
    temp.Write("share/LottoHistory.dat", "shipped history");
    temp.Write("share/ThunderballHistory.dat", "shipped draws");
    temp.Write("share/5 Line Wheel - 1 Number from 28_Lotto.txt", "1 2 3 4 5 6\r\n");
    temp.Write("share/Quintara.html", "<html/>");
    temp.Write("share/help/nested.txt", "not shipped");
    temp.Write("user/LottoHistory.dat", "the user's own draws");
    // An install's share folder and files are read-only to the user; the copies must not be.
    fs::permissions(temp / "share" / "ThunderballHistory.dat", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(temp / "share", fs::perms::owner_read | fs::perms::owner_exec);

    const ShareCopyReport first = CopyMissingHistories(temp / "share", temp / "user");
    EXPECT_TRUE(first.problems.empty());
    EXPECT_EQ(first.copied, std::vector<std::string>{"ThunderballHistory.dat"});
    EXPECT_EQ(temp.Read("user/LottoHistory.dat"), "the user's own draws");
    EXPECT_EQ(temp.Read("user/ThunderballHistory.dat"), "shipped draws");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp / "user"), {}), 2);
    EXPECT_NE(fs::status(temp / "user" / "ThunderballHistory.dat").permissions() & fs::perms::owner_write,
              fs::perms::none);
    fs::permissions(temp / "share", fs::perms::owner_all);

    // The program's own files: the user's copy where there is one, else the shipped one; without a
    // share folder, or found nowhere, the name in the user's folder.
    temp.Write("user/Quintara.html", "the user's manual");
    const std::string wheel = "\\5 Line Wheel - 1 Number from 28_Lotto.txt";
    EXPECT_EQ(FindProgramFile(temp / "user", temp / "share", "Quintara.html"),
              temp / "user" / "Quintara.html");
    EXPECT_EQ(FindProgramFile(temp / "user", temp / "share", wheel),
              temp / "share" / "5 Line Wheel - 1 Number from 28_Lotto.txt");
    EXPECT_EQ(FindProgramFile(temp / "user", temp / "share", "gone.png"), temp / "user" / "gone.png");
    EXPECT_EQ(FindProgramFile(temp / "user", "", wheel),
              temp / "user" / "5 Line Wheel - 1 Number from 28_Lotto.txt");
}

// The tests run as root, whom permission bits do not refuse; the failures are provoked with paths that
// cannot work for anyone: a folder under a regular file, a dangling link (a folder that is a file fails the
// same way).
TEST(AppDirTest, UnreadableShareAndUnwritableUserFoldersGiveMessagesNamingThem) {
    const test::TempDir temp;
    fs::create_directories(temp / "share");
    temp.Write("share/DailyPlayHistory.dat", "a");
    temp.Write("share/ThunderballHistory.dat", "c");
    fs::create_symlink(temp / "gone", temp / "share" / "LottoHistory.dat");
    temp.Write("file", "");

    const ShareCopyReport underFile = CopyMissingHistories(temp / "share", temp / "file" / "Quintara");
    ASSERT_EQ(underFile.problems.size(), 1U);
    EXPECT_TRUE(
        Mentions(underFile.problems, "Cannot make the folder " + (temp / "file" / "Quintara").string()));
    EXPECT_TRUE(underFile.copied.empty());

    const ShareCopyReport noShare = CopyMissingHistories(temp / "nothing", temp / "user1");
    EXPECT_TRUE(
        Mentions(noShare.problems, "Cannot read the shipped files in " + (temp / "nothing").string()));

    const ShareCopyReport dangling = CopyMissingHistories(temp / "share", temp / "user3");
    EXPECT_EQ(dangling.copied, (std::vector<std::string>{"DailyPlayHistory.dat", "ThunderballHistory.dat"}));
    ASSERT_EQ(dangling.problems.size(), 1U);
    EXPECT_TRUE(Mentions(dangling.problems, "Cannot copy the shipped file LottoHistory.dat"));
    EXPECT_FALSE(fs::exists(temp / "user3" / "LottoHistory.dat"));
}

TEST(AppDirTest, OnlyThePerUserFolderIsFilledFromTheInstallsShareFolder) {
    const test::TempDir temp;
    fs::create_directories(temp / "usr" / "bin");
    fs::create_directories(temp / "usr" / "share" / "quintara");
    temp.Write("usr/share/quintara/LottoHistory.dat", "shipped");
    const fs::path bin = temp / "usr" / "bin";
    const std::string home = (temp / "home").string();

    const auto installed = PrepareAppDir({std::nullopt, std::nullopt, bin, std::nullopt, home});
    // A fresh per-user folder (the rules' order is the first test's) is made with its parents and filled.
    ASSERT_TRUE(installed.has_value());
    EXPECT_EQ(installed->choice.shareFolder, temp / "usr" / "share" / "quintara");
    EXPECT_TRUE(installed->problems.empty());
    EXPECT_EQ(temp.Read("home/.local/share/Quintara/LottoHistory.dat"), "shipped");

    const auto chosen = PrepareAppDir({(temp / "mine").string(), std::nullopt, bin, std::nullopt, home});
    EXPECT_EQ(chosen->choice.rule, AppDirRule::Option);
    EXPECT_TRUE(chosen->choice.shareFolder.empty());
    EXPECT_FALSE(fs::exists(temp / "mine"));

    const auto noShare = PrepareAppDir({std::nullopt, std::nullopt, temp / "elsewhere", std::nullopt, home});
    EXPECT_TRUE(Mentions(noShare->problems, (temp / "share" / "quintara").string()));
}

}  // namespace
}  // namespace quintara
