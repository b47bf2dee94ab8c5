#include "session/sessionlog.h"

#include <QDir>
#include <algorithm>

namespace modVelmora {

namespace {

bool sameResult(const SessionRow& a, const SessionRow& b) {
    return a.patient == b.patient && a.module == b.module && a.entry == b.entry && a.results == b.results && a.test == b.test;
}

}  // namespace

SessionLog::SessionLog(const QString& path) : file_(path) {}

QString SessionLog::load() {
    SessionLoad loaded = file_.load();
    emit aboutToReset();
    rows_ = std::move(loaded.rows);
    patients_ = std::move(loaded.patients);
    unsaved_ = 0;
    emit reset();
    emit patientsChanged();
    kept_ = loaded.failure.isEmpty();
    emit changed();
    if (!kept_)
        return tr("The session cannot be kept on disk in this run: %1. Results are still collected until the program ends.")
            .arg(loaded.failure);
    const QString aside = QDir::toNativeSeparators(loaded.setAside.join(QStringLiteral(", ")));
    if (loaded.setAside.isEmpty()) return {};
    if (loaded.tooLarge && !loaded.rowsKept)
        return tr("The saved session is larger than 256 MB, more than any session holds. It has been set aside unread as %1, "
                  "and a new session starts.").arg(aside);
    if (loaded.rowsKept)
        return tr("The changes to the saved session since it was last written whole were damaged (%1). They have been set aside "
                  "as %2; the session as it was before them is kept.").arg(loaded.damage, aside);
    return tr("The saved session was damaged (%1). It has been set aside as %2, and a new session starts.").arg(loaded.damage, aside);
}

void SessionLog::add(SessionRow row) {
    row.patient = int(patients_.size() - 1);
    // Enter pressed twice gives one row; the same result for the next patient is a row of its own.
    if (!rows_.isEmpty() && sameResult(rows_.last(), row)) return;
    emit aboutToAdd(rows_.size());
    rows_.append(row);
    emit added(rows_.size() - 1);
    SessionChange change;
    change.row = row;
    keep(change);
}

bool SessionLog::newPatient() {
    const int current = int(patients_.size() - 1);
    if (patients_.last().isEmpty() && std::none_of(rows_.crbegin(), rows_.crend(), [&](const SessionRow& row) { return row.patient == current; }))
        return false;
    patients_.append(QString());
    emit patientsChanged();
    SessionChange change;
    change.kind = SessionChange::NewPatient;
    keep(change);
    return true;
}

void SessionLog::setPatient(qsizetype patient, const QString& identifier) {
    QString kept = identifier.trimmed().left(kLongestPatient);
    if (!kept.isValidUtf16()) kept.chop(1);  // half of a pair of UTF-16 units left at the cut
    if (patient < 0 || patient >= patients_.size() || patients_[patient] == kept) return;
    patients_[patient] = kept;
    emit patientsChanged();
    SessionChange change;
    change.kind = SessionChange::SetPatient;
    change.index = patient;
    change.test = kept;
    keep(change);
}

void SessionLog::setTest(qsizetype row, const QString& test) {
    if (row < 0 || row >= rows_.size() || rows_[row].test == test) return;
    rows_[row].test = test;
    emit testChanged(row);
    SessionChange change;
    change.kind = SessionChange::SetTest;
    change.index = row;
    change.test = test;
    keep(change);
}

void SessionLog::remove(QList<qsizetype> indexes) {
    std::ranges::sort(indexes, std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    indexes.removeIf([this](qsizetype index) { return index < 0 || index >= rows_.size(); });
    if (indexes.isEmpty()) return;
    // Each run of neighbours at once, the highest first, so that the rows below keep their numbers meanwhile.
    for (qsizetype i = 0; i < indexes.size();) {
        qsizetype j = i;
        while (j + 1 < indexes.size() && indexes[j + 1] == indexes[j] - 1) ++j;
        emit aboutToRemove(indexes[j], indexes[i]);
        rows_.remove(indexes[j], indexes[i] - indexes[j] + 1);
        emit removed(indexes[j], indexes[i]);
        i = j + 1;
    }
    SessionChange change;
    change.kind = SessionChange::Remove;
    change.indexes = indexes;
    keep(change);
}

void SessionLog::clear() {
    emit aboutToReset();
    rows_.clear();
    patients_ = {QString()};
    emit reset();
    emit patientsChanged();
    // An empty session is written whole at once; the journal of the old one goes with it.
    keepWhole();
}

void SessionLog::insert(const QList<qsizetype>& indexes, const QList<SessionRow>& rows) {
    SessionChange change;
    change.kind = SessionChange::Insert;
    change.indexes = indexes;
    change.rows = rows;
    if (indexes.isEmpty() || !SizeAfter({rows_.size(), patients_.size()}, change)) return;
    emit aboutToReset();
    ApplyChange(rows_, patients_, change);
    emit reset();
    keep(change);
}

void SessionLog::restore(const QList<SessionRow>& rows, const QStringList& patients) {
    QList<SessionRow> before = rows;
    QStringList patientsBefore = patients;
    // What came since goes after it, unless that is only the fresh patient the clearing started.
    if (!rows_.isEmpty() || patients_.size() > 1 || !patients_.last().isEmpty()) {
        for (SessionRow row : std::as_const(rows_)) {
            row.patient += int(patients.size());
            before.append(row);
        }
        patientsBefore += patients_;
    }
    emit aboutToReset();
    rows_ = std::move(before);
    patients_ = std::move(patientsBefore);
    emit reset();
    emit patientsChanged();
    keepWhole();
}

void SessionLog::keepWhole() {
    emit changed();
    if (!kept_) return;
    const SessionNotWritten failure = file_.rewrite(rows_, patients_);
    unsaved_ = failure ? unsaved_ + 1 : 0;
    told(failure);
}

void SessionLog::keep(const SessionChange& change) {
    emit changed();
    if (!kept_) return;
    const SessionNotWritten failure = unsaved_ > 0 ? file_.rewrite(rows_, patients_) : file_.record(change, rows_, patients_);
    unsaved_ = failure ? unsaved_ + 1 : 0;
    told(failure);
}

void SessionLog::told(const SessionNotWritten& failure) {
    // A disk that stays full is told of once, until a write succeeds again.
    if (failure && unsaved_ == 1)
        emit notSaved(tr("The session could not be saved to %1: %2. Its results are kept, and written at the next change.")
                          .arg(QDir::toNativeSeparators(failure.file), failure.reason));
}

bool SessionLog::close() {
    if (!kept_) return rows_.isEmpty();
    if (unsaved_ > 0) unsaved_ = file_.rewrite(rows_, patients_) ? unsaved_ : 0;
    else file_.compact(rows_, patients_);
    return unsaved_ == 0;
}

}  // namespace modVelmora
