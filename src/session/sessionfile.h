#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

#include "session/sessionrecord.h"

class QLockFile;

// The session on disk, written whole after every row so that neither a crash
// nor a restart loses it, until the user clears it.

namespace modVelmora {

// session.json in the per-user data folder; empty when the system names no such folder.
QString DefaultSessionPath();

struct SessionLoad {
    QList<SessionRow> rows;
    QString setAsideAs;  // where a damaged session was moved, to tell the user; empty when none was
    QString damage;      // what was wrong with it
    QString failure;     // the file is open in another Velmora, or could not be read or moved aside: it stays as it
                         // is and save() refuses
};

// Holds the session for one running program: a second SessionFile on the same path, in this program
// or another, fails to load until the first is gone, so neither writes over the other's rows.
class SessionFile {
public:
    explicit SessionFile(QString path);
    ~SessionFile();

    // A missing file is an empty session. A damaged one is moved aside in its folder, never over
    // another file, under a name stamped with now, and the session starts empty.
    SessionLoad load(const QDateTime& now = QDateTime::currentDateTime());
    // Replaces the file with the whole session at once, making its folder if need be; the reason it
    // was not written, or empty. Refused until a load() has left nothing on disk that it would overwrite unread.
    [[nodiscard]] QString save(const QList<SessionRow>& rows) const;

    const QString& path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool loaded_ = false;
};

}  // namespace modVelmora
