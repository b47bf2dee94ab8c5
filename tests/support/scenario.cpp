#include "scenario.h"

#include "rawscore/normsets.h"
#include "session/sessionfile.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QWindow>

#include "age/datetext.h"
#include "modules.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"

namespace {

// Visible windows and controls first, so a window just unloaded or a dialog closed (its deletion
// pending) is never the one found.
template <class T>
T* find(const QString& name) {
    for (const bool visibleOnly : {true, false}) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (visibleOnly && !window->isVisible()) continue;
            if (window->objectName() == name) return qobject_cast<T*>(window);
            for (T* found : window->findChildren<T*>(name)) {
                if constexpr (std::is_base_of_v<QWidget, T>)
                    if (visibleOnly && !found->isVisible()) continue;
                return found;
            }
        }
    }
    return nullptr;
}

QString withDates(QString text) {
    static const QRegularExpression date("\\{date:([0-9-]+)\\}");
    for (auto match = date.match(text); match.hasMatch(); match = date.match(text))
        text.replace(match.captured(0), modVelmora::DateText(QDate::fromString(match.captured(1), Qt::ISODate)));
    return text;
}

// "cell:table:row:column" for a cell's text, "tip:…" and "colour:…" for its tooltip and background, of a
// table widget's item or of any table view's model.
QString cellOf(const QString& what) {
    const QStringList piece = what.split(':');
    auto* view = find<QAbstractItemView>(piece[1]);
    auto* table = qobject_cast<QTableWidget*>(view);
    const QModelIndex cell = view ? view->model()->index(piece[2].toInt(), piece[3].toInt()) : QModelIndex();
    if (!cell.isValid() || (table && !table->item(cell.row(), cell.column()))) return "<no cell " + what.section(':', 1) + ">";
    if (piece[0] == "tip") return cell.data(Qt::ToolTipRole).toString();
    const QBrush background = cell.data(Qt::BackgroundRole).value<QBrush>();
    if (piece[0] == "colour") return background.style() == Qt::NoBrush ? "none" : background.color().name();
    return cell.data(Qt::DisplayRole).toString();
}

QString textOf(const QString& what) {
    if (what.count(':') == 3) return cellOf(what);
    if (what.startsWith("rows:")) return QString::number(find<QTableView>(what.mid(5))->model()->rowCount());
    const QString name = what.section(':', -1);
    if (auto* action = find<QAction>(name); action && what.startsWith("checked:")) return action->isChecked() ? "1" : "0";
    auto* widget = find<QWidget>(name);
    if (!widget && what.startsWith("shown:")) return "0";  // a window closed for good is not shown
    if (!widget) return "<no " + name + ">";
    if (what.startsWith("tip:")) return widget->toolTip();
    if (what.startsWith("name:")) return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    if (what.startsWith("description:")) return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    if (what.startsWith("shown:")) return widget->isVisible() ? "1" : "0";
    if (what.startsWith("checked:")) return qobject_cast<QAbstractButton*>(widget)->isChecked() ? "1" : "0";
    if (what.startsWith("colour:")) return widget->palette().color(widget->backgroundRole()).name();
    // Greyed as out of date: a label's text, or a table or picture drawn through a grey effect.
    if (what.startsWith("grey:")) return qobject_cast<QLabel*>(widget) ? widget->palette().color(QPalette::WindowText).name()
                                         : widget->graphicsEffect() ? "effect" : "none";
    return widget->property("text").toString();  // of a box, label or button
}

std::unique_ptr<modVelmora::Program> program;

QWidget* shownModuleWindow() {
    modVelmora::ModuleWindow* shown = program ? program->shownWindow() : nullptr;
    return shown ? shown->form() : nullptr;
}

QSettings store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora"); }

}  // namespace

QString Shown(QString text) {
    // In a text with words only a point between digits is a decimal point ("Cannot divide by 0." keeps its own).
    static const QRegularExpression words("[A-Za-z]"), decimalPoint("(?<=\\d)\\.(?=\\d)");
    if (text.contains(words)) return text.replace(decimalPoint, QLocale::system().decimalPoint());
    return text.replace('.', QLocale::system().decimalPoint());
}

modVelmora::Program& NewProgram() {
    program.reset();
    program = std::make_unique<modVelmora::Program>(modVelmora::ModuleWindows());
    return *program;
}

modVelmora::Program& TheProgram() { return *program; }

QWidget* StartProgram(modVelmora::Module module, const QStringList& stored) {
    QSettings settings = store();
    settings.clear();
    settings.setValue("Parameters/View", QString::number(static_cast<int>(module)));
    for (const QString& line : stored) settings.setValue("Parameters/" + line.section('=', 0, 0), line.section('=', 1));
    settings.sync();
    // Each row starts a session of its own, without saved norm sets.
    for (const QString& file : {modVelmora::DefaultSessionPath(), modVelmora::SessionFile(modVelmora::DefaultSessionPath()).journalPath()})
        QFile::remove(file);
    QFile::remove(modVelmora::NormSetsPath());
    NewProgram().StartUp();
    QWidget* form = shownModuleWindow();
    Activate(form);
    return form;
}

