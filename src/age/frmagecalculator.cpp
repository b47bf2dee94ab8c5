#include "age/frmagecalculator.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include "age/agerule.h"
#include "age/agestate.h"
#include "age/datetext.h"
#include "age/frmcalendar.h"
#include "shell/controls.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

// Focus that leaves a box within the window; not for the menu bar (Alt, F10), a menu,
// a pop-up or another application, from which the user comes back to the box as it was.
bool leavesWithinWindow(const QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

AgeCalculatorState& AgeState() {
    static AgeCalculatorState state;
    return state;
}

frmAgeCalculator::frmAgeCalculator() : ModuleWindow(Module::AgeCalculator, QSize(4425, 4530)) {}

frmAgeCalculator::~frmAgeCalculator() = default;

void frmAgeCalculator::createControls(QWidget* client) {
    Label2 = TitleBanner(client, tr("Age Calculator"), 105, 157, 4215, 330, 14.25);
    const QFont caption = Arial(9.75, true);
    Label3 = Place(CaptionLabel(client, tr("Birth Date"), caption), "Label3", 945, 735, 2220, 330);
    txtBirthdate = Place(EntryBox(client, 18, Arial(12)), "txtBirthdate", 945, 1050, 2220, 435);
    txtBirthdate->setToolTip(
        tr("Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)"));
    cmdShowBirthDateCalendar = Place(PictureButton(client, QStringLiteral("calendar.svg"), QString()),
                                     "cmdShowBirthDateCalendar", 3255, 1050, 435, 435);
    Label1 = Place(CaptionLabel(client, tr("Test Date"), caption), "Label1", 945, 1680, 2220, 330);
    txtTestDate = Place(EntryBox(client, 18, Arial(12)), "txtTestDate", 945, 1995, 2220, 435);
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
    cmdCalculate = Place(PictureButton(client, QStringLiteral("calculate.svg"), tr("&Calculate")),
                         "cmdCalculate", 2205, 3675, 1380, 750);
    cmdClear = Place(PictureButton(client, QStringLiteral("clear.svg"), tr("C&lear")), "cmdClear", 945,
                     3675, 1170, 750);
    setDefaultButton(cmdCalculate);
    setCancelButton(cmdClear);
    selectWholeTextOnFocus(txtBirthdate);
    selectWholeTextOnFocus(txtTestDate);

    SetTabOrder({txtBirthdate, txtTestDate, cmdCalculate, cmdClear, cmdShowBirthDateCalendar, cmdShowTestDateCalendar});

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
        checkDateBox(static_cast<QLineEdit*>(control));
    } else if (event->type() == QEvent::MouseButtonDblClick && control == txtTestDate) {
        txtTestDate_DblClick();
        return true;
    }
    return false;
}

void frmAgeCalculator::checkDateBox(QLineEdit* box) {
    if (box->text().isEmpty()) return;
    QDate& stored = box == txtBirthdate ? AgeState().birthDate : AgeState().testDate;
    if (const auto date = ReadDate(box->text())) {
        stored = *date;
        box->setText(DateText(*date));
        return;
    }
    platform().showMessage(form(), tr("Invalid Date"), MessageIcon::Exclamation);
    box->clear();
    focusControl(box);
    lblAge->clear();
}

void frmAgeCalculator::txtTestDate_DblClick() { txtTestDate->setText(DateText(platform().today())); }

void frmAgeCalculator::cmdClear_Click() {
    txtBirthdate->clear();
    txtTestDate->clear();
    lblAge->clear();
    focusControl(txtBirthdate);
}

void frmAgeCalculator::cmdCalculate_Click() {
    if (!txtBirthdate->text().isEmpty() && txtTestDate->text().isEmpty()) {
        focusControl(txtTestDate);
        return;
    }
    if (txtBirthdate->text().isEmpty()) {
        platform().beep();
        focusControl(txtBirthdate);
        return;
    }
    // Enter does not move the focus, so the boxes are checked here as if they were left.
    checkDateBox(txtBirthdate);
    checkDateBox(txtTestDate);
    if (txtBirthdate->text().isEmpty() || txtTestDate->text().isEmpty()) return;
    if (AgeState().testDate < AgeState().birthDate) {
        platform().showMessage(form(), tr("The test date cannot be less than the birth date."),
                               MessageIcon::Exclamation);
        lblAge->clear();
        focusControl(txtBirthdate);
        return;
    }
    ComputeAge();
}

void frmAgeCalculator::ComputeAge() {
    const Age age = modVelmora::ComputeAge(ToYearMonthDay(AgeState().birthDate), ToYearMonthDay(AgeState().testDate));
    lblAge->setText(QString::fromStdString(AgeText(age)));
}

void frmAgeCalculator::cmdShowBirthDateCalendar_Click() { showCalendar(frmCalendar::Target::BirthDate); }

void frmAgeCalculator::cmdShowTestDateCalendar_Click() { showCalendar(frmCalendar::Target::TestDate); }

QLineEdit* frmAgeCalculator::boxFor(frmCalendar::Target target) const {
    return target == frmCalendar::Target::BirthDate ? txtBirthdate : txtTestDate;
}

void frmAgeCalculator::showCalendar(frmCalendar::Target target) {
    calendarTarget_ = target;
    QDate& remembered = target == frmCalendar::Target::BirthDate ? AgeState().birthDate : AgeState().testDate;
    QLineEdit* box = boxFor(target);
    // A text that is no date leaves the last good reading in place.
    if (const auto date = ReadDate(box->text())) remembered = *date;
    SetBackground(box, kYellow);
    if (!calendar_) {
        calendar_ = std::make_unique<frmCalendar>();
        connect(calendar_.get(), &frmCalendar::datePicked, this, [this](const QDate& date) {
            if (calendarTarget_ && form()) boxFor(*calendarTarget_)->setText(DateText(date));
        });
        connect(calendar_.get(), &frmCalendar::closed, this, [this] {
            calendarTarget_.reset();
            if (!form()) return;
            for (QLineEdit* box : {txtBirthdate, txtTestDate}) SetBackground(box, Qt::white);
        });
    }
    calendar_->open(form(), target, remembered.isValid() ? remembered : platform().today());
}

}  // namespace modVelmora
