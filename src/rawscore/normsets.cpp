#include "rawscore/normsets.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <csv.h>
#include <memory>

#include "common/filewrite.h"
#include "common/refusal.h"
#include "common/setaside.h"
#include "common/spreadsheet.h"
#include "common/yesno.h"

namespace modVelmora {

namespace {

const char* const kEmptyFile = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "The file is empty: its first line must name the columns name, mean and sd.");
const char* const kTooLarge = QT_TRANSLATE_NOOP("modVelmora::Messages", "The file is larger than 16 MB, too large to hold norm sets.");
const char* const kNoColumn = QT_TRANSLATE_NOOP(
    "modVelmora::Messages",
    "Line 1: there is no column \"%1\"; the first line must name the columns name, mean and sd (n, reverse, source, ages and notes "
    "may follow).");
const char* const kSemicolons = QT_TRANSLATE_NOOP(
    "modVelmora::Messages",
    "Line 1: the columns are separated by semicolons; norm sets are read with commas between the columns and a point in numbers.");
const char* const kQuotes = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "Line %1: a quoted field is not closed, or a quote stands inside a field without quotes.");
const char* const kNotUtf8 =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Line %1: the text is not UTF-8; save the file as \"CSV UTF-8\".");
const char* const kExtraFields =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Line %1: the row has more fields than the first line has columns.");
const char* const kOnLine = QT_TRANSLATE_NOOP("modVelmora::Messages", "Line %1: %2");
const char* const kTwice = QT_TRANSLATE_NOOP("modVelmora::Messages", "Line %1: the name \"%2\" is given twice.");
const char* const kNoName = QT_TRANSLATE_NOOP("modVelmora::Messages", "A norm set needs a name.");
const char* const kControlInName =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "A norm set's name cannot hold tabs, line breaks or other control characters.");
const char* const kControlInText = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "A norm set's source, ages and notes cannot hold tabs, line breaks or other control characters.");
const char* const kNoMean = QT_TRANSLATE_NOOP("modVelmora::Messages", "The mean is missing.");
const char* const kBadMean = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "The mean must be a number of at most 8 characters, with a point for decimals: %1");
const char* const kNoSD = QT_TRANSLATE_NOOP("modVelmora::Messages", "The SD is missing.");
const char* const kBadSD = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "The SD must be a number greater than 0, of at most 8 characters, with a point for decimals: %1");
const char* const kBadN =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "n must be empty or a whole number from 2 to 9999: %1");
const char* const kBadReverse =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "reverse must be 0 or 1, true or false, yes or no: %1");
const char* const kCannotRead = QT_TRANSLATE_NOOP("modVelmora::Messages", "The file %1 cannot be read: %2");
const char* const kCannotWrite = QT_TRANSLATE_NOOP("modVelmora::Messages", "The file %1 could not be written: %2");
const char* const kSetAside = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "The norm sets file was damaged and has been kept as %1; the list of norm sets starts empty. %2");
const char* const kNotSetAside = QT_TRANSLATE_NOOP(
    "modVelmora::Messages",
    "The norm sets file %1 is damaged and could not be set aside (%2); no norm set can be saved until it is mended or removed. %3");
const char* const kUnusable =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "%1 No norm set can be saved until it can be read.");
const char* const kUnchanged = QT_TRANSLATE_NOOP("modVelmora::Messages", "Nothing was changed. %1");
const char* const kNotImported = QT_TRANSLATE_NOOP("modVelmora::Messages", "Nothing was imported from %1. %2");
const char* const kNoSuchSet = QT_TRANSLATE_NOOP("modVelmora::Messages", "There is no norm set named \"%1\".");
const char* const kNameTaken = QT_TRANSLATE_NOOP("modVelmora::Messages", "There is already a norm set named \"%1\".");

// A norms file is a few kilobytes; anything much larger is some other file, not read into memory whole.
constexpr qsizetype kLargestFile = 16 << 20;
constexpr int kRowNotBegun = 0;  // libcsv's parser state between records
const char* const kColumns[] = {"name", "mean", "sd", "n", "reverse", "source", "ages", "notes"};
enum Column { Name, Mean, SD, N, Reverse, Source, Ages, Notes, ColumnCount };

