#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <string>

class QWidget;

// The shell's shared routines that belong to no window.

namespace modVelmora {

// Opens "Velmora Help.pdf" from the program's folder (or where an installation puts it);
// a missing document changes nothing, one that no program can open is reported with its path.
void OpenInstructions(QWidget* owner);

// Plays one of the program's two WAVE resources (1 closing, 2 opening) without waiting.
void PlayWaveResource(int id);

// The program's texts and Qt's own (the dialogs' buttons) in the language of
// locale, installed for the run; English, the language they are written in, needs none.
void InstallTranslations(const QLocale& locale, QTranslator& program, QTranslator& qt);

// The decimal separator of the user's regional settings.
QString DecimalSeparator();
// A number text written with "." as the user reads it: with their decimal separator.
QString ShownNumber(const std::string& text);
// A typed number as the computations read it: the user's decimal separator, like ".", is the
// decimal point ("1,5" is one and a half where the comma is the separator).
std::string TypedNumber(const QString& text);
// Whether a typed character is a decimal point: "." or the user's separator (the keypad's
// decimal key types "," on a German keyboard).
bool IsDecimalKey(int keyAscii);
// Parts of a sentence listed as the user reads them: after commas, or after semicolons where the
// comma is the decimal separator ("raw 23,5; mean 31,4"); empty parts are left out.
QString InWords(QStringList parts);

}  // namespace modVelmora
