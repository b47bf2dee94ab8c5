#include "session/sessionrecord.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

namespace modVelmora {

namespace {

// Format 1 held one patient's rows; format 2 names the patients and each row's.
constexpr int kFormat = 2;
const char* const kRowKeys[] = {"entry", "fields", "module", "patient", "results", "test", "time"};  // in their message's order
constexpr unsigned kPatientBit = 1u << 3;

QString notRow(bool withPatient) {
    return withPatient ? QCoreApplication::translate("modVelmora::SessionFile", "not an object of entry, fields, module, patient, results, test, time")
                       : QCoreApplication::translate("modVelmora::SessionFile", "not an object of entry, fields, module, results, test, time");
}
constexpr int kDeepest = 512;  // nesting past this is not a session, and would take the stack

// Floored, so that a time before 1970 with milliseconds falls in the second its text shows.
qint64 wholeSecond(const QDateTime& time) {
    const qint64 ms = time.toMSecsSinceEpoch();
    return ms / 1000 - (ms % 1000 < 0);
}

bool sameSecond(const QDateTime& a, const QDateTime& b) {
    if (!a.isValid() || !b.isValid()) return a.isValid() == b.isValid();
    return wholeSecond(a) == wholeSecond(b) && a.offsetFromUtc() == b.offsetFromUtc();
}

// "2026-12-06T14:03:27+01:00", or "Z" for no offset, as Qt's ISO 8601 writes it; read here by hand,
// since parsing and writing it again through QDateTime took most of the time of a long session.
int digits(const QString& text, qsizetype at, qsizetype count) {
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (text[i] < u'0' || text[i] > u'9') return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

// Only the text SessionTimeText writes is read, so that every stored time reads back as itself.
QDateTime readTime(const QString& text) {
    if (text.size() != 20 && text.size() != 25) return {};
    const bool utc = text.size() == 20;
    for (const auto& [at, c] : {std::pair{4, u'-'}, {7, u'-'}, {10, u'T'}, {13, u':'}, {16, u':'}})
        if (text[at] != c) return {};
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2), second = digits(text, 17, 2);
    if (year < 1 || !QDate::isValid(year, month, day) || !QTime::isValid(hour, minute, second)) return {};
    if (utc) return text[19] == u'Z' ? QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC) : QDateTime();
    const int offsetHours = digits(text, 20, 2), offsetMinutes = digits(text, 23, 2);
    const int offset = (offsetHours * 60 + offsetMinutes) * 60;
    // No offset is written "Z", never "+00:00".
    if ((text[19] != u'+' && text[19] != u'-') || text[22] != u':' || offsetHours < 0 || offsetHours > 23 || offsetMinutes < 0 ||
        offsetMinutes > 59 || offset == 0)
        return {};
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::OffsetFromUTC, text[19] == u'-' ? -offset : offset);
}

void appendDigits(QString& out, int value, int count) {
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    for (int pad = count - int(end - buffer); pad > 0; --pad) out += u'0';
    out += QLatin1String(buffer, end - buffer);
}

bool isFieldName(const QString& name) {
    if (name.isEmpty() || name[0] < u'a' || name[0] > u'z') return false;
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'; });
}

// A text as a JSON string in UTF-8, control characters escaped: strict JSON for other readers too.
// Written straight into the buffer, made long enough first: a long session is written in a blink.
void appendJsonText(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    const qsizetype start = out.size();
    out.resize(start + 6 * text.size() + 2);  // "\u001f" is the longest a UTF-16 unit becomes
    char* o = out.data() + start;
    *o++ = '"';
    const char16_t* c = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* const end = c + text.size();
    for (; c < end; ++c) {
        const char16_t u = *c;
        if (u < 0x80) {
            if (u == '"' || u == '\\') *o++ = '\\';
            if (u >= 0x20) {
                *o++ = char(u);
            } else {
                for (const char part : {'\\', 'u', '0', '0', hex[u >> 4], hex[u & 15]}) *o++ = part;
            }
        } else if (u < 0x800) {
            *o++ = char(0xC0 | (u >> 6));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && c + 1 < end && QChar::isLowSurrogate(c[1])) {
            const char32_t code = QChar::surrogateToUcs4(u, c[1]);
            ++c;
            *o++ = char(0xF0 | (code >> 18));
            *o++ = char(0x80 | ((code >> 12) & 0x3F));
            *o++ = char(0x80 | ((code >> 6) & 0x3F));
            *o++ = char(0x80 | (code & 0x3F));
        } else {
            // A lone surrogate never reaches here: SessionRowProblem refuses it first.
            *o++ = char(0xE0 | (u >> 12));
            *o++ = char(0x80 | ((u >> 6) & 0x3F));
            *o++ = char(0x80 | (u & 0x3F));
        }
    }
    *o++ = '"';
    out.resize(o - out.constData());
}

