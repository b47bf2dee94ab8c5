#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <functional>
#include <memory>
#include <string>

// The shell's shared routines: start-up, module switching and the exit
// routine, with the registry of module windows they open.

namespace modVelmora {

class ModuleWindow;

using ModuleFactory = std::function<std::unique_ptr<ModuleWindow>()>;

// Makes a module window available under its number (1, 2, 4 or 5).
void RegisterModule(int number, ModuleFactory create);
bool IsModuleAvailable(int number);
// The run's one window object of a module, created the first time it is asked for.
ModuleWindow* ModuleWindowFor(int number);
// Drops every registered module and its window object (tests start afresh).
void ClearModules();
// Destroys every window object of the run while the application still lives.
void ReleaseWindows();

// Reads the shared settings and shows the window named by View, or the raw
// score window when View names no available module.
void StartUp();
// Replaces window by the module of index at the same place; nothing is stored.
void SwitchModule(ModuleWindow& window, int index);
// Records window's position, unloads every window, saves the settings once
// and ends the program.
void ExitProgram(ModuleWindow& window);

// Opens "Velmora Help.pdf" from the program's folder (or where an installation puts it);
// a missing document changes nothing.
void OpenInstructions();

// Plays one of the program's two WAVE resources (1 closing, 2 opening) without waiting.
void PlayWaveResource(int id);

// The program's texts and Qt's own (the dialogs' buttons) in the language of
// locale, installed for the run; English, the language they are written in, needs none.
void InstallTranslations(const QLocale& locale, QTranslator& program, QTranslator& qt);

// The decimal separator of the user's regional settings.
QString DecimalSeparator();
// A number text written with "." as the user reads it: with their decimal separator.
QString ShownNumber(const std::string& text);

}  // namespace modVelmora
