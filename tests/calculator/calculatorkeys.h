#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include "calculator/calculatorengine.h"

// Key sequences written as in the manual: digits, ".", "+", "-", "X", "/",
// "=", "%", and B Backspace, E CE, C clear all, ~ +/-, S sqrt, R 1/x,
// m MC, r MR, s MS, p M+. Blanks are ignored.
inline QList<modVelmora::CalculatorKey> CalculatorKeys(const QString& sequence) {
    using K = modVelmora::CalculatorKey;
    static const QString codes = "~SRBECmrsp";
    static const K keys[] = {K::ChangeSign,  K::SquareRoot, K::Reciprocal,   K::Backspace,   K::ClearEntry,
                             K::ClearAll,    K::MemoryClear, K::MemoryRecall, K::MemoryStore, K::MemoryAdd};
    QList<K> pressed;
    for (const QChar c : sequence) {
        if (const auto at = codes.indexOf(c); at >= 0) pressed << keys[at];
        else if (const auto key = modVelmora::KeyWithCaption(c.toLatin1())) pressed << *key;
    }
    return pressed;
}

// The same sequence as a user works the window: every key clicked, or typed
// where the keyboard has it (X as *, = as Enter, B as Backspace, C as Esc).
inline QString CalculatorSteps(const QString& sequence, bool keyboard) {
    static const QMap<QChar, QString> buttons{
        {'.', "Decimal"},  {'/', "Operator0"}, {'+', "Operator1"},    {'X', "Operator2"},   {'-', "Operator3"},
        {'=', "Operator4"}, {'%', "Percent"},  {'B', "cmdBackSpace"}, {'E', "CancelEntry"}, {'C', "Cancel"},
        {'~', "cmdPlusMinus"}, {'S', "cmdSquareRoot"}, {'R', "cmdOneOverX"}, {'m', "cmdMemClear"},
        {'r', "cmdMemRecall"}, {'s', "cmdMemStore"}, {'p', "cmdMemPlus"}};
    static const QMap<QChar, QString> typed{{'X', "*"}, {'=', "\r"}, {'B', "\b"}, {'C', "\x1b"}};
    QString steps;
    const QString keys = QString(sequence).remove(' ');
    for (const QChar c : keys) {
        if (keyboard && (c.isDigit() || QString("./+-").contains(c))) steps += c;
        else if (keyboard && typed.contains(c)) steps += typed[c];
        else steps += "[" + (c.isDigit() ? "Number" + QString(c) : buttons[c]) + "]";
    }
    return steps;
}

// The manual's table of key sequences and the exact display after each.
inline QList<QPair<QString, QString>> CalculatorManualTable() {
    return {{"5 + 3 =", "8."},       {"2 X 3 +", "6."},           {"2 X 3 + 4 =", "10."},  {"1 / 3 =", "0.333333333333333"},
            {"10 / 0 =", "Cannot divide by 0."}, {"- 5", "-5."},   {"5 X - 3 =", "-15."},   {". 5", "0.5"},
            {"0 5", "05."},          {"1 . 2 3 B", "1."},         {"1 . 2 3 B 4", "1.4"},  {"1 2 3 B", "12."},
            {"200 + 10 %", "20."},   {"200 + 10 % =", "220."},    {"5 + 3 E 4 =", "9."},   {"4 ~ S", "Error."},
            {"0 R", "Cannot divide by 0."}, {"10000000 X 10000000 =", "100000000000000"}, {"12 ~ 3", "-123."}};
}
