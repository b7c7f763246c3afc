#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Files.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

namespace fs = std::filesystem;

// The writer's leftovers in a folder: every hidden temporary file.
std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".") && name.ends_with(".tmp") && !entry.is_symlink()) {
            names.push_back(name);
        }
    }
    return names;
}

mode_t Permissions(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(FilesTest, EveryReadErrorNamesTheFileAndItsReason) {
    test::TempDir dir;
    const auto missing = ReadWholeFile(dir / "none.txt");
    EXPECT_EQ(missing.GetError().kind, ErrorKind::Missing);
    EXPECT_EQ(missing.GetError().message, (dir / "none.txt").string() + ": no such file");

    fs::create_directory(dir / "folder.txt");
    const auto folder = ReadWholeFile(dir / "folder.txt");
    EXPECT_EQ(folder.GetError().kind, ErrorKind::Unreadable);
    EXPECT_EQ(folder.GetError().message, (dir / "folder.txt").string() + ": is a folder, not a file");

    const auto locked = dir.Write("locked.txt", "secret");
    fs::permissions(locked, fs::perms::none);
    if (::geteuid() != 0) {  // permissions do not bind the superuser
        EXPECT_EQ(ReadWholeFile(locked).GetError().message, locked.string() + ": no permission to read it");
    }

    EXPECT_EQ(ReadWholeFile(dir.Write("empty.txt", "")).Value(), "");
    EXPECT_EQ(ReadWholeFile(dir.Write("bytes.bin", std::string("a\0b\r\n", 5))).Value(),
              std::string("a\0b\r\n", 5));
}

TEST(FilesTest, TheAtomicWriterReplacesKeepingPermissionBitsAndLeavesNoTemporary) {
    test::TempDir dir;
    const auto path = dir / "LottoHistory.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "first").Ok());
    EXPECT_EQ(dir.Read("LottoHistory.dat"), "first");

    for (const mode_t mode : {0640u, 0600u, 0664u, 0444u}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "mode " + std::to_string(mode)).Ok());
        EXPECT_EQ(Permissions(path), mode);
        EXPECT_EQ(dir.Read("LottoHistory.dat"), "mode " + std::to_string(mode));
    }
    EXPECT_TRUE(Temporaries(dir.Path()).empty());

    // Failures name the path and leave nothing behind.
    fs::create_directory(dir / "folder");
    const Status folder = WriteFileAtomically(dir / "folder", "x");
    EXPECT_EQ(folder.GetError().message, (dir / "folder").string() + ": is a folder, not a file");
    const Status noFolder = WriteFileAtomically(dir / "missing" / "file", "x");
    EXPECT_EQ(noFolder.GetError().kind, ErrorKind::Unwritable);
    EXPECT_EQ(noFolder.GetError().message,
              (dir / "missing" / "file").string() + ": cannot be written (no such file or folder)");
    EXPECT_TRUE(Temporaries(dir.Path()).empty());
}

TEST(FilesTest, APlantedLinkAtEveryTemporaryNameIsNeverFollowed) {
    test::TempDir dir;
    const auto path = dir / "saved.lot";
    dir.Write("saved.lot", "old");
    // A link at every name the writer may choose, each pointing at a victim file of its own.
    std::vector<fs::path> victims;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const fs::path name = TemporaryNameFor(path, attempt);
        EXPECT_EQ(name.parent_path(), dir.Path());
        victims.push_back(dir.Write("victim" + std::to_string(attempt), "victim"));
        fs::create_symlink(victims.back(), name);
    }
    const Status refused = WriteFileAtomically(path, "new");
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(refused.GetError().message,
              path.string() + ": cannot be written: every temporary name beside it is taken");
    EXPECT_EQ(dir.Read("saved.lot"), "old");
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        EXPECT_EQ(dir.Read("victim" + std::to_string(attempt)), "victim");
        EXPECT_TRUE(fs::is_symlink(TemporaryNameFor(path, attempt)));
    }

    // With a free name left the writer takes it, and still follows no link; dangling links too.
    fs::remove(TemporaryNameFor(path, kTemporaryNameAttempts - 1));
    fs::remove(victims[0]);
    ASSERT_TRUE(WriteFileAtomically(path, "new").Ok());
    EXPECT_EQ(dir.Read("saved.lot"), "new");
    EXPECT_FALSE(fs::exists(victims[0]));
    for (int attempt = 1; attempt < kTemporaryNameAttempts; ++attempt) {
        EXPECT_EQ(dir.Read("victim" + std::to_string(attempt)), "victim");
    }
    EXPECT_TRUE(Temporaries(dir.Path()).empty());
}

}  // namespace
}  // namespace quintara
