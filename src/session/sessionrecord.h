#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "common/calculatedresult.h"

// The session: every result the clinician calculated, one row each, and its
// text on disk, a whole copy (session.json) and the journal of the changes made
// since (below). The whole copy is JSON:
//   {"format": 2, "patients": ["", "Müller"],
//    "rows": [{"time": "2026-12-06T14:03:27+01:00", "patient": 1, "module": "score", "test": "...",
//              "entry": "...", "results": "...", "fields": [["raw", "23"], ...]}, ...]}
// The patients in the order they were started, each row naming its own by its place. Format 1,
// written before there were patients, has neither and is read as one patient's rows.
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
    int patient = 0;   // its patient's place in the session's patients

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

// A patient's identifier as typed: free text of at most this many characters, which may stay empty.
inline constexpr qsizetype kLongestPatient = 60;
// Why an identifier cannot be kept (too long, not Unicode); empty when it can.
QString PatientProblem(const QString& identifier);

struct SessionText {
    QList<SessionRow> rows;
    QStringList patients;  // at least one
    QString damage;  // why the text is not a whole session; empty when it is, and rows hold it
};

SessionText ReadSession(QByteArrayView json);
// The rows must have no SessionRowProblem; SessionFile checks before it writes.
QByteArray WriteSession(const QList<SessionRow>& rows, const QStringList& patients);

// A change to the session, as the journal keeps it until the next whole copy.
struct SessionChange {
    enum Kind { Add, SetTest, Remove, NewPatient, SetPatient, Insert };
    Kind kind = Add;
    SessionRow row;            // Add: the row put at the end
    qsizetype index = 0;       // SetTest: the row named; SetPatient: the patient named
    QString test;              // SetTest: its test's name; NewPatient and SetPatient: the patient's identifier
    QList<qsizetype> indexes;  // Remove: the rows as they stood, highest first, each once; Insert: where each row goes, lowest first
    QList<SessionRow> rows;    // Insert: the rows put back
};
struct SessionSize {
    qsizetype rows = 0, patients = 1;
};
// Whether the change names only rows and patients there are, in a session of that size; then the size after it.
std::optional<SessionSize> SizeAfter(SessionSize size, const SessionChange& change);
// The change made to the session; it must fit it (SizeAfter).
void ApplyChange(QList<SessionRow>& rows, QStringList& patients, const SessionChange& change);

// The journal beside session.json: a first line naming the whole copy it continues (by its
// SnapshotIdentity, "none" when there is none), then a line a change:
//   {"journal": 2, "snapshot": "35012345-9f3a0c1d2e4b5a69"}
//   {"add": {"time": ..., "fields": [...]}}      a row, as in session.json
//   {"test": [12, "WAIS-IV Digit Span"]}          a row's test named
//   {"remove": [40, 7]}                           rows deleted, highest first
//   {"patient": ""}                               the next patient started
//   {"identifier": [1, "Müller"]}                 a patient's identifier typed
//   {"insert": [[7, {"time": ...}], [40, ...]]}   rows deleted put back (an undo), lowest first
// A journal of version 1, written before there were patients, holds rows without one and none
// of the last three.
//   {"snapshot": "...", "lines": 120}             a whole copy written that holds the first 120 changes
// A last line without its line end is a change whose write never finished, and counts for nothing.
QString SnapshotIdentity(QByteArrayView snapshot);
QByteArray JournalHeader(const QString& snapshot);
QByteArray JournalLine(const SessionChange& change);
QByteArray JournalMarker(const QString& snapshot, qsizetype lines);

struct JournalText {
    QString snapshot;                               // the header's
    int version = 2;
    QList<std::pair<QString, qsizetype>> markers;  // whole copies written since, and the changes each holds
    QList<SessionChange> changes;
    qsizetype whole = 0;  // the length of the whole lines
    QString damage;       // why the text is not a journal; empty when it is
};
JournalText ReadJournal(QByteArrayView text);

}  // namespace modVelmora
