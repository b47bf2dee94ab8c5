#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

#include "common/filewrite.h"
#include "session/sessionrecord.h"

class QLockFile;

// The session on disk, kept after every change so that neither a crash nor a restart loses it,
// until the user clears it: a whole copy (session.json) and beside it a journal
// (session.journal) to which each change appends one line, so that a row costs the same in a
// session of 100,000 rows as in one of 10. The journal is folded into a new whole copy at exit
// once it has grown long, and whenever it cannot take a change.

namespace modVelmora {

// session.json in the per-user data folder; empty when the system names no such folder.
QString DefaultSessionPath();

// A session file larger than this is set aside unread: no session of results comes near it.
inline constexpr qint64 kLargestSessionFile = qint64(256) << 20;

struct SessionLoad {
    QList<SessionRow> rows;
    QStringList patients{QString()};
    QStringList setAside;   // files moved aside (damaged or too large), to tell the user
    QString damage;         // what was wrong with them
    bool tooLarge = false;  // they were set aside unread, being larger than any session
    bool rowsKept = false;  // only the journal went: the whole copy's rows are kept
    QString failure;        // the file is open in another Velmora, or could not be read or moved aside: it stays as it
                            // is and nothing is written
};

// Why the session could not be written: the file and the reason, empty when it was written.
struct SessionNotWritten {
    QString file, reason;
    explicit operator bool() const { return !reason.isEmpty(); }
};

// Holds the session for one running program: a second SessionFile on the same path, in this program
// or another, fails to load until the first is gone, so neither writes over the other's rows.
class SessionFile {
public:
    explicit SessionFile(QString path);
    ~SessionFile();

    // A missing file is an empty session. A damaged one is moved aside in its folder, never over
    // another file, under a name stamped with now, with its journal, and the session starts empty;
    // a damaged journal alone is moved aside and the whole copy's rows are kept.
    SessionLoad load(const QDateTime& now = QDateTime::currentDateTime());
    // Keeps a change, rows being the session after it: one line appended to the journal, or where
    // the journal cannot take it (a change that failed before), the whole session written anew. The
    // file and the reason when it was not kept. Refused until a load() has left nothing on disk that
    // it would overwrite unread.
    [[nodiscard]] SessionNotWritten record(const SessionChange& change, const QList<SessionRow>& rows, const QStringList& patients = {QString()});
    // The whole session written anew and the journal started afresh.
    [[nodiscard]] SessionNotWritten rewrite(const QList<SessionRow>& rows, const QStringList& patients = {QString()});
    // Folds a long journal into a new whole copy; a failure loses nothing, the journal holding it all.
    void compact(const QList<SessionRow>& rows, const QStringList& patients);

    const QString& path() const { return path_; }
    QString journalPath() const;

private:
    QString setAside(const QString& file, const QDateTime& now, SessionLoad& load);
    SessionNotWritten openJournal();

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool loaded_ = false;
    AppendFile journal_;
    QString snapshot_ = QStringLiteral("none");  // the identity of session.json as it is on disk
    qint64 snapshotSize_ = 0;
    qsizetype journalChanges_ = 0;  // the changes in the journal, which a new whole copy marks as held
    qint64 journalWhole_ = 0;       // its length in whole lines; past it a change that never finished
    bool journalUsable_ = true;     // false once a change failed to go in: the next is written whole
};

}  // namespace modVelmora
