#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Dates.h"
#include "core/Files.h"
#include "core/History.h"
#include "history/HistoryChange.h"
#include "history/HistoryCsv.h"
#include "history/HistoryUpdate.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"
#include "support/WriteFault.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

LottoDrawRec DrawOn(int day) {
    return LottoDrawRec{SerialFromCivil({2016, 1, day}), {1, 2, 3, 4, 5, 6}, 7, 1, "ARTHUR"};
}

// Eight processes add a draw each to one history at the same moment: each one told it succeeded finds
// its draw in the file, and the file holds nothing else new.
TEST(HistoryChangeTest, EightWritersAtOnceLoseNoDraw) {
    test::TempDir dir;
    test::HistoryBuilder<LottoDrawRec>().Draw({1, 2, 3, 4, 5, 6}, 7).WriteTo(dir.Path());
    constexpr int kWriters = 8;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> writers;
    for (int day = 1; day <= kWriters; ++day) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            char go = 0;
            ::close(start[1]);
            [[maybe_unused]] const auto got = ::read(start[0], &go, 1);
            const auto added = AddDraw(dir.Path(), DrawOn(day));
            // 0: added; 1: refused because another held the history, or added a later draw first;
            // 2: anything else.
            const auto refusedFor = [&](std::string_view why) {
                return added.error().text.find(why) != std::string::npos;
            };
            ::_exit(added.has_value()                                               ? 0
                    : refusedFor(kHistoryBusy) || refusedFor("must be dated after") ? 1
                                                                                    : 2);
        }
        writers.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);  // every writer starts now
    std::set<double> succeeded;
    for (int day = 1; day <= kWriters; ++day) {
        int status = 0;
        ::waitpid(writers[static_cast<std::size_t>(day - 1)], &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 2) << "writer " << day;
        if (WEXITSTATUS(status) == 0) {
            succeeded.insert(DrawOn(day).DrawDate);
        }
    }
    const auto draws = ReadHistory<LottoDrawRec>(dir.Path()).value();
    ASSERT_EQ(draws.Size(), succeeded.size() + 1);
    std::set<double> held;
    for (std::size_t i = 1; i < draws.Size(); ++i) {
        held.insert(draws[i].DrawDate);
    }
    EXPECT_EQ(held, succeeded);
    EXPECT_TRUE(test::Temporaries(dir.Path()).empty());
}

TEST(HistoryChangeTest, ABusyHistoryIsRefusedAndLeftAlone) {
    test::TempDir dir;
    const auto path = test::HistoryBuilder<LottoDrawRec>().Draw({1, 2, 3, 4, 5, 6}, 7).WriteTo(dir.Path());
    const std::string before = dir.Read("LottoHistory.dat");
    const auto held = LockHistory(path);
    ASSERT_TRUE(held.has_value());
    bool changed = false;
    const auto refused = ChangeHistory(
        path,
        [&](const std::string&) -> Expected<std::optional<std::string>> {
            changed = true;
            return std::optional<std::string>("x");
        },
        HistoryBackup::None, std::chrono::milliseconds(0));
    ASSERT_FALSE(refused.has_value());
    EXPECT_EQ(refused.error().text, path.string() + ": another Quintara is changing this history");
    EXPECT_FALSE(changed);
    EXPECT_EQ(dir.Read("LottoHistory.dat"), before);
    EXPECT_TRUE(fs::exists(HistoryLockPath(path)));

    // A history behind a link to nothing is refused as its link is: there is no file to lock.
    const auto dangling = dir / "LottoExtraHistory.dat";
    fs::create_symlink(dir / "gone.dat", dangling);
    EXPECT_EQ(LockHistory(dangling).error().text, FileBehindLinks(dangling).error().text);
}

// The backup is written before the history is replaced and takes its place only after it: a failure
// anywhere leaves the history and the backup there was, or says what was done. (Each failure of the
// history's own write is the atomic writer's case, FilesTest's; here the last of them.)
TEST(HistoryChangeTest, TheBackupFollowsTheNewHistoryAndKeepsItsPermissions) {
    const std::string header = HistoryCsvHeader(Game::Lotto) + "\n";
    const std::string csv = header + "2016-01-02,1,2,3,4,5,6,7,1,A\n";
    // What fails, its step and file, whether the history changes, and after the folder's path the error or
    // the warning of a change made.
    const std::tuple<const char*, WriteStep, const char*, bool, std::string> cases[] = {
        {"the backup cannot be written", WriteStep::Write, "LottoHistory.dat.bak", false,
         "/LottoHistory.dat.bak: write error (the disk is full); the history was left as it was"},
        {"the history cannot be renamed", WriteStep::Rename, "LottoHistory.dat", false,
         "/LottoHistory.dat: cannot replace the file (the disk is full)"},
        {"the backup cannot be renamed", WriteStep::Rename, "LottoHistory.dat.bak", true,
         "the history was changed, but the history as it was could not be kept: DIR/LottoHistory.dat.bak: "
         "cannot replace the file (the disk is full)"},
        {"nothing fails", WriteStep::Write, "none", true, ""},
    };
    for (const auto& [what, step, file, historyChanged, said] : cases) {
        SCOPED_TRACE(what);
        test::TempDir dir;
        const auto path =
            test::HistoryBuilder<LottoDrawRec>().Draw({1, 2, 3, 4, 5, 6}, 7).WriteTo(dir.Path());
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        dir.Write("LottoHistory.dat.bak", "older");
        const std::string before = dir.Read("LottoHistory.dat");
        const test::WriteFaultScope fault(step, file, ENOSPC);
        const auto report = ImportHistoryCsv(Game::Lotto, csv, dir.Path());
        std::string message = said;
        if (const auto at = message.find("DIR"); at != std::string::npos) {
            message.replace(at, 3, dir.Path().string());
        }
        if (historyChanged) {
            ASSERT_TRUE(report.has_value()) << report.error().text;
            EXPECT_EQ(report->saveWarning, message);
            EXPECT_NE(dir.Read("LottoHistory.dat"), before);
        } else {
            ASSERT_FALSE(report.has_value());
            EXPECT_EQ(report.error().text, dir.Path().string() + message);
            EXPECT_EQ(dir.Read("LottoHistory.dat"), before);
        }
        const bool backedUp = historyChanged && message.empty();
        EXPECT_EQ(dir.Read("LottoHistory.dat.bak"), backedUp ? before : "older");
        if (backedUp) {
            struct stat info {};
            ASSERT_EQ(::stat((dir / "LottoHistory.dat.bak").c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0600u);
        }
        EXPECT_TRUE(test::Temporaries(dir.Path()).empty());
    }

    // The rename is made and only the folder's flush fails: the draw is added, with a warning, so that
    // nobody adds it a second time.
    test::TempDir dir;
    test::HistoryBuilder<LottoDrawRec>().Draw({1, 2, 3, 4, 5, 6}, 7).WriteTo(dir.Path());
    const test::WriteFaultScope fault(WriteStep::FolderFlush, "LottoHistory.dat");
    const auto added = AddDraw(dir.Path(), DrawOn(2));
    ASSERT_TRUE(added.has_value());
    EXPECT_NE(added->warning.find("so it may not survive a power cut"), std::string::npos);
    EXPECT_EQ(HistoryDrawCount(Game::Lotto, dir.Path()).value(), 2);
}

}  // namespace
}  // namespace quintara
