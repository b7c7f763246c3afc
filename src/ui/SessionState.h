#pragma once

#include <cstdint>
#include <string>

#include "core/OneBased.h"

namespace quintara::ui {

// What the main window shows and where its walks stand: the window's session, beside the engine's data.
struct SessionState {
    // The walk through the lines on show and through the winning lines of a check.
    std::int32_t CurrentLine = 0;
    bool LinesMode = false;
    bool WinningLinesMode = false;
    std::int16_t WinningLinePosition = 0;
    // The draws a number search found and the one on show.
    OneBased<std::int16_t> OccurrenceDraws;
    std::int16_t OccurrencePosition = 0;
    // The listing of the lines on show, as the print box holds it.
    std::string PrintListing;
    // The wheel box's position at the last Pick.
    std::int16_t WheelIndex = 0;
};

}  // namespace quintara::ui
