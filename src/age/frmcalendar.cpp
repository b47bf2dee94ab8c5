#include "age/frmcalendar.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "age/datetext.h"
#include "shell/controls.h"
#include "shell/platform.h"
#include "shell/twips.h"

namespace modVelmora {

namespace {

constexpr int kLeftOffset = 3300;       // twips right of the age window's left edge
constexpr int kBirthTopOffset = 600;    // twips below its top, beside the birth date box
constexpr int kTestTopOffset = 1600;    // beside the test date box

}  // namespace

// A frameless tool window rather than a Qt::Popup: a popup swallows the click that
// closes it, so the first click back in the age window would be lost.
frmCalendar::frmCalendar() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmCalendar"));
    MonthView1 = new QCalendarWidget(this);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setFont(Arial(8.25));
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Only Esc, t and the calendar's own navigation act: typed digits or letters never open its date editor.
    MonthView1->setDateEditEnabled(false);
    // The same size in every locale, whatever its day and month names ask for.
    MonthView1->setFixedSize(TwipSize(2880, 2610));
    if (auto* days = MonthView1->findChild<QTableView*>()) days->setTextElideMode(Qt::ElideNone);
    MonthView1->setToolTip(tr("Press ESC to cancel or 'T' to return to today's date"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MonthView1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* child : MonthView1->findChildren<QWidget*>()) child->installEventFilter(this);
    MonthView1->installEventFilter(this);
    connect(MonthView1, &QCalendarWidget::clicked, this, &frmCalendar::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::activated, this, &frmCalendar::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::currentPageChanged, this, &frmCalendar::keepDayOnPage);
}

void frmCalendar::keepDayOnPage(int year, int month) {
    // The framed day moves with the month shown, so Enter picks what is on screen.
    const QDate selected = MonthView1->selectedDate();
    if (selected.year() == year && selected.month() == month) return;
    const QDate first(year, month, 1);
    MonthView1->setSelectedDate(first.addDays(std::min(selected.day(), first.daysInMonth()) - 1));
}

void frmCalendar::open(QWidget* ageWindow, Target target, const QDate& start) {
    ageWindow_ = ageWindow;
    pickedDate_ = QDate();
    const int top = target == Target::BirthDate ? kBirthTopOffset : kTestTopOffset;
    move(ageWindow->frameGeometry().topLeft() + QPoint(TwipsToPixels(kLeftOffset), TwipsToPixels(top)));
    MonthView1->setSelectedDate(start);
    MonthView1->setCurrentPage(start.year(), start.month());
    show();
    if (QWindow* handle = windowHandle()) handle->setTransientParent(ageWindow->windowHandle());
    raise();
    activateWindow();
    MonthView1->setFocus();
}

void frmCalendar::changeEvent(QEvent* event) {
    // Going back to the age window, or to any other, closes the pop-up without a pick; that
    // click then acts on what it was aimed at.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
    QWidget::changeEvent(event);
}

void frmCalendar::MonthView1_DateClick(const QDate& date) {
    pickedDate_ = date;
    close();
}

void frmCalendar::showToday() {
    const QDate today = platform().today();
    MonthView1->setSelectedDate(today);
    MonthView1->setCurrentPage(today.year(), today.month());
}

void frmCalendar::hideEvent(QHideEvent* event) {
    // Closing, whatever the cause: the pick, if any, goes to the age window, which colours its boxes back.
    if (pickedDate_.isValid()) emit datePicked(pickedDate_);
    emit closed();
    if (ageWindow_ && ageWindow_->isVisible()) ageWindow_->activateWindow();
    QWidget::hideEvent(event);
}

bool frmCalendar::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        pickedDate_ = QDate();
        close();
        return true;
    }
    // Only a lower-case t; an upper-case T, like every other key, does nothing here.
    if (key->text() == QLatin1String("t")) {
        showToday();
        return true;
    }
    return false;
}

}  // namespace modVelmora
