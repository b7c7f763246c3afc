#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace quintara {

// The classic four first, then the games drawn today; lists and menus follow this order.
enum class Game { Lotto, LottoExtra, Thunderball, DailyPlay, Lotto59, Thunderball39 };

inline constexpr std::array<Game, 6> kAllGames{Game::Lotto,     Game::LottoExtra, Game::Thunderball,
                                               Game::DailyPlay, Game::Lotto59,    Game::Thunderball39};

// Consecutive positions of a frequency order, both ends included.
struct BallSection {
    int first;
    int last;
};

// How one frequency table is cut for the section selection, and how many gathered candidates the date
// ordering covers.
struct SectionLayout {
    int balls;
    std::span<const BallSection> sections;
    int dateOrdered;
};

// A prize tier of a game checked by today's prizes: so many main numbers, with or without the extra ball.
struct PrizeTier {
    int matches;
    bool withExtra;
    std::string_view label;    // the winning report's words after "  x "
    std::string_view jsonKey;  // the key of `check --json`'s counts
};

// Where the per-game windows differ from the design: the main window's extra-ball place, the check and
// update windows. A left of 0 keeps the design's place.
struct GameLayout {
    int extraHeadingLeft = 0;
    int extraNumberLeft = 0;
    int extraPictureLeft = 0;
    bool extraIsMainBall =
        false;  // the extra-ball place holds a main ball (Daily Play's seventh) and looks like one
    std::string_view checkPrompt{};
    int checkWidth = 0;                 // 0 keeps the design's width
    std::string_view checkLastLabel{};  // caption of the last box's label, "" keeps it
    int checkLastLabelLeft = 0;
    int checkLastBoxLeft = 0;
    std::string_view updateExtraCaption{};  // "" keeps "Bonus Ball"
    int updateExtraLabelLeft = 0;
    int updateExtraBoxLeft = 0;
    // Where an imported wheel's item goes in the wheel list: its place, and the list's length at which it
    // replaces the item there instead.
    std::size_t customWheelPosition = 0;
    std::size_t customWheelListSize = 0;
    // The picks view's summary: lines obeying the rule, all lines, how often a straight line comes up.
    std::string_view totalCombinations{};
    std::string_view maxFrequency{};
    std::string_view averageOccurance{};
};

// Everything that differs between the games; every game-dependent branch reads it from here.
struct GameInfo {
    Game game;
    std::string_view name;          // the value of CurrentGame
    std::string_view cliName;       // lotto, lotto-extra, thunderball, daily-play, lotto-59, thunderball-39
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

    bool extraStatistics;  // the extra ball has statistics, sections and a simulation of its own
    bool sevenBallLines;   // lines are kept in the seven-ball record, not in the six-ball one
    int checkBoxes;        // numbers the check window takes
    int leastWinning;      // classic check: fewest matched numbers that win (the tiers below replace it)
    std::span<const PrizeTier> tiers;  // today's prize tiers; empty for the classic report
    std::string_view enterNumbersText;
    std::string_view loadFailureTitle;
    bool offersDownload;  // the load failure names the support page
    // Where the operator publishes the game's recent draws as a CSV file, and its results page for people;
    // both "" for a game it no longer draws.
    std::string_view resultsCsvAddress;
    std::string_view resultsPage;
    std::string_view extraOption;  // how add-draw names the extra ball in its messages
    double twoRoundsFrom;          // draws from this day on have two rounds, each its own record; 0: never

    SectionLayout sections;
    SectionLayout extraSections;  // the extra ball's, where it has statistics of its own
    std::span<const std::string_view> algorithms;
    std::span<const std::span<const std::string_view>> wheels;  // per algorithm index
    std::string_view wheelFamily;  // built-in wheel files are shared by the games of one family
    int sevenNumbersAlgorithm;     // the index ending with the seven-number reduction, -1 if none
    int fortyNineAlgorithm;        // the index of the wheel-less generator, -1 if none
    std::string_view wheelRangeLead;
    GameLayout layout;

    // Lines are checked with their Thunderball (a line's Ball6), typed after the main numbers.
    bool ChecksLineThunderball() const { return extraStatistics && checkBoxes > mainBalls; }
};

const GameInfo& Info(Game game);

// By the program's own name ("Lotto Extra") or the command-line name ("lotto-extra"), any case.
std::optional<Game> GameFromName(std::string_view name);

// CurrentGame as the four strings compare; unknown names fall back to Lotto.
inline Game GameOf(std::string_view currentGame) {
    return GameFromName(currentGame).value_or(Game::Lotto);
}

// How many records a draw date of a game may hold: one per round.
int RoundsOn(Game game, double date);

inline std::string GameName(Game game) {
    return std::string(Info(game).name);
}

// The game in use: held as the enum, read and written as the game's name where a caption needs it.
class CurrentGameValue {
public:
    CurrentGameValue() = default;
    CurrentGameValue(Game game) : m_game(game) {}                      // NOLINT(google-explicit-constructor)
    CurrentGameValue(std::string_view name) : m_game(GameOf(name)) {}  // NOLINT(google-explicit-constructor)
    CurrentGameValue(const std::string& name)
        : m_game(GameOf(name)) {}                                 // NOLINT(google-explicit-constructor)
    CurrentGameValue(const char* name) : m_game(GameOf(name)) {}  // NOLINT(google-explicit-constructor)
    operator Game() const { return m_game; }                      // NOLINT(google-explicit-constructor)
    Game Id() const { return m_game; }
    std::string Name() const { return GameName(m_game); }
    bool operator==(Game game) const { return m_game == game; }
    bool operator==(std::string_view name) const { return Info(m_game).name == name; }
    bool operator==(const std::string& name) const { return Info(m_game).name == name; }
    bool operator==(const char* name) const { return Info(m_game).name == name; }
    bool operator==(const CurrentGameValue&) const = default;

private:
    Game m_game = Game::Lotto;
};

inline std::string operator+(const std::string& text, const CurrentGameValue& game) {
    return text + game.Name();
}
inline std::string operator+(const char* text, const CurrentGameValue& game) {
    return text + game.Name();
}
inline std::string operator+(const CurrentGameValue& game, const char* text) {
    return game.Name() + text;
}
inline std::ostream& operator<<(std::ostream& out, const CurrentGameValue& game) {
    return out << Info(game.Id()).name;
}

}  // namespace quintara
