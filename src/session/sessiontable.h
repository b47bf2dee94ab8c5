#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <span>

#include "common/report.h"

namespace modVelmora {

class Operation;
class SessionLog;

// The session's rows as the report's table for a view: the test, then each result as a report
// cites it (ReportHeaders), in the user's language. Only the test's name is the user's to type. It
// follows the log row by row, so a view of 100,000 rows stays as quick as one of ten.
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

    // A row's report line, its numbers with the user's decimal separator.
    const ReportLine& line(qsizetype row) const;
    // A cell's text as shown.
    QString text(qsizetype row, int column) const;

private:
    SessionLog& log_;
    std::span<const Operation* const> operations_;
    qsizetype shown_ = 0;  // the rows the views know of: between a change's two signals, the count before it
    mutable QHash<qsizetype, ReportLine> lines_;  // those read so far, by row: the rows on screen are read at every paint
};

// The Module menu's name of the window a session row comes from, translated.
QString SessionModuleName(const QString& module);

}  // namespace modVelmora
