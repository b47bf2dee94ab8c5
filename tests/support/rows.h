#pragma once

#include <QFile>
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

// A file's bytes ("<none>" when it cannot be read), and a file written whole (true when it was).
inline QByteArray FileBytes(const QString& path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : "<none>"; }
inline bool WriteFile(const QString& path, const QByteArray& bytes) { QFile file(path); return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(); }
