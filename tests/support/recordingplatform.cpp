#include "recordingplatform.h"

RecordingPlatform::RecordingPlatform() { modVelmora::setPlatform(this); }

RecordingPlatform::~RecordingPlatform() { modVelmora::setPlatform(nullptr); }

void RecordingPlatform::showMessage(QWidget*, const QString& text, modVelmora::MessageIcon icon) {
    messages.append({text, icon});
}

void RecordingPlatform::setClipboardText(const QString& text) {
    clipboard = text;
    ++clipboardWrites;
}

QStringList RecordingPlatform::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages) texts.append(message.text);
    return texts;
}

void RecordingPlatform::reset() {
    messages.clear();
    beeps = 0;
    clipboard.clear();
    clipboardWrites = 0;
    openedUrls.clear();
    sounds.clear();
    programEnds = 0;
    immediateEnds = 0;
}
