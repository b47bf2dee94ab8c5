#pragma once

// How a module's computation refuses an entry. The window, velmora-cli and
// the manual all call the computation, so each check and message exists once.

namespace modVelmora {

// Refusal messages are written in English and translated where they are
// shown, in this one context.
inline constexpr const char* kMessageContext = "modVelmora::Messages";

// A result that ShowableFigure refuses: extreme entries, each finite, that no window could show.
extern const char* const kResultOutOfRange;

// How the user learns of a refusal: a message with the information icon, one
// with the exclamation icon, the beep alone, or only the focus moving.
enum class Notice { Information, Exclamation, Beep, FocusOnly };

// What becomes of the results on show: kept, or emptied before or after the notice.
enum class ShownResults { Kept, EmptiedFirst, EmptiedAfter };

template <class Field>
struct Refusal {
    Field field;                  // the entry refused; it takes the focus
    Notice notice;
    const char* message;          // English; none for a beep or a focus move
    bool emptiesEntry = false;    // the refused entry is emptied
    ShownResults results = ShownResults::Kept;
};

}  // namespace modVelmora
