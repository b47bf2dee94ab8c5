#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "session/sessionfile.h"
#include "session/sessionrecord.h"

// The session the program keeps for one run: the rows in memory and on disk,
// written after every change so that a crash loses nothing.

namespace modVelmora {

class SessionLog : public QObject {
    Q_OBJECT
public:
    explicit SessionLog(const QString& path);

    // Reads the session left by the last run; what the user must be told of it (a damaged file
    // set aside, a session open in another Velmora), or empty.
    QString load();

    const QList<SessionRow>& rows() const { return rows_; }
    // A result just calculated; the same result again straight after it adds nothing.
    void add(const SessionRow& row);
    void setTest(qsizetype row, const QString& test);
    // The rows at these indexes, in any order.
    void remove(QList<qsizetype> indexes);
    void clear();

signals:
    void changed();
    // The session could not be written; told once until a write succeeds again.
    void notSaved(const QString& why);

private:
    void save();

    SessionFile file_;
    QList<SessionRow> rows_;
    bool kept_ = true;       // the file is ours to write
    bool lastSaved_ = true;  // so that a disk that stays full is told of once
};

}  // namespace modVelmora
