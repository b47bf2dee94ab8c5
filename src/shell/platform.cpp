#include "shell/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QSoundEffect>
#include <cstdlib>

namespace modVelmora {

namespace {

constexpr const char* kApplicationTitle = "The Velmora";

class DesktopPlatform final : public Platform {
public:
    void showMessage(QWidget* owner, const QString& text, MessageIcon icon) override {
        QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                        kApplicationTitle, text, QMessageBox::Ok, owner);
        box.exec();
    }

    void beep() override { QApplication::beep(); }

    void setClipboardText(const QString& text) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    }

    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }

    void playWave(int id) override {
        // The sound stack is loaded only when the first sound is wanted.
        if (!sound_) sound_ = new QSoundEffect(qApp);
        sound_->stop();
        sound_->setSource(QUrl(QStringLiteral("qrc:/sounds/wave%1.wav").arg(id)));
        sound_->play();
    }

    QDate today() override { return QDate::currentDate(); }

    bool supportsWindowOpacity() override {
        const QString system = QGuiApplication::platformName();
        return system == QLatin1String("xcb") || system == QLatin1String("windows") ||
               system == QLatin1String("cocoa");
    }

    void endProgram() override { QCoreApplication::exit(0); }

    void endProgramImmediately() override { std::_Exit(0); }

private:
    QSoundEffect* sound_ = nullptr;
};

Platform* current = nullptr;

}  // namespace

Platform& platform() {
    static DesktopPlatform desktop;
    return current ? *current : desktop;
}

void setPlatform(Platform* replacement) { current = replacement; }

}  // namespace modVelmora
