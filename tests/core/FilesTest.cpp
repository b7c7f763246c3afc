#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Files.h"
#include "support/TempDir.h"
#include "support/WriteFault.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

mode_t Permissions(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(FilesTest, EveryReadErrorNamesTheFileAndItsReason) {
    test::TempDir dir;
    const auto missing = ReadWholeFile(dir / "none.txt");
    EXPECT_EQ(missing.error().cause, RefusalCause::Missing);
    EXPECT_EQ(missing.error().text, (dir / "none.txt").string() + ": no such file");

    fs::create_directory(dir / "folder.txt");
    const auto folder = ReadWholeFile(dir / "folder.txt");
    EXPECT_EQ(folder.error().cause, RefusalCause::Unreadable);
    EXPECT_EQ(folder.error().text, (dir / "folder.txt").string() + ": is a folder, not a file");

    const auto locked = dir.Write("locked.txt", "secret");
    fs::permissions(locked, fs::perms::none);
    if (::geteuid() != 0) {  // permissions do not bind the superuser
        EXPECT_EQ(ReadWholeFile(locked).error().text, locked.string() + ": no permission to read it");
    }

    EXPECT_EQ(ReadWholeFile(dir.Write("empty.txt", "")).value(), "");
    EXPECT_EQ(ReadWholeFile(dir.Write("bytes.bin", std::string("a\0b\r\n", 5))).value(),
              std::string("a\0b\r\n", 5));
}

TEST(FilesTest, TheAtomicWriterReplacesKeepingPermissionBitsAndLeavesNoTemporary) {
    test::TempDir dir;
    const auto path = dir / "LottoHistory.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "first").has_value());
    EXPECT_EQ(dir.Read("LottoHistory.dat"), "first");

    for (const mode_t mode : {0640u, 0600u, 0664u, 0444u}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "mode " + std::to_string(mode)).has_value());
        EXPECT_EQ(Permissions(path), mode);
        EXPECT_EQ(dir.Read("LottoHistory.dat"), "mode " + std::to_string(mode));
    }
    EXPECT_TRUE(test::Temporaries(dir.Path()).empty());

    // Failures name the path and leave nothing behind.
    fs::create_directory(dir / "folder");
    const auto folder = WriteFileAtomically(dir / "folder", "x");
    EXPECT_EQ(folder.error().text, (dir / "folder").string() + ": is a folder, not a file");
    const auto noFolder = WriteFileAtomically(dir / "missing" / "file", "x");
    EXPECT_EQ(noFolder.error().cause, RefusalCause::Unwritable);
    EXPECT_EQ(noFolder.error().text,
              (dir / "missing" / "file").string() + ": cannot be written (no such file or folder)");
    EXPECT_TRUE(test::Temporaries(dir.Path()).empty());
}

// What a failing disk does to a write: every failure before the rename leaves the old file and nothing
// else; a folder that cannot be flushed after it leaves the new file and says it may not survive.
TEST(FilesTest, AFailingDiskLeavesTheOldFileOrSaysTheNewOneMayNotSurvive) {
    const struct {
        WriteStep step;
        Durability durability;
        std::string error;  // after the path; empty for a write that succeeds
    } cases[] = {
        {WriteStep::Write, Durability::Flushed, ": write error (the disk is full)"},
        {WriteStep::Flush, Durability::Flushed, ": cannot be flushed to disk (the disk is full)"},
        {WriteStep::Rename, Durability::Flushed, ": cannot replace the file (the disk is full)"},
        {WriteStep::FolderFlush, Durability::Flushed, ""},
        {WriteStep::Flush, Durability::Scratch, ""},  // a scratch file is never flushed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        test::TempDir dir;
        const auto path = dir.Write("LottoHistory.dat", "old");
        const test::WriteFaultScope fault(c.step, "LottoHistory.dat", ENOSPC);
        const auto written = WriteFileAtomically(path, "new", c.durability);
        EXPECT_EQ(dir.Read("LottoHistory.dat"), c.error.empty() ? "new" : "old");
        EXPECT_TRUE(test::Temporaries(dir.Path()).empty());
        if (!c.error.empty()) {
            ASSERT_FALSE(written.has_value());
            EXPECT_EQ(written.error().text, path.string() + c.error);
        } else if (c.step == WriteStep::FolderFlush) {
            EXPECT_EQ(written->warning, path.string() +
                                            ": the change was made, but its folder cannot be flushed to disk "
                                            "(the disk is full), so it may not survive a power cut");
        } else {
            EXPECT_EQ(written->warning, "");
        }
    }
}