void appendRow(QByteArray& out, const SessionRow& row) {
    out += "{\"time\": ";
    appendJsonText(out, SessionTimeText(row.time));
    out += ", \"patient\": " + QByteArray::number(row.patient);
    for (const auto& [key, text] :
         {std::pair{"module", &row.module}, {"test", &row.test}, {"entry", &row.entry}, {"results", &row.results}}) {
        out += ", \"";
        out += key;
        out += "\": ";
        appendJsonText(out, *text);
    }
    out += ", \"fields\": [";
    for (size_t f = 0; f < row.fields.size(); ++f) {
        out += f == 0 ? "[" : ", [";
        appendJsonText(out, row.fields[f].first);
        out += ", ";
        appendJsonText(out, row.fields[f].second);
        out += ']';
    }
    out += "]}";
}

// A cursor over JSON text that reads what the session needs and says where the text stops being JSON.
class Json {
public:
    explicit Json(QByteArrayView text) : text_(text) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }
    qsizetype at() const { return at_; }
    bool atEnd() {
        space();
        return at_ == text_.size();
    }
    // The next value's first character, blanks skipped; 0 at the end.
    char peek() {
        space();
        return at_ < text_.size() ? text_[at_] : 0;
    }
    bool take(char c) {
        if (peek() != c) return fail(at_ < text_.size() ? QCoreApplication::translate("modVelmora::SessionFile", "unexpected character") : QCoreApplication::translate("modVelmora::SessionFile", "the text ends early"));
        ++at_;
        return true;
    }
    bool takeIf(char c) {
        if (peek() != c) return false;
        ++at_;
        return true;
    }

    // A string value: the text with its escapes read. Names repeat row after row, so one (shared)
    // without escapes is the same text as its earlier copies rather than made again.
    std::optional<QString> string(bool shared = false) {
        if (!take('"')) return std::nullopt;
        const qsizetype start = at_;
        while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\\' && static_cast<unsigned char>(text_[at_]) >= 0x20) ++at_;
        if (at_ < text_.size() && text_[at_] == '"') {
            const QByteArrayView plain = text_.sliced(start, at_++ - start);
            if (!shared) return QString::fromUtf8(plain);
            auto known = shared_.constFind(plain);
            if (known == shared_.cend()) known = shared_.insert(plain, QString::fromUtf8(plain));
            return *known;
        }
        QByteArray bytes = text_.sliced(start, at_ - start).toByteArray();
        QString text;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return text + QString::fromUtf8(bytes);
            if (static_cast<unsigned char>(c) < 0x20) return fail(QCoreApplication::translate("modVelmora::SessionFile", "a control character in a string")), std::nullopt;
            if (c != '\\') {
                bytes += c;
                continue;
            }
            if (at_ >= text_.size()) break;
            const char escaped = text_[at_++];
            const char* const plain = "\"\\/bfnrt";
            const char* const meant = "\"\\/\b\f\n\r\t";
            if (const char* found = std::strchr(plain, escaped); found && escaped) {
                bytes += meant[found - plain];
            } else if (escaped == 'u' && at_ + 4 <= text_.size()) {
                unsigned code = 0;
                const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
                if (error != std::errc() || end != text_.data() + at_ + 4) return fail(QCoreApplication::translate("modVelmora::SessionFile", "a bad \\u escape")), std::nullopt;
                at_ += 4;
                text += QString::fromUtf8(bytes);
                bytes.clear();
                text += QChar(char16_t(code));
            } else {
                return fail(QCoreApplication::translate("modVelmora::SessionFile", "a bad escape")), std::nullopt;
            }
        }
        return fail(QCoreApplication::translate("modVelmora::SessionFile", "the text ends inside a string")), std::nullopt;
    }

    // A number as JSON writes it.
    std::optional<double> number() {
        space();
        const qsizetype start = at_;
        const auto run = [&](auto accept) {
            const qsizetype from = at_;
            while (at_ < text_.size() && accept(text_[at_])) ++at_;
            return at_ > from;
        };
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        if (at_ < text_.size() && text_[at_] == '0') ++at_;
        else if (!run(digit)) return fail(QCoreApplication::translate("modVelmora::SessionFile", "not a value")), std::nullopt;
        if (at_ < text_.size() && text_[at_] == '.' && (++at_, !run(digit))) return fail(QCoreApplication::translate("modVelmora::SessionFile", "a bad number")), std::nullopt;
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
            if (!run(digit)) return fail(QCoreApplication::translate("modVelmora::SessionFile", "a bad number")), std::nullopt;
        }
        double value = 0;
        std::from_chars(text_.data() + start, text_.data() + at_, value);
        return value;
    }

    // Any value, read past.
    bool skip(int depth = 0) {
        if (depth > kDeepest) return fail(QCoreApplication::translate("modVelmora::SessionFile", "nested too deeply"));
        switch (peek()) {
            case '"': return string().has_value();
            case '{':
            case '[': {
                const char close = text_[at_++] == '{' ? '}' : ']';
                if (takeIf(close)) return true;
                do {
                    if (close == '}' && (!string() || !take(':'))) return false;
                    if (!skip(depth + 1)) return false;
                } while (takeIf(','));
                return take(close);
            }
            case 't': return word("true");
            case 'f': return word("false");
            case 'n': return word("null");
            default: return number().has_value();
        }
    }

    // A whole value that must be a non-negative whole number, as the journal writes its row numbers.
    std::optional<qsizetype> count() {
        space();
        qsizetype value = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (error != std::errc() || end == text_.data() + at_ || value < 0) return fail(QCoreApplication::translate("modVelmora::SessionFile", "not a row number")), std::nullopt;
        at_ = end - text_.data();
        return value;
    }

    bool fail(const QString& why) {
        if (error_.isEmpty()) error_ = why;
        return false;
    }

