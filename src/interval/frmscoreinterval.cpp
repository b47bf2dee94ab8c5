#include "interval/frmscoreinterval.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "interval/intervaloperation.h"
#include "shell/controls.h"
#include "shell/laidout.h"
#include "shell/modvelmora.h"
#include "shell/numberbox.h"
#include "shell/outofdate.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"
#include "shell/settings.h"
#include "shell/updown.h"

namespace modVelmora {

namespace {

// Sizes in pixels, those of the converter's controls, so the windows look alike.
constexpr int kCaptionHeight = 22;
constexpr int kBoxHeight = 29;
constexpr QSize kPictureSize(420, 200);

QString scaleCaption(int index) {
    return QCoreApplication::translate(kScaleContext, ScaleCaption(static_cast<ScoreScale>(index)));
}

QString centreCaption(IntervalCentre centre) { return QCoreApplication::translate(kIntervalContext, IntervalCentreName(centre)); }

}  // namespace

frmScoreInterval::frmScoreInterval(Settings& settings) : ModuleWindow(Module::ScoreInterval, settings) {}

void frmScoreInterval::createControls(QWidget* client) {
    const QFont caption = Arial(9.75, true);
    const auto captionOver = [&](const QString& text, const char* name) {
        QLabel* label = CaptionLabel(client, text, caption);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->setFixedHeight(kCaptionHeight);
        return label;
    };
    const auto entryBox = [&](const char* name) {
        QLineEdit* box = new NumberBox(client, 8, Arial(12), Qt::AlignCenter);
        box->setObjectName(QLatin1String(name));
        box->setFixedHeight(kBoxHeight);
        selectWholeTextOnFocus(box);
        return box;
    };
    const auto resultLabel = [&](const char* name) {
        QLabel* label = ResultLabel(client);
        label->setObjectName(QLatin1String(name));
        label->setFixedHeight(kBoxHeight);
        label->setMinimumWidth(92);
        return label;
    };

    Label2 = LayoutBanner(client, tr("Score Interval"));

    // The entry: the score and the reliability, then the choices.
    lblScoreCaption = captionOver(tr("Score"), "lblScoreCaption");
    txtScore = entryBox("txtScore");
    lblReliabilityCaption = captionOver(tr("Reliability"), "lblReliabilityCaption");
    txtReliability = entryBox("txtReliability");
    txtReliability->setToolTip(tr("The test's reliability coefficient, greater than 0 and less than 1"));
    NameBox(txtScore, lblScoreCaption->text());
    NameBox(txtReliability, lblReliabilityCaption->text());

    fraScale = OptionFrame(client, tr("Scale"), "fraScale");
    for (int index = 0; index < kScaleCount; ++index) {
        QRadioButton* option = Option(fraScale, scaleCaption(index), QStringLiteral("optScale%1").arg(index));
        option->setToolTip(QCoreApplication::translate(kScaleContext, ScaleDescription(static_cast<ScoreScale>(index))));
        optScale[static_cast<size_t>(index)] = option;
    }
    fraConfidence = OptionFrame(client, tr("Confidence"), "fraConfidence", true);
    optConfidence0 = Option(fraConfidence, tr("90%"), QStringLiteral("optConfidence0"));
    optConfidence1 = Option(fraConfidence, tr("95%"), QStringLiteral("optConfidence1"));
    fraCentre = OptionFrame(client, tr("Centre"), "fraCentre");
    optCentre0 = Option(fraCentre, centreCaption(IntervalCentre::Obtained), QStringLiteral("optCentre0"));
    optCentre0->setToolTip(tr("The interval around the score as obtained, from the standard error of measurement"));
    optCentre1 = Option(fraCentre, centreCaption(IntervalCentre::EstimatedTrue), QStringLiteral("optCentre1"));
    optCentre1->setToolTip(tr("The interval around the estimated true score, which lies nearer the mean, from the "
                              "standard error of estimation"));

    // The results: the score on every scale, its label, the interval and its picture.
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(0);
    struct Result {
        QLabel** label;
        const char* name;
        QString caption;
    };
    const Result shown[] = {{&lblPercentile, "lblPercentile", scaleCaption(0)}, {&lblScaled, "lblScaled", scaleCaption(1)},
                            {&lblStandard, "lblStandard", scaleCaption(2)},     {&lblTScore, "lblTScore", scaleCaption(3)},
                            {&lblZScore, "lblZScore", scaleCaption(4)},         {&lblStanine, "lblStanine", tr("Stanine")},
                            {&lblSten, "lblSten", tr("Sten")},                  {&lblNCE, "lblNCE", tr("NCE")}};
    // Four to a row, each under its caption.
    for (int i = 0; i < 8; ++i) {
        const Result& result = shown[i];
        QLabel* title = captionOver(result.caption, qPrintable(QLatin1String(result.name) + QStringLiteral("Caption")));
        *result.label = resultLabel(result.name);
        DescribeResult(*result.label, result.caption);
        results->addWidget(title, 2 * (i / 4), i % 4);
        results->addWidget(*result.label, 2 * (i / 4) + 1, i % 4);
        results->setColumnStretch(i % 4, 1);
    }
    lblNCE->setToolTip(tr("Normal curve equivalent: 1 to 99, equal steps, mean 50"));
    lblStanine->setToolTip(tr("Standard nine: 1 to 9, mean 5, SD 2"));
    lblSten->setToolTip(tr("Standard ten: 1 to 10, SD 2"));
    lblDescription = DescriptionLabel(client);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setFixedHeight(18);
    // Hidden under "None", it keeps its room so that nothing under it moves.
    QSizePolicy keepRoom = lblDescription->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    lblDescription->setSizePolicy(keepRoom);
    lblInterval = resultLabel("lblInterval");
    DescribeResult(lblInterval, tr("Confidence interval"));
    lblPercentileBand = resultLabel("lblPercentileBand");
    DescribeResult(lblPercentileBand, tr("Confidence interval in percentiles"));
    lblCentre = resultLabel("lblCentre");
    DescribeResult(lblCentre, centreCaption(IntervalCentre::EstimatedTrue));
    picBellCurve = new BellCurve(client);
    picBellCurve->setObjectName(QStringLiteral("picBellCurve"));
    picBellCurve->setFixedSize(kPictureSize);

    // The buttons, as in the other windows, and the picture's own under it.
    results_ = new ResultControls(client, settings().record, ResultControls::Copy | ResultControls::Decimals);
    cmdCopy = results_->cmdCopy, lblNumberOfDecimals = results_->lblNumberOfDecimals, UpDown1 = results_->UpDown1;
    cmdCalculate = results_->cmdCalculate, cmdClear = results_->cmdClear;
    SetPictureText(cmdCopy, tr("Copy interval to clipboard"));
    results_->setDecimalsTip(tr("Set number of decimal places in percentiles and z-scores (see Instructions)"));
    cmdCopyPicture = PictureButton(client, QStringLiteral("clipboard.svg"), tr("Copy &Picture"));
    cmdCopyPicture->setObjectName(QStringLiteral("cmdCopyPicture"));
    cmdCopyPicture->setToolTip(tr("Copy the bell curve to the clipboard"));
    cmdSavePicture = PictureButton(client, QStringLiteral("save.svg"), tr("&Save Picture…"));
    cmdSavePicture->setObjectName(QStringLiteral("cmdSavePicture"));
    cmdSavePicture->setToolTip(tr("Save the bell curve as a PNG or SVG file"));
    for (QAbstractButton* button : {cmdCopyPicture, cmdSavePicture}) {
        button->setFixedHeight(TwipsToPixels(750));
        button->setMinimumWidth(TwipsToPixels(1380));
    }
    setDefaultButton(cmdCalculate);
    setEnterOrder({txtScore, txtReliability});
    setCancelButton(cmdClear);

    // Laid out: the banner; the entry beside the results; the buttons along the bottom.
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(12);
    entry->setVerticalSpacing(0);
    entry->addWidget(lblScoreCaption, 0, 0);
    entry->addWidget(txtScore, 1, 0);
    entry->addWidget(lblReliabilityCaption, 0, 1);
    entry->addWidget(txtReliability, 1, 1);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addLayout(entry);
    left->addWidget(fraScale);
    left->addWidget(fraConfidence);
    left->addWidget(fraCentre);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addLayout(results);
    right->addWidget(lblDescription);
    right->addWidget(lblInterval);
    auto* band = new QHBoxLayout;
    band->setSpacing(8);
    band->addWidget(lblPercentileBand, 1);
    band->addWidget(lblCentre, 1);
    right->addLayout(band);
    right->addSpacing(4);
    right->addWidget(picBellCurve);
    right->addStretch();

    QHBoxLayout* buttons = results_->row();
    auto* pictureButtons = new QHBoxLayout;
    pictureButtons->setSpacing(12);
    pictureButtons->addStretch();
    pictureButtons->addWidget(cmdCopyPicture);
    pictureButtons->addWidget(cmdSavePicture);

    auto* body = new QGridLayout;
    body->setHorizontalSpacing(16);
    body->setVerticalSpacing(10);
    body->addLayout(left, 0, 0);
    body->addLayout(right, 0, 1);
    body->addLayout(buttons, 1, 0);
    body->addLayout(pictureButtons, 1, 1);
    body->setColumnMinimumWidth(0, TwipsToPixels(4215));

    auto* window = new QVBoxLayout(client);
    window->setContentsMargins(7, 7, 7, 7);
    window->setSpacing(10);
    window->addWidget(Label2);
    window->addLayout(body);

    QList<QWidget*> tabOrder{txtScore, txtReliability};
    for (QRadioButton* option : optScale) tabOrder << option;
    tabOrder << optConfidence0 << optConfidence1 << optCentre0 << optCentre1 << cmdCalculate << cmdClear << cmdCopy
             << UpDown1 << cmdCopyPicture << cmdSavePicture;
    SetTabOrder(tabOrder);

    for (int index = 0; index < kScaleCount; ++index)
        connect(optScale[static_cast<size_t>(index)], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optScale_Click(index);
        });
    const std::pair<QRadioButton*, int> confidence[] = {{optConfidence0, 0}, {optConfidence1, 1}};
    for (const auto& [option, index] : confidence)
        connect(option, &QRadioButton::toggled, this, [this, index = index](bool on) {
            if (on) optConfidence_Click(index);
        });
    const std::pair<QRadioButton*, int> centre[] = {{optCentre0, 0}, {optCentre1, 1}};
    for (const auto& [option, index] : centre)
        connect(option, &QRadioButton::toggled, this, [this, index = index](bool on) {
            if (on) optCentre_Click(index);
        });
    // A change of scale, level or centre empties the results, so only these can leave them out of date.
    outOfDate_ = new OutOfDateResults(client);
    QList<QWidget*> madeByCalculate{picBellCurve};
    for (QLabel* label : resultLabels()) madeByCalculate << label;
    outOfDate_->add({txtScore, txtReliability, UpDown1}, madeByCalculate);
    for (QAbstractButton* button : {cmdCopy, cmdCopyPicture, cmdSavePicture}) outOfDate_->guard(button, {lblInterval, picBellCurve});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmScoreInterval::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmScoreInterval::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmScoreInterval::cmdCopy_Click);
    connect(cmdCopyPicture, &QAbstractButton::clicked, this, &frmScoreInterval::cmdCopyPicture_Click);
    connect(cmdSavePicture, &QAbstractButton::clicked, this, &frmScoreInterval::cmdSavePicture_Click);
}

