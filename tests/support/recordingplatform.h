#pragma once

#include <QDate>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include "shell/platform.h"

// Stands in for the desktop in tests: records what the program asked of it
// instead of blocking on a message box or playing a sound.
class RecordingPlatform : public modVelmora::Platform {
public:
    RecordingPlatform() { modVelmora::setPlatform(this); }
    ~RecordingPlatform() override { modVelmora::setPlatform(nullptr); }

    // "!" goes before a message with the exclamation icon.
    void showMessage(QWidget*, const QString& text, modVelmora::MessageIcon icon) override {
        messages << (icon == modVelmora::MessageIcon::Exclamation ? "!" : "") + text;
    }
    void beep() override { ++beeps; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void setClipboardImage(const QImage& image) override { clipboardImage = image; }
    void setClipboardTable(const QString& tabSeparated, const QString& html) override { clipboard = tabSeparated, clipboardHtml = html; }
    QString askSavePath(QWidget*, const QString&, const QString&, const QString& filters, QString* chosen = nullptr) override {
        if (chosen) *chosen = filters.split(";;").value(saveFilter);
        return savePath;
    }
    // Each question is recorded as "kind: its texts", then answered from the fields below.
    QString askOpenPath(QWidget*, const QString& title, const QString&) override { return questions << "open: " + title, openPath; }
    std::optional<QString> askText(QWidget*, const QString& title, const QString& label, const QString& initial) override {
        return questions << QString("text: %1 | %2 | %3").arg(title, label, initial), textAnswer;
    }
    bool confirm(QWidget*, const QString& text) override { return questions << "confirm: " + text, confirmAnswer; }
    // Printed as the desktop prints to a PDF file when printPath is set.
    QString print(QWidget*, QTextDocument& document) override {
        printed << document.toPlainText();
        if (printPath.isEmpty()) return {};
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(printPath);
        return modVelmora::PrintDocument(printer, document);
    }
    void openUrl(const QUrl& url) override { openedUrls << url.toString(); }
    void openDocument(const QString& path, std::function<void()> failed) override {
        openedUrls << QUrl::fromLocalFile(path).toString();
        if (!documentOpener) failed();
    }
    void playWave(int id) override { sounds << id; }
    QDate today() override { return todayDate; }
    bool supportsWindowOpacity() override { return windowOpacity; }
    void endProgram() override { ++programEnds; }
    void endProgramImmediately() override { ++immediateEnds; }

    void reset() {
        messages.clear();
        openedUrls.clear();
        printed.clear();
        sounds.clear();
        clipboard = kUntouched;
        clipboardHtml.clear();
        clipboardImage = QImage();
        savePath.clear();
        saveFilter = 0;
        printPath.clear();
        openPath.clear();
        textAnswer.reset();
        confirmAnswer = false;
        questions.clear();
        documentOpener = true;
        beeps = programEnds = immediateEnds = 0;
    }

    static constexpr const char* kUntouched = "(clipboard untouched)";
    QStringList messages;
    int beeps = 0;
    QString clipboard = kUntouched;
    QString clipboardHtml;
    QImage clipboardImage;
    QString savePath;  // where the user chooses to save, empty to cancel
    int saveFilter = 0;  // the file type chosen, counted from the first offered
    QString openPath;  // the file the user chooses to open, empty to cancel
    QString printPath;  // the PDF file the user prints to, empty for a printer
    std::optional<QString> textAnswer;  // the text the user gives, none to cancel
    bool confirmAnswer = false;         // Yes
    QStringList questions;
    QStringList openedUrls;
    QStringList printed;  // the text of each document printed
    QList<int> sounds;
    QDate todayDate{2018, 1, 14};
    bool windowOpacity = false;
    bool documentOpener = true;  // a program for PDF documents is installed
    int programEnds = 0;
    int immediateEnds = 0;
};
