#pragma once

#include <QList>
#include <QString>

#include "calculator/calculatorengine.h"

// Key sequences written as in the manual: digits, ".", "+", "-", "X", "/",
// "=", "%", and B Backspace, E CE, C clear all, ~ +/-, S sqrt, R 1/x,
// m MC, r MR, s MS, p M+. Blanks are ignored.
inline QList<modVelmora::CalculatorKey> CalculatorKeys(const QString& sequence) {
    using K = modVelmora::CalculatorKey;
    QList<K> keys;
    for (const QChar c : sequence) {
        if (c.isDigit()) {
            keys << static_cast<K>(static_cast<int>(K::Digit0) + c.digitValue());
            continue;
        }
        switch (c.toLatin1()) {
            case '.': keys << K::Point; break;
            case '+': keys << K::Add; break;
            case '-': keys << K::Subtract; break;
            case 'X': keys << K::Multiply; break;
            case '/': keys << K::Divide; break;
            case '=': keys << K::Equals; break;
            case '%': keys << K::Percent; break;
            case 'B': keys << K::Backspace; break;
            case 'E': keys << K::ClearEntry; break;
            case 'C': keys << K::ClearAll; break;
            case '~': keys << K::ChangeSign; break;
            case 'S': keys << K::SquareRoot; break;
            case 'R': keys << K::Reciprocal; break;
            case 'm': keys << K::MemoryClear; break;
            case 'r': keys << K::MemoryRecall; break;
            case 's': keys << K::MemoryStore; break;
            case 'p': keys << K::MemoryAdd; break;
            default: break;
        }
    }
    return keys;
}

// The manual's table of key sequences and the exact display after each.
inline QList<QPair<QString, QString>> CalculatorManualTable() {
    return {{"5 + 3 =", "8."},
            {"2 X 3 +", "6."},
            {"2 X 3 + 4 =", "10."},
            {"1 / 3 =", "0.333333333333333"},
            {"10 / 0 =", "Cannot divide by 0."},
            {"- 5", "-5."},
            {"5 X - 3 =", "-15."},
            {". 5", "0.5"},
            {"0 5", "05."},
            {"1 . 2 3 B", "1."},
            {"1 . 2 3 B 4", "1.4"},
            {"1 2 3 B", "12."},
            {"200 + 10 %", "20."},
            {"200 + 10 % =", "220."},
            {"5 + 3 E 4 =", "9."},
            {"4 ~ S", "Error."},
            {"0 R", "Cannot divide by 0."},
            {"10000000 X 10000000 =", "100000000000000"},
            {"12 ~ 3", "-123."}};
}
