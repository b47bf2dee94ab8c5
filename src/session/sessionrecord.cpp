#include "session/sessionrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace modVelmora {

namespace {

constexpr int kFormat = 1;
const QStringList kRowKeys{"entry", "fields", "module", "results", "test", "time"};  // QJsonObject's own order

// Floored, so that a time before 1970 with milliseconds falls in the second its text shows.
qint64 wholeSecond(const QDateTime& time) {
    const qint64 ms = time.toMSecsSinceEpoch();
    return ms / 1000 - (ms % 1000 < 0);
}

bool sameSecond(const QDateTime& a, const QDateTime& b) {
    if (!a.isValid() || !b.isValid()) return a.isValid() == b.isValid();
    return wholeSecond(a) == wholeSecond(b) && a.offsetFromUtc() == b.offsetFromUtc();
}

// Only the text SessionTimeText writes is read, so that every stored time reads back as itself.
QDateTime readTime(const QString& text) {
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() && SessionTimeText(time) == text ? time : QDateTime();
}

bool isFieldName(const QString& name) {
    if (name.isEmpty() || name[0] < u'a' || name[0] > u'z') return false;
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'; });
}

// Written by hand, a row a line: QJsonDocument took six times as long, too long to write after every row.
void appendJsonText(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    qsizetype plain = 0;  // the start of the bytes not yet copied, which need no escape
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
        out.append(utf8.constData() + plain, i - plain);
        plain = i + 1;
        if (byte >= 0x20) out += QByteArray("\\") + char(byte);
        else out += QByteArray("\\u00") + hex[byte >> 4] + hex[byte & 15];
    }
    out.append(utf8.constData() + plain, utf8.size() - plain);
    out += '"';
}

bool hasKeys(const QJsonObject& object, const QStringList& keys) { return object.keys() == keys; }

// A session kept before the interval's results had names of their own held its T-score as "t" and its
// estimated true score as a second "centre".
void nameIntervalResults(SessionRow& row) {
    if (row.module != QLatin1String("interval")) return;
    bool centreSeen = false;
    for (auto& [name, value] : row.fields) {
        if (name == QLatin1String("t")) name = QStringLiteral("t_score");
        else if (name == QLatin1String("centre") && std::exchange(centreSeen, true)) name = QStringLiteral("true_score");
    }
}

}  // namespace

SessionRow RowOf(const CalculatedResult& result, const QDateTime& time) {
    SessionRow row{time, QString::fromUtf8(result.command.data(), qsizetype(result.command.size())), result.test, result.entry, result.results, {}};
    for (const auto& [name, text] : result.fields.items)
        row.fields.emplace_back(QString::fromUtf8(name.data(), qsizetype(name.size())), QString::fromStdString(text));
    return row;
}

bool operator==(const SessionRow& a, const SessionRow& b) {
    return sameSecond(a.time, b.time) && a.module == b.module && a.test == b.test && a.entry == b.entry &&
           a.results == b.results && a.fields == b.fields;
}

const QStringList& SessionModules() {
    static const QStringList modules{"score", "convert", "age", "interval", "change", "difference", "profile"};
    return modules;
}

QString SessionTimeText(const QDateTime& time) {
    return time.isValid() ? time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate) : QString();
}

QString SessionRowProblem(const SessionRow& row) {
    if (!row.time.isValid() || !sameSecond(readTime(SessionTimeText(row.time)), row.time))
        return QStringLiteral("the time \"%1\" cannot be stored").arg(SessionTimeText(row.time));
    if (!SessionModules().contains(row.module)) return QStringLiteral("unknown module \"%1\"").arg(row.module);
    if (!row.test.isValidUtf16() || !row.entry.isValidUtf16() || !row.results.isValidUtf16())
        return QStringLiteral("a text that is not Unicode");
    QSet<QString> names;
    for (const auto& [name, value] : row.fields) {
        if (!isFieldName(name)) return QStringLiteral("the field name \"%1\" is not a lowercase identifier").arg(name);
        if (!value.isValidUtf16()) return QStringLiteral("the field \"%1\" is not Unicode").arg(name);
        if (names.contains(name)) return QStringLiteral("the field \"%1\" comes twice").arg(name);
        names.insert(name);
    }
    return {};
}

SessionText ReadSession(const QByteArray& json) {
    const auto damaged = [](const QString& why) { return SessionText{{}, why}; };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return damaged(QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString(), QString::number(error.offset)));
    const QJsonObject session = document.object();
    if (!document.isObject() || !hasKeys(session, {"format", "rows"}))
        return damaged(QStringLiteral("not an object of \"format\" and \"rows\""));
    if (!session["format"].isDouble() || session["format"].toDouble() != kFormat)
        return damaged(QStringLiteral("format is not %1").arg(kFormat));
    if (!session["rows"].isArray()) return damaged(QStringLiteral("\"rows\" is not a list"));

    SessionText text;
    const QJsonArray rows = session["rows"].toArray();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto rowDamaged = [&](const QString& why) { return damaged(QStringLiteral("row %1: %2").arg(QString::number(i + 1), why)); };
        const QJsonObject object = rows[i].toObject();
        if (!rows[i].isObject() || !hasKeys(object, kRowKeys))
            return rowDamaged(QStringLiteral("not an object of %1").arg(kRowKeys.join(", ")));
        for (const char* key : {"time", "module", "test", "entry", "results"})
            if (!object[key].isString()) return rowDamaged(QStringLiteral("\"%1\" is not a text").arg(key));
        if (!object["fields"].isArray()) return rowDamaged(QStringLiteral("\"fields\" is not a list"));

        SessionRow row{readTime(object["time"].toString()), object["module"].toString(), object["test"].toString(),
                       object["entry"].toString(), object["results"].toString(), {}};
        if (!row.time.isValid())
            return rowDamaged(QStringLiteral("the time \"%1\" is not one this program writes").arg(object["time"].toString()));
        for (const QJsonValue& field : object["fields"].toArray()) {
            const QJsonArray pair = field.toArray();
            if (!field.isArray() || pair.size() != 2 || !pair[0].isString() || !pair[1].isString())
                return rowDamaged(QStringLiteral("a field that is not a pair of texts"));
            row.fields.emplace_back(pair[0].toString(), pair[1].toString());
        }
        nameIntervalResults(row);
        if (const QString problem = SessionRowProblem(row); !problem.isEmpty()) return rowDamaged(problem);
        text.rows.append(std::move(row));
    }
    return text;
}

QByteArray WriteSession(const QList<SessionRow>& rows) {
    QByteArray out = "{\"format\": " + QByteArray::number(kFormat) + ", \"rows\": [";
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SessionRow& row = rows[i];
        out += i == 0 ? "\n{\"time\": " : ",\n{\"time\": ";
        appendJsonText(out, SessionTimeText(row.time));
        for (const auto& [key, text] :
             {std::pair{"module", &row.module}, {"test", &row.test}, {"entry", &row.entry}, {"results", &row.results}}) {
            out += QByteArray(", \"") + key + "\": ";
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
    return out + "\n]}\n";
}

}  // namespace modVelmora
