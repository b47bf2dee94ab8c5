#include "shell/laidout.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "common/spreadsheet.h"
#include "shell/controls.h"
#include "shell/numberbox.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"

namespace modVelmora {

namespace {

constexpr int kBoxWidth = 100;
constexpr int kOptionHeight = 22;

QGroupBox* whiteFrame(QWidget* parent, const QString& title, const char* name) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(Arial(9.75, true));
    SetBackground(frame, Qt::white);
    return frame;
}

class WideOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

}  // namespace

QVBoxLayout* WindowColumn(QWidget* client) {
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(7, 7, 7, 7);
    column->setSpacing(10);
    return column;
}

QGroupBox* EntryFrame(QWidget* parent, const QString& title, const char* name) {
    QGroupBox* frame = whiteFrame(parent, title, name);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(10);
    return frame;
}

QLineEdit* CaptionedBox(QGroupBox* frame, int row, int column, const char* name, const QString& caption, const QString& tip) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    QLabel* label = CaptionLabel(frame, caption, Arial(9.75, true));
    label->setObjectName(QStringLiteral("lbl%1Caption").arg(QLatin1String(name + 3)));
    QLineEdit* box = new NumberBox(frame, 8, Arial(12), Qt::AlignCenter);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedSize(kBoxWidth, TwipsToPixels(435));
    for (QWidget* control : {static_cast<QWidget*>(label), static_cast<QWidget*>(box)}) control->setToolTip(tip);
    NameBox(box, caption);
    grid->addWidget(label, 2 * row, column);
    grid->addWidget(box, 2 * row + 1, column);
    return box;
}

QGroupBox* OptionFrame(QWidget* parent, const QString& title, const char* name, bool sideBySide) {
    QGroupBox* frame = whiteFrame(parent, title, name);
    QBoxLayout* options = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(frame)) : new QVBoxLayout(frame);
    options->setContentsMargins(10, 6, 10, 8);
    options->setSpacing(6);
    return frame;
}

QRadioButton* Option(QGroupBox* frame, const QString& caption, const QString& name) {
    auto* option = new WideOption(caption, frame);
    option->setObjectName(name);
    option->setFont(Arial(9.75));
    option->setFixedHeight(kOptionHeight);
    SetBackground(option, Qt::white);
    frame->layout()->addWidget(option);
    return option;
}

ResultControls* TableButtons(QWidget* client, SettingsRecord& record, QVBoxLayout* column) {
    auto* buttons = new ResultControls(client, record, ResultControls::Copy);
    SetPictureText(buttons->cmdCopy, QCoreApplication::translate("modVelmora::ResultTable", "Copy the results table to the clipboard"));
    column->addLayout(buttons->row());
    return buttons;
}

QTableWidget* ResultTable(QWidget* parent, const QStringList& headers, int rows) {
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QStringLiteral("tblResults"));
    table->setFont(Arial(9));
    table->setHorizontalHeaderLabels(headers);
    table->horizontalHeader()->setFont(Arial(9, true));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->hide();
    const int rowHeight = table->fontMetrics().height() + 10;
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setAccessibleName(QCoreApplication::translate("modVelmora::ResultTable", "Results"));
    const int headerHeight = table->horizontalHeader()->sizeHint().height();
    table->setFixedHeight(2 * table->frameWidth() + headerHeight + rows * rowHeight);
    return table;
}

void SetResultRow(QTableWidget* table, int row, const QStringList& cells, const QString& words) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        item->setToolTip(words);
        item->setData(Qt::AccessibleDescriptionRole, words);
        item->setData(Qt::SizeHintRole, QSize(table->fontMetrics().horizontalAdvance(cells[column]) + kResultCellPadding,
                                              table->verticalHeader()->defaultSectionSize()));
        table->setItem(row, column, item);
    }
}

void CopyResultTable(const QTableWidget* table) {
    if (table->rowCount() == 0) {
        platform().setClipboardText(QString());
        return;
    }
    QStringList lines, htmlRows;
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        QString html;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = (row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column))->text();
            cells << SpreadsheetCell(text);
            html += QStringLiteral("<%1>%2</%1>").arg(row < 0 ? QStringLiteral("th") : QStringLiteral("td"), text.toHtmlEscaped());
        }
        lines << cells.join(QLatin1Char('\t'));
        htmlRows << QStringLiteral("<tr>") + html + QStringLiteral("</tr>");
    }
    platform().setClipboardTable(lines.join(QLatin1Char('\n')),
                                 QStringLiteral("<table border=\"1\">") + htmlRows.join(QString()) + QStringLiteral("</table>"));
}

}  // namespace modVelmora
