#include "profile/frmscoreprofile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "interval/intervaloperation.h"
#include "profile/profileoperation.h"
#include "profile/profiletable.h"
#include "shell/controls.h"
#include "shell/laidout.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"
#include "shell/twips.h"
#include "shell/updown.h"

namespace modVelmora {

namespace {

constexpr int kVisibleRows = 11;
constexpr int kPictureHeight = 250;  // the room the picture scrolls in
// The columns' widths: the test's name takes what is left.
constexpr std::array kColumnWidths = {0, 70, 118, 86, 92, 104, 156, 140};

QString scaleCaption(ScoreScale scale) { return QCoreApplication::translate(kScaleContext, ScaleCaption(scale)); }

QString centreCaption(IntervalCentre centre) { return QCoreApplication::translate(kIntervalContext, IntervalCentreName(centre)); }

// A cell's editor, which the window watches as it watches its own controls, so that the menus' shortcuts
// act while a cell is edited. The scale is chosen from the converter's names; a text pasted that names
// none stays as it is until one is chosen.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(QObject* parent, QObject* watcher) : QStyledItemDelegate(parent), watcher_(watcher) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = index.column() == int(ProfileTableColumn::Scale) ? new QComboBox(parent) : QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* list = qobject_cast<QComboBox*>(editor))
            for (int scale = 0; scale < kScaleCount; ++scale) list->addItem(scaleCaption(static_cast<ScoreScale>(scale)));
        editor->installEventFilter(watcher_);
        // Named for screen readers by its column and row.
        editor->setAccessibleName(ProfileTable::tr("%1, row %2")
                                      .arg(index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString())
                                      .arg(index.row() + 1));
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* list = qobject_cast<QComboBox*>(editor);
        if (!list) return QStyledItemDelegate::setEditorData(editor, index);
        const std::optional<ScoreScale> scale = ScaleOfText(index.data(Qt::EditRole).toString(), ProfileTable::scaleNames());
        list->setCurrentIndex(scale ? int(*scale) : -1);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        auto* list = qobject_cast<QComboBox*>(editor);
        if (!list) return QStyledItemDelegate::setModelData(editor, model, index);
        // A list left without a choice leaves the cell as it was: no scale is taken for granted.
        if (list->currentIndex() >= 0) model->setData(index, list->currentText(), Qt::EditRole);
    }

private:
    QObject* const watcher_;
};

}  // namespace

ProfileChart::ProfileChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QCoreApplication::translate("modVelmora::ProfileChart", "Score profile"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture paints its own white ground
}

void ProfileChart::setModel(const ProfileChartModel& model) {
    model_ = model;
    setFixedSize(ProfileChartSize(model_, kProfileChartWidth));
    update();
}

QSize ProfileChart::sizeHint() const { return ProfileChartSize(model_, kProfileChartWidth); }

void ProfileChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintProfileChart(painter, rect(), model_);
}

frmScoreProfile::frmScoreProfile(Settings& settings) : ModuleWindow(Module::ScoreProfile, settings) {
    table_ = new ProfileTable(ProfileEntry(settings.labels()), this);
    connect(table_, &ProfileTable::computed, this, &frmScoreProfile::showPicture);
}

