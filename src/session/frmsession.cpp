#include "session/frmsession.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/filewrite.h"
#include "common/version.h"
#include "session/sessionexport.h"
#include "session/sessionlog.h"
#include "shell/controls.h"
#include "shell/gradient.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

QAbstractButton* button(QWidget* parent, const char* name, const QString& picture, const QString& caption, const QString& tip) {
    auto* made = static_cast<QToolButton*>(PictureButton(parent, picture, caption));
    made->setObjectName(QLatin1String(name));
    made->setToolButtonStyle(picture.isEmpty() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    made->setIconSize(QSize(20, 20));
    made->setFont(Arial(9));
    made->setToolTip(tip);
    return made;
}

// A change to the session that can be undone: done when pushed unless it was done already (a test's name typed).
class Step : public QUndoCommand {
public:
    Step(std::function<void()> redo, std::function<void()> undo, bool done = false)
        : redo_(std::move(redo)), undo_(std::move(undo)), done_(done) {}
    void redo() override {
        if (!std::exchange(done_, false)) redo_();
    }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_, undo_;
    bool done_;
};

// A file name as the user typed it, given the suffix the filter promised when it has none.
QString withSuffix(QString path, const QString& suffix) {
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    return path;
}

// Writes the session's file, telling the user why when it could not be; true when written.
bool savedOrTold(QWidget* owner, const QString& path, QByteArrayView bytes) {
    const QString why = WriteWholeFile(path, bytes);
    if (!why.isEmpty())
        platform().showMessage(owner, frmSession::tr("The session could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), why),
                               MessageIcon::Exclamation);
    return why.isEmpty();
}

}  // namespace

bool SaveSessionCsv(QWidget* owner, const QList<SessionRow>& rows, const QStringList& patients, const QStringList& cliColumns) {
    QString path = platform().askSavePath(owner, frmSession::tr("Save Session"), frmSession::tr("session.csv"),
                                          frmSession::tr("CSV for velmora-cli (*.csv)"));
    if (path.isEmpty()) return false;
    path = withSuffix(path, QStringLiteral("csv"));
    return savedOrTold(owner, path, SessionCsv(rows, cliColumns, patients).toUtf8());
}

frmSession::~frmSession() {
    for (QObject* sender : findChildren<QObject*>()) sender->disconnect(this);
}

frmSession::frmSession(SessionLog& log, std::span<const Operation* const> operations, QStringList cliColumns)
    : log_(log), cliColumns_(std::move(cliColumns)) {
    setObjectName(QStringLiteral("frmSession"));
    setWindowTitle(tr("Session - Velmora"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* client = new TwoToneGradientFill::GradientArea(this);
    TwoToneGradientFill::PaintGradient(client, TwoToneGradientFill::RGB(255, 255, 255), TwoToneGradientFill::RGB(0, 128, 255),
                                       TwoToneGradientFill::kVertical);
    outer->addWidget(client);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->setSpacing(8);

    layout->addWidget(LayoutBanner(client, tr("Session")));

    // The patient: an identifier of the user's own, the list of the session's patients, and the next one.
    auto* patientRow = new QHBoxLayout;
    auto* lblPatient = new QLabel(tr("Pa&tient:"), client);
    lblPatient->setFont(Arial(9, true));
    txtPatient = new QLineEdit(client);
    txtPatient->setObjectName(QStringLiteral("txtPatient"));
    txtPatient->setAccessibleName(tr("Patient"));
    txtPatient->setToolTip(tr("An identifier of the patient of your own choosing, at most %1 characters; it may stay empty")
                               .arg(kLongestPatient));
    txtPatient->setMaxLength(int(kLongestPatient));
    txtPatient->setFont(Arial(9));
    lblPatient->setBuddy(txtPatient);
    cboPatients = new QComboBox(client);
    cboPatients->setObjectName(QStringLiteral("cboPatients"));
    cboPatients->setAccessibleName(tr("Patients"));
    cboPatients->setToolTip(tr("The session's patients, newest first: choose one to see its results"));
    cboPatients->setFont(Arial(9));
    cboPatients->setMinimumContentsLength(24);
    cmdNewPatient = button(client, "cmdNewPatient", QString(), tr("Ne&w Patient"),
                           tr("Start the next patient: the results from now on go to that patient (Ctrl+N)"));
    patientRow->addWidget(lblPatient);
    patientRow->addWidget(txtPatient, 1);
    patientRow->addWidget(cboPatients, 1);
    patientRow->addWidget(cmdNewPatient);
    layout->addLayout(patientRow);

    model_ = new SessionTableModel(log_, operations, this);
    txtPatient->setText(log_.patients().value(model_->patient()));
    tblSession = new QTableView(client);
    tblSession->setObjectName(QStringLiteral("tblSession"));
    tblSession->setModel(model_);
    tblSession->setAccessibleName(tr("Session results"));
    tblSession->setAccessibleDescription(tr("Type a test's name in its row's Test cell (F2). Delete removes the rows selected."));
    tblSession->setFont(Arial(9));
    tblSession->horizontalHeader()->setFont(Arial(9, true));
    tblSession->verticalHeader()->hide();
    // One line a row until it comes on screen, where fitShownRows makes it as tall as its texts.
    tblSession->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblSession->verticalHeader()->setDefaultSectionSize(tblSession->fontMetrics().height() + 6);
    tblSession->setWordWrap(true);
    tblSession->setTabKeyNavigation(false);
    tblSession->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSession->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblSession->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    QHeaderView* header = tblSession->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // The percentile and the interval as wide as their captions or their widest text; the score and the label as
    // wide as their usual texts, measured once: fitting them to their cells would lay out every row of a long session.
    const auto fit = [&](int column, const QString& text) {
        const int caption = QFontMetrics(header->font()).horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString());
        header->resizeSection(column, std::max(caption, tblSession->fontMetrics().horizontalAdvance(text)) +
                                          3 * tblSession->fontMetrics().averageCharWidth());
    };
    fit(SessionTableModel::PercentileColumn, QStringLiteral("99.99"));
    fit(SessionTableModel::IntervalColumn, QStringLiteral("58.5 to 96.0"));
    header->resizeSection(SessionTableModel::TestColumn, 150);
    header->resizeSection(SessionTableModel::ScoreColumn, 200);
    header->resizeSection(SessionTableModel::LabelColumn, 160);
    header->setStretchLastSection(true);
    layout->addWidget(tblSession, 1);

    cmdCopy = button(client, "cmdCopyTable", QStringLiteral("clipboard.svg"), tr("&Copy Table"),
                     tr("Copy the rows selected, or all, as a table to paste into a report or a spreadsheet"));
    cmdSentences = button(client, "cmdCopySentences", QString(), tr("Copy Se&ntences"),
                          tr("Copy the rows selected, or all, as a report's sentences, one a row"));
    cmdSave = button(client, "cmdSaveSession", QStringLiteral("save.svg"), tr("&Save…"),
                     tr("Save the rows selected, or all, as a CSV file for a spreadsheet or for velmora-cli"));
    cmdPrint = button(client, "cmdPrintSession", QStringLiteral("print.svg"), tr("&Print…"), tr("Print the table"));
    cmdPdf = button(client, "cmdPdfSession", QStringLiteral("pdf.svg"), tr("P&DF…"), tr("Save the table as a PDF document"));
    cmdDelete = button(client, "cmdDeleteRows", QStringLiteral("clear.svg"), tr("De&lete Rows"), tr("Delete the rows selected (Delete)"));
    cmdClear = button(client, "cmdClearSession", QString(), tr("Cl&ear Session…"), tr("Delete every row of the session"));
    cmdUndo = button(client, "cmdUndo", QString(), tr("&Undo"), tr("Undo the last deletion, clearing or test's name (Ctrl+Z)"));
    cmdRedo = button(client, "cmdRedo", QString(), tr("&Redo"), tr("Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)"));
    cmdClose = button(client, "cmdCloseSession", QString(), tr("Close"), tr("Close this window (Esc); the session is kept"));
    auto* buttons = new QHBoxLayout;
    for (QAbstractButton* each : {cmdCopy, cmdSentences, cmdSave, cmdPrint, cmdPdf}) buttons->addWidget(each);
    buttons->addStretch(1);
    for (QAbstractButton* each : {cmdUndo, cmdRedo, cmdDelete, cmdClear, cmdClose}) buttons->addWidget(each);
    layout->addLayout(buttons);
    SetTabOrder({txtPatient, cboPatients, cmdNewPatient, tblSession, cmdCopy, cmdSentences, cmdSave, cmdPrint, cmdPdf, cmdUndo, cmdRedo, cmdDelete, cmdClear, cmdClose});

    connect(cmdCopy, &QAbstractButton::clicked, this, &frmSession::cmdCopy_Click);
    connect(cmdSentences, &QAbstractButton::clicked, this, &frmSession::cmdSentences_Click);
    connect(cmdSave, &QAbstractButton::clicked, this, &frmSession::cmdSave_Click);
    connect(cmdPrint, &QAbstractButton::clicked, this, &frmSession::cmdPrint_Click);
    connect(cmdPdf, &QAbstractButton::clicked, this, &frmSession::cmdPdf_Click);
    connect(cmdDelete, &QAbstractButton::clicked, this, &frmSession::cmdDelete_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmSession::cmdClear_Click);
    connect(cmdClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(&log_, &SessionLog::changed, this, &frmSession::showCount);
    connect(cmdNewPatient, &QAbstractButton::clicked, this, &frmSession::cmdNewPatient_Click);
    undo_ = new QUndoStack(this);
    connect(cmdUndo, &QAbstractButton::clicked, this, &frmSession::cmdUndo_Click);
    connect(cmdRedo, &QAbstractButton::clicked, this, &frmSession::cmdRedo_Click);
    connect(undo_, &QUndoStack::canUndoChanged, cmdUndo, &QWidget::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, cmdRedo, &QWidget::setEnabled);
    cmdUndo->setEnabled(false);
    cmdRedo->setEnabled(false);
    for (const auto& [keys, act] : {std::pair{"Ctrl+Z", &frmSession::cmdUndo_Click}, {"Ctrl+Shift+Z", &frmSession::cmdRedo_Click},
                                    {"Ctrl+Y", &frmSession::cmdRedo_Click}})
        connect(new QShortcut(QKeySequence(QLatin1String(keys)), this), &QShortcut::activated, this, act);
    connect(model_, &SessionTableModel::testTyped, this, [this](qsizetype row, const QString& before, const QString& after) {
        undo_->push(new Step([this, row, after] { log_.setTest(row, after); }, [this, row, before] { log_.setTest(row, before); }, true));
    });
    auto* newPatient = new QShortcut(QKeySequence(QStringLiteral("Ctrl+N")), this);
    connect(newPatient, &QShortcut::activated, this, &frmSession::cmdNewPatient_Click);
    connect(txtPatient, &QLineEdit::editingFinished, this, &frmSession::keepPatient);
    connect(cboPatients, &QComboBox::activated, this, [this](int item) {
        keepPatient();
        showPatient(cboPatients->itemData(item).toInt());
    });
    connect(&log_, &SessionLog::patientsChanged, this, &frmSession::listPatients);
    // A result goes to the newest patient, who is then shown.
    connect(&log_, &SessionLog::added, this, [this] {
        if (model_->patient() != log_.patients().size() - 1) showPatient(int(log_.patients().size() - 1));
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &frmSession::showCount);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &frmSession::showCount);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &frmSession::fitSoon);
    connect(model_, &QAbstractItemModel::dataChanged, this, &frmSession::fitSoon);
    connect(model_, &QAbstractItemModel::modelReset, this, &frmSession::fitSoon);
    connect(tblSession->verticalScrollBar(), &QScrollBar::valueChanged, this, &frmSession::fitSoon);
    connect(header, &QHeaderView::sectionResized, this, &frmSession::fitSoon);

    // A long session reads best in a large window: the table takes whatever room it is given.
    setMinimumSize(720, 400);
    resize(1040, 560);
    listPatients();
    showCount();
    fitSoon();
    tblSession->setFocus();  // Delete and a test's name typed act on the table at once, as before
}

QString frmSession::patientName(int patient) const {
    const QString identifier = log_.patients().value(patient);
    return identifier.isEmpty() ? tr("Patient %1").arg(patient + 1) : identifier;
}

void frmSession::listPatients() {
    // A patient just started is the one shown.
    if (log_.patients().size() > patientsListed_ && patientsListed_ > 0) showPatient(int(log_.patients().size() - 1));
    patientsListed_ = log_.patients().size();
    const QSignalBlocker quiet(cboPatients);
    cboPatients->clear();
    for (int patient = int(log_.patients().size() - 1); patient >= 0; --patient) cboPatients->addItem(patientName(patient), patient);
    cboPatients->setCurrentIndex(int(log_.patients().size() - 1) - model_->patient());
    if (!txtPatient->hasFocus()) txtPatient->setText(log_.patients().value(model_->patient()));
}

void frmSession::showPatient(int patient) {
    model_->showPatient(patient);
    txtPatient->setText(log_.patients().value(patient));
    cboPatients->setCurrentIndex(int(log_.patients().size() - 1) - model_->patient());
}

void frmSession::keepPatient() { log_.setPatient(model_->patient(), txtPatient->text()); }

void frmSession::cmdNewPatient_Click() {
    keepPatient();
    if (!log_.newPatient()) showPatient(int(log_.patients().size() - 1));  // the current one has nothing yet: it serves
    txtPatient->setFocus();
}

void frmSession::showCount() {
    for (QAbstractButton* each : {cmdCopy, cmdSentences, cmdSave, cmdPrint, cmdPdf, cmdDelete}) each->setEnabled(model_->rowCount() > 0);
    cmdClear->setEnabled(!log_.rows().isEmpty());
}

void frmSession::fitSoon() {
    if (std::exchange(fitting_, true)) return;
    QTimer::singleShot(0, this, [this] {
        fitting_ = false;
        fitShownRows();
    });
}

void frmSession::fitShownRows() {
    const int height = tblSession->viewport()->height();
    for (int row = std::max(tblSession->rowAt(0), 0); row < model_->rowCount() && tblSession->rowViewportPosition(row) < height; ++row)
        tblSession->resizeRowToContents(row);
}

void frmSession::hideEvent(QHideEvent* event) {
    keepPatient();
    QWidget::hideEvent(event);
}

void frmSession::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSoon();
}

QList<qsizetype> frmSession::chosenRows() const {
    QList<qsizetype> rows;
    for (const QModelIndex& index : tblSession->selectionModel()->selectedRows()) rows << index.row();
    std::ranges::sort(rows);
    if (rows.isEmpty())
        for (qsizetype row = 0; row < model_->rowCount(); ++row) rows << row;
    return rows;
}

QList<QStringList> frmSession::reportTable() const {
    QList<QStringList> table{ReportHeaders()};
    for (const qsizetype row : chosenRows()) {
        QStringList& cells = table.emplaceBack();
        for (int column = 0; column < SessionTableModel::kColumns; ++column) cells << model_->text(row, column);
    }
    return table;
}

void frmSession::fillReport(QTextDocument& report) const {
    const QString heading = tr("Velmora session, %1 (Velmora %2)")
                                .arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat), QLatin1String(kProgramVersion));
    QString html = HtmlTable(reportTable());
    html.replace(QStringLiteral("<body>"), QStringLiteral("<body><h2>%1</h2><h3>%2</h3>").arg(patientName(model_->patient()).toHtmlEscaped(),
                                                                                          heading.toHtmlEscaped()));
    report.setDefaultFont(Arial(9));
    report.setHtml(html);
}

