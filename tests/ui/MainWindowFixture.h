#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

#include "core/Dates.h"
#include "generate/Catalogue.h"
#include "generate/Generator.h"
#include "generate/WheelFile.h"
#include "generate/WheelLines.h"
#include "support/FakePlatform.h"
#include "support/HistoryBuilder.h"
#include "support/TempDir.h"
#include "ui/main/StartUp.h"
#include "ui/main/frmQuintara.h"
#include "ui/start/frmSplash.h"

namespace quintara::ui::test {

using Message = quintara::test::FakePlatform::Message;
using Items = std::vector<std::string>;

// What the main window shows of a draw or line: number, date, the six balls, the extra place, ball set
// and machine, as "2065 07/10/2015 | 30 7 44 11 49 5 | 25 | 4 Guinevere".
inline std::string Shown(const frmQuintara& main) {
    std::string text = main.txtDrawNumber.text + " " + main.txtDrawDate.text + " |";
    for (const Label* ball : {&main.lblDrawBall1, &main.lblDrawBall2, &main.lblDrawBall3, &main.lblDrawBall4,
                              &main.lblDrawBall5, &main.lblDrawBall6}) {
        text += " " + ball->caption;
    }
    return text + " | " + main.lblDrawBallBonus.caption + " | " + main.txtBallSet.text + " " +
           main.txtMachine.text;
}

// A copy of the built application folder (real Lotto and Thunderball histories, wheels, pictures, help)
// that the test may change, without Lotto Extra and Daily Play histories even if a run left some there.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        quintara::test::CopyBuiltAppFolder(dir.Path());
        std::filesystem::remove(HistoryPath(dir.Path(), Game::DailyPlay));
        std::filesystem::remove(HistoryPath(dir.Path(), Game::LottoExtra));
    }

    frmQuintara& Start() {
        StartUp(app);
        return *app.forms.Find<frmQuintara>();
    }

    quintara::test::TempDir dir;
    quintara::test::FakePlatform desktop;
    App app{desktop, dir.Path()};
};

// The text a click of `command` sends to the printer, its dialog answered OK; "" unless one printout.
inline std::string Printed(quintara::test::FakePlatform& desktop, Element& command) {
    desktop.printerAnswers = {true};
    const auto before = desktop.printouts.size();
    command.Click();
    return desktop.printouts.size() == before + 1 ? desktop.printouts.back().text : "";
}

// Wheel text: `lines` lines of `perLine` pointers counting up from 1 and wrapping after `highest`, so
// that line i starts where line i - 1 stopped.
inline std::string CountingWheel(int lines, int perLine, int highest) {
    std::string text;
    int pointer = 0;
    for (int line = 0; line < lines; ++line) {
        for (int k = 0; k < perLine; ++k) {
            pointer = pointer % highest + 1;
            text += std::to_string(pointer) + (k + 1 < perLine ? " " : "\r\n");
        }
    }
    return text;
}

// The main window's folder with small Lotto Extra and Daily Play histories and built-in wheel files of
// its own, so that every line is known; the recent-files list is recorded.
class PickingTest : public MainWindowTest {
protected:
    PickingTest() {
        for (Game game : kAllGames) {
            for (int a = 0; a < static_cast<int>(AlgorithmItems(game).size()); ++a) {
                for (const auto item : WheelItems(game, a)) {
                    const auto file = WheelFileName(game, item);
                    if (file && item != "904 Line Wheel") {
                        dir.Write(*file,
                                  CountingWheel(
                                      std::stoi(std::string(item)), Info(game).pointersPerLine,
                                      a == Info(game).sevenNumbersAlgorithm ? 7 : Info(game).numbersChosen));
                    }
                }
            }
        }
        quintara::test::HistoryBuilder<DailyPlayDrawRec> dailyPlay;
        quintara::test::HistoryBuilder<LottoExtraDrawRec> lottoExtra;
        for (int draw = 0; draw < 12; ++draw) {
            dailyPlay.Draw({1 + draw, 2 + draw, 3 + draw, 5 + draw, 8 + draw, 13 + draw, 15 + draw});
            lottoExtra.Draw({1 + draw * 3, 2 + draw * 3, 4 + draw, 20 + draw, 30 + draw, 37 + draw});
        }
        dailyPlay.WriteTo(dir.Path());
        lottoExtra.WriteTo(dir.Path());
        app.addRecentFile = [this](const std::string& path) { recentFiles.push_back(path); };
    }

    // The wheel as the program holds it, read from a file of the test folder.
    OneBased<std::string> WheelOf(std::string_view file, Game game) {
        return ReadWheelFile(dir / file, game, WheelSource::BuiltIn).value();
    }

    // The lines a run of the algorithm at `algorithmIndex` makes with `wheel` on the loaded statistics.
    PickedLineSet ExpectedLines(Game game, int algorithmIndex, const OneBased<std::string>& wheel) {
        const auto final =
            ChooseFinalNumbers(game, static_cast<std::int16_t>(algorithmIndex), app.state.Statistics());
        return MakeWheelLines(final.FinalNumbers, wheel, game);
    }

    std::vector<std::string> recentFiles;
};

// The folder of `Folder` with the main window started on it.
template <class Folder>
class Started : public Folder {
protected:
    frmQuintara& main = this->Start();
};
using StartedMainWindowTest = Started<MainWindowTest>;
using StartedPickingTest = Started<PickingTest>;

}  // namespace quintara::ui::test
