#include "rawscore/frmnormsets.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <utility>

#include "shell/controls.h"
#include "shell/gradient.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"
#include "shell/twips.h"

namespace modVelmora {

namespace {

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QChar(0x2026)));
    button->setFixedSize(TwipSize(1380, 375));
    return button;
}

// A change kept for Undo and Redo: already made when it is kept, and dropped when it can no longer be made.
class KeptChange : public QUndoCommand {
public:
    KeptChange(const QString& what, std::function<bool()> redo, std::function<bool()> undo)
        : QUndoCommand(what), redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override {
        if (std::exchange(made_, false)) return;
        if (!redo_()) setObsolete(true);
    }
    void undo() override {
        if (!undo_()) setObsolete(true);
    }

private:
    std::function<bool()> redo_, undo_;
    bool made_ = true;
};

// The columns' texts, by Column; Reverse's is its tick.
QString NormSet::* const kTexts[] = {&NormSet::name, &NormSet::mean, &NormSet::sd,     &NormSet::n,
                                     nullptr,        &NormSet::source, &NormSet::ages, &NormSet::notes};

// A column's field as the file holds it: numbers with ".", Reverse as 1 or 0.
QString fieldOf(const NormSet& set, int column) {
    if (column == frmNormSets::ReverseColumn) return set.reverse ? QStringLiteral("1") : QStringLiteral("0");
    return set.*kTexts[column];
}

void setFieldOf(NormSet& set, int column, const QString& value) {
    if (column == frmNormSets::ReverseColumn) set.reverse = value == QLatin1String("1");
    else set.*kTexts[column] = value;
}

bool isNumberColumn(int column) { return column == frmNormSets::MeanColumn || column == frmNormSets::SDColumn; }

}  // namespace

