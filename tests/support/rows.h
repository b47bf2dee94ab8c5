#pragma once

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
