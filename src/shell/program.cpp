#include "shell/program.h"

#include <QApplication>
#include <QIcon>

#include "shell/frmabout.h"
#include "shell/platform.h"

namespace modVelmora {

Program::Program(std::map<Module, ModuleFactory> factories) {
    for (auto& [module, create] : factories) modules_[module].create = std::move(create);
}

Program::~Program() = default;

ModuleWindow& Program::window(Module module) {
    Slot& slot = modules_.at(module);
    if (!slot.window) {
        slot.window = slot.create(settings_);
        ModuleWindow* made = slot.window.get();
        connect(made, &ModuleWindow::switchRequested, this, [this, made](Module next) { SwitchModule(*made, next); });
        connect(made, &ModuleWindow::exitRequested, this, [this, made] { ExitProgram(*made); });
        connect(made, &ModuleWindow::aboutRequested, this, &Program::ShowAbout);
    }
    return *slot.window;
}

ModuleWindow* Program::shownWindow() {
    for (auto& [module, slot] : modules_)
        if (slot.window && slot.window->isLoaded()) return slot.window.get();
    return nullptr;
}

void Program::StartUp() {
    // The program's icon is drawn from SVG; the splash has no caption to show it in.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/velmora.svg")));
    settings_.load();
    // A View that names no module opens the raw score window, so one bad
    // stored value cannot keep the program from ever starting again.
    window(ModuleNumbered(settings_.record.view).value_or(Module::RawScore)).show();
}

void Program::SwitchModule(ModuleWindow& current, Module next) {
    ModuleWindow& shown = window(next);
    current.recordPosition();
    current.unload(ModuleWindow::Unload::ForSwitch);
    shown.show();
}

void Program::ExitProgram(ModuleWindow& current) {
    // The window closed by its close box asks for the exit while it unloads; the sequence runs once.
    if (exiting_) return;
    exiting_ = true;
    current.recordPosition();
    for (auto& [module, slot] : modules_)
        if (slot.window) slot.window->unload(ModuleWindow::Unload::ForExit);
    settings_.save();
    exiting_ = false;
    platform().endProgram();
}

void Program::ShowAbout() {
    if (!about_) about_ = std::make_unique<frmAbout>();
    about_->exec();
}

}  // namespace modVelmora
