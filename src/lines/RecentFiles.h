#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Games.h"
#include "core/Refusal.h"

namespace quintara {

// What the recent-file list needs of the per-user settings store of the application "Quintara".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Every key and value of a section, in the order of the keys' indices; none when it is missing.
    virtual std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) = 0;
    // Writes every pair of a section at once: the store reaches the disk once, not once per value.
    virtual void WriteSection(std::string_view section,
                              const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

inline constexpr std::string_view kSettingsApplication = "Quintara";
inline constexpr std::string_view kRecentFilesSection = "Recent Files";
inline constexpr std::string_view kRecentFileKey = "RecentFile";  // followed by the index, 0 to 4

// A recent file that can no longer be opened.
inline constexpr std::string_view kRecentFileMissingText = "Unable to open the requested File";
inline constexpr std::string_view kRecentFileMissingTitle = "Error";

// The File menu's list of recently used files: saved-lines files and wheel files, at most five, each once.
class RecentFiles {
public:
    static constexpr std::size_t kMostFiles = 5;

    // Adds the path (without trailing blanks) as the newest, moving it up when it is listed already; a sixth
    // file drops the oldest. An empty path names no file and adds nothing.
    void Add(std::string_view path);

    // Whether the menu shows any recent item (and the separator above them).
    bool Shown() const { return m_shown; }
    // The full paths, oldest first, as the settings store keeps them.
    const std::vector<std::string>& Paths() const { return m_paths; }
    // The number of menu items.
    std::size_t Count() const { return m_shown ? m_paths.size() : 0; }
    // The path of menu item k; item 0 is the newest.
    const std::string& PathOfItem(std::size_t k) const;
    // The captions of the menu items, newest first: the file name part of each path.
    std::vector<std::string> Captions() const;

    // Reads the list from the store; stored empty values are passed over, and a path stored twice (by an
    // older version) is kept where it is newest. Failures of the store leave the list as read so far.
    void Load(SettingsStore& store);
    // Writes every element under RecentFile0, RecentFile1, ... and empties the keys beyond the list up to
    // RecentFile4, so that a path moved up is not read back twice; failures of the store are ignored.
    void Save(SettingsStore& store) const;

    bool operator==(const RecentFiles&) const = default;

private:
    std::vector<std::string> m_paths{std::string()};
    bool m_shown = false;
};

// The text after the last separator ("\" or "/").
std::string FileNamePart(std::string_view path);

// What a recent file is when it is chosen from the menu.
struct RecentFileTarget {
    enum class Kind { None, Wheel, Lines };
    Kind kind = Kind::None;
    std::optional<Game> game;  // the game of a lines file
    bool operator==(const RecentFileTarget&) const = default;
};

// By the extension of the file name in any case: ".txt" a wheel file, the lines extensions a lines file
// of their game, anything else nothing.
RecentFileTarget ClassifyRecentFile(std::string_view path);

// The game of a wheel file from its fields: the blanks are counted line after line and the count of
// fields (blanks + 1) is looked at after each line until it is 5 (Thunderball), 6 (Lotto) or 7 (Daily
// Play). Nothing when it never is, or when the path is empty; an error when the file cannot be read.
Expected<std::optional<Game>> GameOfWheelFile(const std::filesystem::path& path);

// The same over the text of a wheel file.
std::optional<Game> GameOfWheelText(std::string_view text);

}  // namespace quintara
