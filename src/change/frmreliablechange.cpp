#include "change/frmreliablechange.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "change/changeoperation.h"
#include "shell/controls.h"
#include "shell/laidout.h"
#include "shell/modvelmora.h"
#include "shell/numberbox.h"
#include "shell/outofdate.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"
#include "shell/settings.h"

namespace modVelmora {

namespace {

enum Column { MethodColumn, ExpectedColumn, SEColumn, StatisticColumn, PColumn, RangeColumn, VerdictColumn, kColumns };

// Pale, so the verdict's words stay readable; they, not the colour, say what it is.
const QColor kImprovementBackground(204, 255, 204);
const QColor kDeclineBackground(255, 204, 204);

// Room for the four methods' rows, and a fifth for a scroll bar that long numbers may need.
constexpr int kTableRows = 5;
constexpr int kTableWidth = 706;
constexpr int kMargin = 7;

bool isNumberCharacter(int keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '-' || IsDecimalKey(keyAscii) || keyAscii == 8;
}

}  // namespace

frmReliableChange::frmReliableChange(Settings& settings) : ModuleWindow(Module::ReliableChange, settings) {}

std::array<QLineEdit*, 8> frmReliableChange::boxes() const {
    return {txtTest, txtRetest, txtMeanTest, txtMeanRetest, txtSDTest, txtSDRetest, txtCorrelation, txtSampleSize};
}

int frmReliableChange::tableWidthNeeded() const {
    // Every method's name and verdict of the language shows whole beside typical numbers,
    // so a long translation widens the window rather than cutting a name short.
    QStringList methods, verdicts;
    for (const ChangeMethod method : {ChangeMethod::JacobsonTruax, ChangeMethod::Chelune, ChangeMethod::Iverson,
                                      ChangeMethod::CrawfordGarthwaite})
        methods << QCoreApplication::translate(kChangeContext, MethodName(method));
    for (const Verdict verdict : {Verdict::Improvement, Verdict::Decline, Verdict::NoChange})
        verdicts << QCoreApplication::translate(kChangeContext, VerdictText(verdict));
    const QStringList typical[kColumns] = {methods,
                                           {ShownNumber("108.43")},
                                           {ShownNumber("4.78")},
                                           {tr("t %1 (%2 df)").arg(ShownNumber("-2.60"), QStringLiteral("48"))},
                                           {ShownNumber("0.012")},
                                           {tr("%1 to %2").arg(ShownNumber("100.41"), ShownNumber("116.45"))},
                                           verdicts};
    const QFontMetrics cells(tblResults->font()), headers(tblResults->horizontalHeader()->font());
    int width = 2 * tblResults->frameWidth();
    for (int column = 0; column < kColumns; ++column) {
        int widest = headers.horizontalAdvance(tblResults->horizontalHeaderItem(column)->text());
        for (const QString& text : typical[column]) widest = std::max(widest, cells.horizontalAdvance(text));
        width += widest + kResultCellPadding;
    }
    return width;
}

void frmReliableChange::createControls(QWidget* client) {
    QVBoxLayout* layout = WindowColumn(client);
    Label2 = LayoutBanner(client, tr("Reliable Change"));
    layout->addWidget(Label2);

    fraPatient = EntryFrame(client, tr("Patient"), "fraPatient");
    fraNorms = EntryFrame(client, tr("Norms of the retest study"), "fraNorms");
    fraOptions = EntryFrame(client, tr("Options"), "fraOptions");
    auto* frames = new QHBoxLayout;
    frames->setSpacing(kMargin);
    for (QGroupBox* box : {fraPatient, fraNorms, fraOptions}) frames->addWidget(box);
    layout->addLayout(frames);

    txtTest = CaptionedBox(fraPatient, 0, 0, "txtTest", tr("Test score"), tr("The patient's score at the first testing"));
    txtRetest = CaptionedBox(fraPatient, 1, 0, "txtRetest", tr("Retest score"), tr("The patient's score at the retest"));
    txtMeanTest = CaptionedBox(fraNorms, 0, 0, "txtMeanTest", tr("Mean at test"),
                            tr("The study's mean at the first testing; both means or neither (optional)"));
    txtMeanRetest = CaptionedBox(fraNorms, 1, 0, "txtMeanRetest", tr("Mean at retest"),
                              tr("The study's mean at the retest; both means or neither (optional)"));
    txtSDTest =
        CaptionedBox(fraNorms, 0, 1, "txtSDTest", tr("SD at test"), tr("The study's standard deviation at the first testing"));
    txtSDRetest = CaptionedBox(fraNorms, 1, 1, "txtSDRetest", tr("SD at retest"),
                            tr("The study's standard deviation at the retest (optional)"));
    txtCorrelation = CaptionedBox(fraNorms, 0, 2, "txtCorrelation", tr("Test–retest r"),
                               tr("The correlation between test and retest, greater than 0 and less than 1"));
    txtSampleSize = CaptionedBox(fraNorms, 1, 2, "txtSampleSize", tr("Sample size n"),
                              tr("The number of people in the study, from 3 to 9999 (optional)"));
    txtSampleSize->setMaxLength(4);
    for (QLineEdit* box : boxes()) selectWholeTextOnFocus(box);

    auto* options = static_cast<QGridLayout*>(fraOptions->layout());
    QLabel* confidence = CaptionLabel(fraOptions, tr("Confidence"), Arial(9.75, true));
    confidence->setObjectName(QStringLiteral("lblConfidenceCaption"));
    options->addWidget(confidence, 0, 0, 1, 2);
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(index == 0 ? tr("90%") : tr("95%"), fraOptions);
        option->setObjectName(QStringLiteral("optConfidence%1").arg(index));
        option->setFont(Arial(9.75));
        option->setToolTip(index == 0 ? tr("90% confidence, two-tailed") : tr("95% confidence, two-tailed"));
        options->addWidget(option, 1, index);
        optConfidence[static_cast<size_t>(index)] = option;
        connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optConfidence_Click(index);
        });
    }
    chkReverse = new QCheckBox(tr("Reverse (low scores are good)"), fraOptions);
    chkReverse->setObjectName(QStringLiteral("chkReverse"));
    chkReverse->setFont(Arial(9.75));
    chkReverse->setToolTip(tr("Check this box when lower scores mean better performance (e.g., errors; reaction times): "
                              "a lower retest score is then an improvement"));
    options->addWidget(chkReverse, 2, 0, 1, 2);
    for (QGroupBox* box : {fraPatient, fraNorms, fraOptions}) {
        auto* grid = static_cast<QGridLayout*>(box->layout());
        grid->setRowStretch(grid->rowCount(), 1);  // rows keep to the top of a frame taller than they need
    }
    options->setVerticalSpacing(6);

    tblResults = ResultTable(client, {tr("Method"), tr("Expected retest"), tr("SE"), tr("Statistic"), tr("p"), tr("No reliable change"), tr("Verdict")},
                             kTableRows);
    const QString headerTips[kColumns] = {
        QString(), tr("The retest score expected from the test score"), tr("Standard error of the difference"),
        tr("z, or t with its degrees of freedom"), tr("Two-tailed probability"),
        tr("Retest scores in this range are no reliable change at the chosen confidence"), QString()};
    for (int column = 0; column < kColumns; ++column) tblResults->horizontalHeaderItem(column)->setToolTip(headerTips[column]);
    tblResults->setMinimumWidth(std::max(kTableWidth, tableWidthNeeded()));
    layout->addWidget(tblResults);

    const ResultControls* results = TableButtons(client, settings().record, layout);
    cmdCopy = results->cmdCopy, cmdCalculate = results->cmdCalculate, cmdClear = results->cmdClear;
    setDefaultButton(cmdCalculate);
    // Row by row, as the boxes are read: the patient's scores, then the study's figures.
    setEnterOrder({txtTest, txtRetest, txtMeanTest, txtSDTest, txtCorrelation, txtMeanRetest, txtSDRetest, txtSampleSize});
    setCancelButton(cmdClear);

    QList<QWidget*> tabOrder;
    for (QLineEdit* box : boxes()) tabOrder << box;
    tabOrder << optConfidence[0] << optConfidence[1] << chkReverse << cmdCalculate << cmdClear << cmdCopy << tblResults;
    SetTabOrder(tabOrder);

    connect(chkReverse, &QCheckBox::toggled, this, &frmReliableChange::chkReverse_Click);
    // A change of option empties the table, so only the boxes can leave it out of date.
    outOfDate_ = new OutOfDateResults(client);
    const std::array<QLineEdit*, 8> entries = boxes();
    outOfDate_->add(QList<QWidget*>(entries.begin(), entries.end()), {tblResults});
    outOfDate_->guard(cmdCopy, {tblResults});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmReliableChange::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmReliableChange::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmReliableChange::cmdCopy_Click);
}