void frmSession::tell(const QString& text) { platform().showMessage(this, text, MessageIcon::Exclamation); }

void frmSession::cmdCopy_Click() {
    keepPatient();  // a button clicked takes no focus from the box
    const QList<QStringList> table = reportTable();
    platform().setClipboardTable(TabSeparated(table), HtmlTable(table));
}

void frmSession::cmdSentences_Click() {
    keepPatient();  // a button clicked takes no focus from the box
    QStringList sentences;
    for (const qsizetype row : chosenRows())
        sentences << ReportSentence(model_->text(row, SessionTableModel::TestColumn), model_->line(row), QLocale::system().language());
    platform().setClipboardText(sentences.join(u'\n') + u'\n');
}

void frmSession::cmdSave_Click() {
    keepPatient();  // a button clicked takes no focus from the box
    const QString forSpreadsheets = tr("CSV for spreadsheets (*.csv)");
    QString chosen;
    QString path = platform().askSavePath(this, tr("Save Session"), tr("session.csv"),
                                          forSpreadsheets + QStringLiteral(";;") + tr("CSV for velmora-cli (*.csv)"), &chosen);
    if (path.isEmpty()) return;
    path = withSuffix(path, QStringLiteral("csv"));
    QByteArray bytes;
    if (chosen == forSpreadsheets) {
        // A spreadsheet of the user's region splits at ";" where "," is the decimal separator.
        bytes = SpreadsheetCsv(reportTable(), DecimalSeparator() == QStringLiteral(",") ? u';' : u',');
    } else {
        QList<SessionRow> rows;
        for (const qsizetype row : chosenRows()) rows << log_.rows()[model_->logRow(row)];
        bytes = SessionCsv(rows, cliColumns_, log_.patients()).toUtf8();
    }
    savedOrTold(this, path, bytes);
}

