#include "session/sessionfile.h"

#include "common/setaside.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace modVelmora {

namespace {

// A journal this long beside a whole copy this large is folded in at exit; shorter ones cost little to read.
constexpr qint64 kFoldedSnapshot = 4 << 20;

enum class Reading { Read, Failed, TooLarge };

// The file's bytes, unless it is too large to be a session or cannot be read (failure says why).
Reading readFile(const QString& path, QByteArray& bytes, QString& failure) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        failure = QCoreApplication::translate("modVelmora::SessionFile", "%1 could not be read: %2").arg(path, info.isFile() ? file.errorString() : QCoreApplication::translate("modVelmora::SessionFile", "not a file"));
        return Reading::Failed;
    }
    // Told by its size, before a byte of it is read.
    if (file.size() > kLargestSessionFile) return Reading::TooLarge;
    bytes = file.readAll();
    if (file.error() == QFileDevice::NoError) return Reading::Read;
    failure = QCoreApplication::translate("modVelmora::SessionFile", "%1 could not be read: %2").arg(path, file.errorString());
    return Reading::Failed;
}

}  // namespace

QString DefaultSessionPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/session.json");
}

SessionFile::SessionFile(QString path)
    : path_(std::move(path)), journal_(QFileInfo(path_).dir().filePath(QFileInfo(path_).completeBaseName() + QStringLiteral(".journal"))) {}

SessionFile::~SessionFile() = default;

QString SessionFile::journalPath() const { return QFileInfo(path_).dir().filePath(QFileInfo(path_).completeBaseName() + QStringLiteral(".journal")); }

QString SessionFile::setAside(const QString& file, const QDateTime& now, SessionLoad& load) {
    const SetAside aside = SetDamagedFileAside(file, now);
    if (aside.path.isEmpty()) return load.failure = QCoreApplication::translate("modVelmora::SessionFile", "%1 is damaged and could not be moved aside: %2").arg(file, aside.error);
    load.setAside << aside.path;
    return {};
}

SessionLoad SessionFile::load(const QDateTime& now) {
    loaded_ = false;
    journal_.close();
    SessionLoad load;
    const QFileInfo info(path_);
    if (path_.isEmpty()) {
        load.failure = QCoreApplication::translate("modVelmora::SessionFile", "there is no folder to keep the session in");
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
            load.failure = held ? QCoreApplication::translate("modVelmora::SessionFile", "%1 is open in another Velmora (process %2 on %3); if that one is gone, delete %4")
                                      .arg(path_, QString::number(pid), host, lock->fileName())
                                : QCoreApplication::translate("modVelmora::SessionFile", "%1 could not be locked: its folder cannot be written").arg(path_);
            return load;
        }
        lock_ = std::move(lock);
    }

    // The whole copy: a damaged or too large one goes aside with its journal, which only it can be read against.
    snapshot_ = QStringLiteral("none");
    snapshotSize_ = 0;
    journalChanges_ = 0;
    journalWhole_ = 0;
    journalUsable_ = true;
    const QString journalFile = journalPath();
    if (PathTaken(path_)) {
        QByteArray bytes;
        const Reading reading = readFile(path_, bytes, load.failure);
        if (reading == Reading::Failed) return load;
        SessionText text;
        if (reading == Reading::Read) text = ReadSession(bytes);
        if (reading == Reading::TooLarge || !text.damage.isEmpty()) {
            load.tooLarge = reading == Reading::TooLarge;
            load.damage = text.damage;
            for (const QString& file : {path_, journalFile})
                if (PathTaken(file) && !setAside(file, now, load).isEmpty()) return load;
            loaded_ = true;
            return load;
        }
        load.rows = std::move(text.rows);
        load.patients = std::move(text.patients);
        snapshot_ = SnapshotIdentity(bytes);
        snapshotSize_ = bytes.size();
    }

    // The journal, from the change after the last the whole copy holds.
    if (PathTaken(journalFile)) {
        QByteArray bytes;
        const Reading reading = readFile(journalFile, bytes, load.failure);
        if (reading == Reading::Failed) return load;
        const JournalText journal = reading == Reading::Read ? ReadJournal(bytes) : JournalText{};
        qsizetype from = -1;
        if (journal.snapshot == snapshot_) from = 0;
        for (const auto& [snapshot, lines] : journal.markers)
            if (snapshot == snapshot_) from = lines;
        QString damage = journal.damage;
        if (reading == Reading::TooLarge) load.tooLarge = true, damage = QCoreApplication::translate("modVelmora::SessionFile", "it is larger than 256 MB");
        else if (damage.isEmpty() && journal.whole > 0 && (from < 0 || from > journal.changes.size()))
            damage = QCoreApplication::translate("modVelmora::SessionFile", "it does not continue %1").arg(QFileInfo(path_).fileName());
        // Every change is tried on the count of rows first, so the rows are changed only by a journal that fits them whole.
        std::optional<SessionSize> size = SessionSize{load.rows.size(), load.patients.size()};
        for (qsizetype i = std::max<qsizetype>(from, 0); damage.isEmpty() && i < journal.changes.size(); ++i)
            if (!(size = SizeAfter(*size, journal.changes[i])))
                damage = QCoreApplication::translate("modVelmora::SessionFile", "change %1 names a row or patient there is not").arg(QString::number(i + 1));
        if (reading == Reading::TooLarge || !damage.isEmpty()) {
            load.damage = damage;
            load.rowsKept = true;
            if (!setAside(journalFile, now, load).isEmpty()) return load;
        } else {
            for (qsizetype i = std::max<qsizetype>(from, 0); i < journal.changes.size(); ++i) ApplyChange(load.rows, load.patients, journal.changes[i]);
            journalChanges_ = journal.changes.size();
            journalWhole_ = journal.whole;
            // A journal from before the patients takes no line naming one: the next change writes the session whole.
            journalUsable_ = journal.version == 2 || journal.whole == 0;
        }
    }
    loaded_ = true;
    return load;
}

