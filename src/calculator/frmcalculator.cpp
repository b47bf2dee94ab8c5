#include "calculator/frmcalculator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/controls.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

const QColor kRed(255, 128, 128);
const QColor kCyan(128, 255, 255);
const QColor kGreen(128, 255, 128);
const QColor kWhite(255, 255, 255);
constexpr int kKeyWidth = 540;
constexpr int kKeyHeight = 435;

struct DigitKey {
    int digit;
    int left;
    int top;
};
constexpr DigitKey kDigits[] = {{0, 945, 3990},  {1, 945, 3360},  {2, 1575, 3360}, {3, 2205, 3360},
                                {4, 945, 2730},  {5, 1575, 2730}, {6, 2205, 2730}, {7, 945, 2100},
                                {8, 1575, 2100}, {9, 2205, 2100}};

struct OperatorKey {
    const char* caption;
    CalculatorKey action;
    int left;
    int top;
};
// Indexed as the Operator array: 0 "/", 1 "+", 2 "X", 3 "-", 4 "=".
constexpr OperatorKey kOperators[] = {{"/", CalculatorKey::Divide, 2940, 2100},
                                      {"+", CalculatorKey::Add, 2940, 3990},
                                      {"X", CalculatorKey::Multiply, 2940, 2730},
                                      {"-", CalculatorKey::Subtract, 2940, 3360},
                                      {"=", CalculatorKey::Equals, 3570, 3990}};

}  // namespace

frmCalculator::frmCalculator(Settings& settings) : ModuleWindow(Module::Calculator, QSize(4425, 4620), settings) {}

QPushButton* frmCalculator::key(QWidget* client, const char* name, const QString& caption, CalculatorKey action,
                                int left, int top, const QColor& colour) {
    auto* button = Place(new QPushButton(caption, client), name, left, top, kKeyWidth, kKeyHeight);
    button->setFont(Arial(12, true));
    SetBackground(button, colour);
    connect(button, &QPushButton::clicked, this, [this, action] { press(action); });
    return button;
}

void frmCalculator::createControls(QWidget* client) {
    Label2 = TitleBanner(client, tr("Calculator"), 1500, 150, 1425, 330, 14.25);
    Readout = Place(new QLabel(client), "Readout", 210, 735, 3900, 540);
    Readout->setFont(Arial(18, true));
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFrameShape(QFrame::Box);
    SetBackground(Readout, kLightYellow);
    lblMemoryValue = Place(new QLabel(client), "lblMemoryValue", 210, 1470, 540, 435);
    lblMemoryValue->setFont(Arial(14.25, true));
    lblMemoryValue->setAlignment(Qt::AlignCenter);
    lblMemoryValue->setFrameShape(QFrame::Box);
    SetForeground(lblMemoryValue, Qt::red);
    DescribeResult(Readout, tr("Display"));
    DescribeResult(lblMemoryValue, tr("Memory"));

    using K = CalculatorKey;
    cmdBackSpace = key(client, "cmdBackSpace", tr("Backspace"), K::Backspace, 945, 1470, kRed);
    cmdBackSpace->resize(TwipSize(1170, kKeyHeight));
    cmdBackSpace->setFont(Arial(9, true));
    CancelEntry = key(client, "CancelEntry", QStringLiteral("CE"), K::ClearEntry, 2205, 1470, kRed);
    Cancel = key(client, "Cancel", QStringLiteral("C"), K::ClearAll, 3255, 1470, kRed);
    for (QPushButton* wide : {CancelEntry, Cancel}) wide->resize(TwipSize(855, kKeyHeight));
    CancelEntry->setToolTip(tr("Clear entry"));
    Cancel->setToolTip(tr("Clear all"));

    cmdMemClear = key(client, "cmdMemClear", QStringLiteral("MC"), K::MemoryClear, 210, 2100, kCyan);
    cmdMemRecall = key(client, "cmdMemRecall", QStringLiteral("MR"), K::MemoryRecall, 210, 2730, kCyan);
    cmdMemStore = key(client, "cmdMemStore", QStringLiteral("MS"), K::MemoryStore, 210, 3360, kCyan);
    cmdMemPlus = key(client, "cmdMemPlus", QStringLiteral("M+"), K::MemoryAdd, 210, 3990, kCyan);
    cmdMemClear->setToolTip(tr("Clear memory"));
    cmdMemRecall->setToolTip(tr("Recall value from memory"));
    cmdMemStore->setToolTip(tr("Store value in memory"));
    cmdMemPlus->setToolTip(tr("Add value to memory"));

    for (const DigitKey& digit : kDigits) {
        Number[static_cast<size_t>(digit.digit)] =
            key(client, qPrintable(QStringLiteral("Number%1").arg(digit.digit)), QString::number(digit.digit),
                static_cast<K>(static_cast<int>(K::Digit0) + digit.digit), digit.left, digit.top, kWhite);
    }
    cmdPlusMinus = key(client, "cmdPlusMinus", QStringLiteral("+/-"), K::ChangeSign, 1575, 3990, kWhite);
    Decimal = key(client, "Decimal", QStringLiteral("."), K::Point, 2205, 3990, kWhite);
    for (size_t index = 0; index < Operator.size(); ++index) {
        const OperatorKey& op = kOperators[index];
        Operator[index] = key(client, qPrintable(QStringLiteral("Operator%1").arg(index)),
                              QString::fromLatin1(op.caption), op.action, op.left, op.top,
                              index == 4 ? kLightYellow : kGreen);
    }
    cmdSquareRoot = key(client, "cmdSquareRoot", QStringLiteral("sqrt"), K::SquareRoot, 3570, 2100, kLightYellow);
    cmdSquareRoot->setFont(Arial(9.75, true));
    cmdSquareRoot->setToolTip(tr("Square root"));
    Percent = key(client, "Percent", QStringLiteral("%"), K::Percent, 3570, 2730, kLightYellow);
    cmdOneOverX = key(client, "cmdOneOverX", QStringLiteral("1/x"), K::Reciprocal, 3570, 3360, kLightYellow);
    setDefaultButton(Operator[4]);
    setCancelButton(Cancel);

    // Tab indexes: the digits 0 to 9, then +/-, the point, "+", "-", "X", "/", "=",
    // 1/x, %, sqrt, Backspace, CE, C and the memory keys.
    QList<QWidget*> tabOrder;
    for (QPushButton* digit : Number) tabOrder << digit;
    tabOrder << cmdPlusMinus << Decimal << Operator[1] << Operator[3] << Operator[2] << Operator[0] << Operator[4]
             << cmdOneOverX << Percent << cmdSquareRoot << cmdBackSpace << CancelEntry << Cancel << cmdMemClear
             << cmdMemRecall << cmdMemStore << cmdMemPlus;
    SetTabOrder(tabOrder);
}