private:
    void space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) ++at_;
    }
    bool word(const char* w) {
        const QByteArrayView expected(w);
        if (!text_.sliced(at_).startsWith(expected)) return fail(QCoreApplication::translate("modVelmora::SessionFile", "not a value"));
        at_ += expected.size();
        return true;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    QString error_;
    QHash<QByteArrayView, QString> shared_;
};

// Why a text is not JSON at all ("not JSON: ... at byte N"); empty when it is.
QString notJson(QByteArrayView text) {
    if (!text.isValidUtf8()) return QCoreApplication::translate("modVelmora::SessionFile", "not JSON: the text is not UTF-8");
    Json json(text);
    if (json.skip() && !json.atEnd()) json.fail(QCoreApplication::translate("modVelmora::SessionFile", "more after the end"));
    if (!json.failed()) return {};
    return QCoreApplication::translate("modVelmora::SessionFile", "not JSON: %1 at byte %2").arg(json.error(), QString::number(json.at()));
}

// A row object. False when the text stops being JSON; else true, with why the row is not one, or the row.
bool readRow(Json& json, SessionRow& row, QString& problem, bool withPatient) {
    if (json.peek() != '{') return json.skip() && (problem = notRow(withPatient), true);
    json.take('{');
    unsigned seen = 0;
    bool others = false;
    const char* notText = nullptr;
    QString fieldsProblem;
    QString texts[5];  // time, module, test, entry, results
    const char* const textKeys[] = {"time", "module", "test", "entry", "results"};
    if (!json.takeIf('}')) do {
            const auto key = json.string();
            if (!key || !json.take(':')) return false;
            const auto found = std::find_if(std::begin(kRowKeys), std::end(kRowKeys), [&](const char* k) { return *key == QLatin1String(k); });
            const unsigned bit = 1u << (found - std::begin(kRowKeys));
            if (found == std::end(kRowKeys) || (seen & bit) || (bit == kPatientBit && !withPatient)) {
                others = true;
                if (!json.skip()) return false;
                continue;
            }
            seen |= bit;
            if (bit == kPatientBit) {
                const char first = json.peek();
                const auto patient = first >= '0' && first <= '9' ? json.count() : std::nullopt;
                if (!patient && (json.failed() || !json.skip())) return false;
                if (!patient || *patient > std::numeric_limits<int>::max()) fieldsProblem = QCoreApplication::translate("modVelmora::SessionFile", "\"patient\" is not a patient's number");
                else row.patient = int(*patient);
                continue;
            }
            if (*key == QLatin1String("fields")) {
                if (json.peek() != '[') {
                    fieldsProblem = QCoreApplication::translate("modVelmora::SessionFile", "\"fields\" is not a list");
                    if (!json.skip()) return false;
                    continue;
                }
                json.take('[');
                if (json.takeIf(']')) continue;
                do {
                    if (json.peek() != '[') {
                        if (!json.skip()) return false;
                        fieldsProblem = QCoreApplication::translate("modVelmora::SessionFile", "a field that is not a pair of texts");
                        continue;
                    }
                    json.take('[');
                    QString pair[2];
                    int count = 0;
                    if (!json.takeIf(']')) do {
                            if (json.peek() == '"' && count < 2) {
                                const auto text = json.string(count == 0);
                                if (!text) return false;
                                pair[count] = *text;
                            } else if (!json.skip()) {
                                return false;
                            } else {
                                fieldsProblem = QCoreApplication::translate("modVelmora::SessionFile", "a field that is not a pair of texts");
                            }
                            ++count;
                        } while (json.takeIf(','));
                    if (!json.take(']')) return false;
                    if (count != 2) fieldsProblem = QCoreApplication::translate("modVelmora::SessionFile", "a field that is not a pair of texts");
                    else row.fields.emplace_back(pair[0], pair[1]);
                } while (json.takeIf(','));
                if (!json.take(']')) return false;
                continue;
            }
            const int index = int(std::find_if(std::begin(textKeys), std::end(textKeys), [&](const char* k) { return *key == QLatin1String(k); }) -
                                  std::begin(textKeys));
            if (json.peek() == '"') {
                const auto text = json.string(index == 1);
                if (!text) return false;
                texts[index] = *text;
            } else {
                if (!json.skip()) return false;
                if (!notText || index < int(std::find(std::begin(textKeys), std::end(textKeys), std::string_view(notText)) - std::begin(textKeys)))
                    notText = textKeys[index];
            }
        } while (json.takeIf(','));
    if (!json.take('}')) return false;

    if (others || seen != (((1u << std::size(kRowKeys)) - 1) & ~(withPatient ? 0u : kPatientBit))) problem = notRow(withPatient);
    else if (notText) problem = QCoreApplication::translate("modVelmora::SessionFile", "\"%1\" is not a text").arg(QLatin1String(notText));
    else if (fieldsProblem == QCoreApplication::translate("modVelmora::SessionFile", "\"fields\" is not a list")) problem = fieldsProblem;
    else if (!(row.time = readTime(texts[0])).isValid()) problem = QCoreApplication::translate("modVelmora::SessionFile", "the time \"%1\" is not one this program writes").arg(texts[0]);
    else if (!fieldsProblem.isEmpty()) problem = fieldsProblem;
    if (!problem.isEmpty()) return true;
    row.module = texts[1];
    row.test = texts[2];
    row.entry = texts[3];
    row.results = texts[4];
    // A session kept before the interval's results had names of their own held its T-score as "t" and its
    // estimated true score as a second "centre".
    if (row.module == QLatin1String("interval")) {
        bool centreSeen = false;
        for (auto& [name, value] : row.fields) {
            if (name == QLatin1String("t")) name = QStringLiteral("t_score");
            else if (name == QLatin1String("centre") && std::exchange(centreSeen, true)) name = QStringLiteral("true_score");
        }
    }
    problem = SessionRowProblem(row);
    return true;
}

}  // namespace

