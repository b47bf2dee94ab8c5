#include "rawscore/frmrawscoreconverter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "rawscore/frmnormsets.h"
#include "rawscore/rawscoreoperation.h"
#include "shell/controls.h"
#include "shell/modvelmora.h"
#include "shell/numberbox.h"
#include "shell/outofdate.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"
#include "shell/settings.h"
#include "shell/updown.h"

namespace modVelmora {

namespace {

constexpr int kClientWidth = 4425;
// The caption, menu bar and borders that the outer height includes.
constexpr int kNonClientHeight = 675;
constexpr int kFrameExpanded = 1800;
constexpr int kFrameCollapsed = 1170;

// Design tops of the controls that move with the expansion.
constexpr int kCopyTop = 3885;
constexpr int kDecimalsTop = 3990;
constexpr int kButtonsTop = 3780;

// Translated where they are shown, by frmRawScoreConverter::tr.
const char* const kCopyPercentile = QT_TRANSLATE_NOOP("modVelmora::frmRawScoreConverter", "Copy percentile to clipboard");
const char* const kCopyAdjusted =
    QT_TRANSLATE_NOOP("modVelmora::frmRawScoreConverter", "Copy adjusted percentile to clipboard");
const char* const kDecimalsPercentile =
    QT_TRANSLATE_NOOP("modVelmora::frmRawScoreConverter", "Set number of decimal places in percentile");
const char* const kDecimalsBoth = QT_TRANSLATE_NOOP("modVelmora::frmRawScoreConverter",
                                                    "Set number of decimal places in percentile and adjusted percentile");

bool isNumberCharacter(int keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '-' || IsDecimalKey(keyAscii) || keyAscii == 8;
}

}  // namespace

frmRawScoreConverter::frmRawScoreConverter(Settings& settings)
    : ModuleWindow(Module::RawScore, QSize(kClientWidth, kExpandedHeight - kNonClientHeight), settings) {}

void frmRawScoreConverter::createControls(QWidget* client) {
    outerHeight_ = kExpandedHeight;
    Label2 = TitleBanner(client, tr("Raw Scores Module"), 945, 105, 2745, 330, 14);

    const QFont caption = Arial(9.75, true);
    lblSubjectScore = Place(CaptionLabel(client, tr("Raw Score"), caption), "lblSubjectScore", 105,
                            735, 1275, 330);
    txtRawScore = Place(new NumberBox(client, 8, Arial(12), Qt::AlignCenter), "txtRawScore", 105, 1050, 1275, 435);
    lblSampleMean = Place(CaptionLabel(client, tr("Sample Mean"), caption), "lblSampleMean", 1575,
                          735, 1380, 330);
    txtMean = Place(new NumberBox(client, 8, Arial(12), Qt::AlignCenter), "txtMean", 1575, 1050, 1275, 435);
    lblSampleSD =
        Place(CaptionLabel(client, tr("Sample SD"), caption), "lblSampleSD", 3045, 735, 1275, 330);
    txtSD = Place(new NumberBox(client, 8, Arial(12), Qt::AlignCenter), "txtSD", 3045, 1050, 1275, 435);

    Label1 = Place(CaptionLabel(client, tr("Z-Score"), caption), "Label1", 105, 1680, 750, 330);
    lblZscore = Place(ResultLabel(client), "lblZscore", 105, 1995, 1275, 435);
    Label5 = Place(CaptionLabel(client, tr("Percentile"), caption), "Label5", 1575, 1680, 1170, 330);
    lblAnswer = Place(ResultLabel(client), "lblAnswer", 1575, 1995, 1275, 435);
    // Under the percentile, ending with it, in the strip above the t-test's results.
    lblDescription = Place(DescriptionLabel(client), "lblDescription", 105, 2445, 2745, 270);
    lblTScoreTitle =
        Place(CaptionLabel(client, tr("T-score"), caption), "lblTScoreTitle", 105, 2730, 1170, 330);
    lblTScore = Place(ResultLabel(client), "lblTScore", 105, 3045, 1275, 435);
    lblAdjustedPercentileTitle = Place(CaptionLabel(client, tr("Adjusted %ile"), caption),
                                       "lblAdjustedPercentileTitle", 1575, 2730, 1380, 330);
    lblAdjustedPercentile = Place(ResultLabel(client), "lblAdjustedPercentile", 1575, 3045, 1275, 435);
    // The interval estimate takes the free strip above the buttons of the expanded window.
    lblInterval = Place(CaptionLabel(client, QString(), Arial(8.25, true)), "lblInterval", 105, 3480, 4215, 300);
    lblInterval->setAlignment(Qt::AlignCenter);

    frmOptions = Place(new QGroupBox(tr("Options"), client), "frmOptions", 2940, 1680, 1380,
                       kFrameExpanded);
    frmOptions->setFont(caption);
    SetBackground(frmOptions, Qt::white);
    chkReverse = Place(new QCheckBox(tr("Reverse"), frmOptions), "chkReverse", 105, 315, 1065, 330);
    chkReverse->setToolTip(tr("Check this box when scores below the mean indicate better performance "
                              "(e.g., errors; reaction times)"));
    chkUseTtest =
        Place(new QCheckBox(tr("Use t-test"), frmOptions), "chkUseTtest", 105, 735, 1170, 330);
    chkUseTtest->setToolTip(tr("Check this box to achieve greater accuracy when norms are based on a "
                               "small normative sample (see Instructions)"));
    for (QCheckBox* option : {chkReverse, chkUseTtest}) option->setFont(Arial(8.25));
    lblSampleN = Place(CaptionLabel(frmOptions, tr("Sample N"), Arial(8.25)), "lblSampleN", 315,
                       1050, 960, 330);
    lblSampleN->setToolTip(tr("Enter the size of the normative sample"));
    txtSampleN = Place(new NumberBox(frmOptions, 4, QFont(), Qt::AlignCenter), "txtSampleN", 315, 1260, 750, 360);
    txtSampleN->setToolTip(lblSampleN->toolTip());

    results_ = new ResultControls(client, settings().record, ResultControls::Copy | ResultControls::Decimals);
    cmdCopy = results_->cmdCopy, lblNumberOfDecimals = results_->lblNumberOfDecimals, UpDown1 = results_->UpDown1;
    cmdCalculate = results_->cmdCalculate, cmdClear = results_->cmdClear;
    results_->placeCopy(105, kCopyTop);
    results_->placeDecimals(840, kDecimalsTop);
    results_->placeButtons(1575, 2940, kButtonsTop);
    NameBox(txtRawScore, lblSubjectScore->text());
    NameBox(txtMean, lblSampleMean->text());
    NameBox(txtSD, lblSampleSD->text());
    NameBox(txtSampleN, lblSampleN->text());
    DescribeResult(lblZscore, Label1->text());
    DescribeResult(lblAnswer, Label5->text());
    DescribeResult(lblTScore, lblTScoreTitle->text());
    DescribeResult(lblAdjustedPercentile, lblAdjustedPercentileTitle->text());
    setCancelButton(cmdClear);

    for (QLineEdit* box : {txtRawScore, txtMean, txtSD, txtSampleN}) selectWholeTextOnFocus(box);
    SetTabOrder({txtRawScore, txtMean, txtSD, cmdCopy, chkReverse, chkUseTtest, txtSampleN, cmdCalculate, cmdClear, UpDown1});

    outOfDate_ = new OutOfDateResults(client);
    outOfDate_->add({txtRawScore, txtMean, txtSD, chkReverse, UpDown1}, {lblZscore, lblAnswer, lblDescription});
    outOfDate_->add({txtRawScore, txtMean, txtSD, txtSampleN, chkReverse, UpDown1},
                    {lblTScore, lblAdjustedPercentile, lblInterval});
    outOfDate_->guard(cmdCopy, {lblAnswer, lblAdjustedPercentile});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmRawScoreConverter::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmRawScoreConverter::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmRawScoreConverter::cmdCopy_Click);
    connect(chkUseTtest, &QCheckBox::toggled, this, &frmRawScoreConverter::chkUseTtest_Click);
}