void frmReliableChange::initialise() {
    // The stored choices are shown, not written again.
    const Settings::ChangeChoices choices = settings().changeChoices();
    const int selected = choices.level == ConfidenceLevel::NinetyFive ? 1 : 0;
    const QSignalBlocker blockNinety(optConfidence[0]), blockNinetyFive(optConfidence[1]), blockReverse(chkReverse);
    optConfidence[static_cast<size_t>(selected)]->setChecked(true);
    chkReverse->setChecked(choices.reverse);
    HighlightOption({optConfidence.begin(), optConfidence.end()}, selected);
}

void frmReliableChange::storeChoices() {
    settings().setChangeChoices({optConfidence[1]->isChecked() ? ConfidenceLevel::NinetyFive : ConfidenceLevel::Ninety,
                                 chkReverse->isChecked()});
}

void frmReliableChange::optConfidence_Click(int index) {
    HighlightOption({optConfidence.begin(), optConfidence.end()}, index);
    storeChoices();
    // Results at the other level would no longer match the choice on show.
    clearResults();
}

void frmReliableChange::chkReverse_Click() {
    storeChoices();
    clearResults();
}

void frmReliableChange::cmdCalculate_Click() {
    const ChangeEntry entry{TypedNumber(txtTest->text()),        TypedNumber(txtRetest->text()),
                            TypedNumber(txtMeanTest->text()),    TypedNumber(txtMeanRetest->text()),
                            TypedNumber(txtSDTest->text()),      TypedNumber(txtSDRetest->text()),
                            TypedNumber(txtCorrelation->text()), TypedNumber(txtSampleSize->text()),
                            optConfidence[1]->isChecked() ? ConfidenceLevel::NinetyFive : ConfidenceLevel::Ninety,
                            chkReverse->isChecked()};
    const ChangeReport report = ComputeReliableChange(entry);
    if (const auto& refusal = report.refusal) {
        refuse(*refusal, boxes()[static_cast<size_t>(refusal->field)], {}, [this] { clearResults(); });
        return;
    }
    showResults(report);
    outOfDate_->calculated();
    addResultToSession(entry, report);
    focusControl(cmdClear);
}

