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

constexpr const char* kDivideByZeroText = "Cannot divide by 0.";
constexpr const char* kErrorText = "Error.";

// The number a display text stands for ("12." is 12, "1E+20" is 10^20);
// none for "-", the two error texts or anything else.
std::optional<double> CalculatorNumber(std::string_view text);

// At most 15 significant digits, exponent form from 10^15 and below 10^-4.
std::string CalculatorText(double x);

// Below 10^14, and for every negative value, the fixed form with its point
// ("15.", "0.25"); larger values keep their text.
std::string NormalizeReadout(std::string_view display);

class CalculatorEngine {
public:
    enum class Response { Done, Beep };

    // An operand is the display's text or a computed value.
    using Operand = std::variant<std::string, double>;

    CalculatorEngine();

    // The calculator's own part of loading its window: the display and the entry state.
    void load();

    Response press(CalculatorKey key);

    const std::string& display() const { return display_; }
    bool displayIsNumber() const { return CalculatorNumber(display_).has_value(); }
    double memoryValue() const { return memoryValue_; }
    // Set by the memory keys: whether the indicator marks a stored value, and whether its tooltip gives the memory.
    bool memoryMarked() const { return memoryMarked_; }
    bool memoryDescribed() const { return memoryDescribed_; }
    // A new window shows the indicator empty, whatever the memory holds.
    void resetMemoryIndicator();

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
    bool continuesEntry() const;

    Operand operand1_ = 0.0;
    std::string operand2_;       // the second operand: the display as the operator key found it
    bool decimalFlag_ = false;
    int operandCount_ = 0;
    LastInput lastInput_ = LastInput::None;
    Operation pendingOp_ = Operation::None;
    std::string entrySnapshot_;  // the display taken when an operator key is pressed
    double memoryValue_ = 0;
    std::string display_ = "0.";
    bool memoryMarked_ = false;
    bool memoryDescribed_ = false;
};

}  // namespace modVelmora