SessionRow RowOf(const CalculatedResult& result, const QDateTime& time) {
    // Kept at its offset from UTC, as it is stored: a local time asks the system's time zone each time it is written.
    SessionRow row{time.toOffsetFromUtc(time.offsetFromUtc()), QString::fromUtf8(result.command.data(), qsizetype(result.command.size())), result.test, result.entry, result.results, {}};
    for (const auto& [name, text] : result.fields.items)
        row.fields.emplace_back(QString::fromUtf8(name.data(), qsizetype(name.size())), QString::fromStdString(text));
    return row;
}

bool operator==(const SessionRow& a, const SessionRow& b) {
    return sameSecond(a.time, b.time) && a.patient == b.patient && a.module == b.module && a.test == b.test && a.entry == b.entry &&
           a.results == b.results && a.fields == b.fields;
}

const QStringList& SessionModules() {
    static const QStringList modules{"score", "convert", "age", "interval", "change", "difference", "profile"};
    return modules;
}

QString SessionTimeText(const QDateTime& time) {
    if (!time.isValid()) return {};
    const int offset = time.offsetFromUtc();
    const QDateTime shown = time.toOffsetFromUtc(offset);
    const QDate date = shown.date();
    const QTime clock = shown.time();
    // Outside the years ISO 8601 writes with four digits there is no text that reads back.
    if (date.year() < 1 || date.year() > 9999) return {};
    QString text;
    text.reserve(25);
    appendDigits(text, date.year(), 4);
    text += u'-';
    appendDigits(text, date.month(), 2);
    text += u'-';
    appendDigits(text, date.day(), 2);
    text += u'T';
    appendDigits(text, clock.hour(), 2);
    text += u':';
    appendDigits(text, clock.minute(), 2);
    text += u':';
    appendDigits(text, clock.second(), 2);
    if (offset == 0) return text + u'Z';
    text += offset < 0 ? u'-' : u'+';
    appendDigits(text, std::abs(offset) / 3600, 2);
    text += u':';
    appendDigits(text, std::abs(offset) / 60 % 60, 2);
    return text;
}

