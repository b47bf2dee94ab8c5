#include "program.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>

#include "cli/commands.h"
#include "session/frmsession.h"
#include "session/sessionlog.h"
#include "shell/frmabout.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

// velmora-cli's columns, in the order a saved session's CSV gives them.
QStringList cliColumns() {
    QStringList columns;
    for (const std::string_view column : cli::ColumnOrder()) columns << QString::fromLatin1(column.data(), qsizetype(column.size()));
    return columns;
}

}  // namespace

Program::Program(std::map<Module, ModuleFactory> factories) : session_(std::make_unique<SessionLog>(DefaultSessionPath())) {
    for (auto& [module, create] : factories) modules_[module].create = std::move(create);
    const auto tell = [this](const QString& why) {
        platform().showMessage(shownWindow() ? shownWindow()->form() : nullptr, why, MessageIcon::Exclamation);
    };
    connect(session_.get(), &SessionLog::notSaved, this, tell);
    settings_.tellFailures(tell);
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
        connect(made, &ModuleWindow::sessionRequested, this, &Program::ShowSession);
        connect(made, &ModuleWindow::resultMade, session_.get(),
                [this](const CalculatedResult& result) { session_->add(RowOf(result, QDateTime::currentDateTime())); });
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
    ModuleWindow& shown = window(ModuleNumbered(settings_.record.view).value_or(Module::RawScore));
    shown.show();
    // A damaged session is set aside and a new one starts: the program always starts.
    if (const QString problem = session_->load(); !problem.isEmpty())
        platform().showMessage(shown.form(), problem, MessageIcon::Exclamation);
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
    // Results not on disk (another Velmora holds the session, or the disk stayed full) are offered as CSV
    // before they go, as long as the user wants to try.
    const auto& rows = session_->rows();
    if (!session_->close())
        while (platform().confirm(current.form(), tr("The results of this session (%n) could not be kept on disk, and go when the program "
                                                     "ends. Save them as a CSV file first?", nullptr, int(rows.size()))) &&
               !SaveSessionCsv(current.form(), rows, session_->patients(), cliColumns())) {}
    for (auto& [module, slot] : modules_)
        if (slot.window) slot.window->unload(ModuleWindow::Unload::ForExit);
    if (sessionWindow_) sessionWindow_->hide();
    settings_.save();
    exiting_ = false;
    platform().endProgram();
}

void Program::ShowSession() {
    if (!sessionWindow_) {
        sessionWindow_ = std::make_unique<frmSession>(*session_, cli::Commands(), cliColumns());
        // Beside the module window, not over the entries it collects, as far as the screen allows.
        if (ModuleWindow* shown = shownWindow()) {
            QPoint at = shown->form()->frameGeometry().topRight() + QPoint(8, 0);
            if (const QScreen* screen = shown->form()->screen()) {
                const QRect room = screen->availableGeometry();
                at.setX(std::max(room.left(), std::min(at.x(), room.right() - sessionWindow_->frameGeometry().width())));
                at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - sessionWindow_->frameGeometry().height())));
            }
            sessionWindow_->move(at);
        }
    }
    sessionWindow_->show();
    sessionWindow_->raise();
    sessionWindow_->activateWindow();
}

void Program::ShowAbout() {
    if (!about_) about_ = std::make_unique<frmAbout>();
    about_->exec();
}

}  // namespace modVelmora
