#include "ui/main/BrowseCommands.h"

#include <string_view>

#include "core/Dates.h"
#include "core/OneBased.h"
#include "core/Search.h"
#include "core/TextRules.h"

namespace quintara::ui {

namespace {

constexpr std::string_view kNoMatch = "No match was found!";
constexpr std::string_view kBadEntry = "Incorrect Data entered. Please try again!";

// The new position of a walk over 1..last. Lines and winning lines run from 1 (first) to last; the
// matches of a number search run from last (the newest) down to 1 (the oldest). A step at its end stays.
int Moved(BrowseCommands::Step step, int position, int last, bool newestIsLast) {
    const int first = newestIsLast ? last : 1;
    const int end = newestIsLast ? 1 : last;
    const int forward = newestIsLast ? -1 : 1;
    switch (step) {
    case BrowseCommands::Step::First:
        return first;
    case BrowseCommands::Step::Previous:
        return position != first ? position - forward : position;
    case BrowseCommands::Step::Next:
        return position != end ? position + forward : position;
    case BrowseCommands::Step::Last:
        break;
    }
    return end;
}

}  // namespace

void BrowseCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<BrowseCommands>>({
        {"cmdBOF", &BrowseCommands::cmdBOF_Click},
        {"cmdBack", &BrowseCommands::cmdBack_Click},
        {"cmdNext", &BrowseCommands::cmdNext_Click},
        {"cmdEOF", &BrowseCommands::cmdEOF_Click},
        {"cmdFirstOccurance", &BrowseCommands::cmdFirstOccurance_Click},
        {"cmdPreviousOccurance", &BrowseCommands::cmdPreviousOccurance_Click},
        {"cmdNextOccurance", &BrowseCommands::cmdNextOccurance_Click},
        {"cmdLastOccurance", &BrowseCommands::cmdLastOccurance_Click},
        {"cmdNumberSearch", &BrowseCommands::cmdNumberSearch_Click},
        {"cmdDateSearch", &BrowseCommands::cmdDateSearch_Click},
    });
    BindReactions(main, *this, kReactions);
}

void BrowseCommands::cmdBOF_Click() {
    m_state.CurrentDraw = m_state.FirstDraw;
    m_main.ShowDraw();
}

void BrowseCommands::cmdBack_Click() {
    if (m_state.CurrentDraw != m_state.FirstDraw) {
        --m_state.CurrentDraw;
    }
    m_main.ShowDraw();
}

void BrowseCommands::cmdNext_Click() {
    if (m_state.CurrentDraw != m_state.LastDraw) {
        ++m_state.CurrentDraw;
    }
    m_main.ShowDraw();
}

void BrowseCommands::cmdEOF_Click() {
    m_state.CurrentDraw = m_state.LastDraw;
    m_main.ShowDraw();
}

void BrowseCommands::WalkOccurrences(Step step) {
    try {
        if (m_app.session.LinesMode) {
            m_app.session.CurrentLine = Moved(step, m_app.session.CurrentLine, m_main.LineCount(), false);
            m_main.ShowCurrentLine();
        } else if (m_app.session.WinningLinesMode) {
            const int last = static_cast<int>(m_state.WinningLines.Size());
            const auto position =
                static_cast<std::int16_t>(Moved(step, m_app.session.WinningLinePosition, last, false));
            const std::int32_t line = m_state.WinningLines[static_cast<std::size_t>(position)].LineIndex;
            if (line < 1 || line > m_main.LineCount()) {
                return;  // the empty entry of a check that found no winner: no line to show
            }
            m_app.session.WinningLinePosition = position;
            m_app.session.CurrentLine = line;
            m_main.ShowCurrentLine();
            m_main.SetLineNumberCaption(std::to_string(m_app.session.WinningLinePosition));
        } else {
            const int last = static_cast<int>(m_app.session.OccurrenceDraws.Size());
            m_app.session.OccurrencePosition =
                static_cast<std::int16_t>(Moved(step, m_app.session.OccurrencePosition, last, true));
            m_state.CurrentDraw =
                m_app.session.OccurrenceDraws[static_cast<std::size_t>(m_app.session.OccurrencePosition)];
            m_main.ShowDraw();
        }
    } catch (const IndexError&) {
        // An empty list, or a position outside it: nothing to walk.
    }
}

void BrowseCommands::cmdNumberSearch_Click() {
    m_app.session.LinesMode = false;
    const auto number = ToInteger(m_app.desktop.InputBox("Enter a Number to search for:", "Number Search"));
    if (!number) {
        m_app.desktop.MsgBox(kBadEntry, "Error");
        return;
    }
    const std::vector<std::int16_t> matches =
        FindNumberOccurrences(m_state.CurrentDraws(), m_state.LastDraw, *number);
    if (matches.empty()) {
        m_app.desktop.MsgBox(kNoMatch, "No match");
        return;
    }
    m_app.session.OccurrenceDraws = OneBased<std::int16_t>::FromVector(matches);
    m_app.session.OccurrencePosition = static_cast<std::int16_t>(matches.size());
    m_state.CurrentDraw = matches.back();
    m_main.ShowDraw();
    for (std::size_t i = 1; i <= m_state.BallFrequency.Size(); ++i) {
        if (m_state.BallFrequency[i].Ball == *number) {
            m_main.SelectBallFrequency(static_cast<int>(i) - 1);
            break;
        }
    }
    m_main.SetOccurrenceCaption("View occurances of number " + std::to_string(*number));
    // Without these the matches could not be walked; View Draws hides them again.
    m_main.ShowOccurrenceWalk();
    m_app.desktop.MsgBox("We have a match!", "Latest Number match");
}

void BrowseCommands::cmdDateSearch_Click() {
    const auto date = ParseUserDate(
        m_app.desktop.InputBox("Enter a date to search for using format: dd/mm/yyyy", "Date Search"));
    if (!date) {
        m_app.desktop.MsgBox(kBadEntry, "Error");
        return;
    }
    const auto found = FindDrawByDate(m_state.CurrentDraws(), m_state.LastDraw, *date);
    if (!found) {
        m_app.desktop.MsgBox(kNoMatch, "No match");
        return;
    }
    m_state.CurrentDraw = *found;
    m_main.ShowDraw();
    m_app.desktop.MsgBox("We have a match!", "Date match");
}

}  // namespace quintara::ui
