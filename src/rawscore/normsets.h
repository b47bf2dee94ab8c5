#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

#include "common/fields.h"

// The clinician's own norm sets: a mean, an SD, perhaps the size of the
// normative sample and Reverse, with where they come from, kept under a name in
// one CSV file beside the settings, so that a subtest's norms are typed once.

namespace modVelmora {

struct NormSet {
    QString name;
    // Written with "." as the decimal point, as they go back into the raw score window's boxes.
    QString mean, sd;
    QString n;  // empty, or the size of the normative sample
    bool reverse = false;
    // Words only, each on one line: the citation a report gives ("Heaton et al. 2004, ages 60–69"),
    // the ages the norms are for, and anything else the clinician wants kept with them.
    QString source, ages, notes;

    friend bool operator==(const NormSet&, const NormSet&) = default;
};

// The characters the raw score window's mean and SD boxes hold; a longer number would be cut there.
inline constexpr int kNormNumberLength = 8;

// Norm sets in their file's order, each found by its name through a hash, whatever the name's letter
// case and surrounding blanks: a hundred thousand sets load in a fraction of a second.
class NormSetList {
public:
    qsizetype size() const { return sets_.size(); }
    bool isEmpty() const { return sets_.isEmpty(); }
    const NormSet& operator[](qsizetype i) const { return sets_[i]; }
    QList<NormSet>::const_iterator begin() const { return sets_.begin(); }
    QList<NormSet>::const_iterator end() const { return sets_.end(); }

    // The set of that name, nullptr when there is none.
    const NormSet* find(const QString& name) const;
    // Its place in the list, -1 when there is none.
    qsizetype indexOf(const QString& name) const;
    // Adds the set, or replaces the one of its name; true when it replaced one.
    bool put(const NormSet& set);
    // The set at i under another name or with other numbers; no other set may have its name.
    void replace(qsizetype i, const NormSet& set);
    void removeAt(qsizetype i);

    friend bool operator==(const NormSetList& a, const NormSetList& b) { return a.sets_ == b.sets_; }

private:
    QList<NormSet> sets_;
    QHash<QString, qsizetype> places_;  // by the name's key
};

// The sets of a CSV text, or the first reason it cannot be read ("Line 4: ..."), in the user's
// language where a translation is installed. A header row names the columns name, mean and sd, and
// optionally n, reverse, source, ages and notes, in any order; other columns are ignored. Sets come
// in the file's order.
struct NormSetsReading {
    NormSetList sets;
    QString problem;  // empty when the text was read
};
NormSetsReading ReadNormSets(QByteArrayView csv);
// A file read as ReadNormSets reads its text; a missing file holds no sets.
NormSetsReading ReadNormSetsFile(const QString& path);
// RFC 4180, "\n" line ends, reverse as 0 or 1: ReadNormSets gives the same sets back. For a
// spreadsheet a name it would run as a formula is kept as text (SpreadsheetCell), and Import takes
// that apostrophe off again.
QByteArray WriteNormSets(const NormSetList& sets, bool forSpreadsheet = false);

// The set as a row's fields for the raw score computation: mean, sd, n and reverse, and norm_set and
// norm_source, which name the set and its source in the row's report.
NamedTexts NormSetFields(const NormSet& set);

// Why a set cannot be kept, empty when it can: what the reader asks of each row. A kept set is
// never refused by the raw score window.
QString NormSetProblem(const NormSet& set);

// Where the program keeps the norm sets: norms.csv beside the settings (~/.config/Velmora).
QString NormSetsPath();

// What became of a change to the store.
struct NormSetsResult {
    enum Status { Saved, Refused, Failed };
    Status status = Saved;  // Refused: the entry was at fault; Failed: the file could not be read or written
    QString reason;         // why nothing changed, empty when saved
    int added = 0, replaced = 0;  // by an import
};

// The norm sets file of one path. Every change is written at once and atomically, starting from the
// file as it is then, so a second program running meanwhile loses nothing; when the file cannot be
// read or written nothing changes, in the file or here.
class NormSetStore {
public:
    explicit NormSetStore(QString path = NormSetsPath());

    // Reads the file. A damaged one is renamed beside itself ("norms.damaged-20261206-143005.csv")
    // and the store starts empty; a missing one is empty. Returns what the user must be told, empty
    // when nothing went wrong; the last load's is kept for whoever shows the sets first.
    QString load();
    const QString& loadProblem() const { return loadProblem_; }
    const QString& setAsideAs() const { return setAsideAs_; }  // where the last load put a damaged file

    const NormSetList& sets() const { return sets_; }
    const QString& path() const { return path_; }

    // Adds the set, or replaces the one of its name.
    NormSetsResult put(const NormSet& set);
    NormSetsResult rename(const QString& name, const QString& newName);
    // Changes the set of that name as how says (perhaps its name too), and keeps it when it may be kept.
    NormSetsResult edit(const QString& name, const std::function<void(NormSet&)>& how);
    NormSetsResult remove(const QString& name);
    // All the file's sets or none: one invalid row refuses the file; a set whose name is already
    // here replaces it. An export's names come back as they were.
    NormSetsResult importFrom(const QString& path);
    NormSetsResult exportTo(const QString& path) const;

private:
    QString settle();  // load's work: reads the file or sets it aside, and says what went wrong
    template <class Change>
    NormSetsResult change(Change&& apply);

    QString path_;
    NormSetList sets_;
    QString loadProblem_;
    QString setAsideAs_;
};

}  // namespace modVelmora
