#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "common/calculatedresult.h"

// The session: every result the clinician calculated, one row each, and its
// text on disk. The text is JSON:
//   {"format": 1, "rows": [{"time": "2026-12-06T14:03:27+01:00", "module": "score", "test": "...",
//                           "entry": "...", "results": "...", "fields": [["raw", "23"], ...]}, ...]}
// Times are kept to the second with their offset from UTC; a text that is not
// exactly this (an unknown key, a time with milliseconds or without an offset)
// is damaged as a whole.

namespace modVelmora {

struct SessionRow {
    QDateTime time;    // when it was calculated
    QString module;    // velmora-cli's command word for the window that made it
    QString test;      // the test's name as the user typed it
    QString entry;     // what was entered, in words, as shown
    QString results;   // the results as shown
    std::vector<std::pair<QString, QString>> fields;  // velmora-cli's columns and values, "." decimals, in its order

    // Times count as equal when they fall in the same second at the same offset from UTC, as they are stored.
    friend bool operator==(const SessionRow& a, const SessionRow& b);
};

// The row of a result a window has just shown, made at time.
SessionRow RowOf(const CalculatedResult& result, const QDateTime& time);

// The modules a row may come from, in velmora-cli's order of its commands.
const QStringList& SessionModules();

// The time as stored: ISO 8601 to the second, with its offset from UTC ("Z" for none).
QString SessionTimeText(const QDateTime& time);

// Why a row cannot be stored and read back as it is (a time out of range, an unknown module, a
// field name that is not a plain lowercase identifier, text that is not Unicode);
// empty when it can.
QString SessionRowProblem(const SessionRow& row);

struct SessionText {
    QList<SessionRow> rows;
    QString damage;  // why the text is not a whole session; empty when it is, and rows hold it
};

SessionText ReadSession(const QByteArray& json);
// The rows must have no SessionRowProblem; SessionFile::save checks before it writes.
QByteArray WriteSession(const QList<SessionRow>& rows);

}  // namespace modVelmora