void frmRawScoreConverter::createStripControls() {
    // The Norms list and its buttons take the strip under the window, so none of the window's own controls moves.
    auto* row = new QHBoxLayout;
    QLabel* lblNorms = CaptionLabel(strip(), tr("&Norms"), Arial(8.25, true));
    lblNorms->setObjectName(QStringLiteral("lblNorms"));
    SetForeground(lblNorms, Qt::white);
    cboNorms = new QComboBox(strip());
    cboNorms->setObjectName(QStringLiteral("cboNorms"));
    cboNorms->setFont(Arial(8.25));
    cboNorms->setAccessibleName(tr("Norms"));
    cboNorms->setToolTip(tr("A saved norm set fills the mean, the SD, the sample size and Reverse"));
    lblNorms->setBuddy(cboNorms);
    row->addWidget(lblNorms);
    row->addWidget(cboNorms, 1);
    static_cast<QVBoxLayout*>(strip()->layout())->insertLayout(0, row);
    const auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* made = new FramedToolButton(strip());
        made->setObjectName(QLatin1String(name));
        made->setText(caption);
        made->setToolTip(tip);
        made->setFont(Arial(8.25));
        return made;
    };
    cmdSaveNorms = button("cmdSaveNorms", tr("Sa&ve Norms…"), tr("Keep the mean, the SD, the sample size and Reverse under a name"));
    cmdManageNorms = button("cmdManageNorms", tr("Mana&ge…"), tr("Rename, delete, import and export the saved norm sets"));
    // Their captions may be short in a language; their names say what they act on.
    cmdSaveNorms->setAccessibleName(tr("Save norm set"));
    cmdManageNorms->setAccessibleName(tr("Manage norm sets"));
    stripRow()->insertWidget(0, cmdSaveNorms);
    stripRow()->insertWidget(1, cmdManageNorms);
    connect(cboNorms, &QComboBox::activated, this, &frmRawScoreConverter::cboNorms_Click);
    connect(cmdSaveNorms, &QAbstractButton::clicked, this, &frmRawScoreConverter::cmdSaveNorms_Click);
    connect(cmdManageNorms, &QAbstractButton::clicked, this, &frmRawScoreConverter::cmdManageNorms_Click);
    // Once the boxes hold other numbers, the list no longer names their set.
    for (QLineEdit* box : {txtMean, txtSD, txtSampleN})
        connect(box, &QLineEdit::textEdited, this, [this] { cboNorms->setCurrentIndex(0); });
    connect(chkReverse, &QAbstractButton::clicked, this, [this] { cboNorms->setCurrentIndex(0); });
}

