#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QString>
#include <QTest>
#include <cstddef>

// A test table written as an array of rows, one line each, every row
// carrying its name first: AddRows(kRows) in the _data() function, then
// QFETCH(Row, row) in the test.
template <class Row, std::size_t N>
void AddRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows) QTest::newRow(row.name) << row;
}

// The fields of one CSV line, quoted ones unquoted (no line breaks inside a field).
inline QStringList CsvFields(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') fields.last() += line[++i];
        else if (line[i] == '"') quoted = !quoted;
        else if (line[i] == ',' && !quoted) fields << QString();
        else fields.last() += line[i];
    }
    return fields;
}

// The rows of a CSV fixture, each by its header's column names (the first of two alike) and
// as a whole under "line".
inline QList<QHash<QString, QString>> FixtureRecords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("no fixture %s", qPrintable(path));
    const QStringList header = CsvFields(QString::fromUtf8(file.readLine()).trimmed());
    QList<QHash<QString, QString>> records;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        const QStringList fields = CsvFields(line);
        QHash<QString, QString>& record = records.emplaceBack();
        for (qsizetype i = header.size() - 1; i >= 0; --i) record[header[i]] = fields.value(i);
        record["line"] = line;
    }
    return records;
}

// A file's bytes ("<none>" when it cannot be read), and a file written whole (true when it was).
inline QByteArray FileBytes(const QString& path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : "<none>"; }
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());  // on Windows no settings file has made the folder
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
