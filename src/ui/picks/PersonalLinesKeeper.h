#pragma once

#include <utility>

#include "core/AppState.h"

namespace quintara::ui {

// Keeps the picked lines made from personal picks while a picks view runs the generator for the
// algorithm's own numbers, and puts them back when it goes, on every way out.
class PersonalLinesKeeper {
public:
    explicit PersonalLinesKeeper(AppState& state)
        : m_state(state),
          m_keeping(state.LinesFromPersonalPicks),
          m_dailyPlay(Info(state.CurrentGameId()).sevenBallLines) {
        if (!m_keeping) {
            return;
        }
        if (m_dailyPlay) {
            m_dailyPlayLines = state.DailyPlayPickedLines;
        } else {
            m_lines = state.PickedLines;
        }
    }
    PersonalLinesKeeper(const PersonalLinesKeeper&) = delete;
    PersonalLinesKeeper& operator=(const PersonalLinesKeeper&) = delete;
    ~PersonalLinesKeeper() {
        if (!m_keeping) {
            return;
        }
        if (m_dailyPlay) {
            m_state.DailyPlayPickedLines = std::move(m_dailyPlayLines);
        } else {
            m_state.PickedLines = std::move(m_lines);
        }
    }

private:
    AppState& m_state;
    bool m_keeping;
    bool m_dailyPlay;
    OneBased<LottoDrawRec> m_lines;
    OneBased<DailyPlayDrawRec> m_dailyPlayLines;
};

}  // namespace quintara::ui