void frmRawScoreConverter::listNorms() {
    const QString chosen = cboNorms->currentIndex() > 0 ? cboNorms->currentText() : QString();
    QStringList names{tr("(typed)")};
    names.reserve(norms_->sets().size() + 1);
    for (const NormSet& set : norms_->sets()) names << set.name;
    cboNorms->clear();
    // At once: item by item, a long list takes seconds.
    cboNorms->addItems(names);
    // The set chosen before stays chosen while the boxes still hold its numbers, whatever else of it was edited.
    const qsizetype at = chosen.isEmpty() ? -1 : norms_->sets().indexOf(chosen);
    const NormSet typed = typedNorms(QString());
    if (at >= 0) {
        const NormSet& set = norms_->sets()[at];
        if (set.mean == typed.mean && set.sd == typed.sd && set.reverse == typed.reverse && (typed.n.isEmpty() || set.n == typed.n))
            cboNorms->setCurrentIndex(int(at) + 1);
    }
}

const NormSet* frmRawScoreConverter::chosenNorms() const {
    const int index = cboNorms->currentIndex();
    return index > 0 && index <= norms_->sets().size() ? &norms_->sets()[index - 1] : nullptr;
}

void frmRawScoreConverter::cboNorms_Click(int) {
    if (!chosenNorms()) return;
    const NormSet& set = *chosenNorms();
    txtMean->setText(ShownNumber(set.mean.toStdString()));
    txtSD->setText(ShownNumber(set.sd.toStdString()));
    chkReverse->setChecked(set.reverse);
    // A set with its sample size brings the t-test; one without leaves it as it is.
    if (!set.n.isEmpty() && !chkUseTtest->isChecked()) chkUseTtest->setChecked(true);
    if (chkUseTtest->isChecked()) txtSampleN->setText(set.n);
    focusControl(txtRawScore);
}

