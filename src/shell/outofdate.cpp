#include "shell/outofdate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGraphicsColorizeEffect>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "shell/controls.h"
#include "shell/platform.h"
#include "shell/updown.h"

namespace modVelmora {

namespace {

QString stateOf(const QWidget* entry) {
    if (const auto* box = qobject_cast<const QLineEdit*>(entry)) return box->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(entry)) return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (const auto* list = qobject_cast<const QComboBox*>(entry)) return QString::number(list->currentIndex());
    if (const auto* spinner = qobject_cast<const UpDown*>(entry)) return QString::number(spinner->value());
    return {};
}

QStringList statesOf(const QList<QWidget*>& entries) {
    QStringList states;
    for (const QWidget* entry : entries) states << stateOf(entry);
    return states;
}

// Grey that still reads on the results' light yellow.
const QColor kOutOfDateGrey(128, 128, 128);

// An empty result has nothing to be out of date.
bool showsSomething(const QWidget* result) {
    if (const auto* label = qobject_cast<const QLabel*>(result)) return !label->text().isEmpty();
    if (const auto* table = qobject_cast<const QAbstractItemView*>(result)) return table->model()->rowCount() > 0;
    return true;
}

void drawGrey(QWidget* result, bool grey, const QColor& ownColour) {
    if (qobject_cast<QLabel*>(result)) {
        SetForeground(result, grey ? kOutOfDateGrey : ownColour);
    } else {
        auto* effect = grey ? new QGraphicsColorizeEffect(result) : nullptr;
        if (effect) effect->setColor(kOutOfDateGrey);
        result->setGraphicsEffect(effect);
        // A table draws its cells on a widget of its own, which the effect does not repaint.
        if (auto* table = qobject_cast<QAbstractScrollArea*>(result)) table->viewport()->update();
    }
}

QString copyNote() {
    return QCoreApplication::translate("modVelmora::OutOfDateResults", "Out of date: press Calculate before copying.");
}

}  // namespace

QString OutOfDateNote() {
    return QCoreApplication::translate("modVelmora::OutOfDateResults",
                                       "Out of date: an entry has changed since Calculate.");
}

void OutOfDateResults::add(const QList<QWidget*>& entries, const QList<QWidget*>& results) {
    Group group{entries, results, {}, {}, false};
    for (const QWidget* result : results) group.colours << result->palette().color(QPalette::WindowText);
    groups_.push_back(std::move(group));
    for (QWidget* entry : entries) {
        if (auto* box = qobject_cast<QLineEdit*>(entry))
            connect(box, &QLineEdit::textChanged, this, &OutOfDateResults::entryChanged, Qt::UniqueConnection);
        else if (auto* button = qobject_cast<QAbstractButton*>(entry))
            connect(button, &QAbstractButton::toggled, this, &OutOfDateResults::entryChanged, Qt::UniqueConnection);
        else if (auto* list = qobject_cast<QComboBox*>(entry))
            connect(list, &QComboBox::currentIndexChanged, this, &OutOfDateResults::entryChanged, Qt::UniqueConnection);
        else if (auto* spinner = qobject_cast<UpDown*>(entry))
            connect(spinner, &UpDown::valueChanged, this, &OutOfDateResults::entryChanged, Qt::UniqueConnection);
    }
}

void OutOfDateResults::calculated() {
    for (Group& group : groups_) {
        group.madeFrom = statesOf(group.entries);
        show(group, false);
    }
}

void OutOfDateResults::entryChanged() {
    for (Group& group : groups_)
        if (!group.madeFrom.isEmpty()) show(group, statesOf(group.entries) != group.madeFrom);
}

void OutOfDateResults::guard(QAbstractButton* button, const QList<QWidget*>& results) { guards_.push_back({button, results}); }

bool OutOfDateResults::isOutOfDate(const QList<QWidget*>& results) const {
    return std::any_of(groups_.begin(), groups_.end(), [&](const Group& group) {
        return group.outOfDate && std::any_of(results.begin(), results.end(), [&](QWidget* result) {
                   return group.results.contains(result) && showsSomething(result);
               });
    });
}

bool OutOfDateResults::refuses(const QAbstractButton* button) const {
    const auto guard = std::find_if(guards_.begin(), guards_.end(), [button](const Guard& each) { return each.button == button; });
    if (guard == guards_.end() || !isOutOfDate(guard->results)) return false;
    platform().beep();
    return true;
}

void OutOfDateResults::show(Group& group, bool outOfDate) {
    if (group.outOfDate == outOfDate) return;
    group.outOfDate = outOfDate;
    for (qsizetype i = 0; i < group.results.size(); ++i) {
        QWidget* result = group.results[i];
        drawGrey(result, outOfDate, group.colours[i]);
        QString meaning = result->accessibleDescription();
        if (meaning.endsWith(OutOfDateNote())) meaning = meaning.chopped(OutOfDateNote().size()).trimmed();
        if (outOfDate && showsSomething(result)) meaning = (meaning + QLatin1Char(' ') + OutOfDateNote()).trimmed();
        DescribeResult(result, meaning);
    }
    for (const Guard& guard : guards_) {
        QString tip = guard.button->toolTip();
        if (tip.endsWith(copyNote())) tip = tip.chopped(copyNote().size()).trimmed();
        guard.button->setToolTip(isOutOfDate(guard.results) ? (tip + QLatin1Char('\n') + copyNote()).trimmed() : tip);
    }
}

}  // namespace modVelmora