QString SessionRowProblem(const SessionRow& row) {
    if (!row.time.isValid() || !sameSecond(readTime(SessionTimeText(row.time)), row.time))
        return QCoreApplication::translate("modVelmora::SessionFile", "the time \"%1\" cannot be stored").arg(SessionTimeText(row.time));
    if (!SessionModules().contains(row.module)) return QCoreApplication::translate("modVelmora::SessionFile", "unknown module \"%1\"").arg(row.module);
    if (row.patient < 0) return QCoreApplication::translate("modVelmora::SessionFile", "no patient");
    if (!row.test.isValidUtf16() || !row.entry.isValidUtf16() || !row.results.isValidUtf16())
        return QCoreApplication::translate("modVelmora::SessionFile", "a text that is not Unicode");
    for (size_t i = 0; i < row.fields.size(); ++i) {
        const auto& [name, value] = row.fields[i];
        if (!isFieldName(name)) return QCoreApplication::translate("modVelmora::SessionFile", "the field name \"%1\" is not a lowercase identifier").arg(name);
        if (!value.isValidUtf16()) return QCoreApplication::translate("modVelmora::SessionFile", "the field \"%1\" is not Unicode").arg(name);
        for (size_t j = 0; j < i; ++j)
            if (row.fields[j].first == name) return QCoreApplication::translate("modVelmora::SessionFile", "the field \"%1\" comes twice").arg(name);
    }
    return {};
}

