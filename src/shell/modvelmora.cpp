#include "shell/modvelmora.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "shell/platform.h"

namespace modVelmora {

void OpenInstructions(QWidget* owner) {
    // Beside the program in its build folder and on Windows; in share/velmora when installed
    // on Linux; in the bundle's resources on macOS.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const char* place : {"Velmora Help.pdf", "../share/velmora/Velmora Help.pdf", "../Resources/Velmora Help.pdf"}) {
        const QString path = QDir::cleanPath(programFolder.filePath(QString::fromLatin1(place)));
        if (!QFileInfo::exists(path)) continue;
        platform().openDocument(path, [window = QPointer<QWidget>(owner), path] {
            platform().showMessage(window, QCoreApplication::translate("modVelmora::ModuleWindow",
                                                                       "The manual could not be opened: no program for PDF "
                                                                       "documents was found. It is at %1")
                                                   .arg(QDir::toNativeSeparators(path)),
                                   MessageIcon::Information);
        });
        return;
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

std::string TypedNumber(const QString& text) { return QString(text).replace(DecimalSeparator(), QStringLiteral(".")).toStdString(); }

QString InWords(QStringList parts) {
    parts.removeAll(QString());
    return parts.join(DecimalSeparator() == QStringLiteral(",") ? QStringLiteral("; ") : QStringLiteral(", "));
}

bool IsDecimalKey(int keyAscii) { return keyAscii == '.' || QString(QChar(keyAscii)) == DecimalSeparator(); }

}  // namespace modVelmora
