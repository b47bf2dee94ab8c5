#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "shell/platform.h"

// Stands in for the desktop in tests: records what the program asked of it
// instead of blocking on a message box or playing a sound.
class RecordingPlatform : public modVelmora::Platform {
public:
    struct Message {
        QString text;
        modVelmora::MessageIcon icon;
    };

    RecordingPlatform();
    ~RecordingPlatform() override;

    void showMessage(QWidget* owner, const QString& text, modVelmora::MessageIcon icon) override;
    void beep() override { ++beeps; }
    void setClipboardText(const QString& text) override;
    void openUrl(const QUrl& url) override { openedUrls.append(url.toString()); }
    void playWave(int id) override { sounds.append(id); }
    QDate today() override { return todayDate; }
    bool supportsWindowOpacity() override { return windowOpacity; }
    void endProgram() override { ++programEnds; }
    void endProgramImmediately() override { ++immediateEnds; }

    QStringList messageTexts() const;
    void reset();

    QList<Message> messages;
    int beeps = 0;
    QString clipboard;
    int clipboardWrites = 0;
    QStringList openedUrls;
    QList<int> sounds;
    QDate todayDate{2018, 1, 14};
    bool windowOpacity = false;
    int programEnds = 0;
    int immediateEnds = 0;
};