SessionText ReadSession(QByteArrayView text) {
    const auto damaged = [&](const QString& why) {
        // A text that is not JSON at all says so first, whatever else is wrong with it.
        const QString notJsonAtAll = notJson(text);
        return SessionText{{}, {}, notJsonAtAll.isEmpty() ? why : notJsonAtAll};
    };
    const QString notSession = QCoreApplication::translate("modVelmora::SessionFile", "not an object of \"format\", \"patients\" (from format 2) and \"rows\"");
    if (!text.isValidUtf8()) return damaged({});
    Json json(text);
    SessionText session;
    if (!json.takeIf('{')) return damaged(notSession);
    bool format = false, rows = false, formatWrong = false, others = false, patients = false;
    int formatRead = 0;
    QString rowsProblem;
    // 1 where a list with items opens, 0 for an empty list or another value (rowsProblem saying so), -1 where the text is not JSON.
    const auto opensList = [&](const QString& name) {
        if (json.peek() != '[') {
            if (!json.skip()) return -1;
            rowsProblem = QCoreApplication::translate("modVelmora::SessionFile", "\"%1\" is not a list").arg(name);
            return 0;
        }
        json.take('[');
        return json.takeIf(']') ? 0 : 1;
    };
    if (!json.takeIf('}')) do {
            const auto key = json.string();
            if (!key || !json.take(':')) return damaged({});
            if (*key == QLatin1String("format") && !format) {
                format = true;
                const char first = json.peek();
                const auto value = first == '-' || (first >= '0' && first <= '9') ? json.number() : std::nullopt;
                if (!value && !json.skip()) return damaged({});
                formatWrong = value != 1.0 && value != double(kFormat);
                formatRead = formatWrong ? 0 : int(*value);
            } else if (*key == QLatin1String("rows") && !rows) {
                rows = true;
                const int opened = opensList(*key);
                if (opened < 0) return damaged({});
                if (opened == 0) continue;
                do {
                    SessionRow row;
                    QString problem;
                    // A row names its patient from format 2, which comes first as this program writes it.
                    if (!readRow(json, row, problem, formatRead == 2)) return damaged({});
                    if (!problem.isEmpty())
                        return damaged(QCoreApplication::translate("modVelmora::SessionFile", "row %1: %2").arg(QString::number(session.rows.size() + 1), problem));
                    session.rows.append(std::move(row));
                } while (json.takeIf(','));
                if (!json.take(']')) return damaged({});
            } else if (*key == QLatin1String("patients") && !patients) {
                patients = true;
                const int opened = opensList(*key);
                if (opened < 0) return damaged({});
                if (opened == 0) continue;
                do {
                    if (json.peek() != '"') {
                        if (!json.skip()) return damaged({});
                        rowsProblem = QCoreApplication::translate("modVelmora::SessionFile", "a patient that is not a text");
                        continue;
                    }
                    const auto identifier = json.string();
                    if (!identifier) return damaged({});
                    if (const QString problem = PatientProblem(*identifier); !problem.isEmpty()) rowsProblem = problem;
                    session.patients.append(*identifier);
                } while (json.takeIf(','));
                if (!json.take(']')) return damaged({});
            } else {
                others = true;
                if (!json.skip()) return damaged({});
            }
        } while (json.takeIf(','));
    if (!json.take('}') || !json.atEnd()) return damaged({});
    // A file written before the patients holds one patient's rows.
    if (!format || !rows || others || patients != (formatRead == 2)) return damaged(notSession);
    if (formatWrong) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "format is not 1 or %1").arg(kFormat));
    if (!rowsProblem.isEmpty()) return damaged(rowsProblem);
    if (formatRead == 1) session.patients = {QString()};
    if (session.patients.isEmpty()) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "no patient"));
    for (qsizetype i = 0; i < session.rows.size(); ++i)
        if (session.rows[i].patient >= session.patients.size())
            return damaged(QCoreApplication::translate("modVelmora::SessionFile", "row %1: patient %2 is not one of the session's").arg(QString::number(i + 1), QString::number(session.rows[i].patient)));
    return session;
}

QString PatientProblem(const QString& identifier) {
    if (identifier.size() > kLongestPatient) return QCoreApplication::translate("modVelmora::SessionFile", "a patient's identifier longer than %1 characters").arg(kLongestPatient);
    if (!identifier.isValidUtf16()) return QCoreApplication::translate("modVelmora::SessionFile", "a patient's identifier that is not Unicode");
    return {};
}

QByteArray WriteSession(const QList<SessionRow>& rows, const QStringList& patients) {
    QByteArray out = "{\"format\": " + QByteArray::number(kFormat) + ", \"patients\": [";
    for (qsizetype i = 0; i < patients.size(); ++i) {
        if (i > 0) out += ", ";
        appendJsonText(out, patients[i]);
    }
    out += "], \"rows\": [";
    out.reserve(rows.size() * 400 + 64);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        appendRow(out, rows[i]);
    }
    return out + "\n]}\n";
}