frmNormSets::frmNormSets(NormSetStore& store, QWidget* parent) : QDialog(parent), store_(store), undoStack_(new QUndoStack(this)) {
    setObjectName(QStringLiteral("frmNormSets"));
    setWindowTitle(tr("Manage Norm Sets"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Arial(8.25));

    // The module windows' backdrop, white to blue.
    auto* client = new TwoToneGradientFill::GradientArea(this);
    TwoToneGradientFill::PaintGradient(client, TwoToneGradientFill::RGB(255, 255, 255), TwoToneGradientFill::RGB(0, 128, 255),
                                       TwoToneGradientFill::kVertical);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(client);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    tblNormSets = new QTableWidget(0, ColumnCount, client);
    tblNormSets->setObjectName(QStringLiteral("tblNormSets"));
    tblNormSets->setHorizontalHeaderLabels(
        {tr("Name"), tr("Mean"), tr("SD"), tr("n"), tr("Reverse"), tr("Source"), tr("Ages"), tr("Notes")});
    tblNormSets->setFont(Arial(9.75));
    tblNormSets->setFixedSize(TwipSize(11400, 3600));
    tblNormSets->setSelectionMode(QAbstractItemView::SingleSelection);
    tblNormSets->setTabKeyNavigation(false);
    tblNormSets->verticalHeader()->hide();
    tblNormSets->horizontalHeader()->setSectionsMovable(false);
    // Every column in sight; the notes take what is left, and a long text is whole in its tooltip.
    const int widths[ColumnCount - 1] = {2200, 800, 600, 500, 900, 3100, 1100};
    for (int column = 0; column < ColumnCount - 1; ++column) tblNormSets->setColumnWidth(column, TwipsToPixels(widths[column]));
    tblNormSets->horizontalHeader()->setStretchLastSection(true);
    tblNormSets->setAccessibleName(tr("Norm sets"));
    tblNormSets->installEventFilter(this);
    lblFile = CaptionLabel(client, tr("Kept in %1").arg(QDir::toNativeSeparators(store_.path())), Arial(8.25));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFile->setAccessibleName(lblFile->text());

    cmdRename = dialogButton(client, "cmdRename", tr("&Rename…"));
    cmdDelete = dialogButton(client, "cmdDelete", tr("&Delete"));
    cmdImport = dialogButton(client, "cmdImport", tr("&Import…"));
    cmdExport = dialogButton(client, "cmdExport", tr("&Export…"));
    cmdClose = dialogButton(client, "cmdClose", tr("&Close"));
    cmdClose->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdRename, cmdDelete, cmdImport, cmdExport}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* listAndFile = new QVBoxLayout;
    listAndFile->addWidget(tblNormSets);
    listAndFile->addWidget(lblFile);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(TwipsToPixels(105), TwipsToPixels(105), TwipsToPixels(105), TwipsToPixels(105));
    layout->addLayout(listAndFile);
    layout->addLayout(buttons);
    SetTabOrder({tblNormSets, cmdRename, cmdDelete, cmdImport, cmdExport, cmdClose});

    QAction* undo = undoStack_->createUndoAction(this);
    QAction* redo = undoStack_->createRedoAction(this);
    undo->setObjectName(QStringLiteral("actUndo"));
    redo->setObjectName(QStringLiteral("actRedo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }

    connect(cmdRename, &QPushButton::clicked, this, &frmNormSets::cmdRename_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmNormSets::cmdDelete_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmNormSets::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmNormSets::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(tblNormSets, &QTableWidget::itemSelectionChanged, this, [this] {
        for (QPushButton* button : {cmdRename, cmdDelete}) button->setEnabled(!selectedName().isEmpty());
    });
    connect(tblNormSets, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (showing_) return;
        const int column = item->column();
        const QString value = column == ReverseColumn  ? QString::number(int(item->checkState() == Qt::Checked))
                              : isNumberColumn(column) ? QString::fromStdString(TypedNumber(item->text().trimmed()))
                                                       : item->text();
        // Once the editor has closed: the table is filled afresh, and a message may be shown.
        QMetaObject::invokeMethod(
            this, [this, name = tblNormSets->item(item->row(), NameColumn)->data(Qt::UserRole).toString(), column, value] {
                cellEdited(name, column, value);
            },
            Qt::QueuedConnection);
    });

    const QString problem = store_.load();
    showSets(QString());
    tblNormSets->setFocus();
    if (!problem.isEmpty()) platform().showMessage(parent, problem, MessageIcon::Exclamation);
}

void frmNormSets::showSets(const QString& selected, int row, int column) {
    QList<NormSet> sets(store_.sets().begin(), store_.sets().end());
    std::sort(sets.begin(), sets.end(),
              [](const NormSet& a, const NormSet& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    showing_ = true;
    tblNormSets->setRowCount(0);
    tblNormSets->setRowCount(int(sets.size()));
    for (int i = 0; i < sets.size(); ++i) {
        const NormSet& set = sets[i];
        for (int field = 0; field < ColumnCount; ++field) {
            // Numbers as the user reads and types them, with their decimal separator.
            const QString text = fieldOf(set, field);
            auto* item = new QTableWidgetItem(field == ReverseColumn  ? QString()
                                              : isNumberColumn(field) ? ShownNumber(text.toStdString())
                                                                      : text);
            // A long text is cut in its column; the tooltip shows it whole.
            if (field == NameColumn || field >= SourceColumn) item->setToolTip(text);
            if (field == ReverseColumn) {
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                item->setCheckState(set.reverse ? Qt::Checked : Qt::Unchecked);
            }
            tblNormSets->setItem(i, field, item);
        }
        tblNormSets->item(i, NameColumn)->setData(Qt::UserRole, set.name);
        if (set.name.compare(selected, Qt::CaseInsensitive) == 0) row = i;
    }
    showing_ = false;
    const int count = tblNormSets->rowCount();
    if (count > 0) tblNormSets->setCurrentCell(std::clamp(row, 0, count - 1), column);
    for (QPushButton* button : {cmdRename, cmdDelete}) button->setEnabled(count > 0);
}

QString frmNormSets::selectedName() const {
    const QTableWidgetItem* item = tblNormSets->currentItem();
    return item && item->isSelected() ? tblNormSets->item(item->row(), NameColumn)->data(Qt::UserRole).toString() : QString();
}

bool frmNormSets::told(const NormSetsResult& result) {
    if (result.status == NormSetsResult::Saved) return true;
    platform().showMessage(this, result.reason,
                           result.status == NormSetsResult::Refused ? MessageIcon::Information : MessageIcon::Exclamation);
    return false;
}

bool frmNormSets::setField(const QString& name, int column, const QString& value) {
    const bool saved = told(store_.edit(name, [&](NormSet& set) { setFieldOf(set, column, value); }));
    showSets(saved && column == NameColumn ? value.trimmed() : name, 0, column);
    return saved;
}

void frmNormSets::keep(const QString& what, std::function<bool()> redo, std::function<bool()> undo) {
    undoStack_->push(new KeptChange(what, std::move(redo), std::move(undo)));
}

void frmNormSets::cellEdited(const QString& name, int column, const QString& value) {
    const NormSet* set = store_.sets().find(name);
    const QString before = set ? fieldOf(*set, column) : QString();
    // Blanks around a text are not kept; the same text again is no change.
    if (!set || before == value.trimmed()) return showSets(name, 0, column);
    if (!setField(name, column, value)) return;
    const QString after = column == NameColumn ? value.trimmed() : name;
    keep(tr("Edit"), [=, this] { return setField(name, column, value); },
         [=, this] { return setField(after, column, before); });
}

void frmNormSets::cmdRename_Click() {
    const QString name = selectedName();
    if (name.isEmpty()) return;
    const std::optional<QString> newName = platform().askText(this, tr("Rename Norm Set"), tr("New name for \"%1\":").arg(name), name);
    if (newName) cellEdited(name, NameColumn, *newName);
}

void frmNormSets::cmdDelete_Click() {
    const QString name = selectedName();
    const NormSet* set = store_.sets().find(name);
    if (!set || !platform().confirm(this, tr("Delete the norm set \"%1\"?").arg(name))) return;
    const NormSet deleted = *set;
    // The set below takes the selection.
    const int row = tblNormSets->currentRow();
    const auto remove = [this, name, row] {
        const bool saved = told(store_.remove(name));
        showSets(QString(), row);
        return saved;
    };
    if (remove())
        keep(tr("Delete"), remove, [this, deleted] {
            const bool saved = told(store_.put(deleted));
            showSets(deleted.name);
            return saved;
        });
}

void frmNormSets::cmdImport_Click() {
    const QString path = platform().askOpenPath(this, tr("Import Norm Sets"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    const NormSetsResult result = store_.importFrom(path);
    showSets(selectedName());
    // An import is not undone, and undoing an edit from before it would overwrite what it brought.
    if (result.status == NormSetsResult::Saved) undoStack_->clear();
    if (told(result))
        platform().showMessage(this, tr("Norm sets imported: %1 added, %2 replaced.").arg(QString::number(result.added),
                                                                                           QString::number(result.replaced)),
                               MessageIcon::Information);
}

void frmNormSets::cmdExport_Click() {
    const QString path = platform().askSavePath(this, tr("Export Norm Sets"), QDir::home().filePath(QStringLiteral("norms.csv")),
                                                tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) told(store_.exportTo(path));
}

void frmNormSets::done(int result) {
    // A cell left for Close is kept before whoever opened the window reads the sets again.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    QDialog::done(result);
}

bool frmNormSets::eventFilter(QObject* watched, QEvent* event) {
    if (watched != tblNormSets || event->type() != QEvent::KeyPress) return false;
    // Delete deletes the set (after asking), as in a file manager; F2 and typing edit the cell.
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) return false;
    cmdDelete_Click();
    return true;
}

}  // namespace modVelmora
