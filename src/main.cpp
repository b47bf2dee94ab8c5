#include <QApplication>

#include "common/version.h"
#include "modules.h"
#include "shell/controls.h"
#include "shell/frmsplash.h"
#include "shell/modvelmora.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QLatin1String(modVelmora::kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.velmora"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTranslator programTexts, qtTexts;
    modVelmora::InstallTranslations(QLocale::system(), programTexts, qtTexts);
    // One font family throughout, as the windows were designed in Arial.
    QApplication::setFont(modVelmora::Arial(8.25));
    // The program ends through its exit routine, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows live as long as main; the application outlives them.
    modVelmora::Program program(modVelmora::ModuleWindows());
    auto* splash = new modVelmora::frmSplash([&program] { program.StartUp(); });
    splash->show();
    splash->activateWindow();
    return QApplication::exec();
}
