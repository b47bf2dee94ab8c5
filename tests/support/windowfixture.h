#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "recordingplatform.h"
#include "shell/moduleframe.h"
#include "shell/settingsrecord.h"
#include "teststore.h"
#include "typing.h"

// A number as the window shows it: written here with ".", shown with the
// user's decimal separator. Texts with letters ("Error.") are left alone.
inline QString Shown(QString text) {
    if (!text.contains(QRegularExpression("[A-Za-z]"))) text.replace('.', QLocale::system().decimalPoint());
    return text;
}

// A module window under test: a fresh Settings record, the window shown and
// active, and the recording platform emptied. Each case starts with ClearStore().
template <class Window>
struct WindowFixture {
    RecordingPlatform platform;
    std::unique_ptr<Window> window;

    void open(const modVelmora::SettingsRecord& settings = {}) {
        modVelmora::Settings() = settings;
        window = std::make_unique<Window>();
        window->show();
        Activate(window->form());
        platform.reset();
    }
    // Unloads the window as a module switch does, without ending the program.
    void leave() {
        if (!window) return;
        modVelmora::Settings().switching = true;
        window->unload();
        modVelmora::Settings().switching = false;
    }
    void close() {
        leave();
        window.reset();
    }
};