void StopProgram() { program.reset(); }

void Play(const QString& steps) {
    static const QRegularExpression step("\\[(2:)?([A-Za-z0-9_]+)(=[^\\]]*)?\\]|\\{([^}]+)\\}|(.)",
                                         QRegularExpression::DotMatchesEverythingOption);
    for (auto it = step.globalMatch(steps); it.hasNext();) {
        const auto match = it.next();
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                          : QApplication::focusWidget()   ? QApplication::focusWidget()
                                                          : QApplication::activeWindow();
        if (!match.captured(3).isEmpty()) {
            // Text put in a box past its key filter, as a paste would.
            find<QLineEdit>(match.captured(2))->setText(withDates(match.captured(3).mid(1)));
        } else if (!match.captured(2).isEmpty()) {
            const QString name = match.captured(2);
            if (auto* action = find<QAction>(name)) {
                action->trigger();
            } else if (QPointer<QWidget> control = find<QWidget>(name)) {
                // A click outside an open list closes it, as the window system does, before its window comes forward.
                if (QWidget* popup = QApplication::activePopupWidget(); popup && popup->window() != control->window()) popup->close();
                // A click on another window activates it first, as the window system does; a window that
                // closes for good as it is activated (the calendar, a dialog closed) takes no click.
                if (!control->isActiveWindow() && (!Activate(control->window()) || !control)) continue;
                // Through the window, as a real click arrives, so pop-ups and grabs take part.
                QWindow* window = control->window()->windowHandle();
                const QPoint at = control->mapTo(control->window(), control->rect().center());
                if (match.captured(1).isEmpty()) QTest::mouseClick(window, Qt::LeftButton, {}, at);
                else QTest::mouseDClick(window, Qt::LeftButton, {}, at);
                QCoreApplication::processEvents();
            } else {
                QFAIL(qPrintable("no control " + name));
            }
        } else if (!target) {
            return;
        } else if (!match.captured(4).isEmpty()) {
            const QKeyCombination key = QKeySequence::fromString(match.captured(4))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        } else {
            const QChar c = match.captured(5).at(0);
            const int special = QString("\r\x1b\b\t").indexOf(c);
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab};
            if (special >= 0) QTest::keyClick(target, keys[special]);
            else QTest::keyClick(target, c.toLatin1());
        }
    }
}

void Check(const QStringList& seen, const RecordingPlatform& platform) {
    for (const QString& entry : seen) {
        const QString what = entry.section('=', 0, 0);
        QString expected = withDates(entry.section('=', 1));
        QString actual;
        if (what == "focus") actual = FocusName();
        else if (what == "window") actual = shownModuleWindow() ? shownModuleWindow()->objectName() : "";
        else if (what == "position") actual = QString("%1,%2").arg(shownModuleWindow()->x()).arg(shownModuleWindow()->y());
        else if (what == "clipboard") actual = platform.clipboard, expected = Shown(expected);
        else if (what == "messages") actual = platform.messages.join('|');
        else if (what == "beeps") actual = QString::number(platform.beeps);
        else if (what == "clipboard image") actual = platform.clipboardImage.isNull() ? "" : QString("%1x%2").arg(platform.clipboardImage.width())
                                                                                                  .arg(platform.clipboardImage.height());
        else if (what == "ends") actual = QString::number(platform.programEnds);
        else if (what.startsWith("stored:")) actual = store().value("Parameters/" + what.mid(7), "<none>").toString();
        else actual = textOf(what);
        const bool numbersShown = what.startsWith("tip:") || what.startsWith("description:") || what.startsWith("cell:");
        if (numbersShown || (!what.contains(':') && qobject_cast<QLabel*>(find<QWidget>(what)))) expected = Shown(expected);
        QVERIFY2(actual == expected, qPrintable(QString("%1: \"%2\", expected \"%3\"").arg(what, actual, expected)));
    }
}

void Run(const Scenario& row, RecordingPlatform& platform) {
    StartProgram(row.module, row.stored);
    platform.reset();
    Play(row.steps);
    Check(row.seen, platform);
    StopProgram();
}

bool Activate(QWidget* window) {
    // Waited for here: qWaitForWindowActive would touch a window deleted while it waits (a dialog closed).
    const QPointer<QWidget> alive = window;
    window->activateWindow();
    return QTest::qWaitFor([&] { return !alive || alive->isActiveWindow(); }, 5000) && alive;
}

QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