std::optional<SessionSize> SizeAfter(SessionSize size, const SessionChange& change) {
    switch (change.kind) {
        case SessionChange::Add:
            if (change.row.patient < 0 || change.row.patient >= size.patients) return std::nullopt;
            return SessionSize{size.rows + 1, size.patients};
        case SessionChange::SetTest: return change.index >= 0 && change.index < size.rows ? std::optional(size) : std::nullopt;
        case SessionChange::Remove:
            // Highest first, each once, so that every index names the row it named when the change was made.
            for (qsizetype i = 0; i < change.indexes.size(); ++i)
                if (change.indexes[i] < 0 || change.indexes[i] >= size.rows || (i > 0 && change.indexes[i] >= change.indexes[i - 1]))
                    return std::nullopt;
            return SessionSize{size.rows - change.indexes.size(), size.patients};
        case SessionChange::Insert:
            // Lowest first, each where it will stand, among the rows there are and those put before it.
            if (change.rows.size() != change.indexes.size()) return std::nullopt;
            for (qsizetype i = 0; i < change.indexes.size(); ++i)
                if (change.indexes[i] < 0 || change.indexes[i] > size.rows + i || (i > 0 && change.indexes[i] <= change.indexes[i - 1]) ||
                    change.rows[i].patient < 0 || change.rows[i].patient >= size.patients)
                    return std::nullopt;
            return SessionSize{size.rows + change.indexes.size(), size.patients};
        case SessionChange::NewPatient:
            if (!PatientProblem(change.test).isEmpty() || size.patients >= std::numeric_limits<int>::max()) return std::nullopt;
            return SessionSize{size.rows, size.patients + 1};
        case SessionChange::SetPatient:
            return change.index >= 0 && change.index < size.patients && PatientProblem(change.test).isEmpty() ? std::optional(size) : std::nullopt;
    }
    return std::nullopt;
}

void ApplyChange(QList<SessionRow>& rows, QStringList& patients, const SessionChange& change) {
    switch (change.kind) {
        case SessionChange::Add: rows.append(change.row); break;
        case SessionChange::SetTest: rows[change.index].test = change.test; break;
        case SessionChange::Remove:
            for (const qsizetype index : change.indexes) rows.removeAt(index);
            break;
        case SessionChange::Insert:
            for (qsizetype i = 0; i < change.indexes.size(); ++i) rows.insert(change.indexes[i], change.rows[i]);
            break;
        case SessionChange::NewPatient: patients.append(change.test); break;
        case SessionChange::SetPatient: patients[change.index] = change.test; break;
    }
}

QString SnapshotIdentity(QByteArrayView snapshot) {
    return QString::number(snapshot.size()) + u'-' +
           QString::fromLatin1(QCryptographicHash::hash(snapshot, QCryptographicHash::Sha1).toHex().left(16));
}

QByteArray JournalHeader(const QString& snapshot) {
    QByteArray line = "{\"journal\": 2, \"snapshot\": ";
    appendJsonText(line, snapshot);
    return line + "}\n";
}

QByteArray JournalLine(const SessionChange& change) {
    QByteArray line;
    switch (change.kind) {
        case SessionChange::Add:
            line = "{\"add\": ";
            appendRow(line, change.row);
            break;
        case SessionChange::SetTest:
        case SessionChange::SetPatient:
            // A row's test or a patient's identifier: its place, then the text.
            line = (change.kind == SessionChange::SetTest ? "{\"test\": [" : "{\"identifier\": [") + QByteArray::number(change.index) + ", ";
            appendJsonText(line, change.test);
            line += ']';
            break;
        case SessionChange::Remove:
            line = "{\"remove\": [";
            for (qsizetype i = 0; i < change.indexes.size(); ++i) line += (i ? ", " : "") + QByteArray::number(change.indexes[i]);
            line += ']';
            break;
        case SessionChange::Insert:
            line = "{\"insert\": [";
            for (qsizetype i = 0; i < change.indexes.size(); ++i) {
                line += (i ? ", [" : "[") + QByteArray::number(change.indexes[i]) + ", ";
                appendRow(line, change.rows[i]);
                line += ']';
            }
            line += ']';
            break;
        case SessionChange::NewPatient:
            line = "{\"patient\": ";
            appendJsonText(line, change.test);
            break;
    }
    return line + "}\n";
}

