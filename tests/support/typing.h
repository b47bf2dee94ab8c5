#pragma once

#include <QString>

class QWidget;

// Types text as a user would, each key to whichever control has the focus.
// "\r" is Enter, "\x1b" Escape, "\b" Backspace and "\t" Tab.
void TypeKeys(const QString& keys);

// Makes the window active so that keys reach its focused control.
bool Activate(QWidget* window);

// The object name of the control with the focus ("" when none).
QString FocusName();
