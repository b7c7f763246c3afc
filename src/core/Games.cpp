#include "core/Games.h"

#include <algorithm>
#include <cctype>

namespace quintara {

namespace {

constexpr std::array<GameInfo, 4> kGames{{
    {Game::Lotto, "Lotto", "lotto", 6, 49, true, 49, "Bonus Ball", "LottoHistory.dat", 44, 7, ".lot", ".fil",
     28, 6, 0, 9},
    {Game::LottoExtra, "Lotto Extra", "lotto-extra", 6, 49, false, 0, "", "LottoExtraHistory.dat", 48, 6,
     ".lxt", "", 28, 6, 4, 9},
    {Game::Thunderball, "Thunderball", "thunderball", 5, 34, true, 14, "Thunderball",
     "ThunderballHistory.dat", 52, 5, ".thu", "", 20, 5, 4, 11},
    {Game::DailyPlay, "Daily Play", "daily-play", 7, 27, false, 0, "Ball 7", "DailyPlayHistory.dat", 52, 7,
     ".dly", "", 16, 7, 4, 11},
}};

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const GameInfo& Info(Game game) {
    return kGames[static_cast<std::size_t>(game)];
}

std::optional<Game> GameFromName(std::string_view name) {
    for (const auto& info : kGames) {
        if (SameText(name, info.name) || SameText(name, info.cliName)) {
            return info.game;
        }
    }
    return std::nullopt;
}

}  // namespace quintara