void frmScoreInterval::initialise() {
    choices_ = settings().intervalChoices();
    const Settings::IntervalChoices stored = choices_;
    optScale[static_cast<size_t>(stored.scale)]->setChecked(true);
    (stored.level == ConfidenceLevel::Ninety ? optConfidence0 : optConfidence1)->setChecked(true);
    (stored.centre == IntervalCentre::Obtained ? optCentre0 : optCentre1)->setChecked(true);
    results_->showStoredDecimals();
    clearPicture();
    labelsChanged();
}

QList<QLabel*> frmScoreInterval::scoreLabels() const {
    return {lblPercentile, lblScaled, lblStandard, lblTScore, lblZScore, lblStanine, lblSten, lblNCE};
}

QList<QLabel*> frmScoreInterval::resultLabels() const {
    return scoreLabels() << lblDescription << lblInterval << lblPercentileBand << lblCentre;
}

void frmScoreInterval::storeChoice() {
    settings().setIntervalChoices(choices_);
    emptyResults();
    focusControl(txtScore);
}

void frmScoreInterval::emptyResults() {
    for (QLabel* label : resultLabels()) label->clear();
    clearPicture();
}

void frmScoreInterval::optScale_Click(int index) {
    HighlightOption({optScale.begin(), optScale.end()}, index);
    choices_.scale = static_cast<ScoreScale>(index);
    storeChoice();
}

