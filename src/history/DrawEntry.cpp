#include "history/DrawEntry.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/Records.h"
#include "core/TextRules.h"
#include "core/TypedNumbers.h"
#include "core/Windows1252.h"

namespace quintara {

namespace {

constexpr std::string_view kInputError = "Input Error";
constexpr std::string_view kInvalidDrawNumber = "Draw Number Invalid. Please re-enter.";
constexpr std::string_view kIncorrectDrawNumber = "Incorrect Draw Number";

// Digits with an optional minus sign, blanks around them allowed: no fraction, exponent or other text.
bool WholeNumberText(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits(trimmed);
    if (!digits.empty() && digits.front() == '-') {
        digits.remove_prefix(1);
    }
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The last box holds a Thunderball: a ball of its own range that may repeat a main number.
bool ThunderballBox(Game game, int box) {
    return Info(game).extraStatistics && box == kBallBoxes;
}

std::string RangeMessage(Game game, int box) {
    if (ThunderballBox(game, box)) {
        return "You must enter a numeric value between 1 and 14 in Thunderball box";
    }
    return "You must enter a numeric value between 1 and " + std::to_string(Info(game).maxBall) +
           " in each box";
}

std::string DuplicateMessage(Game game) {
    return "You must enter a DIFFERENT numeric value between 1 and " + std::to_string(Info(game).maxBall) +
           " in each box";
}

// Whether box k takes part in the duplicate comparison: every used box but the Thunderball.
bool Compared(Game game, int box) {
    return UsesBallBox(game, box) && !ThunderballBox(game, box);
}

bool Blank(std::string_view text) {
    return Trim(text).empty();
}

Refusal AtBox(std::string text, std::string_view title, EntryBox box, bool emptyBox) {
    return {.title = std::string(title),
            .text = std::move(text),
            .box = static_cast<int>(box),
            .emptyBox = emptyBox};
}

}  // namespace

EntryBox EntryBoxOf(const Refusal& refusal) {
    return refusal.box >= static_cast<int>(EntryBox::Ball1) &&
                   refusal.box <= static_cast<int>(EntryBox::DrawNumber)
               ? static_cast<EntryBox>(refusal.box)
               : EntryBox::None;
}

bool UsesBallBox(Game game, int box) {
    if (box < 1 || box > kBallBoxes) {
        return false;
    }
    // The main balls fill the boxes from the first (Daily Play's seventh the last), an extra ball the last.
    return box <= Info(game).mainBalls || (box == kBallBoxes && Info(game).hasExtra);
}

int BallBoxHighest(Game game, int box) {
    return box == kBallBoxes && Info(game).hasExtra ? Info(game).extraMax : Info(game).maxBall;
}

Checked CheckBallBox(Game game, int box, const std::array<std::string, kBallBoxes>& balls) {
    const auto boxId = static_cast<EntryBox>(box);
    const std::string& text = balls[static_cast<std::size_t>(box - 1)];
    if (!TypedBall(text, BallBoxHighest(game, box))) {
        return Refuse(AtBox(RangeMessage(game, box), kInputError, boxId, true));
    }
    if (!Compared(game, box)) {
        return {};
    }
    for (int earlier = 1; earlier < box; ++earlier) {
        if (Compared(game, earlier) && SameTypedNumber(balls[static_cast<std::size_t>(earlier - 1)], text)) {
            return Refuse(AtBox(DuplicateMessage(game), kInputError, boxId, true));
        }
    }
    return {};
}

Checked CheckDrawDateBox(std::string_view text) {
    if (text.empty()) {
        return Refuse(AtBox("You must enter a Draw Date, in Format DD/MM/YYYY", "Draw Date",
                            EntryBox::DrawDate, false));
    }
    const auto date = ParseDate(text);
    if (!date || FormatDate(*date) != text) {
        return Refuse(
            AtBox("You must enter Draw Date in Format DD/MM/YYYY", "Draw Date", EntryBox::DrawDate, true));
    }
    return {};
}

Expected<DrawNumberChoice> CheckDrawNumber(std::string_view text, std::int32_t lastDraw) {
    if (Blank(text)) {
        return Refuse(AtBox("Please Enter Draw Number", "Draw Number Missing", EntryBox::DrawNumber, false));
    }
    if (!WholeNumberText(text)) {
        return Refuse(AtBox(
            std::string(kInvalidDrawNumber) + std::string(kCrLf) + "A draw number is a whole number: 1 to " +
                std::to_string(lastDraw) + " corrects a draw, " +
                std::to_string(static_cast<std::int64_t>(lastDraw) + 1) + " adds the next one.",
            kIncorrectDrawNumber, EntryBox::DrawNumber, true));
    }
    const auto number = ToLong(text);
    if (!number || *number < 1 || *number > static_cast<std::int64_t>(lastDraw) + 1) {
        return Refuse(
            AtBox(std::string(kInvalidDrawNumber), kIncorrectDrawNumber, EntryBox::DrawNumber, true));
    }
    return DrawNumberChoice{*number, *number == lastDraw + 1};
}

bool CorrectionNeedsConfirmation(const DrawNumberChoice& choice, std::int32_t lastDraw) {
    return !choice.newDraw && choice.number < lastDraw;
}

Refusal CorrectionQuestion(std::int32_t drawNumber, std::int32_t lastDraw) {
    return AtBox("Draw Number " + std::to_string(drawNumber) + " is already in the history (the newest is " +
                     std::to_string(lastDraw) + ")." + std::string(kCrLf) + "Do you want to replace draw " +
                     std::to_string(drawNumber) + " with the draw you entered?",
                 "Correct Draw", EntryBox::DrawNumber, false);
}

Checked CheckNewDrawDate(Game game, const UpdatePlan& plan, std::optional<double> newest) {
    const double date = std::visit([](const auto& record) { return record.DrawDate; }, plan.record);
    if (!plan.newDraw || !newest || NewDrawDateFollows(Info(game), date, *newest)) {
        return {};
    }
    return Refuse(AtBox(NotLaterMessage(date, *newest), "Draw Date", EntryBox::DrawDate, false));
}

std::string LottoBallSetText(std::string_view typed) {
    return IsNumeric(typed) ? std::string(typed) : std::string("0");
}

Expected<AnyDrawRec> BuildDrawRecord(Game game, const DrawEntryFields& fields) {
    std::array<std::int16_t, kBallBoxes> values{};
    for (int box = 1; box <= kBallBoxes; ++box) {
        if (!UsesBallBox(game, box)) {
            continue;
        }
        const auto value =
            TypedBall(fields.balls[static_cast<std::size_t>(box - 1)], BallBoxHighest(game, box));
        if (!value) {
            return Refuse(RefusalCause::BadFormat, RangeMessage(game, box));
        }
        values[static_cast<std::size_t>(box - 1)] = *value;
    }
    const auto date = ParseDate(fields.drawDate);
    if (!date) {
        return Refuse(RefusalCause::BadFormat, "You must enter Draw Date in Format DD/MM/YYYY");
    }
    const std::string ballSet = UpperCaseWindows1252(fields.ballSet);
    const std::string machine = UpperCaseWindows1252(fields.machine);
    return WithDrawRecord(game, [&](auto tag) -> Expected<AnyDrawRec> {
        using Rec = typename decltype(tag)::type;
        Rec rec;
        rec.DrawDate = *date;
        std::copy_n(values.begin(), rec.Balls.size(), rec.Balls.begin());
        if constexpr (kHasBonusBall<Rec>) {
            const auto set = ToInteger(LottoBallSetText(fields.ballSet));
            if (!set) {
                return Refuse(RefusalCause::OutOfRange,
                              "The ball set " + Trim(fields.ballSet) + " is too large");
            }
            rec.BonusBall = values[6];
            rec.BallSet = *set;
        } else {
            if constexpr (kHasThunderball<Rec>) {
                rec.Thunderball = values[6];
            }
            rec.BallSet = ballSet;
        }
        rec.Machine = machine;
        return AnyDrawRec(rec);
    });
}

Expected<UpdatePlan> PrepareUpdate(Game game, const DrawEntryFields& fields, std::int32_t lastDraw) {
    for (int box = 1; box <= kBallBoxes; ++box) {
        if (UsesBallBox(game, box) && Blank(fields.balls[static_cast<std::size_t>(box - 1)])) {
            return Refuse(AtBox("Data Missing. Can not complete Update. Please check and try again.",
                                "Data Missing", EntryBox::None, false));
        }
    }
    if (Blank(fields.drawDate)) {
        return Refuse(AtBox("Data Missing. Can not complete Update. Please check and try again.",
                            "Data Missing", EntryBox::None, false));
    }
    const auto number = CheckDrawNumber(fields.drawNumber, lastDraw);
    if (!number) {
        return Refuse(number.error());
    }
    for (int box = 1; box <= kBallBoxes; ++box) {
        if (!UsesBallBox(game, box)) {
            continue;
        }
        if (const Checked ball = CheckBallBox(game, box, fields.balls); !ball) {
            return Refuse(ball.error());
        }
    }
    if (const Checked date = CheckDrawDateBox(fields.drawDate); !date) {
        return Refuse(date.error());
    }
    // A negative set is damage to every reader of the file; one beyond the field cannot be stored.
    if (Info(game).ballSetWidth == 0) {
        const auto set = ToInteger(LottoBallSetText(fields.ballSet));
        if (!set || *set < 0) {
            return Refuse(AtBox("The Set box takes a whole number from 0 to " +
                                    std::to_string(std::numeric_limits<std::int16_t>::max()) + ".",
                                kInputError, EntryBox::BallSet, false));
        }
    }
    auto record = BuildDrawRecord(game, fields);
    if (!record) {
        return Refuse(UpdateFailure(record.error()));
    }
    const DrawNumberChoice& choice = *number;
    UpdatePlan plan{*record, choice.number, choice.newDraw, fields.ballSet};
    if (Info(game).ballSetWidth == 0) {
        plan.ballSetText = LottoBallSetText(fields.ballSet);
    }
    return plan;
}

Checked EncodeTypedText(Game game, DrawEntryFields& fields) {
    struct Field {
        std::string* text;
        int width;
        std::string_view name;
        EntryBox box;
    };
    // Lotto's set is a number: text that is not one is stored as 0, whatever its characters.
    std::vector<Field> textFields;
    if (Info(game).ballSetWidth > 0) {
        textFields.push_back({&fields.ballSet, Info(game).ballSetWidth, "Set", EntryBox::BallSet});
    }
    textFields.push_back({&fields.machine, Info(game).machineWidth, "Machine", EntryBox::Machine});
    for (const Field& field : textFields) {
        const Windows1252Text encoded = EncodeWindows1252Field(*field.text);
        if (!encoded.Ok()) {
            return Refuse(AtBox(
                "The " + std::string(field.name) + " box holds " + encoded.fault->Describe(*field.text) + ".",
                kInputError, field.box, false));
        }
        if (encoded.bytes.size() > static_cast<std::size_t>(field.width)) {
            return Refuse(AtBox("The " + std::string(field.name) + " box takes at most " +
                                    std::to_string(field.width) + " characters.",
                                kInputError, field.box, false));
        }
        *field.text = encoded.bytes;
    }
    return {};
}

Refusal UpdateFailure(Refusal refusal) {
    refusal.title = "Error Updating";
    refusal.text =
        "An Error occured Updating History File, unable to Complete" + std::string(kCrLf) + refusal.text;
    return refusal;
}

Refusal UpdateCompleted(const std::string& warning) {
    return AtBox(warning.empty() ? std::string("Update of History Completed")
                                 : "Update of History Completed" + std::string(kCrLf) + warning,
                 "Updated", EntryBox::None, false);
}

}  // namespace quintara