void frmScoreProfile::createControls(QWidget* client) {
    QVBoxLayout* layout = WindowColumn(client);
    Label2 = LayoutBanner(client, tr("Score Profile"));
    layout->addWidget(Label2);

    fraConfidence = OptionFrame(client, tr("Confidence"), "fraConfidence", true);
    for (std::size_t index = 0; index < optConfidence.size(); ++index)
        optConfidence[index] = Option(fraConfidence, index == 0 ? tr("90%") : tr("95%"), QStringLiteral("optConfidence%1").arg(index));
    fraCentre = OptionFrame(client, tr("Centre"), "fraCentre", true);
    optCentre[0] = Option(fraCentre, centreCaption(IntervalCentre::Obtained), QStringLiteral("optCentre0"));
    optCentre[0]->setToolTip(tr("The interval around the score as obtained, from the standard error of measurement"));
    optCentre[1] = Option(fraCentre, centreCaption(IntervalCentre::EstimatedTrue), QStringLiteral("optCentre1"));
    optCentre[1]->setToolTip(tr("The interval around the estimated true score, which lies nearer the mean, from the "
                                "standard error of estimation"));
    lblHint = CaptionLabel(client, tr("Type the scores or paste rows from a spreadsheet:\nTest, Score, Scale and, for the interval, Reliability."),
                           Arial(8.25));
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* choices = new QHBoxLayout;
    choices->setSpacing(7);
    choices->addWidget(fraConfidence);
    choices->addWidget(fraCentre);
    choices->addSpacing(6);
    choices->addWidget(lblHint, 1);
    layout->addLayout(choices);

    tblProfile = new QTableView(client);
    tblProfile->setObjectName(QStringLiteral("tblProfile"));
    tblProfile->setFont(Arial(9));
    tblProfile->setModel(table_);
    tblProfile->setItemDelegate(new CellDelegate(tblProfile, this));
    tblProfile->horizontalHeader()->setFont(Arial(9, true));
    tblProfile->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblProfile->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < kProfileTableColumns; ++column) tblProfile->setColumnWidth(column, kColumnWidths[std::size_t(column)]);
    const int rowHeight = tblProfile->fontMetrics().height() + 8;
    tblProfile->verticalHeader()->setDefaultSectionSize(rowHeight);
    tblProfile->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblProfile->verticalHeader()->setFont(Arial(8.25));
    tblProfile->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    tblProfile->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblProfile->setTabKeyNavigation(false);
    tblProfile->setWordWrap(false);
    tblProfile->setAccessibleName(tr("Scores of the profile"));
    tblProfile->setToolTip(tr("Delete removes the selected rows; Ctrl+Z takes back the last change"));
    tblProfile->setFixedSize(TwipsToPixels(16200), 2 * tblProfile->frameWidth() + tblProfile->horizontalHeader()->sizeHint().height() +
                                                      kVisibleRows * rowHeight);
    layout->addWidget(tblProfile);

    picProfile = new ProfileChart;
    picProfile->setObjectName(QStringLiteral("picProfile"));
    scrProfile = new QScrollArea(client);
    scrProfile->setObjectName(QStringLiteral("scrProfile"));
    scrProfile->setWidget(picProfile);
    scrProfile->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrProfile->setFocusPolicy(Qt::NoFocus);
    scrProfile->setFixedSize(tblProfile->width(), kPictureHeight);
    SetBackground(scrProfile, Qt::white);
    layout->addWidget(scrProfile);

    results_ = new ResultControls(client, settings().record, ResultControls::Copy | ResultControls::Decimals | ResultControls::NoCalculate);
    cmdCopy = results_->cmdCopy, lblNumberOfDecimals = results_->lblNumberOfDecimals, UpDown1 = results_->UpDown1;
    cmdClear = results_->cmdClear;
    SetPictureText(cmdCopy, QCoreApplication::translate("modVelmora::ResultTable", "Copy the results table to the clipboard"));
    results_->setDecimalsTip(tr("Set number of decimal places in percentiles (see Instructions)"));
    cmdAddToSession = PictureButton(client, QStringLiteral("session.svg"), tr("A&dd to Session"));
    cmdAddToSession->setObjectName(QStringLiteral("cmdAddToSession"));
    cmdAddToSession->setToolTip(tr("Add each computed row to the session, with its test's name"));
    cmdCopyPicture = PictureButton(client, QStringLiteral("clipboard.svg"), tr("Copy &Picture"));
    cmdCopyPicture->setObjectName(QStringLiteral("cmdCopyPicture"));
    cmdCopyPicture->setToolTip(tr("Copy the profile to the clipboard"));
    cmdSavePicture = PictureButton(client, QStringLiteral("save.svg"), tr("&Save Picture…"));
    cmdSavePicture->setObjectName(QStringLiteral("cmdSavePicture"));
    cmdSavePicture->setToolTip(tr("Save the profile as a PNG or SVG file"));
    for (QAbstractButton* button : {cmdAddToSession, cmdCopyPicture, cmdSavePicture}) button->setMinimumSize(TwipSize(1380, 750));
    lblAdded = CaptionLabel(client, QString(), Arial(8.25));
    lblAdded->setObjectName(QStringLiteral("lblAdded"));
    lblAdded->setMinimumWidth(TwipsToPixels(2400));
    QHBoxLayout* buttons = results_->row();
    buttons->insertWidget(buttons->count() - 1, lblAdded);
    buttons->insertWidget(buttons->count() - 1, cmdAddToSession);
    buttons->insertWidget(buttons->count() - 1, cmdCopyPicture);
    buttons->insertWidget(buttons->count() - 1, cmdSavePicture);
    layout->addLayout(buttons);

    SetTabOrder({optConfidence[0], optConfidence[1], optCentre[0], optCentre[1], tblProfile, cmdCopy, UpDown1, cmdAddToSession,
                 cmdCopyPicture, cmdSavePicture, cmdClear});
    for (std::size_t index = 0; index < optConfidence.size(); ++index) {
        connect(optConfidence[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optConfidence_Click(int(index));
        });
        connect(optCentre[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optCentre_Click(int(index));
        });
    }
    // After the spinner has stored its count.
    connect(UpDown1, &UpDown::valueChanged, this, &frmScoreProfile::computeAgain);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmScoreProfile::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmScoreProfile::cmdCopy_Click);
    connect(cmdAddToSession, &QAbstractButton::clicked, this, &frmScoreProfile::cmdAddToSession_Click);
    connect(cmdCopyPicture, &QAbstractButton::clicked, this, &frmScoreProfile::cmdCopyPicture_Click);
    connect(cmdSavePicture, &QAbstractButton::clicked, this, &frmScoreProfile::cmdSavePicture_Click);
}

