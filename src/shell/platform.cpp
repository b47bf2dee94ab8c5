#include "shell/platform.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMimeData>
#include <QPdfWriter>
#include <QLibrary>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTextDocument>
#include <cstdlib>
#include <map>

#include "common/filewrite.h"

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <mmsystem.h>
#endif

namespace modVelmora {

namespace {

constexpr const char* kApplicationTitle = QT_TRANSLATE_NOOP("modVelmora::Platform", "The Velmora");

class DesktopPlatform final : public Platform {
public:
    void showMessage(QWidget* owner, const QString& text, MessageIcon icon) override {
        QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                        QCoreApplication::translate("modVelmora::Platform", kApplicationTitle), text, QMessageBox::Ok, owner);
        box.exec();
    }

    void beep() override { QApplication::beep(); }

    void setClipboardText(const QString& text) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    }

    void setClipboardImage(const QImage& image) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(image);
    }

    void setClipboardTable(const QString& tabSeparated, const QString& html) override {
        // Both forms at once: a word processor pastes the HTML table, a plain editor the tabs.
        auto* data = new QMimeData;
        data->setText(tabSeparated);
        data->setHtml(html);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setMimeData(data);
    }

    QString askSavePath(QWidget* owner, const QString& title, const QString& suggested, const QString& filters,
                        QString* chosen = nullptr) override {
        return QFileDialog::getSaveFileName(owner, title, suggested, filters, chosen);
    }

    QString askOpenPath(QWidget* owner, const QString& title, const QString& filters) override {
        return QFileDialog::getOpenFileName(owner, title, QString(), filters);
    }

    std::optional<QString> askText(QWidget* owner, const QString& title, const QString& label, const QString& initial) override {
        bool given = false;
        const QString text = QInputDialog::getText(owner, title, label, QLineEdit::Normal, initial, &given);
        return given ? std::optional(text) : std::nullopt;
    }

    bool confirm(QWidget* owner, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate("modVelmora::Platform", kApplicationTitle), text,
                        QMessageBox::Yes | QMessageBox::No, owner);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    QString print(QWidget* owner, QTextDocument& document) override {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, owner);
        if (dialog.exec() != QDialog::Accepted) return {};
        return PrintDocument(printer, document);
    }

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }

    void openDocument(const QString& path, std::function<void()> failed) override {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // The desktop's opener starts at once and says only later, and only on standard error, that no
        // program takes the file; its exit status tells.
        auto* opener = new QProcess(qApp);
        QObject::connect(opener, &QProcess::finished, opener, [opener, failed](int code, QProcess::ExitStatus status) {
            if (code != 0 || status != QProcess::NormalExit) failed();
            opener->deleteLater();
        });
        QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            failed();
            opener->deleteLater();
        });
        opener->setStandardOutputFile(QProcess::nullDevice());
        opener->setStandardErrorFile(QProcess::nullDevice());
        opener->start(QStringLiteral("xdg-open"), {path});
#else
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) failed();
#endif
    }

    void playWave(int id) override {
#ifdef Q_OS_WIN
        // Windows plays a wave from memory while the call returns; the memory must outlive the sound, even
        // one still playing as the program ends, so each wave is read once and never freed. A new sound
        // stops the one still playing.
        static auto& waves = *new std::map<int, QByteArray>;
        QByteArray& wave = waves[id];
        if (wave.isEmpty()) {
            QFile file(QStringLiteral(":/sounds/wave%1.wav").arg(id));
            if (file.open(QIODevice::ReadOnly)) wave = file.readAll();
        }
        if (!wave.isEmpty())
            PlaySoundW(reinterpret_cast<LPCWSTR>(wave.constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
#else
        // The sound module, and with it the multimedia stack, is loaded with the first sound.
        using Player = void (*)(const char*);
        static const auto play = reinterpret_cast<Player>(soundModule().resolve("VelmoraPlayWave"));
        if (play) play(QStringLiteral("qrc:/sounds/wave%1.wav").arg(id).toUtf8().constData());
#endif
    }

    QDate today() override { return QDate::currentDate(); }

    bool supportsWindowOpacity() override {
        const QString system = QGuiApplication::platformName();
        return system == QLatin1String("xcb") || system == QLatin1String("windows") ||
               system == QLatin1String("cocoa");
    }

    void endProgram() override { QCoreApplication::exit(0); }

    void endProgramImmediately() override { std::_Exit(0); }

#ifndef Q_OS_WIN
private:
    // Beside the program, or in lib/velmora when installed.
    static QLibrary& soundModule() {
        static QLibrary module;
        if (module.fileName().isEmpty()) {
            const QDir folder(QCoreApplication::applicationDirPath());
            for (const char* place : {"velmora_sound", "../lib/velmora/velmora_sound"}) {
                module.setFileName(folder.filePath(QString::fromLatin1(place)));
                if (module.load()) break;
            }
        }
        return module;
    }
#endif
};

Platform* current = nullptr;

}  // namespace

QString PrintDocument(QPrinter& printer, QTextDocument& document) {
    const QString path = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || path.isEmpty()) {
        document.print(&printer);
        return {};
    }
    // Printing to a file: the PDF is made in memory and written as every file is, so that a full disk is told of.
    const QByteArray pdf = DocumentAsPdf(document, printer.docName(), [&printer](QPdfWriter& writer) {
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
    });
    const QString why = WriteWholeFile(path, pdf);
    if (why.isEmpty()) return {};
    return QCoreApplication::translate("modVelmora::Platform", "The document could not be printed to %1: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QByteArray DocumentAsPdf(QTextDocument& document, const QString& title, const std::function<void(QPdfWriter& pdf)>& layOut) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Velmora"));
        layOut(pdf);
        document.print(&pdf);
    }
    return buffer.data();
}

Platform& platform() {
    static DesktopPlatform desktop;
    return current ? *current : desktop;
}

void setPlatform(Platform* replacement) { current = replacement; }

}  // namespace modVelmora
