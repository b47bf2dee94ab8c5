#include "session/sessionlog.h"

#include <algorithm>

namespace modVelmora {

namespace {

bool sameResult(const SessionRow& a, const SessionRow& b) {
    return a.module == b.module && a.entry == b.entry && a.results == b.results && a.test == b.test;
}

}  // namespace

SessionLog::SessionLog(const QString& path) : file_(path) {}

QString SessionLog::load() {
    const SessionLoad loaded = file_.load();
    rows_ = loaded.rows;
    kept_ = loaded.failure.isEmpty();
    emit changed();
    if (!kept_)
        return tr("The session cannot be kept on disk in this run: %1. Results are still collected until the program ends.")
            .arg(loaded.failure);
    if (!loaded.setAsideAs.isEmpty())
        return tr("The saved session was damaged (%1). It has been set aside as %2, and a new session starts.")
            .arg(loaded.damage, loaded.setAsideAs);
    return {};
}

void SessionLog::add(const SessionRow& row) {
    // Enter pressed twice gives one row.
    if (!rows_.isEmpty() && sameResult(rows_.last(), row)) return;
    rows_.append(row);
    save();
}

void SessionLog::setTest(qsizetype row, const QString& test) {
    if (row < 0 || row >= rows_.size() || rows_[row].test == test) return;
    rows_[row].test = test;
    save();
}

void SessionLog::remove(QList<qsizetype> indexes) {
    std::ranges::sort(indexes, std::greater<>());
    const auto last = std::unique(indexes.begin(), indexes.end());
    for (auto it = indexes.begin(); it != last; ++it)
        if (*it >= 0 && *it < rows_.size()) rows_.removeAt(*it);
    save();
}

void SessionLog::clear() {
    rows_.clear();
    save();
}

void SessionLog::save() {
    emit changed();
    if (!kept_) return;
    const QString failure = file_.save(rows_);
    if (!failure.isEmpty() && lastSaved_) emit notSaved(tr("The session could not be saved: %1").arg(failure));
    lastSaved_ = failure.isEmpty();
}

}  // namespace modVelmora
