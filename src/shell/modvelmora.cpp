#include "shell/modvelmora.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QUrl>
#include <map>

#include "shell/frmabout.h"
#include "shell/moduleframe.h"
#include "shell/platform.h"
#include "shell/settingsrecord.h"
#include "shell/settingsstore.h"

namespace modVelmora {

namespace {

struct Module {
    ModuleFactory create;
    std::unique_ptr<ModuleWindow> window;
};

std::map<int, Module>& modules() {
    static std::map<int, Module> registry;
    return registry;
}

constexpr int kRawScoreModule = 1;

}  // namespace

void RegisterModule(int number, ModuleFactory create) { modules()[number] = Module{std::move(create), nullptr}; }

bool IsModuleAvailable(int number) { return modules().count(number) != 0; }

ModuleWindow* ModuleWindowFor(int number) {
    const auto found = modules().find(number);
    if (found == modules().end()) return nullptr;
    Module& module = found->second;
    if (!module.window) module.window = module.create();
    return module.window.get();
}

void ClearModules() { modules().clear(); }

void ReleaseWindows() {
    ClearModules();
    ReleaseAboutBox();
}

void StartUp() {
    // The program's icon is drawn from SVG; the splash has no caption to show it in.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/velmora.svg")));
    LoadSettings();
    // A View that names no module opens the raw score window, so one bad
    // stored value cannot keep the program from ever starting again.
    ModuleWindow* window = ModuleWindowFor(Settings().view);
    if (!window) window = ModuleWindowFor(kRawScoreModule);
    if (window) window->show();
}

void SwitchModule(ModuleWindow& window, int index) {
    Settings().switching = true;
    window.recordPosition();
    window.unload();
    if (ModuleWindow* next = ModuleWindowFor(index)) next->show();
    Settings().switching = false;
}

void ExitProgram(ModuleWindow& window) {
    // Unloading a module window asks for the exit again; the sequence runs once.
    static bool exiting = false;
    if (exiting) return;
    exiting = true;
    window.recordPosition();
    for (auto& [number, module] : modules())
        if (module.window) module.window->unload();
    SaveSettings();
    exiting = false;
    platform().endProgram();
}

void OpenInstructions() {
    // Beside the program in its build folder and on Windows; in share/velmora when installed
    // on Linux; in the bundle's resources on macOS.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const char* place : {"Velmora Help.pdf", "../share/velmora/Velmora Help.pdf", "../Resources/Velmora Help.pdf"}) {
        const QString path = QDir::cleanPath(programFolder.filePath(QString::fromLatin1(place)));
        if (QFileInfo::exists(path)) {
            platform().openUrl(QUrl::fromLocalFile(path));
            return;
        }
    }
}

void PlayWaveResource(int id) { platform().playWave(id); }

void InstallTranslations(const QLocale& locale, QTranslator& program, QTranslator& qt) {
    if (program.load(locale, QStringLiteral("velmora"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&program);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

QString DecimalSeparator() { return QLocale::system().decimalPoint(); }

QString ShownNumber(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('.'), DecimalSeparator());
}

}  // namespace modVelmora
