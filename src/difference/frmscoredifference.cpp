#include "difference/frmscoredifference.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "difference/differenceoperation.h"
#include "shell/controls.h"
#include "shell/laidout.h"
#include "shell/modvelmora.h"
#include "shell/outofdate.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"

namespace modVelmora {

namespace {

constexpr ScoreScale kScales[] = {ScoreScale::ScaledScore, ScoreScale::StandardScore, ScoreScale::TScore, ScoreScale::ZScore};
// Pale, so the verdict's words stay readable; they, not the colour, say what it is.
const QColor kSignificantBackground(255, 224, 178);
// Room for the longer page's rows: the controls' six and the verdict.
constexpr int kTableRows = 7;
constexpr int kMargin = 7;

QString scaleCaption(ScoreScale scale) { return QCoreApplication::translate(kScaleContext, ScaleCaption(scale)); }

int scaleIndex(ScoreScale scale) { return int(std::find(std::begin(kScales), std::end(kScales), scale) - std::begin(kScales)); }

}  // namespace

frmScoreDifference::frmScoreDifference(Settings& settings) : ModuleWindow(Module::ScoreDifference, settings) {}

QList<QLineEdit*> frmScoreDifference::normsBoxes() const { return {txtScoreX, txtScoreY, txtReliabilityX, txtReliabilityY, txtCorrelationXY}; }

QList<QLineEdit*> frmScoreDifference::controlsBoxes() const {
    return {txtPatientX, txtPatientY, txtMeanX, txtSDX, txtMeanY, txtSDY, txtCorrelation, txtSampleSize};
}

QList<QLineEdit*> frmScoreDifference::shownBoxes() const {
    return choices_.against == DifferenceAgainst::Norms ? normsBoxes() : controlsBoxes();
}

void frmScoreDifference::createControls(QWidget* client) {
    QVBoxLayout* layout = WindowColumn(client);
    Label2 = LayoutBanner(client, tr("Score Difference"));
    layout->addWidget(Label2);

    fraAgainst = OptionFrame(client, tr("Compare the two scores"), "fraAgainst", true);
    optAgainst[0] = Option(fraAgainst, tr("Against the test's norms"), QStringLiteral("optAgainst0"));
    optAgainst[0]->setToolTip(tr("Two scores of one battery: is their difference larger than the tests' unreliability explains, "
                                 "and how often does the norm sample show one as large?"));
    optAgainst[1] = Option(fraAgainst, tr("Against a control sample"), QStringLiteral("optAgainst1"));
    optAgainst[1]->setToolTip(tr("A single case against a small control sample: Crawford and Garthwaite's revised standardized "
                                 "difference test, the usual test of a dissociation"));
    layout->addWidget(fraAgainst);

    // A page of frames side by side, one for each way of comparing.
    const auto page = [](const char* name) {
        auto* made = new QWidget;
        made->setObjectName(QLatin1String(name));
        auto* row = new QHBoxLayout(made);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(kMargin);
        return made;
    };
    // The norms' page: the scores, their scale, the reliabilities and the correlation.
    QWidget* normsPage = page("pgNorms");
    fraScores = EntryFrame(normsPage, tr("Patient"), "fraScores");
    txtScoreX = CaptionedBox(fraScores, 0, 0, "txtScoreX", tr("Score X"), tr("The patient's first score, on the scale chosen"));
    txtScoreY = CaptionedBox(fraScores, 1, 0, "txtScoreY", tr("Score Y"), tr("The patient's second score, on the same scale"));
    fraScale = OptionFrame(normsPage, tr("Scale"), "fraScale");
    for (std::size_t index = 0; index < optScale.size(); ++index) {
        optScale[index] = Option(fraScale, scaleCaption(kScales[index]), QStringLiteral("optScale%1").arg(int(kScales[index])));
        optScale[index]->setToolTip(QCoreApplication::translate(kScaleContext, ScaleDescription(kScales[index])));
    }
    fraNorms = EntryFrame(normsPage, tr("Norms"), "fraNorms");
    txtReliabilityX = CaptionedBox(fraNorms, 0, 0, "txtReliabilityX", tr("Reliability of X"),
                                   tr("The reliability of the test of score X, greater than 0 and less than 1"));
    txtReliabilityY = CaptionedBox(fraNorms, 0, 1, "txtReliabilityY", tr("Reliability of Y"),
                                   tr("The reliability of the test of score Y, greater than 0 and less than 1"));
    txtCorrelationXY = CaptionedBox(fraNorms, 1, 0, "txtCorrelationXY", tr("Correlation r"),
                                    tr("The correlation of the two scores in the norm sample, greater than -1 and less than 1"));
    for (QGroupBox* frame : {fraScores, fraScale, fraNorms}) normsPage->layout()->addWidget(frame);

    // The controls' page: the patient's scores, the controls' means, SDs, correlation and number.
    QWidget* controlsPage = page("pgControls");
    fraPatient = EntryFrame(controlsPage, tr("Patient"), "fraPatient");
    txtPatientX = CaptionedBox(fraPatient, 0, 0, "txtPatientX", tr("Score X"), tr("The patient's score on task X"));
    txtPatientY = CaptionedBox(fraPatient, 1, 0, "txtPatientY", tr("Score Y"), tr("The patient's score on task Y"));
    fraControls = EntryFrame(controlsPage, tr("Control sample"), "fraControls");
    txtMeanX = CaptionedBox(fraControls, 0, 0, "txtMeanX", tr("Mean of X"), tr("The controls' mean on task X"));
    txtSDX = CaptionedBox(fraControls, 0, 1, "txtSDX", tr("SD of X"), tr("The controls' standard deviation on task X, greater than 0"));
    txtMeanY = CaptionedBox(fraControls, 1, 0, "txtMeanY", tr("Mean of Y"), tr("The controls' mean on task Y"));
    txtSDY = CaptionedBox(fraControls, 1, 1, "txtSDY", tr("SD of Y"), tr("The controls' standard deviation on task Y, greater than 0"));
    txtCorrelation = CaptionedBox(fraControls, 0, 2, "txtCorrelation", tr("Correlation r"),
                                  tr("The correlation of X and Y in the controls, greater than -1 and less than 1"));
    txtSampleSize = CaptionedBox(fraControls, 1, 2, "txtSampleSize", tr("Controls n"), tr("The number of controls, from 3 to 9999"));
    txtSampleSize->setMaxLength(4);
    controlsPage->layout()->addWidget(fraPatient);
    static_cast<QHBoxLayout*>(controlsPage->layout())->addWidget(fraControls, 1);
    for (QLineEdit* entered : normsBoxes() + controlsBoxes()) selectWholeTextOnFocus(entered);
    for (QGroupBox* frame : {fraScores, fraNorms, fraPatient, fraControls}) {
        auto* grid = static_cast<QGridLayout*>(frame->layout());
        grid->setRowStretch(grid->rowCount(), 1);  // rows keep to the top of a frame taller than they need
    }

    stkEntry = new QStackedWidget(client);
    stkEntry->setObjectName(QStringLiteral("stkEntry"));
    stkEntry->addWidget(normsPage);
    stkEntry->addWidget(controlsPage);
    fraConfidence = OptionFrame(client, tr("Confidence"), "fraConfidence");
    for (std::size_t index = 0; index < optConfidence.size(); ++index) {
        optConfidence[index] = Option(fraConfidence, index == 0 ? tr("90%") : tr("95%"), QStringLiteral("optConfidence%1").arg(index));
        optConfidence[index]->setToolTip(index == 0 ? tr("90% confidence, two-tailed") : tr("95% confidence, two-tailed"));
    }
    static_cast<QVBoxLayout*>(fraConfidence->layout())->addStretch(1);
    auto* entry = new QHBoxLayout;
    entry->setSpacing(kMargin);
    entry->addWidget(stkEntry, 1);
    entry->addWidget(fraConfidence);
    layout->addLayout(entry);

    tblResults = ResultTable(client, {tr("Result"), tr("Value")}, kTableRows);
    layout->addWidget(tblResults);

    const ResultControls* results = TableButtons(client, settings().record, layout);
    cmdCopy = results->cmdCopy, cmdCalculate = results->cmdCalculate, cmdClear = results->cmdClear;
    setDefaultButton(cmdCalculate);
    setCancelButton(cmdClear);

    // In the order they are seen; the hidden page's controls are passed over.
    QList<QWidget*> tabOrder{optAgainst[0], optAgainst[1], txtScoreX, txtScoreY};
    for (QRadioButton* option : optScale) tabOrder << option;
    tabOrder << txtReliabilityX << txtReliabilityY << txtCorrelationXY;
    for (QLineEdit* entered : controlsBoxes()) tabOrder << entered;
    tabOrder << optConfidence[0] << optConfidence[1] << cmdCalculate << cmdClear << cmdCopy << tblResults;
    SetTabOrder(tabOrder);

    const auto onClick = [this](const auto& group, void (frmScoreDifference::*clicked)(int)) {
        for (std::size_t index = 0; index < group.size(); ++index)
            connect(group[index], &QRadioButton::toggled, this, [this, clicked, index](bool on) {
                if (on) (this->*clicked)(int(index));
            });
    };
    onClick(optAgainst, &frmScoreDifference::optAgainst_Click);
    onClick(optScale, &frmScoreDifference::optScale_Click);
    onClick(optConfidence, &frmScoreDifference::optConfidence_Click);
    // A change of option empties the table, so only the boxes can leave it out of date.
    outOfDate_ = new OutOfDateResults(client);
    QList<QWidget*> entries;
    for (QLineEdit* entered : normsBoxes() + controlsBoxes()) entries << entered;
    outOfDate_->add(entries, {tblResults});
    outOfDate_->guard(cmdCopy, {tblResults});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmScoreDifference::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmScoreDifference::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmScoreDifference::cmdCopy_Click);
}

