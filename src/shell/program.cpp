#include "shell/program.h"

#include <QApplication>
#include <QIcon>

#include "shell/frmabout.h"
#include "shell/platform.h"
#include "shell/settingsrecord.h"
#include "shell/settingsstore.h"

namespace modVelmora {

Program::Program(std::map<Module, ModuleFactory> factories) {
    for (auto& [number, create] : factories) modules_[static_cast<int>(number)].create = std::move(create);
}

Program::~Program() = default;

ModuleWindow* Program::window(int number) {
    const auto found = modules_.find(number);
    if (found == modules_.end()) return nullptr;
    Slot& slot = found->second;
    if (!slot.window) {
        slot.window = slot.create();
        ModuleWindow* made = slot.window.get();
        connect(made, &ModuleWindow::switchRequested, this, [this, made](int index) { SwitchModule(*made, index); });
        connect(made, &ModuleWindow::exitRequested, this, [this, made] { ExitProgram(*made); });
        connect(made, &ModuleWindow::aboutRequested, this, &Program::ShowAbout);
    }
    return slot.window.get();
}

void Program::StartUp() {
    // The program's icon is drawn from SVG; the splash has no caption to show it in.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/velmora.svg")));
    LoadSettings();
    // A View that names no module opens the raw score window, so one bad
    // stored value cannot keep the program from ever starting again.
    ModuleWindow* shown = window(Settings().view);
    if (!shown) shown = window(static_cast<int>(Module::RawScore));
    if (shown) shown->show();
}

void Program::SwitchModule(ModuleWindow& current, int index) {
    // A number with no window leaves the current one in place: never a program without a window.
    ModuleWindow* next = window(index);
    if (!next) return;
    current.recordPosition();
    current.unload(ModuleWindow::Unload::ForSwitch);
    next->show();
}

void Program::ExitProgram(ModuleWindow& current) {
    // The window closed by its close box asks for the exit while it unloads; the sequence runs once.
    if (exiting_) return;
    exiting_ = true;
    current.recordPosition();
    for (auto& [number, slot] : modules_)
        if (slot.window) slot.window->unload(ModuleWindow::Unload::ForExit);
    SaveSettings();
    exiting_ = false;
    platform().endProgram();
}

void Program::ShowAbout() {
    if (!about_) about_ = std::make_unique<frmAbout>();
    about_->exec();
}

}  // namespace modVelmora