void frmSession::cmdPrint_Click() {
    keepPatient();  // a button clicked takes no focus from the box
    QTextDocument report;
    fillReport(report);
    if (const QString failure = platform().print(this, report); !failure.isEmpty()) tell(failure);
}

void frmSession::cmdPdf_Click() {
    keepPatient();  // a button clicked takes no focus from the box
    QString path = platform().askSavePath(this, tr("Save as PDF"), tr("session.pdf"), tr("PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    path = withSuffix(path, QStringLiteral("pdf"));
    QTextDocument report;
    fillReport(report);
    const QByteArray pdf = DocumentAsPdf(report, tr("Velmora session"), [](QPdfWriter& writer) {
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
    });
    if (const QString why = WriteWholeFile(path, pdf); !why.isEmpty())
        tell(tr("The PDF could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), why));
}

void frmSession::cmdDelete_Click() {
    QList<qsizetype> rows;
    for (const QModelIndex& index : tblSession->selectionModel()->selectedRows()) rows << index.row();
    if (rows.isEmpty() && tblSession->currentIndex().isValid()) rows << tblSession->currentIndex().row();
    if (rows.isEmpty()) return;
    const int next = static_cast<int>(*std::min_element(rows.begin(), rows.end()));
    for (qsizetype& row : rows) row = model_->logRow(row);
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<SessionRow> deleted;
    for (const qsizetype row : rows) deleted << log_.rows()[row];
    // Put back lowest first, each where it stood.
    undo_->push(new Step([this, rows] { log_.remove(rows); }, [this, rows, deleted] { log_.insert(rows, deleted); }));
    if (model_->rowCount() > 0) tblSession->selectRow(std::min(next, model_->rowCount() - 1));
    tblSession->setFocus();
}

void frmSession::cmdClear_Click() {
    if (log_.rows().isEmpty()) return;
    if (!platform().confirm(this, tr("Delete all %n results of the session, of every patient? Undo brings them back.", nullptr,
                                     static_cast<int>(log_.rows().size()))))
        return;
    // The session as it was when cleared, each time the clearing is done.
    auto cleared = std::make_shared<std::pair<QList<SessionRow>, QStringList>>();
    undo_->push(new Step(
        [this, cleared] {
            *cleared = {log_.rows(), log_.patients()};
            log_.clear();
        },
        [this, cleared] { log_.restore(cleared->first, cleared->second); }));
}

void frmSession::cmdUndo_Click() {
    keepPatient();
    undo_->undo();
}

void frmSession::cmdRedo_Click() {
    keepPatient();
    undo_->redo();
}

void frmSession::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->key() == Qt::Key_Delete && tblSession->hasFocus()) {  // not while a test's name is typed
        cmdDelete_Click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace modVelmora
