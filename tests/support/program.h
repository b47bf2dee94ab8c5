#pragma once

#include <QList>

#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "teststore.h"

// A test case that starts from a program never run: an empty store, no module
// windows registered, the Settings record at its defaults.
inline void ResetProgram() {
    ClearStore();
    modVelmora::ClearModules();
    modVelmora::Settings() = modVelmora::SettingsRecord{};
}

// Lets every window go as a module switch would, without ending the program.
inline void ReleaseProgram() {
    modVelmora::Settings().switching = true;
    modVelmora::ReleaseWindows();
    modVelmora::Settings().switching = false;
}

// The registered module windows on screen.
inline QList<modVelmora::ModuleWindow*> ShownModules() {
    QList<modVelmora::ModuleWindow*> shown;
    for (int number = modVelmora::ModuleWindow::kFirstModule; number <= modVelmora::ModuleWindow::kLastModule; ++number)
        if (modVelmora::IsModuleAvailable(number) && modVelmora::ModuleWindowFor(number)->isLoaded())
            shown << modVelmora::ModuleWindowFor(number);
    return shown;
}