NormSet frmRawScoreConverter::typedNorms(const QString& name) const {
    const auto typed = [](const QLineEdit* box) { return QString::fromStdString(TypedNumber(box->text().trimmed())); };
    return {name.trimmed(), typed(txtMean), typed(txtSD), chkUseTtest->isChecked() ? typed(txtSampleN) : QString(),
            chkReverse->isChecked(), {}, {}, {}};
}

void frmRawScoreConverter::tellNorms(const NormSetsResult& result) {
    if (result.status == NormSetsResult::Saved) return;
    platform().showMessage(form(), result.reason,
                           result.status == NormSetsResult::Refused ? MessageIcon::Information : MessageIcon::Exclamation);
}

void frmRawScoreConverter::cmdSaveNorms_Click() {
    const QString offered = cboNorms->currentIndex() > 0 ? cboNorms->currentText() : QString();
    const std::optional<QString> name =
        platform().askText(form(), tr("Save Norms"), tr("Name of the norm set (for example the test and subtest):"), offered);
    if (!name || name->trimmed().isEmpty()) return;
    NormSet set = typedNorms(*name);
    // Checked before the question, so that nobody is asked to replace a set with numbers that cannot be kept.
    if (const QString problem = NormSetProblem(set); !problem.isEmpty()) {
        platform().showMessage(form(), problem, MessageIcon::Information);
        return;
    }
    if (const NormSet* existing = norms_->sets().find(set.name)) {
        if (!platform().confirm(form(), tr("A norm set named \"%1\" is saved already. Replace it?").arg(existing->name))) return;
        // The boxes hold the numbers only; where the norms come from stays as it was.
        set.source = existing->source, set.ages = existing->ages, set.notes = existing->notes;
    }
    const NormSetsResult result = norms_->put(set);
    tellNorms(result);
    listNorms();
    if (const qsizetype saved = norms_->sets().indexOf(set.name); saved >= 0 && result.status == NormSetsResult::Saved)
        cboNorms->setCurrentIndex(static_cast<int>(saved) + 1);
}

void frmRawScoreConverter::cmdManageNorms_Click() {
    // Modal to this window only, and without a nested event loop, so the window may unload under it.
    auto* dialog = new frmNormSets(*norms_, form());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] {
        if (cboNorms) listNorms();
    });
    dialog->open();
}

void frmRawScoreConverter::initialise() {
    // The window is designed expanded; it opens collapsed unless the option was left on.
    SettingsRecord& record = settings().record;
    const std::uint8_t savedUseTTest = record.useTTest;
    collapse();
    record.useTTest = savedUseTTest;
    chkUseTtest->setChecked(savedUseTTest == 1);
    results_->showStoredDecimals();
    labelsChanged();
    // The norm sets are read when the window first shows; a damaged file is set aside and told of once.
    const bool firstShown = !norms_;
    if (firstShown) norms_ = std::make_unique<NormSetStore>();
    listNorms();
    if (firstShown && !norms_->loadProblem().isEmpty())
        platform().showMessage(form(), norms_->loadProblem(), MessageIcon::Exclamation);
}

