#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Games.h"
#include "core/Refusal.h"
#include "history/HistoryUpdate.h"

namespace quintara {

// The boxes of the update window; the ball boxes keep their numbers (box 7 is txtBonusBall).
enum class EntryBox {
    None = 0,
    Ball1 = 1,
    Ball2,
    Ball3,
    Ball4,
    Ball5,
    Ball6,
    BonusBall,  // the bonus ball, the Thunderball or Daily Play's ball 7
    DrawDate,
    BallSet,
    Machine,
    DrawNumber,
};

inline constexpr int kBallBoxes = 7;

// The texts typed into the update window (or given to the command line), box by box.
struct DrawEntryFields {
    std::array<std::string, kBallBoxes> balls;  // txtBall1..txtBall6, txtBonusBall
    std::string drawDate;
    std::string ballSet;
    std::string machine;
    std::string drawNumber;
};

// A refused entry's box to put the focus in (a refusal's box is the EntryBox's number).
EntryBox EntryBoxOf(const Refusal& refusal);

// Whether ball box k (1..7) is shown and filled for the game: Lotto 1-7, Lotto Extra 1-6,
// Thunderball 1-5 and 7, Daily Play 1-7.
bool UsesBallBox(Game game, int box);

// The highest value box k accepts: the game's range, the Thunderball's 14 in its box.
int BallBoxHighest(Game game, int box);

// Leaving ball box k: the text must be a number within the box's range and differ in value from the
// earlier boxes the game compares (Lotto's bonus against all six balls, never the Thunderball). Values
// are compared after rounding, so "5" and "05" are the same ball.
Checked CheckBallBox(Game game, int box, const std::array<std::string, kBallBoxes>& balls);

// Leaving the date box: it must hold a date written exactly DD/MM/YYYY.
Checked CheckDrawDateBox(std::string_view text);

// A draw number of a history of lastDraw draws: N + 1 adds a draw, 1..N corrects one. It must be typed as a
// whole number: a fraction such as 2.5 would otherwise round onto an old draw and overwrite it, and text
// that is no number at all is a typing slip, not a failed write. 0, negative numbers and anything above
// N + 1 are refused.
struct DrawNumberChoice {
    std::int32_t number = 0;
    bool newDraw = false;
};
Expected<DrawNumberChoice> CheckDrawNumber(std::string_view text, std::int32_t lastDraw);

// Whether writing draw `choice` must be confirmed first: a correction of any draw but the newest, which a
// typing slip in the draw number would otherwise overwrite without a word.
bool CorrectionNeedsConfirmation(const DrawNumberChoice& choice, std::int32_t lastDraw);

// The question asked before such a correction, as a message box.
Refusal CorrectionQuestion(std::int32_t drawNumber, std::int32_t lastDraw);

// What Lotto stores and shows for its number-only ball set: the typed text, or "0" when it is empty or
// not a number.
std::string LottoBallSetText(std::string_view typed);

// A draw ready to be written, and what the set box shows afterwards.
struct UpdatePlan {
    AnyDrawRec record;
    std::int32_t drawNumber = 0;
    bool newDraw = false;
    std::string ballSetText;
};

// A new draw's date against the date of the newest draw held (NewDrawDateFollows); refused at the date
// box. A correction keeps its own date rules.
Checked CheckNewDrawDate(Game game, const UpdatePlan& plan, std::optional<double> newest);

// The checks of "Update" in the window's order: required boxes, draw number, then every ball box and the
// date once more (a box changed after the boxes behind it were checked must not slip a duplicate
// through), and the record built from the boxes.
Expected<UpdatePlan> PrepareUpdate(Game game, const DrawEntryFields& fields, std::int32_t lastDraw);

// The record the boxes make: balls as whole numbers rounded half to even, in box order; the set and
// machine in upper case, cut or padded to the game's widths. The boxes must have passed their checks.
Expected<AnyDrawRec> BuildDrawRecord(Game game, const DrawEntryFields& fields);

// The set and machine as typed (UTF-8) turned into the single-byte text the record holds. A character
// the code page cannot hold, or more characters than the field takes, is refused at its box: a record
// must never take bytes it would show as something else, nor silently lose what the user typed.
Checked EncodeTypedText(Game game, DrawEntryFields& fields);

// The message of a write that failed, with the reason and the file on a line of its own.
Refusal UpdateFailure(Refusal refusal);

// The message box of a successful update, with what the user should still know on a line of its own.
Refusal UpdateCompleted(const std::string& warning = {});

}  // namespace quintara