void frmScoreInterval::optConfidence_Click(int index) {
    HighlightOption({optConfidence0, optConfidence1}, index);
    choices_.level = index == 0 ? ConfidenceLevel::Ninety : ConfidenceLevel::NinetyFive;
    storeChoice();
}

void frmScoreInterval::optCentre_Click(int index) {
    HighlightOption({optCentre0, optCentre1}, index);
    choices_.centre = index == 0 ? IntervalCentre::Obtained : IntervalCentre::EstimatedTrue;
    storeChoice();
}

void frmScoreInterval::cmdCalculate_Click() {
    IntervalEntry entry(settings().labels());
    entry.score = TypedNumber(txtScore->text());
    entry.scale = choices_.scale;
    entry.reliability = TypedNumber(txtReliability->text());
    entry.level = choices_.level;
    entry.centre = choices_.centre;
    entry.decimals = settings().record.numberOfDecimals;
    const IntervalReport report = ComputeScoreInterval(entry);
    if (const auto& refusal = report.refusal) {
        // The picture goes with the results, at the same moment.
        refuse(*refusal, refusal->field == IntervalField::Score ? txtScore : txtReliability, resultLabels(), [this] { clearPicture(); });
        return;
    }
    const QList<QLabel*> scores = scoreLabels();
    for (int index = 0; index < kScaleCount; ++index) scores[index]->setText(ShownNumber(report.scores[static_cast<size_t>(index)]));
    lblStanine->setText(ShownNumber(report.stanine));
    lblSten->setText(ShownNumber(report.sten));
    lblNCE->setText(ShownNumber(report.nce));
    labelledZ_ = report.z;
    ShowDescription(lblDescription, report.label, entry.labels);
    lblInterval->setText(tr("%1% CI %2 to %3")
                             .arg(QString::number(static_cast<int>(choices_.level)), ShownNumber(report.low), ShownNumber(report.high)));
    lblPercentileBand->setText(tr("Percentiles %1 to %2").arg(ShownNumber(report.percentileLow), ShownNumber(report.percentileHigh)));
    lblCentre->setText(report.centre.empty() ? QString() : tr("Estimated true score %1").arg(ShownNumber(report.centre)));
    // Long bounds (four places, a translation) are written smaller rather than cut.
    for (QLabel* label : {lblInterval, lblPercentileBand, lblCentre}) FitText(label, Arial(12, true));

    picture_ = BellCurveOf(report, choices_.scale, entry.labels, DecimalSeparator());
    showPicture();
    outOfDate_->calculated();
    addResultToSession(entry, report);
    focusControl(cmdClear);
}

