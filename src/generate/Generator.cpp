#include "generate/Generator.h"

#include "generate/Catalogue.h"
#include "generate/FortyNineGenerator.h"
#include "generate/SectionSelection.h"

namespace quintara {

namespace {

// A line checked with its Thunderball carries one: the algorithm's Thunderball numbers in turn.
void GiveThunderballs(Game game, const OneBased<std::int16_t>& finalNumbers, OneBased<LottoDrawRec>& lines) {
    const GameInfo& info = Info(game);
    const auto first = static_cast<std::size_t>(info.numbersChosen) + 1;
    const std::size_t thunderballs = 4 * info.extraSections.sections.size();
    if (!info.ChecksLineThunderball() || finalNumbers.Size() < first + thunderballs - 1) {
        return;
    }
    const auto place = static_cast<std::size_t>(info.mainBalls);
    for (std::size_t i = 1; i <= lines.Size(); ++i) {
        lines[i].Balls[place] = finalNumbers[first + (i - 1) % thunderballs];
    }
}

}  // namespace

bool MakesFortyNineLines(const GeneratorRequest& request) {
    return !request.PersonalPicksActive && request.algorithm == kFortyNineAlgorithm;
}

FinalSelection ChooseFinalNumbers(Game game, std::int16_t generatorMode, const GameStatistics& statistics) {
    FinalSelection selection;
    selection.FinalNumbers = SelectFinalNumbers(statistics, game);
    if (generatorMode == Info(game).sevenNumbersAlgorithm) {
        selection.FinalNumbers = SevenFromTwentyEight(selection.FinalNumbers);
        selection.SevenNumbers = selection.FinalNumbers;
    }
    return selection;
}

GeneratorResult GenerateNumbers(const GeneratorRequest& request, const GameStatistics& statistics,
                                const OneBased<std::string>& wheelLines,
                                const OneBased<LottoDrawRec>& lottoDraws) {
    GeneratorResult result;
    if (request.PersonalPicksActive) {
        result.FinalNumbers = request.PersonalNumbers;
    } else {
        FinalSelection selection = ChooseFinalNumbers(request.game, request.GeneratorMode, statistics);
        result.FinalNumbers = std::move(selection.FinalNumbers);
        result.SevenNumbers = std::move(selection.SevenNumbers);
    }
    if (MakesFortyNineLines(request)) {
        result.PickedLines =
            GenerateFortyNineLines(lottoDraws, statistics.BallFrequency, statistics.BallLastDrawn);
    } else {
        PickedLineSet lines = MakeWheelLines(result.FinalNumbers, wheelLines, request.game);
        result.PickedLines = std::move(lines.PickedLines);
        if (!request.PersonalPicksActive) {
            GiveThunderballs(request.game, result.FinalNumbers, result.PickedLines);
        }
        result.DailyPlayPickedLines = std::move(lines.DailyPlayPickedLines);
    }
    result.LinesGeneratedDate = request.today;
    return result;
}

}  // namespace quintara
