#include "converter/frmscoreconverter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "converter/conversionoperation.h"
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

constexpr int kOptionTops[kScaleCount] = {315, 735, 1155, 1575, 1995};

QString captionOf(int index) {
    return QCoreApplication::translate(kScaleContext, ScaleCaption(static_cast<ScoreScale>(index)));
}

QString descriptionOf(int index) {
    return QCoreApplication::translate(kScaleContext, ScaleDescription(static_cast<ScoreScale>(index)));
}

}  // namespace

frmScoreConverter::frmScoreConverter(Settings& settings)
    : ModuleWindow(Module::ScoreConverter, QSize(4425, 5160), settings) {}

std::array<QRadioButton*, kScaleCount> frmScoreConverter::optionGroup(QGroupBox* frame, const char* name) {
    std::array<QRadioButton*, kScaleCount> group{};
    for (int index = 0; index < kScaleCount; ++index) {
        auto* option = new QRadioButton(captionOf(index), frame);
        option->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index));
        option->setGeometry(TwipRect(210, kOptionTops[index], 1695, 330));
        option->setFont(Arial(9.75));
        option->setToolTip(descriptionOf(index));
        SetBackground(option, index == 0 ? kYellow : QColor(Qt::white));
        group[static_cast<size_t>(index)] = option;
    }
    return group;
}

void frmScoreConverter::createControls(QWidget* client) {
    Label2 = TitleBanner(client, tr("Score Converter"), 578, 157, 3375, 330, 14.25);
    lblFrom = Place(CaptionLabel(client, captionOf(2), Arial(9.75, true)), "lblFrom", 420, 735,
                    1485, 330);
    lblTo = Place(CaptionLabel(client, captionOf(2), Arial(9.75, true)), "lblTo", 2625, 735,
                  1590, 330);
    txtFrom = Place(new NumberBox(client, 8, Arial(12), Qt::AlignCenter), "txtFrom", 420, 1050, 1380, 435);
    Image1 = Place(new QLabel(client), "Image1", 1972, 1010, 480, 480);
    Image1->setPixmap(QIcon(QStringLiteral(":/pictures/arrow.svg")).pixmap(Image1->size()));
    lblAnswer = Place(ResultLabel(client), "lblAnswer", 2625, 1050, 1380, 435);
    // Under the answer, ending with it, in the narrow strip above the frames; long labels reach left.
    lblDescription = Place(DescriptionLabel(client), "lblDescription", 105, 1485, 3900, 195);

    Frame1 = Place(new QGroupBox(tr("From"), client), "Frame1", 105, 1680, 2010, 2430);
    Frame2 = Place(new QGroupBox(tr("To"), client), "Frame2", 2310, 1680, 2010, 2430);
    for (QGroupBox* frame : {Frame1, Frame2}) {
        frame->setFont(Arial(9.75, true));
        SetBackground(frame, Qt::white);
    }
    optFrom = optionGroup(Frame1, "optFrom");
    optTo = optionGroup(Frame2, "optTo");

    results_ = new ResultControls(client, settings().record, ResultControls::Copy | ResultControls::Decimals);
    cmdCopy = results_->cmdCopy, lblNumberOfDecimals = results_->lblNumberOfDecimals, UpDown1 = results_->UpDown1;
    cmdCalculate = results_->cmdCalculate, cmdClear = results_->cmdClear;
    results_->placeCopy(105, 4365);
    results_->placeDecimals(840, 4515);
    results_->placeButtons(1575, 2940, 4305);
    SetPictureText(cmdCopy, tr("Copy percentile to clipboard"));
    lblNumberOfDecimals->setToolTip(tr("Set number of decimal places in percentile (see Instructions)"));
    Image1->setAccessibleName(tr("converts to"));
    setDefaultButton(cmdCalculate);
    setCancelButton(cmdClear);
    selectWholeTextOnFocus(txtFrom);

    QList<QWidget*> tabOrder{txtFrom};
    for (QRadioButton* option : optFrom) tabOrder << option;
    for (QRadioButton* option : optTo) tabOrder << option;
    tabOrder << cmdCalculate << cmdClear << cmdCopy << UpDown1;
    SetTabOrder(tabOrder);

    for (int index = 0; index < kScaleCount; ++index) {
        connect(optFrom[static_cast<size_t>(index)], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optFrom_Click(index);
        });
        connect(optTo[static_cast<size_t>(index)], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optTo_Click(index);
        });
    }
    // A change of scale empties the answer, so only the value and the places can leave it out of date.
    outOfDate_ = new OutOfDateResults(client);
    outOfDate_->add({txtFrom, UpDown1}, {lblAnswer, lblDescription});
    outOfDate_->guard(cmdCopy, {lblAnswer});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmScoreConverter::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmScoreConverter::cmdClear_Click);
    connect(cmdCopy, &QAbstractButton::clicked, this, &frmScoreConverter::cmdCopy_Click);
}

