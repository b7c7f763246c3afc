#include "ui/picks/frmMostLikelyNumbers.h"

#include <array>

#include "generate/Generator.h"
#include "ui/EngineCalls.h"
#include "ui/picks/PersonalLinesKeeper.h"

namespace quintara::ui {

namespace {

constexpr int kSectionWidth = 2340;
// A line of the columns at the window's font, with room to spare.
constexpr int kLineHeight = 230;
constexpr std::string_view kLineEnd = "\r\n";

// The numbers each criterion column lists: one per section.
int NumbersPerSection(Game game) {
    return static_cast<int>(Info(game).sections.sections.size());
}

}  // namespace

frmMostLikelyNumbers::frmMostLikelyNumbers(App& app)
    : Form("frmMostLikelyNumbers", "Quintara's Picks"), m_app(app) {
    width = kWidth;
    height = kHeight;
    for (Label* heading :
         {&lblTitle, &lblTitle2, &lblSectionA, &lblSeactionB, &lblSectionC, &lblSectionD, &lblThunderball}) {
        heading->font.size = 12;
        heading->font.bold = true;
        heading->alignment = Alignment::Center;
    }
    for (int section = 1; section <= 3; ++section) {
        const int shift = section * kSectionWidth;
        lblWheelPointers.Load(section).left += shift;
        lblNumberPointers.Load(section).left += shift;
    }
    for (int section = 0; section <= 3; ++section) {
        lblWheelPointers[section].alignment = Alignment::Right;
        lblNumberPointers[section].alignment = Alignment::Right;
    }
    lblThunderballNumbers.Load(1).left += 800;
    for (Label* line : {&linGeneratedNumbers, &linGeneratedNumbersFoot, &linPointerNumbers,
                        &linPointerNumbersFoot, &linWheelPointers, &linWheelPointersFoot}) {
        line->themeBackColor = ThemeColor::Text;
    }

    onLoad = [this] { Form_Load(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintMostLikely.shortcut = StandardShortcut::Print;
    mnuPrintMostLikely.onClick = [this] { PrintWindowImage(m_app.desktop, *this); };
}

void frmMostLikelyNumbers::Form_Load() {
    const Game game = m_app.state.CurrentGameId();
    width = Info(game).extraStatistics ? kThunderballWidth : kWidth;
    height = kHeight;
    lblTitle.width = lblTitle2.width = ScaleWidth() - 2 * lblTitle.left;
    // The legend's lines reach up to the last number of the shorter sections too.
    const int columnsEnd = lblWheelPointers[0].top + NumbersPerSection(game) * kLineHeight;
    for (Label* line : {&linGeneratedNumbers, &linPointerNumbers, &linWheelPointers}) {
        const int bottom = line->top + line->height;
        line->top = columnsEnd;
        line->height = bottom - columnsEnd;
    }
    PersonalLinesKeeper keeper(m_app.state);
    caption += " - " + m_app.state.CurrentGame + " Draw";
    try {
        RunGenerator(m_app.state, m_app.Today());
        m_app.session.LinesMode = true;
        FillColumns(NumbersPerSection(game));
        SetSummary();
    } catch (const std::exception&) {
        // The command that opened the view ends without a word.
        Unload();
    }
}

void frmMostLikelyNumbers::FillColumns(int perSection) {
    const auto& finalNumbers = m_app.state.FinalNumbers;
    if (Info(m_app.state.CurrentGameId()).extraStatistics) {
        for (int column = 0; column <= 1; ++column) {
            for (int position = 21 + 4 * column; position <= 24 + 4 * column; ++position) {
                lblThunderballNumbers[column].caption +=
                    std::to_string(finalNumbers[static_cast<std::size_t>(position)]) + std::string(kLineEnd);
            }
        }
    }
    const std::array<Label*, 4> numbers{&lblSectionANumbers, &lblSectionBNumbers, &lblSectionCNumbers,
                                        &lblSectionDNumbers};
    for (int section = 0; section <= 3; ++section) {
        for (int pointer = section * perSection + 1; pointer <= (section + 1) * perSection; ++pointer) {
            lblWheelPointers[section].caption += std::to_string(pointer) + std::string(kLineEnd);
            lblNumberPointers[section].caption +=
                std::to_string(pointer - section * perSection) + std::string(kLineEnd);
            numbers[static_cast<std::size_t>(section)]->caption +=
                "=  " + std::to_string(finalNumbers[static_cast<std::size_t>(pointer)]) +
                std::string(kLineEnd);
        }
    }
}

void frmMostLikelyNumbers::SetSummary() {
    const GameLayout& summary = Info(m_app.state.CurrentGameId()).layout;
    lblTotalCombinations.caption = std::string(summary.totalCombinations);
    lblMaxFrequency.caption = std::string(summary.maxFrequency);
    lblApproxAverageOccurance.caption = std::string(summary.averageOccurance);
}

}  // namespace quintara::ui