void frmScoreDifference::initialise() {
    // The stored choices are shown, not written again.
    choices_ = settings().differenceChoices();
    for (QRadioButton* option : {optAgainst[choices_.against == DifferenceAgainst::Controls ? 1 : 0],
                                 optScale[std::size_t(scaleIndex(choices_.scale))],
                                 optConfidence[choices_.level == ConfidenceLevel::NinetyFive ? 1 : 0]}) {
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
    showChoices();
    // The first box of the page takes the focus when the window opens, though the choice stands above it.
    shownBoxes().first()->setFocus();
}

void frmScoreDifference::showChoices() {
    const int against = choices_.against == DifferenceAgainst::Controls ? 1 : 0;
    HighlightOption({optAgainst.begin(), optAgainst.end()}, against);
    HighlightOption({optScale.begin(), optScale.end()}, scaleIndex(choices_.scale));
    HighlightOption({optConfidence.begin(), optConfidence.end()}, choices_.level == ConfidenceLevel::NinetyFive ? 1 : 0);
    stkEntry->setCurrentIndex(against);
    setEnterOrder(shownBoxes());
}

void frmScoreDifference::storeChoices() {
    settings().setDifferenceChoices(choices_);
    showChoices();
    // Results of the other choice would no longer match what is on show.
    clearResults();
}

void frmScoreDifference::optAgainst_Click(int index) {
    choices_.against = index == 1 ? DifferenceAgainst::Controls : DifferenceAgainst::Norms;
    storeChoices();
    focusControl(shownBoxes().first());
}

void frmScoreDifference::optScale_Click(int index) {
    choices_.scale = kScales[index];
    storeChoices();
}

void frmScoreDifference::optConfidence_Click(int index) {
    choices_.level = index == 1 ? ConfidenceLevel::NinetyFive : ConfidenceLevel::Ninety;
    storeChoices();
}

void frmScoreDifference::cmdCalculate_Click() {
    if (choices_.against == DifferenceAgainst::Norms) calculateAgainstNorms();
    else calculateAgainstControls();
}

namespace {

// The boxes' texts as the computations read them.
QStringList typed(const QList<QLineEdit*>& boxes) {
    QStringList texts;
    for (const QLineEdit* entered : boxes) texts << QString::fromStdString(TypedNumber(entered->text()));
    return texts;
}

}  // namespace

template <class Field>
void frmScoreDifference::refuseEntry(const Refusal<Field>& refusal, const QList<QLineEdit*>& boxes) {
    refuse(refusal, boxes[static_cast<int>(refusal.field)], {}, [this] { clearResults(); });
}

void frmScoreDifference::calculateAgainstNorms() {
    const QStringList texts = typed(normsBoxes());
    const auto at = [&texts](NormsDifferenceField field) { return texts[int(field)].toStdString(); };
    using F = NormsDifferenceField;
    const NormsDifferenceEntry entry{at(F::ScoreX),       at(F::ScoreY),      choices_.scale, at(F::ReliabilityX),
                                     at(F::ReliabilityY), at(F::Correlation), choices_.level};
    const NormsDifferenceReport report = CompareWithNorms(entry);
    if (report.refusal) return refuseEntry(*report.refusal, normsBoxes());
    const QString level = QString::number(int(entry.level));
    showResults({{tr("Difference X − Y"), ShownNumber(report.differenceText)},
                 {tr("Critical difference (%1%)").arg(level), ShownNumber(report.criticalText)},
                 {tr("Base rate, same direction"), tr("%1%").arg(ShownNumber(report.baseRateText))},
                 {tr("Base rate, either direction"), tr("%1%").arg(ShownNumber(report.baseRateBothText))},
                 {tr("Verdict"), QCoreApplication::translate(kDifferenceContext, DifferenceVerdictText(report.significant))}},
                {tr("The difference of the two scores"),
                 tr("The smallest difference larger than the tests' unreliability explains at %1% confidence").arg(level),
                 tr("The percentage of the norm sample with a difference at least this large in the same direction"),
                 tr("The percentage of the norm sample with a difference at least this large in either direction"), QString()},
                report.significant);
    NamedTexts fields = NormsDifferenceFields(entry);
    NameNormsDifferenceResults(report, fields);
    addResultToSession(DifferenceOperation(DifferenceAgainst::Norms), scaleCaption(entry.scale), std::move(fields));
}

void frmScoreDifference::calculateAgainstControls() {
    const QStringList texts = typed(controlsBoxes());
    const auto at = [&texts](ControlsDifferenceField field) { return texts[int(field)].toStdString(); };
    using F = ControlsDifferenceField;
    const ControlsDifferenceEntry entry{at(F::ScoreX), at(F::ScoreY),      at(F::MeanX),      at(F::SDX),   at(F::MeanY),
                                        at(F::SDY),    at(F::Correlation), at(F::SampleSize), choices_.level};
    const ControlsDifferenceReport report = CompareWithControls(entry);
    if (report.refusal) return refuseEntry(*report.refusal, controlsBoxes());
    showResults({{tr("z of X"), ShownNumber(report.zXText)},
                 {tr("z of Y"), ShownNumber(report.zYText)},
                 {tr("Z-DCC"), ShownNumber(report.zdccText)},
                 {tr("Revised standardized difference test"), tr("t %1 (%2 df)").arg(ShownNumber(report.tText), QString::number(report.df))},
                 {tr("p, two-tailed"), ShownNumber(report.pText)},
                 {tr("Controls more extreme"), tr("%1%").arg(ShownNumber(report.moreExtremeText))},
                 {tr("Verdict"), QCoreApplication::translate(kDifferenceContext, DifferenceVerdictText(report.significant))}},
                {tr("The patient's score X against the controls' mean and SD"), tr("The patient's score Y against the controls' mean and SD"),
                 tr("The effect size: the difference of the two z-scores, standardized"),
                 tr("Crawford and Garthwaite (2005): t on n - 1 degrees of freedom"), tr("Two-tailed probability"),
                 tr("The percentage of controls expected to show a more extreme difference in the same direction"), QString()},
                report.significant);
    NamedTexts fields = ControlsDifferenceFields(entry);
    NameControlsDifferenceResults(report, fields);
    addResultToSession(DifferenceOperation(DifferenceAgainst::Controls), QString(), std::move(fields));
}

void frmScoreDifference::showResults(const QList<QStringList>& rows, const QStringList& tips, bool significant) {
    tblResults->setRowCount(int(rows.size()));
    for (int row = 0; row < tblResults->rowCount(); ++row) {
        // The row in words for screen readers and its tooltip, with what the result means.
        const QString words = tr("%1: %2").arg(rows[row][0], rows[row][1]);
        SetResultRow(tblResults, row, rows[row], tips[row].isEmpty() ? words : words + QStringLiteral(". ") + tips[row]);
    }
    if (significant) tblResults->item(tblResults->rowCount() - 1, 1)->setBackground(kSignificantBackground);
    outOfDate_->calculated();
    focusControl(cmdClear);
}

void frmScoreDifference::addResultToSession(const Operation& operation, const QString& scale, NamedTexts fields) {
    QStringList entered{optAgainst[choices_.against == DifferenceAgainst::Controls ? 1 : 0]->text()};
    for (QLineEdit* shown : shownBoxes()) entered << shown->accessibleName() + QLatin1Char(' ') + shown->text().trimmed();
    entered << scale << tr("%1% confidence").arg(int(choices_.level));
    QStringList results;
    for (int row = 0; row < tblResults->rowCount(); ++row)
        results << tblResults->item(row, 0)->text() + QLatin1Char(' ') + tblResults->item(row, 1)->text();
    addToSession(operation, InWords(entered), InWords(results), std::move(fields));
}

void frmScoreDifference::clearResults() { tblResults->setRowCount(0); }

void frmScoreDifference::cmdClear_Click() {
    for (QLineEdit* shown : shownBoxes()) shown->clear();
    clearResults();
    focusControl(shownBoxes().first());
}

void frmScoreDifference::cmdCopy_Click() {
    if (outOfDate_->refuses(cmdCopy)) return;
    CopyResultTable(tblResults);
}

void frmScoreDifference::keyPress(QObject* control, int& keyAscii) {
    auto* const box = qobject_cast<QLineEdit*>(control);
    if (!box || !shownBoxes().contains(box)) return;
    // Reliabilities and SDs are above 0 and n is a count; scores on a scale of whole numbers have no decimals.
    const bool positive = box == txtReliabilityX || box == txtReliabilityY || box == txtSDX || box == txtSDY || box == txtSampleSize;
    const bool whole = box == txtSampleSize || ((box == txtScoreX || box == txtScoreY) && !HasDecimals(choices_.scale));
    const bool taken = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 || (!positive && keyAscii == '-') ||
                       (!whole && IsDecimalKey(keyAscii));
    if (taken) return;
    platform().beep();
    keyAscii = 0;
}

}  // namespace modVelmora
