#pragma once

#include <QStringList>
#include <QTest>

#include "recordingplatform.h"
#include "program.h"

class QWidget;

// One user's session as a table row: the program started with some stored
// settings and one module window, the user's keys and clicks, and what the
// user then sees.
struct Scenario {
    const char* name;
    modVelmora::Module module;  // the window shown at start (the stored View)
    QStringList stored;  // "key=text" in the settings store before the start
    QString steps;       // see Play
    QStringList seen;    // see Check
};
Q_DECLARE_METATYPE(Scenario)

modVelmora::Program& NewProgram();  // not yet started, with the settings and windows of a new run
modVelmora::Program& TheProgram();  // the program of the test under way
// Starts the program afresh: an empty store but for View = module and then
// `stored` (which may hold another View), and the window that start-up opens
// shown and active. Returns it.
QWidget* StartProgram(modVelmora::Module module, const QStringList& stored = {});
void StopProgram();  // lets every window go without ending the program or saving anything

// Characters are typed into the focused control ("\r" Enter, "\x1b" Esc, "\b"
// Backspace, "\t" Tab); "{Alt+F}" types a key combination; "[name]" clicks the
// control or menu entry of that object name, "[2:name]" double-clicks it, and
// "[name=text]" puts the text in a box past its key filter, as a paste would.
void Play(const QString& steps);

// Each entry is "what=expected": a control's name for its text ("." in numbers stands for the locale's
// separator in labels, table cells, tooltips, descriptions and the clipboard), "tip:name", "name:name" and
// "description:name" (for screen readers), "shown:name" and "checked:name" (1 or 0, of a control or menu entry),
// "colour:name" (its background, "#ffff00"), "grey:name" (a label's text colour; "effect" or "none" for a table or picture
// drawn grey or not), "rows:name" (a table's row count), "cell:name:row:column" (a table
// cell's text; "tip:" and "colour:" of a cell likewise, "none" for no background), "focus", "window" (the module
// window shown), "position" ("x,y"), "clipboard", "clipboard image" ("WxH" in pixels, empty when none), "messages"
// (joined by "|", "!" before one with the exclamation icon), "beeps", "ends" (how often the program ended) and
// "stored:key"; "{date:YYYY-MM-DD}" is that date as the program writes it.
void Check(const QStringList& seen, const RecordingPlatform& platform);

// StartProgram, Play, Check and StopProgram for one row.
void Run(const Scenario& row, RecordingPlatform& platform);

// Numbers as the user reads them: "." becomes the locale's decimal separator
// (in a text with words, only a point between digits).
QString Shown(QString text);

bool Activate(QWidget* window);  // so that keys reach its focused control
QString FocusName();              // of the control with the focus ("" when none)
