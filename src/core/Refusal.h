#pragma once

#include <string>
#include <tl/expected.hpp>
#include <utility>

namespace quintara {

// The icon of a refusal's message box.
enum class RefusalIcon { None, Exclamation };

// Why something was refused, for the few callers whose reaction depends on more than the message.
enum class RefusalCause {
    Other,
    Missing,     // a box holds nothing, or a file is not there
    NotANumber,  // text that is no number where a number belongs
    OutOfRange,  // a number outside the range it must lie in
    Duplicate,   // a number given twice where each may appear once
    Unreadable,  // a file that cannot be read
    NoLines,     // a file without a line to use
    FieldCount,  // a line with the wrong number of fields
    WrongGame,   // a command the current game does not have
    StepFailed,  // a step of a longer run failed
    Empty,       // a history file without a draw
    Unwritable,  // a file that cannot be written
    BadFormat,   // bytes that do not read as what they must be
    Usage,       // a start the user must complete with an option
};

// What the program says when it refuses something, and the box the user goes back to. Every member has an
// initializer so that a refusal can be written with designated initializers naming only what it needs.
struct Refusal {
    std::string title{};
    std::string text{};
    RefusalIcon icon = RefusalIcon::None;
    int box = 0;            // the box to return to, numbered as its window numbers them; 0 for none
    bool emptyBox = false;  // that box is emptied before the user returns to it
    RefusalCause cause = RefusalCause::Other;
    std::string detail{};  // what exactly is wrong, beyond the message box's fixed text
    bool operator==(const Refusal&) const = default;
};

// The value of an operation the caller must react to, or the refusal to show instead.
template <class T>
using Expected = tl::expected<T, Refusal>;

// An operation that yields nothing but its refusal, if any.
using Checked = Expected<void>;

// The failed result of an operation: `return Refuse({.title = ..., .text = ...});`.
inline tl::unexpected<Refusal> Refuse(Refusal refusal) {
    return tl::unexpected<Refusal>(std::move(refusal));
}

// The failed result of a file or format operation, whose message is all its caller shows or passes on.
inline tl::unexpected<Refusal> Refuse(RefusalCause cause, std::string text) {
    return Refuse({.text = std::move(text), .cause = cause});
}

}  // namespace quintara