QString translated(const char* message) { return QCoreApplication::translate(kMessageContext, message); }
QString native(const QString& path) { return QDir::toNativeSeparators(path); }

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// An optional minus, digits and at most one point, short enough for the raw score window's box.
bool isPlainNumber(const QString& text) {
    if (text.size() > kNormNumberLength) return false;
    int digits = 0, points = 0;
    for (qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0; i < text.size(); ++i) {
        if (isDigit(text[i])) ++digits;
        else if (text[i] == QLatin1Char('.')) ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

// Control characters and line or paragraph separators would break the list and the file's rows.
bool breaksLines(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

// Names alike but for letter case and surrounding blanks share a key.
QString nameKey(const QString& name) { return name.trimmed().toCaseFolded(); }

NormSet trimmedSet(NormSet set) {
    for (QString* text : {&set.name, &set.mean, &set.sd, &set.n, &set.source, &set.ages, &set.notes}) *text = text->trimmed();
    return set;
}

// The text of the reading's libcsv records, checked as they end.
class Reader {
public:
    NormSetsReading reading;
    long recordLine = 1;

    bool failed() const { return !reading.problem.isEmpty(); }
    bool sawHeader() const { return columnCount_ > 0; }

    void field(QByteArrayView text) { fields_.emplace_back(text.toByteArray()); }
    void rowEnd() {
        if (!failed()) sawHeader() ? takeRecord() : takeHeader();
        fields_.clear();
    }
    void fail(const QString& problem) { reading.problem = problem; }

private:
    void takeHeader() {
        columnCount_ = fields_.size();
        for (int column = 0; column < ColumnCount; ++column) {
            for (qsizetype i = 0; i < columnCount_ && index_[column] < 0; ++i)
                if (fields_[i].trimmed().toLower() == kColumns[column]) index_[column] = i;
        }
        if (columnCount_ == 1 && fields_[0].contains(';')) return fail(translated(kSemicolons));
        for (const Column required : {Name, Mean, SD})
            if (index_[required] < 0) return fail(translated(kNoColumn).arg(QLatin1String(kColumns[required])));
    }

    void takeRecord() {
        // A spreadsheet leaves rows of empty fields below its table.
        if (std::all_of(fields_.begin(), fields_.end(), [](const QByteArray& field) { return field.trimmed().isEmpty(); })) return;
        if (fields_.size() > columnCount_) return fail(translated(kExtraFields).arg(recordLine));
        QString text[ColumnCount];
        for (int column = 0; column < ColumnCount; ++column) {
            if (index_[column] < 0 || index_[column] >= fields_.size()) continue;
            QStringDecoder utf8(QStringDecoder::Utf8);
            text[column] = QString(utf8.decode(fields_[index_[column]])).trimmed();
            if (utf8.hasError()) return fail(translated(kNotUtf8).arg(recordLine));
        }
        NormSet set{text[Name], text[Mean], text[SD], text[N], false, text[Source], text[Ages], text[Notes]};
        const std::optional<bool> reverse = ReadYesNo(text[Reverse].toStdString());
        if (!reverse) return fail(translated(kOnLine).arg(QString::number(recordLine), translated(kBadReverse).arg(text[Reverse])));
        set.reverse = *reverse;
        if (const QString problem = NormSetProblem(set); !problem.isEmpty())
            return fail(translated(kOnLine).arg(QString::number(recordLine), problem));
        if (reading.sets.put(set)) return fail(translated(kTwice).arg(QString::number(recordLine), set.name));
    }

    QList<QByteArray> fields_;
    qsizetype columnCount_ = 0;
    qsizetype index_[ColumnCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
};

void onField(void* text, size_t size, void* reader) {
    static_cast<Reader*>(reader)->field(QByteArrayView(static_cast<const char*>(text), text ? qsizetype(size) : 0));
}
void onRowEnd(int, void* reader) { static_cast<Reader*>(reader)->rowEnd(); }

enum class FileState { Read, Unreadable, Damaged };

// allowAbsent: a missing or empty file holds no sets, as the program's own file before its first set.
FileState readFile(const QString& path, bool allowAbsent, NormSetsReading& reading) {
    reading = {};
    QFile file(path);
    if (allowAbsent && !file.exists()) return FileState::Read;
    if (!file.open(QIODevice::ReadOnly)) {
        reading.problem = translated(kCannotRead).arg(native(path), file.errorString());
        return FileState::Unreadable;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        reading.problem = translated(kCannotRead).arg(native(path), file.errorString());
        return FileState::Unreadable;
    }
    if (allowAbsent && bytes.isEmpty()) return FileState::Read;
    reading = ReadNormSets(bytes);
    return reading.problem.isEmpty() ? FileState::Read : FileState::Damaged;
}

// Empty when written, else why not; a file that cannot be written whole stays as it was.
QString writeFile(const QString& path, const NormSetList& sets, bool forSpreadsheet = false) {
    QString why = MakeFolder(QFileInfo(path).absolutePath());
    if (why.isEmpty()) why = WriteWholeFile(path, WriteNormSets(sets, forSpreadsheet));
    return why.isEmpty() ? QString() : translated(kCannotWrite).arg(native(path), why);
}

}  // namespace

NormSetsReading ReadNormSets(QByteArrayView csv) {
    Reader reader;
    if (csv.size() > kLargestFile) {
        reader.fail(translated(kTooLarge));
        return reader.reading;
    }
    if (csv.startsWith("\xEF\xBB\xBF")) csv = csv.sliced(3);
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
    // Fed a line at a time, so that each record's first line is known for its reason.
    long line = 1;
    while (!csv.empty() && !reader.failed()) {
        const qsizetype end = csv.indexOf('\n');
        const qsizetype take = end < 0 ? csv.size() : end + 1;
        if (parser.pstate == kRowNotBegun) reader.recordLine = line;
        if (csv_parse(&parser, csv.data(), size_t(take), onField, onRowEnd, &reader) < size_t(take) && !reader.failed())
            reader.fail(translated(kQuotes).arg(line));
        line += end >= 0;
        csv = csv.sliced(take);
    }
    if (!reader.failed() && csv_fini(&parser, onField, onRowEnd, &reader) != 0) reader.fail(translated(kQuotes).arg(reader.recordLine));
    if (!reader.failed() && !reader.sawHeader()) reader.fail(translated(kEmptyFile));
    if (reader.failed()) reader.reading.sets = {};
    return reader.reading;
}

NormSetsReading ReadNormSetsFile(const QString& path) {
    NormSetsReading reading;
    readFile(path, true, reading);
    return reading;
}

QByteArray WriteNormSets(const NormSetList& sets, bool forSpreadsheet) {
    const auto words = [forSpreadsheet](const QString& text) { return CsvField(forSpreadsheet ? SpreadsheetCell(text) : text); };
    QString text = QStringLiteral("name,mean,sd,n,reverse,source,ages,notes\n");
    for (const NormSet& set : sets)
        text += QStringList{words(set.name), CsvField(set.mean), CsvField(set.sd), CsvField(set.n),
                            set.reverse ? QStringLiteral("1") : QStringLiteral("0"), words(set.source), words(set.ages), words(set.notes)}
                    .join(QLatin1Char(',')) +
                QLatin1Char('\n');
    return text.toUtf8();
}

QString NormSetProblem(const NormSet& set) {
    if (set.name.trimmed().isEmpty()) return translated(kNoName);
    if (std::any_of(set.name.begin(), set.name.end(), breaksLines)) return translated(kControlInName);
    if (set.mean.isEmpty()) return translated(kNoMean);
    if (!isPlainNumber(set.mean)) return translated(kBadMean).arg(set.mean);
    if (set.sd.isEmpty()) return translated(kNoSD);
    // Greater than 0: no minus and a digit other than 0.
    if (!isPlainNumber(set.sd) || set.sd.startsWith(QLatin1Char('-')) ||
        !std::any_of(set.sd.begin(), set.sd.end(), [](QChar c) { return c > QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return translated(kBadSD).arg(set.sd);
    // The raw score window reads up to four characters and refuses a sample below 2.
    if (!set.n.isEmpty() && (set.n.size() > 4 || !std::all_of(set.n.begin(), set.n.end(), isDigit) || set.n.toInt() < 2))
        return translated(kBadN).arg(set.n);
    for (const QString* text : {&set.source, &set.ages, &set.notes})
        if (std::any_of(text->begin(), text->end(), breaksLines)) return translated(kControlInText);
    return {};
}

NamedTexts NormSetFields(const NormSet& set) {
    NamedTexts fields;
    fields.add("mean", set.mean.toStdString());
    fields.add("sd", set.sd.toStdString());
    fields.add("n", set.n.toStdString());
    fields.add("reverse", set.reverse ? "1" : "0");
    fields.add("norm_set", set.name.toStdString());
    fields.add("norm_source", set.source.toStdString());
    return fields;
}

const NormSet* NormSetList::find(const QString& name) const {
    const qsizetype at = indexOf(name);
    return at < 0 ? nullptr : &sets_[at];
}

qsizetype NormSetList::indexOf(const QString& name) const { return places_.value(nameKey(name), -1); }

bool NormSetList::put(const NormSet& set) {
    const QString key = nameKey(set.name);
    if (const auto place = places_.constFind(key); place != places_.cend()) {
        sets_[*place] = set;
        return true;
    }
    places_.insert(key, sets_.size());
    sets_.append(set);
    return false;
}

void NormSetList::replace(qsizetype i, const NormSet& set) {
    places_.remove(nameKey(sets_[i].name));
    places_.insert(nameKey(set.name), i);
    sets_[i] = set;
}

void NormSetList::removeAt(qsizetype i) {
    places_.remove(nameKey(sets_[i].name));
    sets_.removeAt(i);
    for (auto place = places_.begin(); place != places_.end(); ++place)
        if (*place > i) --*place;
}

QString NormSetsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Velmora/norms.csv");
}

NormSetStore::NormSetStore(QString path) : path_(std::move(path)) { load(); }

QString NormSetStore::load() {
    loadProblem_ = settle();
    return loadProblem_;
}

QString NormSetStore::settle() {
    setAsideAs_.clear();
    sets_ = {};
    NormSetsReading reading;
    switch (readFile(path_, true, reading)) {
        case FileState::Read:
            sets_ = reading.sets;
            return {};
        case FileState::Unreadable: return translated(kUnusable).arg(reading.problem);
        case FileState::Damaged: break;
    }
    const SetAside aside = SetDamagedFileAside(path_, QDateTime::currentDateTime());
    if (aside.path.isEmpty()) return translated(kNotSetAside).arg(native(path_), aside.error, reading.problem);
    setAsideAs_ = aside.path;
    return translated(kSetAside).arg(native(aside.path), reading.problem);
}

template <class Change>
NormSetsResult NormSetStore::change(Change&& apply) {
    // From the file as it is now: another program may have changed it since.
    NormSetsReading current;
    if (readFile(path_, true, current) != FileState::Read) return {NormSetsResult::Failed, translated(kUnchanged).arg(current.problem)};
    sets_ = current.sets;
    NormSetList changed = sets_;
    NormSetsResult result = apply(changed);
    if (result.status != NormSetsResult::Saved) return result;
    if (const QString failure = writeFile(path_, changed); !failure.isEmpty())
        return {NormSetsResult::Failed, translated(kUnchanged).arg(failure)};
    sets_ = changed;
    return result;
}

NormSetsResult NormSetStore::put(const NormSet& set) {
    return change([kept = trimmedSet(set)](NormSetList& sets) {
        if (const QString problem = NormSetProblem(kept); !problem.isEmpty()) return NormSetsResult{NormSetsResult::Refused, problem};
        sets.put(kept);
        return NormSetsResult{};
    });
}

NormSetsResult NormSetStore::rename(const QString& name, const QString& newName) {
    return edit(name, [&](NormSet& set) { set.name = newName; });
}

NormSetsResult NormSetStore::edit(const QString& name, const std::function<void(NormSet&)>& how) {
    return change([&](NormSetList& sets) {
        const qsizetype at = sets.indexOf(name);
        if (at < 0) return NormSetsResult{NormSetsResult::Refused, translated(kNoSuchSet).arg(name.trimmed())};
        NormSet altered = sets[at];
        how(altered);
        altered = trimmedSet(altered);
        if (const QString problem = NormSetProblem(altered); !problem.isEmpty()) return NormSetsResult{NormSetsResult::Refused, problem};
        // Another set of that name; the set itself may change its letter case.
        if (const qsizetype other = sets.indexOf(altered.name); other >= 0 && other != at)
            return NormSetsResult{NormSetsResult::Refused, translated(kNameTaken).arg(sets[other].name)};
        sets.replace(at, altered);
        return NormSetsResult{};
    });
}

NormSetsResult NormSetStore::remove(const QString& name) {
    return change([&](NormSetList& sets) {
        const qsizetype at = sets.indexOf(name);
        if (at < 0) return NormSetsResult{NormSetsResult::Refused, translated(kNoSuchSet).arg(name.trimmed())};
        sets.removeAt(at);
        return NormSetsResult{};
    });
}

NormSetsResult NormSetStore::importFrom(const QString& path) {
    return change([&](NormSetList& sets) {
        NormSetsReading imported;
        switch (readFile(path, false, imported)) {
            case FileState::Unreadable: return NormSetsResult{NormSetsResult::Failed, imported.problem};
            case FileState::Damaged:
                return NormSetsResult{NormSetsResult::Refused, translated(kNotImported).arg(native(path), imported.problem)};
            case FileState::Read: break;
        }
        NormSetsResult result;
        for (NormSet set : imported.sets) {
            for (QString* text : {&set.name, &set.source, &set.ages, &set.notes}) *text = FromSpreadsheetCell(*text);
            ++(sets.put(set) ? result.replaced : result.added);
        }
        return result;
    });
}

NormSetsResult NormSetStore::exportTo(const QString& path) const {
    if (const QString failure = writeFile(path, sets_, true); !failure.isEmpty()) return {NormSetsResult::Failed, failure};
    return {};
}

}  // namespace modVelmora