void frmCalculator::initialise() {
    engine_.load();
    // A new window shows the memory indicator empty, whatever the memory holds.
    lblMemoryValue->clear();
    lblMemoryValue->setToolTip(QString());
    showState();
    // The key of tab index 0 has the focus when the window opens.
    Number[0]->setFocus();
}

void frmCalculator::press(CalculatorKey key) {
    using K = CalculatorKey;
    const CalculatorEngine::Response response = engine_.press(key);
    if (response == CalculatorEngine::Response::Beep) platform().beep();
    // C runs the whole load step again, the window's place included.
    if (key == K::ClearAll) runFrameSteps();
    // The indicator marks a stored value; every memory key but MR sets its tooltip to the memory.
    if (key == K::MemoryClear) lblMemoryValue->clear();
    if (response == CalculatorEngine::Response::Stored) lblMemoryValue->setText(QStringLiteral("M"));
    if (key == K::MemoryClear || key == K::MemoryStore || key == K::MemoryAdd)
        lblMemoryValue->setToolTip(tr("Memory Value: %1").arg(ShownNumber(CalculatorText(engine_.memoryValue()))));
    showState();
}

void frmCalculator::showState() {
    // Numbers show the user's decimal separator.
    const DisplayState state = engine_.state();
    if (state == DisplayState::Number) {
        Readout->setFont(Arial(18, true));
        Readout->setText(ShownNumber(engine_.number()));
        return;
    }
    // A message longer than the display, as some translations are, is written smaller.
    Readout->setText(QCoreApplication::translate(kMessageContext, ErrorText(state)));
    FitText(Readout, Arial(18, true));
}

bool frmCalculator::previewKey(QKeyEvent* event) {
    using K = CalculatorKey;
    const QString text = event->text();
    std::optional<K> action;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        action = K::Equals;
    } else if (event->key() == Qt::Key_Escape) {
        action = K::ClearAll;
    } else if (event->key() == Qt::Key_Backspace) {
        action = K::Backspace;
    } else if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // The keyboard has * for X and no key of its own for = or %; a letter X is no key. The key
        // that types the locale's separator (the keypad's on a German keyboard types ",") is the point too.
        if (IsDecimalKey(text.at(0).unicode())) {
            action = K::Point;
        } else if (text == QLatin1String("*")) {
            action = K::Multiply;
        } else if (QStringLiteral("0123456789+-/").contains(text)) {
            action = KeyWithCaption(text.at(0).toLatin1());
        }
    }
    if (!action) {
        // Keys that type nothing (Tab, arrows, shortcuts) keep their usual meaning.
        if (KeyAscii(event) == 0) return false;
        // Space still presses the focused key, as on any button.
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (event->key() == Qt::Key_Space && focused && focused->window() == form()) focused->click();
    } else {
        press(*action);
    }
    // After every typed key the focus is on "=", so Enter completes the calculation.
    Operator[4]->setFocus();
    return true;
}

}  // namespace modVelmora