void frmScoreInterval::addResultToSession(const IntervalEntry& entry, const IntervalReport& report) {
    const QString level = QString::number(static_cast<int>(entry.level));
    QStringList results;
    for (QLabel* score : scoreLabels()) results << score->accessibleDescription() + QLatin1Char(' ') + score->text();
    if (lblDescription->isVisible()) results << lblDescription->text();
    results << lblInterval->text() << lblPercentileBand->text() << lblCentre->text();
    NamedTexts fields = IntervalFields(entry);
    NameIntervalResults(report, entry.labels, fields);
    addToSession(IntervalOperation(),
                 InWords({scaleCaption(static_cast<int>(entry.scale)) + QLatin1Char(' ') + txtScore->text().trimmed(),
                          tr("reliability %1").arg(txtReliability->text().trimmed()), tr("%1% confidence").arg(level),
                          centreCaption(entry.centre)}),
                 InWords(results), std::move(fields));
}

void frmScoreInterval::showPicture() {
    picBellCurve->setModel(*picture_);
    cmdCopyPicture->setEnabled(true);
    cmdSavePicture->setEnabled(true);
    describePicture();
}

void frmScoreInterval::clearPicture() {
    picture_.reset();
    picBellCurve->clear();
    cmdCopyPicture->setEnabled(false);
    cmdSavePicture->setEnabled(false);
    describePicture();
}

