#include "lines/RecentFiles.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <exception>
#include <stdexcept>

#include "core/Files.h"
#include "lines/LinesFile.h"

namespace quintara {

namespace {

// The index of a key "RecentFile<n>" within the list's reach, or nothing for any other key.
std::optional<std::size_t> RecentFileIndex(std::string_view key) {
    if (!key.starts_with(kRecentFileKey)) {
        return std::nullopt;
    }
    key.remove_prefix(kRecentFileKey.size());
    std::size_t index = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), index);
    if (key.empty() || ec != std::errc() || end != key.data() + key.size() ||
        index >= RecentFiles::kMostFiles) {
        return std::nullopt;
    }
    return index;
}

std::string_view Extension(std::string_view path) {
    const auto nameStart = path.find_last_of("/\\");
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (nameStart != std::string_view::npos && dot < nameStart)) {
        return {};
    }
    return path.substr(dot);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void RecentFiles::Add(std::string_view path) {
    std::string trimmed(path);
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    if (trimmed.empty()) {
        return;
    }
    std::erase(m_paths, trimmed);
    if (!m_shown || m_paths.empty()) {
        m_paths.clear();
        m_paths.push_back(std::move(trimmed));
        m_shown = true;
        return;
    }
    m_paths.push_back(std::move(trimmed));
    if (m_paths.size() > kMostFiles) {
        m_paths.erase(m_paths.begin());
    }
}

const std::string& RecentFiles::PathOfItem(std::size_t k) const {
    if (k >= Count()) {
        throw std::out_of_range("recent file item " + std::to_string(k) + " is not on the menu");
    }
    return m_paths[m_paths.size() - 1 - k];
}

std::vector<std::string> RecentFiles::Captions() const {
    std::vector<std::string> captions;
    if (!m_shown) {
        return captions;
    }
    for (auto it = m_paths.rbegin(); it != m_paths.rend(); ++it) {
        captions.push_back(FileNamePart(*it));
    }
    return captions;
}

void RecentFiles::Load(SettingsStore& store) {
    m_paths.assign(1, std::string());
    m_shown = false;
    try {
        for (const auto& [key, value] : store.ReadSection(kRecentFilesSection)) {
            const auto index = RecentFileIndex(key);
            if (!index || value.empty()) {
                continue;
            }
            if (m_paths.size() <= *index) {
                m_paths.resize(*index + 1);
            }
            m_paths[*index] = value;
            m_shown = true;
        }
        // Lists saved before each file was kept once: the newest place of a path wins.
        std::vector<std::string> unique;
        for (auto it = m_paths.rbegin(); it != m_paths.rend(); ++it) {
            if (!it->empty() && std::find(unique.begin(), unique.end(), *it) == unique.end()) {
                unique.push_back(*it);
            }
        }
        if (m_shown) {
            m_paths.assign(unique.rbegin(), unique.rend());
        }
    } catch (const std::exception&) {
        // A store that cannot be read leaves the files read so far, as if the rest were not there.
    }
}

void RecentFiles::Save(SettingsStore& store) const {
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t i = 0; i < kMostFiles; ++i) {
        values.emplace_back(std::string(kRecentFileKey) + std::to_string(i),
                            i < m_paths.size() ? m_paths[i] : std::string());
    }
    try {
        store.WriteSection(kRecentFilesSection, values);
    } catch (const std::exception&) {
        // The list is a convenience: losing it must not stop the program from closing.
    }
}

std::string FileNamePart(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

RecentFileTarget ClassifyRecentFile(std::string_view path) {
    const auto extension = Extension(path);
    if (SameTextIgnoringCase(extension, ".txt")) {
        return {RecentFileTarget::Kind::Wheel, std::nullopt};
    }
    if (const auto game = GameOfLinesFile(std::string(path))) {
        return {RecentFileTarget::Kind::Lines, game};
    }
    return {};
}

std::optional<Game> GameOfWheelText(std::string_view text) {
    std::size_t blanks = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = text.substr(0, end);
        blanks += static_cast<std::size_t>(std::count(line.begin(), line.end(), ' '));
        switch (blanks + 1) {
        case 5:
            return Game::Thunderball;
        case 6:
            return Game::Lotto;
        case 7:
            return Game::DailyPlay;
        default:
            break;
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return std::nullopt;
}

Expected<std::optional<Game>> GameOfWheelFile(const std::filesystem::path& path) {
    if (path.empty()) {
        return std::optional<Game>();
    }
    auto text = ReadWholeFile(path);
    if (!text) {
        return Refuse(text.error());
    }
    return GameOfWheelText(*text);
}

}  // namespace quintara
