#include "calculator/calculatorengine.h"

#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "stats/numbers.h"

namespace modVelmora {

namespace {

constexpr double kFixedFormLimit = 1e14;
constexpr size_t kIntegerEntryLimit = 16;  // characters before a further digit is refused

std::optional<double> numberOf(const std::optional<CalculatorEngine::Operand>& operand) {
    if (!operand) return std::nullopt;
    if (const double* value = std::get_if<double>(&*operand)) return *value;
    return CalculatorNumber(std::get<std::string>(*operand));
}

}  // namespace

std::optional<CalculatorKey> KeyWithCaption(char c) {
    using K = CalculatorKey;
    if (c >= '0' && c <= '9') return static_cast<K>(static_cast<int>(K::Digit0) + (c - '0'));
    switch (c) {
        case '.': return K::Point;
        case '/': return K::Divide;
        case '+': return K::Add;
        case 'X': return K::Multiply;
        case '-': return K::Subtract;
        case '=': return K::Equals;
        case '%': return K::Percent;
        default: return std::nullopt;
    }
}

std::optional<double> CalculatorNumber(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.E+-") != std::string_view::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // A typed fraction with hundreds of zeros is too small for a double.
        if (text.find('E') != std::string_view::npos || text.find_first_not_of("-0.") < text.find('.'))
            return std::nullopt;
        return 0.0;
    }
    if (error != std::errc()) return std::nullopt;
    return value;
}

std::string CalculatorText(double x) { return FormatGeneral(x, 15); }

std::string NormalizeReadout(std::string_view display) {
    const auto value = CalculatorNumber(display);
    if (!value || *value >= kFixedFormLimit) return std::string(display);
    return FormatWithPoint(*value, 16);
}

CalculatorEngine::CalculatorEngine() { load(); }

void CalculatorEngine::load() {
    decimalFlag_ = false;
    operandCount_ = 0;
    lastInput_ = LastInput::None;
    pendingOp_ = Operation::None;
    showNumber("0.");
}

const char* ErrorText(DisplayState state) {
    switch (state) {
        case DisplayState::Error: return QT_TRANSLATE_NOOP("modVelmora::Messages", "Error.");
        case DisplayState::DivideByZero: return QT_TRANSLATE_NOOP("modVelmora::Messages", "Cannot divide by 0.");
        case DisplayState::Number: break;
    }
    return "";
}

std::string CalculatorEngine::displayText() const {
    return state_ == DisplayState::Number ? display_ : ErrorText(state_);
}

std::optional<double> CalculatorEngine::displayedNumber() const { return CalculatorNumber(display_); }

void CalculatorEngine::showNumber(std::string text) {
    state_ = DisplayState::Number;
    display_ = std::move(text);
}

void CalculatorEngine::showError(DisplayState error) {
    state_ = error;
    display_.clear();
}

CalculatorEngine::Response CalculatorEngine::press(CalculatorKey key) {
    using K = CalculatorKey;
    switch (key) {
        case K::Digit0: case K::Digit1: case K::Digit2: case K::Digit3: case K::Digit4:
        case K::Digit5: case K::Digit6: case K::Digit7: case K::Digit8: case K::Digit9:
            return digit(static_cast<int>(key) - static_cast<int>(K::Digit0));
        case K::Point: return point();
        case K::Divide: return operatorKey(Operation::Divide);
        case K::Add: return operatorKey(Operation::Add);
        case K::Multiply: return operatorKey(Operation::Multiply);
        case K::Subtract: return operatorKey(Operation::Subtract);
        case K::Equals: return operatorKey(Operation::Equals);
        case K::Percent: return percent();
        case K::ChangeSign: return changeSign();
        case K::SquareRoot: return squareRoot();
        case K::Reciprocal: return reciprocal();
        case K::Backspace: return backspace();
        case K::ClearEntry: return clearEntry();
        case K::ClearAll: return clearAll();
        case K::MemoryClear: return memoryClear();
        case K::MemoryRecall: return memoryRecall();
        case K::MemoryStore: return memoryStore();
        case K::MemoryAdd: return memoryAdd();
    }
    return Response::Beep;
}

// Typing goes on only in a number written with its point: not in an error
// text, nor in a result of 10^14 or more, which has no point or an exponent.
bool CalculatorEngine::continuesEntry() const {
    return lastInput_ == LastInput::Number && displayedNumber() && display_.find('.') != std::string::npos &&
           display_.find('E') == std::string::npos;
}

void CalculatorEngine::showResult(double value) {
    if (std::isfinite(value)) showNumber(NormalizeReadout(CalculatorText(value)));
    else showError(DisplayState::Error);
}

