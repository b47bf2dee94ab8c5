#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "session/sessionfile.h"
#include "session/sessionrecord.h"

// The session the program keeps for one run: the rows in memory and on disk,
// each change kept on disk as it is made so that a crash loses nothing.

namespace modVelmora {

class SessionLog : public QObject {
    Q_OBJECT
public:
    explicit SessionLog(const QString& path);

    // Reads the session left by the last run; what the user must be told of it (a damaged file
    // set aside, a session open in another Velmora), or empty.
    QString load();

    const QList<SessionRow>& rows() const { return rows_; }
    // The patients' identifiers, in the order they were started; the last is the current one.
    const QStringList& patients() const { return patients_; }
    // A result just calculated, for the current patient; the same result again straight after it adds nothing.
    void add(SessionRow row);
    // Starts the next patient, to whom the results from now on go; a current patient with neither
    // results nor an identifier stays the current one. False when none was started.
    bool newPatient();
    // A patient's identifier as typed, blanks around it dropped and cut to kLongestPatient characters.
    void setPatient(qsizetype patient, const QString& identifier);
    void setTest(qsizetype row, const QString& test);
    // The rows at these indexes, in any order.
    void remove(QList<qsizetype> indexes);
    void clear();
    // Undoing: rows deleted put back where they stood (indexes lowest first), and a session cleared
    // put back before whatever was added since.
    void insert(const QList<qsizetype>& indexes, const QList<SessionRow>& rows);
    void restore(const QList<SessionRow>& rows, const QStringList& patients);
    // The file is this run's to write (no other Velmora holds it).
    bool kept() const { return kept_; }
    // Every change is on disk.
    bool saved() const { return kept_ && unsaved_ == 0; }
    // At exit: what is not yet on disk is written once more, and a long journal folded into the whole copy.
    // True when every result is on disk.
    bool close();

signals:
    // The rows as the model of a view follows them: each pair brackets the change it names.
    void aboutToAdd(qsizetype row);
    void added(qsizetype row);
    void aboutToRemove(qsizetype first, qsizetype last);
    void removed(qsizetype first, qsizetype last);
    void testChanged(qsizetype row);
    // A patient started or named.
    void patientsChanged();
    void aboutToReset();
    void reset();
    // After any change.
    void changed();
    // The session could not be written; told once until a write succeeds again.
    void notSaved(const QString& why);

private:
    void keep(const SessionChange& change);
    // The session written whole, after a change the journal does not take.
    void keepWhole();
    void told(const SessionNotWritten& failure);

    SessionFile file_;
    QList<SessionRow> rows_;
    QStringList patients_{QString()};
    bool kept_ = true;        // the file is ours to write
    qsizetype unsaved_ = 0;   // changes not on disk yet: the next one writes them all
};

}  // namespace modVelmora
