#pragma once

#include <QAbstractTableModel>

namespace modVelmora {

class SessionLog;

// The session's rows as a table for a view: the time, the window, the test, the entry and the
// results in words, as the windows showed them. Only the test's name is the user's to type. It
// follows the log row by row, so a view of 100,000 rows stays as quick as one of ten.
class SessionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TimeColumn, ModuleColumn, TestColumn, EntryColumn, ResultsColumn, kColumns };

    explicit SessionTableModel(SessionLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A test's name typed in its cell, blanks run together.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A cell's text as shown.
    QString text(qsizetype row, int column) const;

private:
    SessionLog& log_;
    qsizetype shown_ = 0;  // the rows the views know of: between a change's two signals, the count before it
};

// The Module menu's name of the window a session row comes from, translated.
QString SessionModuleName(const QString& module);

}  // namespace modVelmora