CalculatorEngine::Response CalculatorEngine::digit(int value) {
    if (!continuesEntry()) {
        showNumber(".");
        decimalFlag_ = false;
    }
    // A digit never drops digits on show: after a recalled or computed fraction it is appended.
    if (!decimalFlag_ && display_.back() != '.') decimalFlag_ = true;
    const char d = static_cast<char>('0' + value);
    if (decimalFlag_) {
        display_ += d;
    } else {
        if (display_.size() > kIntegerEntryLimit) return Response::Beep;
        display_ = display_.substr(0, display_.find('.')) + d + ".";
    }
    if (lastInput_ == LastInput::NegativeSign) display_ = "-" + display_;
    lastInput_ = LastInput::Number;
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::point() {
    if (lastInput_ == LastInput::NegativeSign) {
        showNumber("-0.");
    } else if (!continuesEntry()) {
        showNumber("0.");
    }
    decimalFlag_ = true;
    lastInput_ = LastInput::Number;
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::operatorKey(Operation operation) {
    // An operator takes the display as its operand: an error is none.
    if (state_ != DisplayState::Number) return Response::Beep;

    // Counts past 2 only ever do nothing, so they stop at 3.
    const int count = std::min(operandCount_ + (lastInput_ == LastInput::Number ? 1 : 0), 3);
    std::optional<double> result;
    if (count == 2) {
        // The second operand is the display as the operator key finds it.
        const auto right = CalculatorNumber(display_);
        if (!right) return Response::Beep;
        if (pendingOp_ == Operation::Divide && *right == 0) {
            operandCount_ = count;
            showError(DisplayState::DivideByZero);
            return Response::Done;
        }
        const auto left = pendingOp_ == Operation::Equals ? right : numberOf(operand1_);
        if (!left) return Response::Beep;
        switch (pendingOp_) {
            case Operation::Add: result = *left + *right; break;
            case Operation::Subtract: result = *left - *right; break;
            case Operation::Multiply: result = *right * *left; break;
            case Operation::Divide: result = *left / *right; break;
            case Operation::Equals: result = *right; break;
            case Operation::None: result = *left; break;
        }
    }

    operandCount_ = count;
    const bool minus = operation == Operation::Subtract;
    if (count == 0) {
        if (minus) lastInput_ = LastInput::NegativeSign;
    } else if (count == 1) {
        operand1_ = display_;
        if (minus && lastInput_ != LastInput::Number && pendingOp_ != Operation::Equals) {
            showNumber("-");
            lastInput_ = LastInput::NegativeSign;
        }
    } else if (result) {
        // Past the range of a double there is nothing to go on with until C.
        if (std::isfinite(*result)) operand1_ = *result;
        else operand1_.reset();
        showResult(*result);
        operandCount_ = 1;
    }
    if (lastInput_ != LastInput::NegativeSign) {
        lastInput_ = LastInput::Operator;
        pendingOp_ = operation;
    }
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::percent() {
    // Before any operator the first operand counts as 0.
    const auto base = numberOf(operand1_);
    const auto rate = displayedNumber();
    if (!base || !rate) return Response::Beep;
    showResult(*base * (*rate / 100));
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::changeSign() {
    const auto value = displayedNumber();
    if (!value) return Response::Beep;
    showResult(-*value);
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::squareRoot() {
    const auto value = displayedNumber();
    if (!value) return Response::Beep;
    if (*value < 0) {
        showError(DisplayState::Error);
    } else {
        showResult(std::sqrt(*value));
    }
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::reciprocal() {
    const auto value = displayedNumber();
    if (!value || *value == 0) {
        showError(DisplayState::DivideByZero);
    } else {
        showResult(1 / *value);
    }
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::backspace() {
    if (lastInput_ == LastInput::Operator) return Response::Beep;
    const auto value = displayedNumber();
    if (!value || *value == 0) return Response::Beep;

    const std::string shortened = display_.substr(0, display_.size() >= 2 ? display_.size() - 2 : 0);
    if (shortened.empty() || shortened == "-") {
        lastInput_ = LastInput::None;
        showNumber("0.");
        return Response::Done;
    }
    // An exponent form cannot be shortened into a number ("1E+15" to "1E+").
    if (!CalculatorNumber(shortened)) return Response::Beep;
    showNumber(NormalizeReadout(shortened));
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::clearEntry() {
    showNumber("0.");
    decimalFlag_ = false;
    lastInput_ = LastInput::ClearedEntry;
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::clearAll() {
    operand1_ = 0.0;
    load();
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::memoryClear() {
    memoryValue_ = 0;
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::memoryRecall() {
    showNumber(NormalizeReadout(CalculatorText(memoryValue_)));
    lastInput_ = LastInput::Number;
    return Response::Done;
}

CalculatorEngine::Response CalculatorEngine::memoryStore() {
    // A display that does not begin with a non-zero number leaves the memory as it was.
    if (ReadNumericPrefix(display_) == 0) return Response::Done;
    memoryValue_ = displayedNumber().value_or(memoryValue_);
    lastInput_ = LastInput::None;
    return Response::Stored;
}

CalculatorEngine::Response CalculatorEngine::memoryAdd() {
    if (ReadNumericPrefix(display_) == 0) return Response::Done;
    const double sum = memoryValue_ + displayedNumber().value_or(0);
    if (!std::isfinite(sum)) return Response::Beep;
    memoryValue_ = sum;
    lastInput_ = LastInput::None;
    return Response::Stored;
}

}  // namespace modVelmora