void frmRawScoreConverter::cmdCalculate_Click() {
    RawScoreEntry entry(settings().labels());
    entry.rawScore = TypedNumber(txtRawScore->text());
    entry.mean = TypedNumber(txtMean->text());
    entry.sd = TypedNumber(txtSD->text());
    entry.sampleSize = TypedNumber(txtSampleN->text());
    entry.reverse = chkReverse->isChecked();
    entry.useTTest = chkUseTtest->isChecked();
    entry.decimals = settings().record.numberOfDecimals;
    if (const NormSet* set = chosenNorms()) entry.normSet = set->name.toStdString(), entry.normSource = set->source.toStdString();
    const RawScoreReport report = ScoreRawScore(entry);
    if (report.refusal) {
        QLineEdit* const boxes[] = {txtRawScore, txtMean, txtSD, txtSampleN};
        refuse(*report.refusal, boxes[static_cast<int>(report.refusal->field)], {lblAnswer, lblDescription});
        return;
    }
    if (const auto& small = report.smallSample) {
        lblTScore->setText(ShownNumber(small->t));
        lblAdjustedPercentile->setText(ShownNumber(small->adjustedPercentile));
        showInterval(*small, entry.reverse);
    }
    lblAnswer->setText(ShownNumber(report.percentile));
    lblZscore->setText(ShownNumber(report.z));
    labelledZ_ = report.zValue;
    ShowDescription(lblDescription, report.label, entry.labels);
    outOfDate_->calculated();
    addResultToSession(entry, report);
    focusControl(cmdClear);
}

void frmRawScoreConverter::addResultToSession(const RawScoreEntry& entry, const RawScoreReport& report) {
    QStringList entered = {tr("raw %1").arg(txtRawScore->text().trimmed()), tr("mean %1").arg(txtMean->text().trimmed()),
                           tr("SD %1").arg(txtSD->text().trimmed())};
    QStringList results = {tr("z %1").arg(lblZscore->text()), tr("percentile %1").arg(lblAnswer->text())};
    if (const auto& small = report.smallSample) {
        entered << tr("n %1").arg(txtSampleN->text().trimmed());
        results << tr("t %1").arg(lblTScore->text()) << tr("adjusted percentile %1").arg(lblAdjustedPercentile->text())
                << lblInterval->text()
                << tr("z-CC %1 (95% CI %2 to %3)").arg(ShownNumber(small->zcc), ShownNumber(small->zccLow), ShownNumber(small->zccHigh));
    }
    if (entry.reverse) entered << tr("reversed");
    if (!entry.normSet.empty()) entered << tr("norm set %1").arg(QString::fromStdString(entry.normSet));
    if (lblDescription->isVisible()) results << lblDescription->text();
    NamedTexts fields = RawScoreFields(entry);
    NameRawScoreResults(report, entry.useTTest, entry.labels, fields);
    addToSession(RawScoreOperation(), InWords(entered), InWords(results), std::move(fields));
}

void frmRawScoreConverter::cmdClear_Click() {
    for (QLineEdit* box : {txtRawScore, txtMean, txtSD, txtSampleN}) box->clear();
    for (QLabel* label : {lblZscore, lblAnswer, lblDescription, lblTScore, lblAdjustedPercentile, lblInterval}) label->clear();
    // The emptied boxes no longer hold the set the list names.
    cboNorms->setCurrentIndex(0);
    focusControl(txtRawScore);
}

void frmRawScoreConverter::cmdCopy_Click() {
    if (outOfDate_->refuses(cmdCopy)) return;
    const QLabel* shown = chkUseTtest->isChecked() ? lblAdjustedPercentile : lblAnswer;
    platform().setClipboardText(shown->text());
}

void frmRawScoreConverter::labelsChanged() {
    // The label on show follows the system at once; an empty percentile has none.
    const LabelSystem system = settings().labels();
    ShowDescription(lblDescription, lblAnswer->text().isEmpty() ? std::nullopt : DescribeScore(labelledZ_, system), system);
}

void frmRawScoreConverter::chkUseTtest_Click() {
    if (chkUseTtest->isChecked()) {
        expand();
    } else {
        collapse();
    }
}

