#include "session/sessionfile.h"

#include "common/filewrite.h"
#include "common/setaside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace modVelmora {

QString DefaultSessionPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/session.json");
}

SessionFile::SessionFile(QString path) : path_(std::move(path)) {}
SessionFile::~SessionFile() = default;

SessionLoad SessionFile::load(const QDateTime& now) {
    loaded_ = false;
    SessionLoad load;
    const QFileInfo info(path_);
    if (path_.isEmpty()) {
        load.failure = QStringLiteral("there is no folder to keep the session in");
        return load;
    }
    if (!lock_) {
        auto lock = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
        lock->setStaleLockTime(0);  // a lock from another computer sharing the folder is never taken over for its age
        if (!QDir().mkpath(info.absolutePath()) || !lock->tryLock(0)) {
            qint64 pid = 0;
            QString host, program;
            const bool held = lock->error() == QLockFile::LockFailedError;
            if (held) lock->getLockInfo(&pid, &host, &program);
            load.failure = held ? QStringLiteral("%1 is open in another Velmora (process %2 on %3); if that one is gone, delete %4")
                                      .arg(path_, QString::number(pid), host, lock->fileName())
                                : QStringLiteral("%1 could not be locked: its folder cannot be written").arg(path_);
            return load;
        }
        lock_ = std::move(lock);
    }
    if (!PathTaken(path_)) {
        loaded_ = true;
        return load;
    }
    QFile file(path_);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        load.failure =
            QStringLiteral("%1 could not be read: %2").arg(path_, info.isFile() ? file.errorString() : QStringLiteral("not a file"));
        return load;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        load.failure = QStringLiteral("%1 could not be read: %2").arg(path_, file.errorString());
        return load;
    }
    file.close();
    SessionText text = ReadSession(bytes);
    if (text.damage.isEmpty()) {
        load.rows = std::move(text.rows);
        loaded_ = true;
        return load;
    }

    load.damage = text.damage;
    const SetAside aside = SetDamagedFileAside(path_, now);
    if (aside.path.isEmpty()) {
        load.failure = QStringLiteral("%1 is damaged and could not be moved aside: %2").arg(path_, aside.error);
        return load;
    }
    load.setAsideAs = aside.path;
    loaded_ = true;
    return load;
}

QString SessionFile::save(const QList<SessionRow>& rows) const {
    if (!loaded_) return QStringLiteral("%1 was not read, so it is not written over").arg(path_);
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (const QString problem = SessionRowProblem(rows[i]); !problem.isEmpty())
            return QStringLiteral("row %1 cannot be kept: %2").arg(QString::number(i + 1), problem);
    QString why = MakeFolder(QFileInfo(path_).absolutePath());
    if (why.isEmpty()) why = WriteWholeFile(path_, WriteSession(rows));
    return why.isEmpty() ? QString() : QStringLiteral("%1 could not be written: %2").arg(path_, why);
}

}  // namespace modVelmora
