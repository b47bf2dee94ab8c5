#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QPdfWriter;
class QPrinter;
class QTextDocument;
class QWidget;

// The few services of the desktop that the windows use and that a test must
// observe rather than block on: message boxes, the beep, the clipboard,
// opening documents, sounds, today's date and ending the program.

namespace modVelmora {

enum class MessageIcon { Information, Exclamation };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal box titled "The Velmora" with one OK button.
    virtual void showMessage(QWidget* owner, const QString& text, MessageIcon icon) = 0;
    virtual void beep() = 0;
    // Empties the clipboard, then puts the text on it.
    virtual void setClipboardText(const QString& text) = 0;
    // Puts a picture, or a table as plain and rich text, on the clipboard.
    virtual void setClipboardImage(const QImage& image) = 0;
    virtual void setClipboardTable(const QString& tabSeparated, const QString& html) = 0;
    // Asks where to save a file (a modal dialog); empty when the user cancels. Of several filters (";;"
    // between them), the one the user chose goes in chosen, where one is given.
    virtual QString askSavePath(QWidget* owner, const QString& title, const QString& suggested, const QString& filters,
                                QString* chosen = nullptr) = 0;
    // Asks which file to open (a modal dialog); empty when the user cancels.
    virtual QString askOpenPath(QWidget* owner, const QString& title, const QString& filters) = 0;
    // Asks for a line of text, offering initial; none when the user cancels.
    virtual std::optional<QString> askText(QWidget* owner, const QString& title, const QString& label, const QString& initial) = 0;
    // A modal question titled "The Velmora" with Yes and No, No the default; true for Yes.
    virtual bool confirm(QWidget* owner, const QString& text) = 0;
    // Prints the document on the printer the user chooses in the print dialog (PrintDocument); the message
    // saying why it could not be printed, empty when it was printed or the user cancelled.
    virtual QString print(QWidget* owner, QTextDocument& document) = 0;
    // Opens a web page with the system's default program; failures are ignored.
    virtual void openUrl(const QUrl& url) = 0;
    // Opens a document with the system's program for its type, and calls failed, perhaps later,
    // when there is none to open it with.
    virtual void openDocument(const QString& path, std::function<void()> failed) = 0;
    // Plays one of the program's WAVE resources without waiting, stopping any sound still playing.
    virtual void playWave(int id) = 0;
    virtual QDate today() = 0;
    // Whether the windowing system can make a whole window translucent.
    virtual bool supportsWindowOpacity() = 0;
    // Ends the event loop once the exit routine has saved the settings.
    virtual void endProgram() = 0;
    // Ends the program at once: no window closes, nothing is saved.
    virtual void endProgramImmediately() = 0;
};

// The document on the printer as it is set up. A printer that prints to a PDF file writes it whole
// or leaves the file there as it was: empty, or the message that names the file and the reason.
QString PrintDocument(QPrinter& printer, QTextDocument& document);
// The document laid out on the PDF writer's pages as layOut sets them, as a PDF file's bytes.
QByteArray DocumentAsPdf(QTextDocument& document, const QString& title, const std::function<void(QPdfWriter& pdf)>& layOut);

Platform& platform();
// Tests put a recording platform in place; nullptr restores the desktop.
void setPlatform(Platform* replacement);

}  // namespace modVelmora