void frmScoreProfile::initialise() {
    choices_ = settings().profileChoices();
    for (QRadioButton* option : {optConfidence[choices_.level == ConfidenceLevel::Ninety ? 0 : 1],
                                 optCentre[choices_.centre == IntervalCentre::Obtained ? 0 : 1]}) {
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
    HighlightOption({optConfidence.begin(), optConfidence.end()}, choices_.level == ConfidenceLevel::Ninety ? 0 : 1);
    HighlightOption({optCentre.begin(), optCentre.end()}, choices_.centre == IntervalCentre::Obtained ? 0 : 1);
    results_->showStoredDecimals();
    computeAgain();
    tblProfile->setCurrentIndex(table_->index(0, 0));
    tblProfile->setFocus();
}

void frmScoreProfile::computeAgain() {
    ProfileEntry entry(settings().labels());
    entry.level = choices_.level;
    entry.centre = choices_.centre;
    entry.decimals = settings().record.numberOfDecimals;
    tblProfile->setColumnHidden(int(ProfileTableColumn::Label), entry.labels == LabelSystem::None);
    // As wide as the system's longest label, which may be long in a translation.
    int widest = kColumnWidths[std::size_t(ProfileTableColumn::Label)];
    for (const LabelBand& band : LabelBands(entry.labels))
        widest = std::max(widest, tblProfile->fontMetrics().horizontalAdvance(QCoreApplication::translate(kLabelContext, band.text)) + 14);
    tblProfile->setColumnWidth(int(ProfileTableColumn::Label), widest);
    table_->setChoices(entry);
}

void frmScoreProfile::storeChoices() {
    settings().setProfileChoices(choices_);
    computeAgain();
}

void frmScoreProfile::optConfidence_Click(int index) {
    HighlightOption({optConfidence.begin(), optConfidence.end()}, index);
    choices_.level = index == 0 ? ConfidenceLevel::Ninety : ConfidenceLevel::NinetyFive;
    storeChoices();
}

void frmScoreProfile::optCentre_Click(int index) {
    HighlightOption({optCentre.begin(), optCentre.end()}, index);
    choices_.centre = index == 0 ? IntervalCentre::Obtained : IntervalCentre::EstimatedTrue;
    storeChoices();
}

void frmScoreProfile::labelsChanged() { computeAgain(); }

void frmScoreProfile::showPicture() {
    if (!isLoaded()) return;
    ProfileChartModel picture;
    picture.bands = BellCurveBands(settings().labels());
    picture.decimalSeparator = DecimalSeparator();
    QStringList words;
    for (int row = 0; row < kProfileRows; ++row) {
        const ProfileRow& computed = table_->rows()[std::size_t(row)];
        if (computed.state != ProfileRow::State::Computed) continue;
        QString name = table_->cells(row)[0].trimmed();
        picture.rows.push_back(ProfileChartRowOf(name.isEmpty() ? ProfileTable::tr("Row %1").arg(row + 1) : name, computed.results));
        words << table_->rowWords(row);
    }
    picProfile->setModel(picture);
    picProfile->setAccessibleDescription(words.isEmpty() ? tr("No row is computed yet.")
                                                         : tr("Score profile (one line a test): %1.").arg(words.join(QStringLiteral("; "))));
    for (QAbstractButton* button : {cmdCopyPicture, cmdSavePicture, cmdAddToSession}) button->setEnabled(!words.isEmpty());
    // An error spans the results of its row.
    tblProfile->clearSpans();
    for (int row = 0; row < kProfileRows; ++row)
        if (table_->rows()[std::size_t(row)].state == ProfileRow::State::Refused)
            tblProfile->setSpan(row, kProfileEntryColumns, 1, kProfileTableColumns - kProfileEntryColumns);
    lblAdded->clear();
}

void frmScoreProfile::pasteText(const QString& text) {
    const QModelIndex at = tblProfile->currentIndex();
    const int left = table_->paste(text, at.isValid() ? at.row() : 0, at.isValid() ? std::min(at.column(), kProfileEntryColumns - 1) : 0);
    if (left > 0)
        platform().showMessage(form(), tr("The table holds %1 rows: %2 pasted rows found no room and were left out.").arg(kProfileRows).arg(left),
                               MessageIcon::Information);
}

bool frmScoreProfile::previewKey(QKeyEvent* key) {
    // A cell being edited takes back its own typing.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) return false;
    if (key->matches(QKeySequence::Undo)) {
        table_->undoStack().undo();
        return true;
    }
    // Ctrl+Y and Ctrl+Shift+Z both, whatever the desktop's own binding.
    const QKeyCombination pressed = key->keyCombination();
    if (key->matches(QKeySequence::Redo) || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)) {
        table_->undoStack().redo();
        return true;
    }
    if (QApplication::focusWidget() != tblProfile) return false;
    if (key->matches(QKeySequence::Paste)) {
        pasteText(QGuiApplication::clipboard()->text());
        return true;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
        QList<int> rows;
        for (const QModelIndex& cell : tblProfile->selectionModel()->selectedIndexes()) rows << cell.row();
        if (rows.isEmpty() && tblProfile->currentIndex().isValid()) rows << tblProfile->currentIndex().row();
        table_->removeRowsAt(rows);
        return true;
    }
    return false;
}