TEST(FilesTest, ALinkIsWrittenThroughAndALinkToNothingIsAnError) {
    test::TempDir dir;
    fs::create_directory(dir / "drive");
    const auto target = dir.Write("drive/LottoHistory.dat", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    const auto link = dir / "LottoHistory.dat";
    fs::create_symlink("drive/LottoHistory.dat", link);
    ASSERT_TRUE(WriteFileAtomically(link, "new").has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.Read("drive/LottoHistory.dat"), "new");
    EXPECT_EQ(Permissions(target), 0600u);

    // The drive is gone: neither read nor written, and nothing is put in the link's place.
    fs::remove_all(dir / "drive");
    const std::string dangling = link.string() + ": is a symbolic link to " +
                                 (dir / "drive/LottoHistory.dat").string() + ", which does not exist";
    EXPECT_EQ(ReadWholeFile(link).error().text, dangling);
    EXPECT_EQ(ReadWholeFile(link).error().cause, RefusalCause::Unreadable);
    EXPECT_EQ(WriteFileAtomically(link, "new").error().text, dangling);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_FALSE(CreateEmptyFile(link));
    EXPECT_FALSE(fs::exists(dir / "drive"));

    // Links are followed as far as the system follows them, 40, and no further.
    const auto file = dir.Write("0", "end");
    for (int n = 1; n <= 41; ++n) {
        fs::create_symlink(std::to_string(n - 1), dir / std::to_string(n));
    }
    EXPECT_EQ(FileBehindLinks(dir / "40").value(), file);
    EXPECT_EQ(FileBehindLinks(dir / "41").error().text,
              (dir / "41").string() + ": is a chain of symbolic links too long to follow");
}

// A killed writer leaves its temporary file; the next write in the folder removes it, but never one a
// running writer holds, nor any other file.
TEST(FilesTest, TemporariesOfKilledWritersAreRemovedByTheNextWrite) {
    test::TempDir dir;
    const auto killed = dir.Write(".LottoHistory.dat.quintara-a1B2c3.tmp", "half");
    const auto running = dir.Write(".saved.lot.quintara-x9Y8z7.tmp", "busy");
    const int held = ::open(running.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // One of an earlier version, named after its process, which has ended.
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    dir.Write("LottoHistory.dat", "draws");
    const auto earlier = dir.Write(".LottoHistory.dat." + std::to_string(child) + "-0.tmp", "half");
    const timespec longAgo[2] = {{0, 0}, {0, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, earlier.c_str(), longAgo, 0), 0);
    const auto mine = dir.Write(".notes.quintara-draft.tmp", "the user's own");

    ASSERT_TRUE(WriteFileAtomically(dir / "Print Temp", "listing", Durability::Scratch).has_value());
    EXPECT_FALSE(fs::exists(killed) || fs::exists(earlier));
    EXPECT_TRUE(fs::exists(running) && fs::exists(mine));
    ::close(held);
}

TEST(FilesTest, AFileLargerThanTheLimitIsNotRead) {
    test::TempDir dir;
    const auto path = dir.Write("lines.lot", "12345");
    EXPECT_EQ(ReadWholeFile(path, 5).value(), "12345");
    EXPECT_EQ(ReadWholeFile(path, 4).error().text,
              path.string() + ": is 5 bytes long, larger than any such file (at most 4 bytes)");
}

// A FIFO whose writer has written everything and gone before the reader waits is still read whole: the
// bytes wait in the FIFO as long as a reader holds it open (here the test's own descriptor).
TEST(FilesTest, AFifoWhoseWriterHasAlreadyGoneIsReadWhole) {
    test::TempDir dir;
    const auto fifo = dir.Path() / "draws.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int held = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "a,b\n", 4), 4);
    ::close(writer);
    EXPECT_EQ(ReadInputFile(fifo, InputKinds::PipesToo).value(), "a,b\n");
    ::close(held);
}

}  // namespace
}  // namespace quintara