void frmScoreInterval::describePicture() {
    if (!picture_) {
        picBellCurve->setAccessibleDescription(QString());
        return;
    }
    const QString scale = scaleCaption(static_cast<int>(choices_.scale));
    // Under "None" the label is hidden and the picture has no bands: neither is told.
    const QString label = settings().labels() == LabelSystem::None ? QString() : lblDescription->text();
    picBellCurve->setAccessibleDescription(
        label.isEmpty() ? tr("Bell curve: %1 %2, %3.").arg(scale, picture_->scoreText, lblInterval->text())
                        : tr("Bell curve: %1 %2, %3, %4.").arg(scale, picture_->scoreText, lblInterval->text(), label));
}

void frmScoreInterval::labelsChanged() {
    // The label on show and the picture's bands follow the system at once; no result has none.
    const LabelSystem system = settings().labels();
    ShowDescription(lblDescription, picture_ ? DescribeScore(labelledZ_, system) : std::nullopt, system);
    if (picture_) {
        picture_->bands = BellCurveBands(system);
        showPicture();
    }
}

void frmScoreInterval::cmdClear_Click() {
    txtScore->clear();
    txtReliability->clear();
    emptyResults();
    focusControl(txtScore);
}

void frmScoreInterval::cmdCopy_Click() {
    if (outOfDate_->refuses(cmdCopy)) return;
    platform().setClipboardText(lblInterval->text());
}

void frmScoreInterval::cmdCopyPicture_Click() {
    if (!picture_ || outOfDate_->refuses(cmdCopyPicture)) return;
    platform().setClipboardImage(BellCurveImage(*picture_, picBellCurve->size(), 2));
}

void frmScoreInterval::cmdSavePicture_Click() {
    if (!picture_ || outOfDate_->refuses(cmdSavePicture)) return;
    QString path = platform().askSavePath(form(), tr("Save Picture"), tr("bell curve.png"),
                                          tr("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty()) return;
    // A name typed without a type is saved as the first type offered rather than refused.
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    if (const QString why = SaveBellCurve(*picture_, path, picBellCurve->size()); !why.isEmpty())
        platform().showMessage(form(), tr("The picture could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), why),
                               MessageIcon::Information);
}

void frmScoreInterval::keyPress(QObject* control, int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    bool taken = true;
    if (control == txtScore) {
        taken = digit || keyAscii == '-' || keyAscii == 8 || (IsDecimalKey(keyAscii) && HasDecimals(choices_.scale));
    } else if (control == txtReliability) {
        taken = digit || keyAscii == 8 || IsDecimalKey(keyAscii);
    }
    if (!taken) {
        platform().beep();
        keyAscii = 0;
    }
}

}  // namespace modVelmora
