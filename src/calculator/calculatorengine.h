#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The desk calculator without its window: strictly left-to-right evaluation
// as operator keys are pressed, with the number being typed kept as text in
// the display. The display always uses "." as its decimal point; the window
// shows it with the user's separator.

namespace modVelmora {

enum class CalculatorKey {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point,
    Divide, Add, Multiply, Subtract, Equals,
    Percent, ChangeSign, SquareRoot, Reciprocal,
    Backspace, ClearEntry, ClearAll,
    MemoryClear, MemoryRecall, MemoryStore, MemoryAdd,
};

// The key captioned c: a digit, ".", "/", "+", "X", "-", "=" or "%"; none for anything else.
std::optional<CalculatorKey> KeyWithCaption(char c);

// The number a display text stands for ("12." is 12, "1E+20" is 10^20);
// none for "-" or anything else.
std::optional<double> CalculatorNumber(std::string_view text);

// At most 15 significant digits, exponent form from 10^15 and below 10^-4.
std::string CalculatorText(double x);

// Below 10^14, and for every negative value, the fixed form with its point
// ("15.", "0.25"); larger values keep their text.
std::string NormalizeReadout(std::string_view display);

// What the display shows: a number (being typed or computed), or one of the two errors.
enum class DisplayState { Number, Error, DivideByZero };

// The English text of an error on show ("Error.", "Cannot divide by 0."); translated where it is shown.
const char* ErrorText(DisplayState state);

class CalculatorEngine {
public:
    // Stored: MS or M+ put the display's number in the memory.
    enum class Response { Done, Beep, Stored };

    // An operand is the display's text or a computed value.
    using Operand = std::variant<std::string, double>;

    CalculatorEngine();

    // The calculator's own part of loading its window: the display and the entry state.
    void load();

    Response press(CalculatorKey key);

    DisplayState state() const { return state_; }
    // The number on show, written with "."; "-" while a negative number begins. Empty on an error.
    const std::string& number() const { return display_; }
    // What the display reads in English: the number, "Error." or "Cannot divide by 0.".
    std::string displayText() const;
    double memoryValue() const { return memoryValue_; }

private:
    // What the last key put in: nothing yet, a number being typed (or recalled), an
    // operator, the minus that begins a negative number, or a cleared entry.
    enum class LastInput { None, Number, Operator, NegativeSign, ClearedEntry };
    // The operation waiting for its second operand; None before the first operator.
    enum class Operation { None, Add, Subtract, Multiply, Divide, Equals };

    Response digit(int value);
    Response point();
    Response operatorKey(Operation operation);
    Response percent();
    Response changeSign();
    Response squareRoot();
    Response reciprocal();
    Response backspace();
    Response clearEntry();
    Response clearAll();
    Response memoryClear();
    Response memoryRecall();
    Response memoryStore();
    Response memoryAdd();

    // Shows a computed value, or "Error." when it left the range of a double.
    void showResult(double value);
    void showNumber(std::string text);
    void showError(DisplayState error);
    bool continuesEntry() const;
    std::optional<double> displayedNumber() const;

    // None once a result has left the range of a double: nothing to go on with until C.
    std::optional<Operand> operand1_ = Operand(0.0);
    bool decimalFlag_ = false;
    int operandCount_ = 0;
    LastInput lastInput_ = LastInput::None;
    Operation pendingOp_ = Operation::None;
    double memoryValue_ = 0;
    DisplayState state_ = DisplayState::Number;
    std::string display_ = "0.";
};

}  // namespace modVelmora
