#include "age/frmagecalculator.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include "age/agecalculation.h"
#include "age/ageoperation.h"
#include "age/datetext.h"
#include "age/frmcalendar.h"
#include "shell/controls.h"
#include "shell/modvelmora.h"
#include "shell/outofdate.h"
#include "shell/platform.h"
#include "shell/resultcontrols.h"
#include "shell/settings.h"

namespace modVelmora {

namespace {

// Focus that leaves a box within the window; not for the menu bar (Alt, F10), a menu,
// a pop-up or another application, from which the user comes back to the box as it was.
bool leavesWithinWindow(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

AgeField fieldOf(frmCalendar::Target target) {
    return target == frmCalendar::Target::BirthDate ? AgeField::BirthDate : AgeField::TestDate;
}

}  // namespace

// The age in months, the gestation and the corrected age take a strip added below the buttons.
frmAgeCalculator::frmAgeCalculator(Settings& settings) : ModuleWindow(Module::AgeCalculator, QSize(4425, 7650), settings) {}

frmAgeCalculator::~frmAgeCalculator() = default;

void frmAgeCalculator::createControls(QWidget* client) {
    Label2 = TitleBanner(client, tr("Age Calculator"), 105, 157, 4215, 330, 14.25);
    const QFont caption = Arial(9.75, true);
    Label3 = Place(CaptionLabel(client, tr("Birth Date"), caption), "Label3", 945, 735, 2220, 330);
    txtBirthdate = Place(EntryBox(client, DateBoxLength(QLocale::system()), Arial(12)), "txtBirthdate", 945, 1050, 2220, 435);
    txtBirthdate->setToolTip(
        tr("Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)"));
    cmdShowBirthDateCalendar = Place(PictureButton(client, QStringLiteral("calendar.svg"), QString()),
                                     "cmdShowBirthDateCalendar", 3255, 1050, 435, 435);
    Label1 = Place(CaptionLabel(client, tr("Test Date"), caption), "Label1", 945, 1680, 2220, 330);
    txtTestDate = Place(EntryBox(client, DateBoxLength(QLocale::system()), Arial(12)), "txtTestDate", 945, 1995, 2220, 435);
    txtTestDate->setToolTip(tr("Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; "
                               "etc). Double-click to enter today's date."));
    cmdShowTestDateCalendar = Place(PictureButton(client, QStringLiteral("calendar.svg"), QString()),
                                    "cmdShowTestDateCalendar", 3255, 1995, 435, 435);
    for (QAbstractButton* button : {cmdShowBirthDateCalendar, cmdShowTestDateCalendar}) {
        button->setToolTip(tr("Show Calendar"));
        button->setIconSize(QSize(22, 22));
    }
    cmdShowBirthDateCalendar->setAccessibleName(tr("Show calendar for the birth date"));
    cmdShowTestDateCalendar->setAccessibleName(tr("Show calendar for the test date"));
    NameBox(txtBirthdate, Label3->text());
    NameBox(txtTestDate, Label1->text());
    Label4 = Place(CaptionLabel(client, tr("Age (Years-Months-Days)"), caption), "Label4", 945, 2625,
                   2640, 330);
    lblAge = Place(ResultLabel(client), "lblAge", 945, 2940, 2640, 540);
    lblAge->setFont(Arial(18, true));
    DescribeResult(lblAge, Label4->text());
    auto* results = new ResultControls(client, settings().record, 0);
    cmdCalculate = results->cmdCalculate, cmdClear = results->cmdClear;
    results->placeButtons(945, 2205, 3675);
    // Infant tests take the age in completed months and days.
    Label7 = Place(CaptionLabel(client, tr("Age in months and days"), caption), "Label7", 945, 4590, 2640, 330);
    lblAgeInMonths = Place(ResultLabel(client), "lblAgeInMonths", 945, 4905, 2640, 435);
    DescribeResult(lblAgeInMonths, Label7->text());
    Label5 = Place(CaptionLabel(client, tr("Gestation at birth"), caption), "Label5", 945, 5445, 2640, 330);
    txtGestation = Place(EntryBox(client, 8, Arial(12), Qt::AlignCenter), "txtGestation", 945, 5760, 1275, 435);
    txtGestation->setToolTip(tr("Weeks, or weeks+days (30+2), for a child born before 37 weeks; empty for no correction"));
    NameBox(txtGestation, tr("Gestation at birth, in weeks or weeks+days"));
    Label6 = Place(CaptionLabel(client, tr("Corrected age"), caption), "Label6", 945, 6300, 2640, 330);
    lblCorrectedAge = Place(ResultLabel(client), "lblCorrectedAge", 945, 6615, 2640, 435);
    DescribeResult(lblCorrectedAge, Label6->text());
    lblCorrectedInMonths = Place(ResultLabel(client), "lblCorrectedInMonths", 945, 7110, 2640, 435);
    DescribeResult(lblCorrectedInMonths, tr("Corrected age in months and days"));
    setDefaultButton(cmdCalculate);
    setCancelButton(cmdClear);
    selectWholeTextOnFocus(txtBirthdate);
    selectWholeTextOnFocus(txtTestDate);
    selectWholeTextOnFocus(txtGestation);

    SetTabOrder({txtBirthdate, txtTestDate, cmdCalculate, cmdClear, cmdShowBirthDateCalendar, cmdShowTestDateCalendar,
                 txtGestation});

    outOfDate_ = new OutOfDateResults(client);
    outOfDate_->add({txtBirthdate, txtTestDate}, {lblAge, lblAgeInMonths});
    outOfDate_->add({txtBirthdate, txtTestDate, txtGestation}, {lblCorrectedAge, lblCorrectedInMonths});

    connect(cmdCalculate, &QAbstractButton::clicked, this, &frmAgeCalculator::cmdCalculate_Click);
    connect(cmdClear, &QAbstractButton::clicked, this, &frmAgeCalculator::cmdClear_Click);
    connect(cmdShowBirthDateCalendar, &QAbstractButton::clicked, this,
            &frmAgeCalculator::cmdShowBirthDateCalendar_Click);
    connect(cmdShowTestDateCalendar, &QAbstractButton::clicked, this,
            &frmAgeCalculator::cmdShowTestDateCalendar_Click);
}

void frmAgeCalculator::initialise() { txtTestDate->setText(DateText(platform().today())); }

void frmAgeCalculator::beforeUnload() {
    if (calendar_ && calendar_->isVisible()) calendar_->close();
}

bool frmAgeCalculator::controlEvent(QObject* control, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (control == txtBirthdate || control == txtTestDate) &&
        leavesWithinWindow(static_cast<QFocusEvent*>(event))) {
        checkDateBox(control == txtBirthdate ? AgeField::BirthDate : AgeField::TestDate);
    } else if (event->type() == QEvent::MouseButtonDblClick && control == txtTestDate) {
        txtTestDate_DblClick();
        return true;
    }
    return false;
}

QDate& frmAgeCalculator::remembered(AgeField field) { return field == AgeField::BirthDate ? birthDate_ : testDate_; }

QLineEdit* frmAgeCalculator::boxOf(AgeField field) const {
    return field == AgeField::BirthDate ? txtBirthdate : field == AgeField::TestDate ? txtTestDate : txtGestation;
}

void frmAgeCalculator::showDate(AgeField field, std::chrono::year_month_day date) {
    remembered(field) = ToQDate(date);
    boxOf(field)->setText(DateText(remembered(field)));
}

void frmAgeCalculator::checkDateBox(AgeField field) {
    const DateReading reading = ReadDateBox(field, boxOf(field)->text().toStdString(), ReadYearMonthDay);
    if (reading.date) showDate(field, *reading.date);
    if (reading.refusal) refuse(*reading.refusal, boxOf(field), {lblAge, lblCorrectedAge});
}

void frmAgeCalculator::txtTestDate_DblClick() { txtTestDate->setText(DateText(platform().today())); }

void frmAgeCalculator::cmdClear_Click() {
    txtBirthdate->clear();
    txtTestDate->clear();
    txtGestation->clear();
    lblAge->clear();
    lblAgeInMonths->clear();
    showCorrection(std::nullopt);
    focusControl(txtBirthdate);
}

void frmAgeCalculator::cmdCalculate_Click() {
    const AgeEntry entry{txtBirthdate->text().toStdString(), txtTestDate->text().toStdString(), txtGestation->text().toStdString()};
    const AgeReport report = CalculateAge(entry, ReadYearMonthDay);
    // Enter does not move the focus, so the boxes are read here as if they were left.
    if (report.birthDate) showDate(AgeField::BirthDate, *report.birthDate);
    if (report.testDate) showDate(AgeField::TestDate, *report.testDate);
    for (const Refusal<AgeField>& refusal : report.refusals)
        refuse(refusal, boxOf(refusal.field), {lblAge, lblAgeInMonths, lblCorrectedAge, lblCorrectedInMonths});
    if (!report.age) return;
    lblAge->setText(QString::fromStdString(report.ageText));
    lblAgeInMonths->setText(monthsAndDays(*report.age));
    showCorrection(report.correction);
    outOfDate_->calculated();
    const QString gestation = txtGestation->text().trimmed();
    NamedTexts fields = AgeFields(entry, report);
    NameAgeResults(report, report.correction.has_value(), fields);
    addToSession(AgeOperation(),
                 InWords({tr("born %1").arg(txtBirthdate->text()), tr("tested %1").arg(txtTestDate->text()),
                          gestation.isEmpty() ? QString() : tr("gestation %1").arg(gestation)}),
                 InWords({tr("age %1").arg(lblAge->text()), lblAgeInMonths->text(),
                          lblCorrectedAge->text().isEmpty() ? QString() : tr("corrected age %1").arg(lblCorrectedAge->text())}),
                 std::move(fields));
}

QString frmAgeCalculator::monthsAndDays(const Age& age) {
    const int months = TotalMonths(age);
    const QString form = months == 1 ? (age.days == 1 ? tr("%1 month %2 day") : tr("%1 month %2 days"))
                                     : (age.days == 1 ? tr("%1 months %2 day") : tr("%1 months %2 days"));
    return form.arg(months).arg(age.days);
}

void frmAgeCalculator::showCorrection(const std::optional<Correction>& correction) {
    const QString text = !correction ? QString()
                         : correction->age ? QString::fromStdString(correction->text)
                                           : QCoreApplication::translate(kMessageContext, correction->text.c_str());
    lblCorrectedAge->setText(text);
    FitText(lblCorrectedAge, Arial(12, true));
    lblCorrectedInMonths->setText(correction && correction->age ? monthsAndDays(*correction->age) : QString());
    QString meaning = tr("Test manuals usually correct for prematurity until the age of 24 months (some until 36).");
    if (correction && correction->dueDate) meaning += QLatin1Char(' ') + tr("Due date: %1.").arg(DateText(ToQDate(*correction->dueDate)));
    lblCorrectedAge->setToolTip(correction ? meaning : QString());
    DescribeResult(lblCorrectedAge, correction ? Label6->text() + QStringLiteral(". ") + meaning : Label6->text());
}

void frmAgeCalculator::cmdShowBirthDateCalendar_Click() { showCalendar(frmCalendar::Target::BirthDate); }

void frmAgeCalculator::cmdShowTestDateCalendar_Click() { showCalendar(frmCalendar::Target::TestDate); }

void frmAgeCalculator::showCalendar(frmCalendar::Target target) {
    calendarTarget_ = target;
    const AgeField field = fieldOf(target);
    QLineEdit* box = boxOf(field);
    // A text that is no date leaves the last good reading in place.
    if (const auto date = ReadDate(box->text())) remembered(field) = *date;
    SetBackground(box, kYellow);
    if (!calendar_) {
        calendar_ = std::make_unique<frmCalendar>();
        connect(calendar_.get(), &frmCalendar::datePicked, this, [this](const QDate& date) {
            if (calendarTarget_ && form()) boxOf(fieldOf(*calendarTarget_))->setText(DateText(date));
        });
        connect(calendar_.get(), &frmCalendar::closed, this, [this] {
            calendarTarget_.reset();
            // A closed pop-up goes entirely, so a screen reader finds none of its days still focused.
            calendar_.release()->deleteLater();
            if (!form()) return;
            for (QLineEdit* box : {txtBirthdate, txtTestDate}) SetBackground(box, Qt::white);
        });
    }
    const QDate start = remembered(field);
    calendar_->open(form(), target, start.isValid() ? start : platform().today());
}

}  // namespace modVelmora