void frmReliableChange::addResultToSession(const ChangeEntry& entry, const ChangeReport& report) {
    QStringList entered, results;
    for (QLineEdit* box : boxes())
        if (!box->text().trimmed().isEmpty()) entered << box->accessibleName() + QLatin1Char(' ') + box->text().trimmed();
    entered << tr("%1% confidence").arg(static_cast<int>(entry.level)) << (entry.reverse ? tr("reversed") : QString());
    for (int row = 0; row < tblResults->rowCount(); ++row)
        results << tr("%1: %2 (%3, p %4)")
                       .arg(tblResults->item(row, MethodColumn)->text(), tblResults->item(row, VerdictColumn)->text(),
                            tblResults->item(row, StatisticColumn)->text(), tblResults->item(row, PColumn)->text());
    NamedTexts fields = ChangeFields(entry);
    NameChangeResults(report, fields);
    addToSession(ChangeOperation(), InWords(entered), results.join(QStringLiteral("; ")), std::move(fields));
}

void frmReliableChange::showResults(const ChangeReport& report) {
    tblResults->setRowCount(static_cast<int>(report.methods.size()));
    for (int row = 0; row < tblResults->rowCount(); ++row) {
        const MethodResult& result = report.methods[static_cast<size_t>(row)];
        const MethodTexts& texts = result.texts;
        const QString statistic = result.df ? tr("t %1 (%2 df)").arg(ShownNumber(texts.statistic), QString::number(*result.df))
                                            : tr("z %1").arg(ShownNumber(texts.statistic));
        const QString cells[kColumns] = {QCoreApplication::translate(kChangeContext, MethodName(result.method)),
                                         ShownNumber(texts.expected),
                                         ShownNumber(texts.se),
                                         statistic,
                                         ShownNumber(texts.p),
                                         tr("%1 to %2").arg(ShownNumber(texts.low), ShownNumber(texts.high)),
                                         QCoreApplication::translate(kChangeContext, VerdictText(result.verdict))};
        // The whole row in words, for its tooltip and for screen readers.
        const QString words = tr("%1: expected retest score %2, SE %3; %4, p %5; range of no reliable change: %6; %7")
                                  .arg(cells[MethodColumn], cells[ExpectedColumn], cells[SEColumn], cells[StatisticColumn],
                                       cells[PColumn], cells[RangeColumn], cells[VerdictColumn]);
        SetResultRow(tblResults, row, QStringList(std::begin(cells), std::end(cells)), words);
        if (result.verdict != Verdict::NoChange)
            tblResults->item(row, VerdictColumn)
                ->setBackground(result.verdict == Verdict::Improvement ? kImprovementBackground : kDeclineBackground);
    }
}

void frmReliableChange::clearResults() { tblResults->setRowCount(0); }

void frmReliableChange::cmdClear_Click() {
    for (QLineEdit* box : boxes()) box->clear();
    clearResults();
    focusControl(txtTest);
}

void frmReliableChange::cmdCopy_Click() {
    if (outOfDate_->refuses(cmdCopy)) return;
    CopyResultTable(tblResults);
}

void frmReliableChange::keyPress(QObject* control, int& keyAscii) {
    const auto all = boxes();
    if (std::find(all.begin(), all.end(), control) == all.end() || isNumberCharacter(keyAscii)) return;
    platform().beep();
    keyAscii = 0;
}

}  // namespace modVelmora
