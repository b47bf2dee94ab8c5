#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <span>

#include "common/report.h"

namespace modVelmora {

class Operation;
class SessionLog;

// One patient's rows of the session as the report's table for a view: the test, then each result
// as a report cites it (ReportHeaders), in the user's language. Only the test's name is the user's
// to type. It follows the log row by row, so a view of 100,000 rows stays as quick as one of ten.
class SessionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TestColumn, ScoreColumn, PercentileColumn, IntervalColumn, LabelColumn, DetailsColumn, kColumns };

    // operations: velmora-cli's, which read each row's fields.
    SessionTableModel(SessionLog& log, std::span<const Operation* const> operations, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A test's name typed in its cell, blanks run together.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The patient shown (its place in the log's patients), the newest at first.
    int patient() const { return patient_; }
    void showPatient(int patient);

signals:
    // A test's name typed in the log's row, with the name before it (for Undo).
    void testTyped(qsizetype row, const QString& before, const QString& after);

public:
    // The log's row shown at row.
    qsizetype logRow(qsizetype row) const { return shown_[row]; }
    // A row's report line, its numbers with the user's decimal separator.
    const ReportLine& line(qsizetype row) const;
    // A cell's text as shown.
    QString text(qsizetype row, int column) const;

private:
    SessionLog& log_;
    std::span<const Operation* const> operations_;
    // The patient's rows in the log, in order; between a change's two signals, those the views know of.
    void rebuild();
    int patient_ = 0;
    QList<qsizetype> shown_;
    bool inserting_ = false;
    mutable QHash<qsizetype, ReportLine> lines_;  // those read so far, by log row: the rows on screen are read at every paint
};

// The Module menu's name of the window a session row comes from, translated.
QString SessionModuleName(const QString& module);

}  // namespace modVelmora