void frmRawScoreConverter::expand() {
    while (outerHeight_ < kExpandedHeight) outerHeight_ += kStep;
    applyHeight();
    frmOptions->resize(frmOptions->width(), TwipsToPixels(kFrameExpanded));
    for (QWidget* control : std::initializer_list<QWidget*>{lblTScoreTitle, lblTScore, lblAdjustedPercentileTitle,
                                                            lblAdjustedPercentile, lblInterval, lblSampleN, txtSampleN})
        control->show();
    txtSampleN->setEnabled(true);
    focusControl(txtSampleN);
    setTTestTooltips(true);
    settings().record.useTTest = 1;
}

void frmRawScoreConverter::collapse() {
    frmOptions->resize(frmOptions->width(), TwipsToPixels(kFrameCollapsed));
    for (QWidget* control : std::initializer_list<QWidget*>{lblTScoreTitle, lblTScore, lblAdjustedPercentileTitle,
                                                            lblAdjustedPercentile, lblInterval, lblSampleN, txtSampleN})
        control->hide();
    txtSampleN->setEnabled(false);
    txtSampleN->clear();
    lblTScore->clear();
    lblAdjustedPercentile->clear();
    lblInterval->clear();
    while (outerHeight_ > kCollapsedHeight) outerHeight_ -= kStep;
    applyHeight();
    focusControl(txtRawScore);
    setTTestTooltips(false);
    settings().record.useTTest = 0;
}

void frmRawScoreConverter::applyHeight() {
    const int offset = outerHeight_ - kExpandedHeight;
    cmdCopy->move(cmdCopy->x(), TwipsToPixels(kCopyTop + offset));
    lblNumberOfDecimals->move(lblNumberOfDecimals->x(), TwipsToPixels(kDecimalsTop + offset));
    UpDown1->move(UpDown1->x(), TwipsToPixels(kDecimalsTop + offset));
    cmdClear->move(cmdClear->x(), TwipsToPixels(kButtonsTop + offset));
    cmdCalculate->move(cmdCalculate->x(), TwipsToPixels(kButtonsTop + offset));
    setClientHeightTwips(outerHeight_ - kNonClientHeight);
}

void frmRawScoreConverter::showInterval(const SmallSampleTexts& small, bool reverse) {
    lblInterval->setText(tr("95% CI %1 to %2").arg(ShownNumber(small.intervalLow), ShownNumber(small.intervalHigh)));
    // With Reverse the percentages are of the population above the score.
    const QString meaning = (reverse ? tr("95% interval estimate of the percentage of the population above this score (Crawford "
                                          "and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3.")
                                     : tr("95% interval estimate of the percentage of the population below this score (Crawford "
                                          "and Garthwaite, 2002). z-CC %1, 95% CI %2 to %3."))
                                .arg(ShownNumber(small.zcc), ShownNumber(small.zccLow), ShownNumber(small.zccHigh));
    lblInterval->setToolTip(meaning);
    DescribeResult(lblInterval, meaning);
}

void frmRawScoreConverter::setTTestTooltips(bool useTTest) {
    SetPictureText(cmdCopy, tr(useTTest ? kCopyAdjusted : kCopyPercentile));
    results_->setDecimalsTip(tr(useTTest ? kDecimalsBoth : kDecimalsPercentile));
}

void frmRawScoreConverter::filterNumberKey(QLineEdit* box, int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        if (box == txtRawScore) {
            focusControl(txtMean);
        } else if (box == txtMean) {
            focusControl(txtSD);
        } else if (settings().record.useTTest == 0) {
            cmdCalculate_Click();
        } else {
            focusControl(txtSampleN);
        }
    } else if (!isNumberCharacter(keyAscii)) {
        platform().beep();
        keyAscii = 0;
    }
}

void frmRawScoreConverter::keyPress(QObject* control, int& keyAscii) {
    if (control == txtRawScore || control == txtMean || control == txtSD) {
        filterNumberKey(static_cast<QLineEdit*>(control), keyAscii);
    } else if (control == txtSampleN && keyAscii == 13) {
        keyAscii = 0;
        cmdCalculate_Click();
    }
}

}  // namespace modVelmora