void frmScoreProfile::cmdClear_Click() {
    table_->clearAll();
    tblProfile->setCurrentIndex(table_->index(0, 0));
    focusControl(tblProfile);
}

void frmScoreProfile::cmdCopy_Click() {
    QList<int> columns;
    for (int column = 0; column < kProfileTableColumns; ++column)
        if (!tblProfile->isColumnHidden(column)) columns << column;
    QStringList lines, html;
    for (int row = -1; row < kProfileRows; ++row) {
        if (row >= 0 && table_->rows()[std::size_t(row)].state == ProfileRow::State::Blank) continue;
        QStringList cells;
        for (const int column : columns)
            cells << (row < 0 ? table_->headerData(column, Qt::Horizontal, Qt::DisplayRole) : table_->index(row, column).data()).toString();
        lines << cells.join(QLatin1Char('\t'));
        const QString tag = row < 0 ? QStringLiteral("th") : QStringLiteral("td");
        QString cellsHtml;
        for (const QString& cell : cells) cellsHtml += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        html << QStringLiteral("<tr>") + cellsHtml + QStringLiteral("</tr>");
    }
    if (lines.size() == 1) {
        platform().beep();
        return;
    }
    platform().setClipboardTable(lines.join(QLatin1Char('\n')), QStringLiteral("<table border=\"1\">") + html.join(QString()) +
                                                                    QStringLiteral("</table>"));
}

void frmScoreProfile::cmdAddToSession_Click() {
    int added = 0;
    for (int row = 0; row < kProfileRows; ++row) {
        const ProfileRow& computed = table_->rows()[std::size_t(row)];
        if (computed.state != ProfileRow::State::Computed) continue;
        const ProfileCells& cells = table_->cells(row);
        const ProfileEntry& entry = computed.entry;
        const bool interval = !entry.reliability.empty();
        const QString label = computed.report.label ? QCoreApplication::translate(kLabelContext, computed.report.label->text) : QString();
        NamedTexts fields = IntervalFields(entry);
        for (const auto& [name, text] : computed.results.items) fields.add(name, text);
        addToSession(ProfileOperation(),
                     InWords({scaleCaption(entry.scale) + QLatin1Char(' ') + cells[1].trimmed(),
                              interval ? tr("reliability %1").arg(cells[3].trimmed()) : QString(),
                              interval ? tr("%1% confidence").arg(int(entry.level)) : QString(),
                              interval ? centreCaption(entry.centre) : QString()}),
                     InWords({scaleCaption(ScoreScale::Percentile) + QLatin1Char(' ') + ShownNumber(computed.report.percentile),
                              scaleCaption(ScoreScale::StandardScore) + QLatin1Char(' ') + ShownNumber(computed.report.standard), label,
                              table_->intervalText(computed)}),
                     std::move(fields), cells[0].trimmed());
        ++added;
    }
    if (added == 0) {
        platform().beep();
        return;
    }
    lblAdded->setText(tr("Rows added to the session: %1.").arg(added));
    // Once is enough: a change of the table offers them again.
    cmdAddToSession->setEnabled(false);
}

void frmScoreProfile::cmdCopyPicture_Click() {
    const ProfileChartModel& picture = picProfile->model();
    if (picture.rows.empty()) return;
    platform().setClipboardImage(ProfileChartImage(picture, ProfileChartSize(picture, kProfileChartWidth), 2));
}

void frmScoreProfile::cmdSavePicture_Click() {
    const ProfileChartModel& picture = picProfile->model();
    if (picture.rows.empty()) return;
    QString path = platform().askSavePath(form(), tr("Save Picture"), tr("score profile.png"), tr("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty()) return;
    // A name typed without a type is saved as the first type offered rather than refused.
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    if (const QString why = SaveProfileChart(picture, path, ProfileChartSize(picture, kProfileChartWidth)); !why.isEmpty())
        platform().showMessage(form(), tr("The picture could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), why),
                               MessageIcon::Information);
}

}  // namespace modVelmora
