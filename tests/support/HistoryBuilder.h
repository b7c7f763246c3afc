#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/History.h"
#include "core/RecordFile.h"

namespace quintara::test {

// Builds a small history in code, newest draw first, and writes it where the program looks for it.
template <class Rec>
class HistoryBuilder {
public:
    // Adds the next older draw; the first draw added is the newest. Dates step back 3 days per draw
    // from 1 June 2010 unless given.
    HistoryBuilder& Draw(std::initializer_list<int> balls, int extra = 0, double date = 0) {
        Rec rec;
        rec.DrawDate =
            date != 0 ? date : SerialFromCivil({2010, 6, 1}) - 3.0 * static_cast<double>(m_draws.Size());
        std::size_t i = 0;
        for (int ball : balls) {
            if (i < rec.Balls.size()) {
                rec.Balls[i++] = static_cast<std::int16_t>(ball);
            }
        }
        if constexpr (std::is_same_v<Rec, LottoDrawRec>) {
            rec.BonusBall = static_cast<std::int16_t>(extra);
        } else if constexpr (std::is_same_v<Rec, ThunderballDrawRec>) {
            rec.Thunderball = static_cast<std::int16_t>(extra);
        }
        m_draws.PushBack(rec);
        return *this;
    }

    const OneBased<Rec>& Draws() const { return m_draws; }

    std::filesystem::path WriteTo(const std::filesystem::path& appDir) const {
        constexpr Game game = GameOfRecord<Rec>();
        const auto path = HistoryPath(appDir, game);
        WriteRecordFile(path, static_cast<std::size_t>(Info(game).recordLength), m_draws).value();
        return path;
    }

private:
    OneBased<Rec> m_draws;
};

}  // namespace quintara::test
