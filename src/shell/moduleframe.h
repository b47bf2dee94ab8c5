#pragma once

#include <QAbstractButton>
#include <QMainWindow>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <functional>
#include <map>
#include <optional>

#include "common/operation.h"
#include "common/refusal.h"
#include "common/calculatedresult.h"

class QAction;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace TwoToneGradientFill {
class GradientArea;
}

// The frame that the module windows share: window style, menu bar,
// position, backdrop, the default and cancel buttons, and the load and close
// steps. A module window object lives for the whole run; its on-screen form
// and controls are built when it is shown and destroyed when it is unloaded.

namespace modVelmora {

class ModuleWindow;
class Settings;

// The module windows by number: both the index of their Module menu entry and
// the stored View. 3 and 6 are the menu's separator lines.
enum class Module {
    RawScore = 1,
    ScoreConverter = 2,
    AgeCalculator = 4,
    Calculator = 5,
    ScoreInterval = 7,
    ReliableChange = 8,
    ScoreDifference = 9,
    ScoreProfile = 10
};

// Every module, in the order of the Module menu.
inline constexpr Module kModules[] = {Module::RawScore,      Module::ScoreConverter, Module::AgeCalculator,  Module::Calculator,
                                      Module::ScoreInterval, Module::ReliableChange, Module::ScoreDifference,
                                      Module::ScoreProfile};

// The module a stored View names; none for a separator or any other number.
std::optional<Module> ModuleNumbered(int number);
// Its entry in the Module menu, translated.
QString ModuleName(Module module);

// The on-screen form of a module window.
class ModuleForm : public QMainWindow {
    Q_OBJECT
public:
    explicit ModuleForm(ModuleWindow& owner);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ModuleWindow& owner_;
};

class ModuleWindow : public QObject {
    Q_OBJECT
public:
    // Why a window unloads: replaced by another module, during the exit, or
    // closed by its close box or system menu (which ends the program).
    enum class Unload { ForSwitch, ForExit, ByClosing };

    // A window whose controls are placed in twips, in a client area of this size.
    ModuleWindow(Module module, QSize clientSizeTwips, Settings& settings);
    // A window laid out by Qt's layouts: it takes the size its layout asks.
    ModuleWindow(Module module, Settings& settings);
    ~ModuleWindow() override;

    Module module() const { return module_; }
    bool isLoaded() const { return form_ != nullptr; }
    ModuleForm* form() const { return form_; }

    // Builds the form, runs the load step and shows the window.
    void show();
    // Destroys the form and its controls; the close step runs first.
    void unload(Unload why);
    // Copies the window's outer position into the Settings record, in twips.
    void recordPosition();

    // The Module menu's entry of a module in this window's menu bar.
    QAction* moduleEntry(Module module) const { return mnuModule_.at(module); }

signals:
    // The Module menu's entry of a module, File > Exit or the close box, Help > About.
    void switchRequested(Module module);
    void exitRequested();
    void aboutRequested();
    // File > Session… or the window's Session button; a result Calculate has just shown.
    void sessionRequested();
    void resultMade(const CalculatedResult& result);

protected:
    // The window's own part: its controls, and its initialisation after the frame's steps.
    virtual void createControls(QWidget* client) = 0;
    virtual void initialise() = 0;
    // Runs before the controls are destroyed.
    virtual void beforeUnload() {}
    // Sees every key typed in the window before the default and cancel buttons do.
    virtual bool previewKey(QKeyEvent*) { return false; }
    // A character typed into a control; set keyAscii to 0 to discard it.
    virtual void keyPress(QObject* control, int& keyAscii);
    // Any other event of a control (focus, double-click); true consumes it.
    virtual bool controlEvent(QObject* control, QEvent* event);
    // The descriptive label system was chosen in the Options menu.
    virtual void labelsChanged() {}

    Settings& settings() const { return settings_; }
    // The frame's part of the load step: position, View and backdrop.
    void runFrameSteps();
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    // Enter in one of these boxes moves on to the next, and presses the default button in the last
    // one, or in any box once every box after it is empty; when the computation then refuses one of
    // those empty boxes, it is only the next to fill in: Enter moves on, without a word.
    void setEnterOrder(QList<QLineEdit*> boxes) { enterOrder_ = std::move(boxes); }
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    void setClientHeightTwips(int height);
    // The strip under the client area, the same in every window: in createStripControls
    // the window's own controls go into its row, before the Session button, or in rows above it.
    virtual void createStripControls() {}
    QWidget* strip() const { return strip_; }
    QHBoxLayout* stripRow() const { return stripRow_; }
    // Adds the result just shown to the session: the operation's word, the entry and the results in
    // the window's words, the operation's fields and results as they were shown, and the test's name
    // where the window has one.
    void addToSession(const Operation& operation, const QString& entry, const QString& results, NamedTexts fields,
                      const QString& test = {});
    // Gives a control the focus; skipped while the window is not yet shown.
    void focusControl(QWidget* control);
    // The box selects its whole text whenever it gets the focus.
    void selectWholeTextOnFocus(QLineEdit* box);
    // Tells of a refused entry as the computation decided: its message (translated)
    // or the beep, the refused box emptied and given the focus, and the answer's
    // labels (and whatever else emptyOthers empties: a table, a picture) emptied before
    // or after the message, or kept.
    template <class Field>
    void refuse(const Refusal<Field>& refusal, QWidget* box, const QList<QLabel*>& answer,
                const std::function<void()>& emptyOthers = {}) {
        tellRefusal(refusal.notice, refusal.message, refusal.emptiesEntry, refusal.results, box, answer, emptyOthers);
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ModuleForm;

    void createMenus();
    void createStrip(QWidget* frame);
    // Brings a stored position that lies off every screen back onto the primary one.
    QPoint onScreen(QPoint at) const;
    void settlePlace();
    void tellRefusal(Notice notice, const char* message, bool emptiesEntry, ShownResults results, QWidget* box,
                     const QList<QLabel*>& answer, const std::function<void()>& emptyOthers);
    bool routeKey(QKeyEvent* key);
    bool isMenuShortcut(const QKeyEvent* key) const;

    const Module module_;
    std::optional<QSize> clientSizeTwips_;  // none for a window laid out by its layout
    Settings& settings_;
    ModuleForm* form_ = nullptr;
    TwoToneGradientFill::GradientArea* client_ = nullptr;
    QWidget* strip_ = nullptr;
    QHBoxLayout* stripRow_ = nullptr;
    std::map<Module, QAction*> mnuModule_;
    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
    QList<QLineEdit*> selectOnFocus_;
    QList<QLineEdit*> enterOrder_;
    qsizetype enteredAt_ = -1;  // the box whose Enter is calculating
    bool unloading_ = false;
    // Where the window was placed, so a window that was not moved keeps its
    // stored twips rather than drifting to the nearest pixel.
    QPoint placedPixels_;
    QPoint placedTwips_;
    // Checks for the window manager's frame, a while after the window is shown; none is a window without one.
    static constexpr int kSettleInterval = 25, kSettleChecks = 40;
    int settleChecks_ = 0;
};

// The character code a key press types: 13 Enter, 27 Esc, 8 Backspace, 1 to
// 26 for Ctrl with a letter, the character otherwise; 0 for keys that type nothing.
int KeyAscii(const QKeyEvent* key);

}  // namespace modVelmora