void frmScoreConverter::initialise() {
    fromScale_ = settings().convertFrom();
    optFrom[static_cast<size_t>(fromScale_)]->setChecked(true);
    toScale_ = settings().convertTo();
    optTo[static_cast<size_t>(toScale_)]->setChecked(true);
    results_->showStoredDecimals();
    labelsChanged();
}

void frmScoreConverter::optFrom_Click(int index) {
    HighlightOption({optFrom.begin(), optFrom.end()}, index);
    lblFrom->setText(captionOf(index));
    NameBox(txtFrom, captionOf(index));
    lblAnswer->clear();
    lblDescription->clear();
    fromScale_ = static_cast<ScoreScale>(index);
    txtFrom->setDecimalsAllowed(HasDecimals(fromScale_));
    settings().setConvertFrom(fromScale_);
    focusControl(txtFrom);
}

void frmScoreConverter::optTo_Click(int index) {
    const QString caption = captionOf(index);
    lblTo->setText(caption);
    DescribeResult(lblAnswer, caption);
    HighlightOption({optTo.begin(), optTo.end()}, index);
    lblAnswer->clear();
    lblDescription->clear();
    const bool places = HasDecimals(static_cast<ScoreScale>(index));
    UpDown1->setVisible(places);
    lblNumberOfDecimals->setVisible(places);
    SetPictureText(cmdCopy, tr("Copy %1 to clipboard").arg(caption));
    results_->setDecimalsTip(tr("Set number of places in %1").arg(caption));
    toScale_ = static_cast<ScoreScale>(index);
    settings().setConvertTo(toScale_);
    focusControl(txtFrom);
}

void frmScoreConverter::cmdCalculate_Click() {
    ConversionEntry entry(settings().labels());
    entry.value = TypedNumber(txtFrom->text());
    entry.from = fromScale_;
    entry.to = toScale_;
    entry.decimals = settings().record.numberOfDecimals;
    const ConversionReport report = ConvertScore(entry);
    if (report.refusal) {
        refuse(*report.refusal, txtFrom, {lblAnswer, lblDescription});
        return;
    }
    lblAnswer->setText(ShownNumber(report.answer));
    labelledZ_ = report.z;
    ShowDescription(lblDescription, report.label, entry.labels);
    outOfDate_->calculated();
    const QString answer = captionOf(static_cast<int>(toScale_)) + QLatin1Char(' ') + lblAnswer->text();
    NamedTexts fields = ConversionFields(entry);
    NameConversionResults(report, entry.labels, fields);
    addToSession(ConversionOperation(), captionOf(static_cast<int>(fromScale_)) + QLatin1Char(' ') + txtFrom->text().trimmed(),
                 InWords({answer, lblDescription->isVisible() ? lblDescription->text() : QString()}), std::move(fields));
    focusControl(cmdClear);
}

void frmScoreConverter::labelsChanged() {
    // The label on show follows the system at once; an empty answer has none.
    const LabelSystem system = settings().labels();
    ShowDescription(lblDescription, lblAnswer->text().isEmpty() ? std::nullopt : DescribeScore(labelledZ_, system), system);
}

void frmScoreConverter::cmdClear_Click() {
    txtFrom->clear();
    lblAnswer->clear();
    lblDescription->clear();
    focusControl(txtFrom);
}

void frmScoreConverter::cmdCopy_Click() {
    if (outOfDate_->refuses(cmdCopy)) return;
    platform().setClipboardText(lblAnswer->text());
}

void frmScoreConverter::keyPress(QObject* control, int& keyAscii) {
    if (control != txtFrom) return;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != '-' && !IsDecimalKey(keyAscii) && keyAscii != 8) {
        platform().beep();
        keyAscii = 0;
    } else if (IsDecimalKey(keyAscii) && !HasDecimals(fromScale_)) {
        platform().beep();
        keyAscii = 0;
    }
}

}  // namespace modVelmora
