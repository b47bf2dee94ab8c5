#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "shell/moduleframe.h"

namespace modVelmora {

class frmAbout;

using ModuleFactory = std::function<std::unique_ptr<ModuleWindow>()>;

// The run's windows: one object for each module window, made the first time
// it is shown, and the About box. main owns it for the whole run, so every
// window goes while the application still lives. It answers the windows'
// requests: another module, the About box, the end of the program.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(std::map<Module, ModuleFactory> factories);
    ~Program() override;

    // The window object of a module number; none for a number with no window.
    ModuleWindow* window(int number);

    // Reads the shared settings and shows the window named by View, or the raw
    // score window when View names none.
    void StartUp();
    // Replaces window by the module of index at the same place; nothing is stored.
    void SwitchModule(ModuleWindow& window, int index);
    // Records window's position, unloads every window, saves the settings once
    // and ends the program.
    void ExitProgram(ModuleWindow& window);
    // Help > About: the About box, shown modally.
    void ShowAbout();

private:
    struct Slot {
        ModuleFactory create;
        std::unique_ptr<ModuleWindow> window;
    };
    std::map<int, Slot> modules_;
    std::unique_ptr<frmAbout> about_;
    bool exiting_ = false;
};

}  // namespace modVelmora
