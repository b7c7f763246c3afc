#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

enum class Game { Lotto, LottoExtra, Thunderball, DailyPlay };

inline constexpr std::array<Game, 4> kAllGames{Game::Lotto, Game::LottoExtra, Game::Thunderball,
                                               Game::DailyPlay};

// Everything that differs between the games; every game-dependent branch reads it from here.
struct GameInfo {
    Game game;
    std::string_view name;          // the value of CurrentGame
    std::string_view cliName;       // lotto, lotto-extra, thunderball, daily-play
    int mainBalls;                  // balls per draw
    int maxBall;                    // main balls run 1..maxBall
    bool hasExtra;                  // a bonus ball or Thunderball stored apart from the main balls
    int extraMax;                   // range of that extra ball
    std::string_view extraCaption;  // caption of the extra-ball place in the main window
    std::string_view historyFile;
    int recordLength;   // slot length of the history and saved-lines files
    int countedFields;  // fields counted by the statistics (Lotto counts its bonus)
    std::string_view linesExtension;
    std::string_view linesExtensionAlt;  // also accepted when loading lines, "" if none
    int numbersChosen;                   // final numbers of the standard algorithm = highest wheel pointer
    int pointersPerLine;                 // numbers in a line and pointers in a wheel line
    int ballSetWidth;                    // characters of BallSet, 0 where it is a number
    int machineWidth;                    // characters of Machine
};

const GameInfo& Info(Game game);

// By the program's own name ("Lotto Extra") or the command-line name ("lotto-extra"), any case.
std::optional<Game> GameFromName(std::string_view name);

// CurrentGame as the four strings compare; unknown names fall back to Lotto.
inline Game GameOf(std::string_view currentGame) {
    return GameFromName(currentGame).value_or(Game::Lotto);
}

inline std::string GameName(Game game) {
    return std::string(Info(game).name);
}

}  // namespace quintara
