#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QStringList>
#include <vector>

class QAbstractButton;
class QWidget;

namespace modVelmora {

// Greys the results whose entries have changed since Calculate made them, and tells screen
// readers so; they return to normal when Calculate runs again or the entries are typed back.
// The results keep their texts, so what a refused entry leaves on show stays as it was.
class OutOfDateResults : public QObject {
    Q_OBJECT
public:
    explicit OutOfDateResults(QObject* parent) : QObject(parent) {}

    // These results are made from these entries: text boxes, check and option buttons,
    // lists and the decimals spinner. A label's text turns grey; a table or picture is drawn grey.
    void add(const QList<QWidget*>& entries, const QList<QWidget*>& results);
    // Calculate has just shown results made from the entries as they now stand.
    void calculated();
    // A button that copies or saves these results: while any of them is out of date it copies
    // nothing (refuses() beeps), and its tooltip says why.
    void guard(QAbstractButton* button, const QList<QWidget*>& results);
    bool refuses(const QAbstractButton* button) const;

private:
    struct Group {
        QList<QWidget*> entries;
        QList<QWidget*> results;
        QList<QColor> colours;   // each result's own text colour
        QStringList madeFrom;    // the entries when Calculate last ran; empty before it has
        bool outOfDate = false;
    };

    struct Guard {
        QAbstractButton* button;
        QList<QWidget*> results;
    };

    void entryChanged();
    void show(Group& group, bool outOfDate);
    bool isOutOfDate(const QList<QWidget*>& results) const;

    std::vector<Group> groups_;
    std::vector<Guard> guards_;
};

// The accessible description of a result that is out of date.
QString OutOfDateNote();

}  // namespace modVelmora
