#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "shell/moduleframe.h"
#include "shell/settings.h"

namespace modVelmora {

class frmAbout;
class frmSession;
class SessionLog;

using ModuleFactory = std::function<std::unique_ptr<ModuleWindow>(Settings& settings)>;

// The run's windows and settings: one object for each module window, made
// the first time it is shown, the About box, the session of results and its
// window, and the user's settings, which it hands to the windows. main owns it
// for the whole run, so every window goes while the application still lives.
// It answers the windows' requests: another module, the About box, the
// session, the end of the program.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(std::map<Module, ModuleFactory> factories);
    ~Program() override;

    Settings& settings() { return settings_; }
    // The window object of a module, made on first use.
    ModuleWindow& window(Module module);
    // The module window on screen, if any.
    ModuleWindow* shownWindow();

    // Reads the shared settings and shows the window named by View, or the raw
    // score window when View names none.
    void StartUp();
    // Replaces window by the module chosen, at the same place; nothing is stored.
    void SwitchModule(ModuleWindow& window, Module module);
    // Records window's position, unloads every window, saves the settings once
    // and ends the program.
    void ExitProgram(ModuleWindow& window);
    // Help > About: the About box, shown modally.
    void ShowAbout();
    // File > Session… or a window's Session button: the Session window, beside the module window.
    void ShowSession();
    SessionLog& session() { return *session_; }
    // The Session window, once shown.
    frmSession* sessionWindow() { return sessionWindow_.get(); }

private:
    struct Slot {
        ModuleFactory create;
        std::unique_ptr<ModuleWindow> window;
    };
    Settings settings_;
    std::map<Module, Slot> modules_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<SessionLog> session_;
    std::unique_ptr<frmSession> sessionWindow_;
    bool exiting_ = false;
};

}  // namespace modVelmora