SessionNotWritten SessionFile::openJournal() {
    const QString file = journalPath();
    if (const QString why = MakeFolder(QFileInfo(file).absolutePath()); !why.isEmpty()) return {file, why};
    if (const QString why = journal_.open(); !why.isEmpty()) return {file, why};
    // A change whose write never finished, left by an earlier run, goes before the next is appended.
    if (journal_.size() > journalWhole_)
        if (const QString why = journal_.truncate(journalWhole_); !why.isEmpty()) return {file, why};
    if (journal_.size() == 0) {
        if (const QString why = journal_.append(JournalHeader(snapshot_)); !why.isEmpty()) return {file, why};
        journalChanges_ = 0;
    }
    journalWhole_ = journal_.size();
    return {};
}

SessionNotWritten SessionFile::record(const SessionChange& change, const QList<SessionRow>& rows, const QStringList& patients) {
    if (!loaded_) return {path_, QCoreApplication::translate("modVelmora::SessionFile", "it was not read, so it is not written over")};
    for (const SessionRow& row : change.kind == SessionChange::Add ? QList<SessionRow>{change.row} : change.rows)
        if (const QString problem = SessionRowProblem(row); !problem.isEmpty())
            return {path_, QCoreApplication::translate("modVelmora::SessionFile", "the row cannot be kept: %1").arg(problem)};
    if (!journalUsable_) return rewrite(rows, patients);
    if (!journal_.isOpen())
        if (SessionNotWritten failed = openJournal()) {
            journalUsable_ = false;
            return failed;
        }
    if (const QString why = journal_.append(JournalLine(change)); !why.isEmpty()) {
        journalUsable_ = false;
        return {journalPath(), why};
    }
    ++journalChanges_;
    journalWhole_ = journal_.size();
    return {};
}

SessionNotWritten SessionFile::rewrite(const QList<SessionRow>& rows, const QStringList& patients) {
    if (!loaded_) return {path_, QCoreApplication::translate("modVelmora::SessionFile", "it was not read, so it is not written over")};
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (const QString problem = rows[i].patient < patients.size() ? SessionRowProblem(rows[i]) : QCoreApplication::translate("modVelmora::SessionFile", "no such patient");
            !problem.isEmpty())
            return {path_, QCoreApplication::translate("modVelmora::SessionFile", "row %1 cannot be kept: %2").arg(QString::number(i + 1), problem)};
    if (const QString why = MakeFolder(QFileInfo(path_).absolutePath()); !why.isEmpty()) return {path_, why};
    for (const QString& patient : patients)
        if (const QString problem = PatientProblem(patient); !problem.isEmpty()) return {path_, problem};
    const QByteArray bytes = WriteSession(rows, patients);
    const QString identity = SnapshotIdentity(bytes);
    // The journal says first that the copy about to be written holds its changes: a crash between the
    // two writes then leaves every change read once.
    const QString journalFile = journalPath();
    if (PathTaken(journalFile)) {
        if (!journal_.isOpen())
            if (SessionNotWritten failed = openJournal()) return failed;
        if (const QString why = journal_.append(JournalMarker(identity, journalChanges_)); !why.isEmpty()) return {journalFile, why};
        journalWhole_ = journal_.size();
    }
    if (const QString why = WriteWholeFile(path_, bytes); !why.isEmpty()) return {path_, why};
    snapshot_ = identity;
    snapshotSize_ = bytes.size();
    journalUsable_ = true;
    // A fresh journal for the new copy; where it cannot be written the old one goes on, its mark telling
    // which of its changes the copy holds.
    const QByteArray header = JournalHeader(identity);
    if (!WriteWholeFile(journalFile, header).isEmpty()) return {};
    journal_.close();
    journalChanges_ = 0;
    journalWhole_ = header.size();
    return {};
}

void SessionFile::compact(const QList<SessionRow>& rows, const QStringList& patients) {
    if (!loaded_ || !journalUsable_ || journalChanges_ == 0) return;
    if (snapshotSize_ >= kFoldedSnapshot && journalWhole_ < snapshotSize_ / 4) return;
    (void)rewrite(rows, patients);
}

}  // namespace modVelmora
