#pragma once

#include <cstddef>
#include <limits>

#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// The Lotto draws a step's forty-nine number generator starts from: in Lotto the step's own history; in
// another game the Lotto draws dated before the step's draw.
//
// The first of those is the first Lotto draw dated before the step's draw. Going down the steps, the dates
// only fall and that draw can only move down the history, whatever the history's order; a cursor walking
// on from where the last step found it keeps a run linear in the histories' lengths.
class LottoHistoryOfStep {
public:
    LottoHistoryOfStep(const OneBased<LottoDrawRec>* lotto, const OneBased<LottoDrawRec>* own)
        : m_lotto(lotto), m_own(own) {}

    std::size_t First(std::size_t step, double drawDate) {
        if (m_own != nullptr) {
            return step + 1;
        }
        if (!(drawDate <= m_cursorDate)) {
            m_cursor = 1;  // the first step, a later date, or a date that does not compare
        }
        m_cursorDate = drawDate;
        while (m_cursor <= m_lotto->Size() && !((*m_lotto)[m_cursor].DrawDate < drawDate)) {
            ++m_cursor;
        }
        return m_cursor;
    }
    const OneBased<LottoDrawRec>& Draws() const { return m_own != nullptr ? *m_own : *m_lotto; }

    const LottoDrawRec* Newest(std::size_t step, double drawDate) {
        const std::size_t first = First(step, drawDate);
        return first <= Draws().Size() ? &Draws()[first] : nullptr;
    }
    OneBased<LottoDrawRec> Suffix(std::size_t step, double drawDate) {
        OneBased<LottoDrawRec> suffix;
        const auto& draws = Draws();
        suffix.Reserve(draws.Size());
        for (std::size_t i = First(step, drawDate); i <= draws.Size(); ++i) {
            suffix.PushBack(draws[i]);
        }
        return suffix;
    }

private:
    const OneBased<LottoDrawRec>* m_lotto;  // Lotto history of another game, else nullptr
    const OneBased<LottoDrawRec>* m_own;    // the game's draws when the game is Lotto
    std::size_t m_cursor = 1;
    double m_cursorDate = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace quintara