QByteArray JournalMarker(const QString& snapshot, qsizetype lines) {
    QByteArray line = "{\"snapshot\": ";
    appendJsonText(line, snapshot);
    return line + ", \"lines\": " + QByteArray::number(lines) + "}\n";
}

JournalText ReadJournal(QByteArrayView text) {
    JournalText journal;
    qsizetype lineNumber = 0;
    for (qsizetype start = 0; start < text.size(); ++lineNumber) {
        const qsizetype end = text.indexOf('\n', start);
        if (end < 0) break;  // a write that never finished
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        const auto damaged = [&](const QString& why) {
            journal.damage = QCoreApplication::translate("modVelmora::SessionFile", "line %1: %2").arg(QString::number(lineNumber + 1), why);
            return journal;
        };
        if (!line.isValidUtf8()) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "not UTF-8"));
        Json json(line);
        const auto key = json.take('{') ? json.string() : std::nullopt;
        if (!key || !json.take(':')) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "not a line of a session's journal"));
        bool read = false;
        if (lineNumber == 0) {
            const auto version = json.count();
            const auto snapshot = (version == 1 || version == 2) && json.take(',') && json.string() == QStringLiteral("snapshot") && json.take(':') ? json.string()
                                                                                                                                  : std::nullopt;
            read = *key == QLatin1String("journal") && snapshot;
            if (read) journal.snapshot = *snapshot, journal.version = int(*version);
        } else if (*key == QLatin1String("add")) {
            SessionChange change;
            QString problem;
            if (!readRow(json, change.row, problem, journal.version == 2)) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "not JSON: ") + json.error());
            if (!problem.isEmpty()) return damaged(problem);
            journal.changes.append(std::move(change));
            read = true;
        } else if (*key == QLatin1String("patient") && journal.version == 2) {
            SessionChange change;
            change.kind = SessionChange::NewPatient;
            const auto identifier = json.string();
            if (identifier && PatientProblem(*identifier).isEmpty()) {
                change.test = *identifier;
                journal.changes.append(std::move(change));
                read = true;
            }
        } else if (*key == QLatin1String("test") || (*key == QLatin1String("identifier") && journal.version == 2)) {
            SessionChange change;
            change.kind = *key == QLatin1String("test") ? SessionChange::SetTest : SessionChange::SetPatient;
            const auto index = json.take('[') ? json.count() : std::nullopt;
            const auto test = index && json.take(',') ? json.string() : std::nullopt;
            if (test && json.take(']') && test->isValidUtf16()) {
                change.index = *index;
                change.test = *test;
                journal.changes.append(std::move(change));
                read = true;
            }
        } else if (*key == QLatin1String("remove")) {
            SessionChange change;
            change.kind = SessionChange::Remove;
            read = json.take('[');
            if (read && !json.takeIf(']')) {
                do {
                    const auto index = json.count();
                    if (!index) break;
                    change.indexes.append(*index);
                } while (json.takeIf(','));
                read = !json.failed() && json.take(']');
            }
            if (read) journal.changes.append(std::move(change));
        } else if (*key == QLatin1String("insert") && journal.version == 2) {
            SessionChange change;
            change.kind = SessionChange::Insert;
            read = json.take('[');
            if (read && !json.takeIf(']')) {
                do {
                    const auto index = json.take('[') ? json.count() : std::nullopt;
                    SessionRow row;
                    QString problem;
                    if (!index || !json.take(',') || !readRow(json, row, problem, true) || !json.take(']')) break;
                    if (!problem.isEmpty()) return damaged(problem);
                    change.indexes.append(*index);
                    change.rows.append(std::move(row));
                } while (json.takeIf(','));
                read = !json.failed() && json.take(']');
            }
            if (read) journal.changes.append(std::move(change));
        } else if (*key == QLatin1String("snapshot")) {
            const auto snapshot = json.string();
            const auto lines = snapshot && json.take(',') && json.string() == QStringLiteral("lines") && json.take(':') ? json.count() : std::nullopt;
            read = lines.has_value();
            if (read) journal.markers.append({*snapshot, *lines});
        }
        if (!read || !json.take('}') || !json.atEnd()) return damaged(QCoreApplication::translate("modVelmora::SessionFile", "not a line of a session's journal"));
        journal.whole = start;
    }
    return journal;
}

}  // namespace modVelmora
