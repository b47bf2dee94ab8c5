#pragma once

#include <QList>
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
