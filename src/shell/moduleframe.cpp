#include "shell/moduleframe.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/controls.h"
#include "shell/gradient.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"
#include "shell/settings.h"
#include "shell/twips.h"

namespace modVelmora {

namespace {

struct MenuEntry {
    Module module;
    const char* caption;
    const char* shortcut;
};
// In the order of the menu; a separator line stands where a number is skipped.
const MenuEntry kMenuEntries[] = {
    {Module::RawScore, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Raw to Percentile"), "Ctrl+R"},
    {Module::ScoreConverter, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Score Converter"), "Ctrl+S"},
    {Module::AgeCalculator, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Age Calculator"), "Ctrl+A"},
    {Module::Calculator, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Calculator"), "Ctrl+C"},
    {Module::ScoreInterval, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Score Interval"), "Ctrl+I"},
    {Module::ReliableChange, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Reliable Change"), "Ctrl+T"},
    {Module::ScoreDifference, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Score Difference"), "Ctrl+D"},
    {Module::ScoreProfile, QT_TRANSLATE_NOOP("modVelmora::ModuleWindow", "Score Profile"), "Ctrl+B"},
};

bool isPushLike(const QObject* object) {
    return qobject_cast<const QPushButton*>(object) || qobject_cast<const QToolButton*>(object);
}

}  // namespace

std::optional<Module> ModuleNumbered(int number) {
    for (const Module module : kModules)
        if (static_cast<int>(module) == number) return module;
    return std::nullopt;
}

QString ModuleName(Module module) {
    for (const MenuEntry& item : kMenuEntries)
        if (item.module == module) return QCoreApplication::translate("modVelmora::ModuleWindow", item.caption);
    return {};
}

int KeyAscii(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Backspace: return 8;
        default: break;
    }
    if (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (key->modifiers() & Qt::ControlModifier) {
        return key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z ? key->key() - Qt::Key_A + 1 : 0;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return 0;
    return text.at(0).unicode();
}

ModuleForm::ModuleForm(ModuleWindow& owner) : owner_(owner) {
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void ModuleForm::closeEvent(QCloseEvent* event) {
    // The close box and the system menu: the close step decides whether the program ends.
    event->accept();
    owner_.unload(ModuleWindow::Unload::ByClosing);
}

ModuleWindow::ModuleWindow(Module module, QSize clientSizeTwips, Settings& settings)
    : module_(module), clientSizeTwips_(clientSizeTwips), settings_(settings) {}

ModuleWindow::ModuleWindow(Module module, Settings& settings) : module_(module), settings_(settings) {}

ModuleWindow::~ModuleWindow() {
    // The form's controls take their leave as it goes (an open cell's editor commits, the focus moves):
    // none of their signals may reach a window whose own part is gone already.
    for (QObject* sender : findChildren<QObject*>()) sender->disconnect(this);
    if (form_)
        for (QObject* sender : form_->findChildren<QObject*>()) sender->disconnect(this);
    delete form_;
}

void ModuleWindow::show() {
    if (form_) return;
    form_ = new ModuleForm(*this);
    form_->setObjectName(QString::fromLatin1(metaObject()->className()).section(QStringLiteral("::"), -1));
    auto* frame = new QWidget(form_);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    client_ = new TwoToneGradientFill::GradientArea(frame);
    client_->setObjectName(QStringLiteral("client"));
    column->addWidget(client_);
    form_->setCentralWidget(frame);
    if (clientSizeTwips_) client_->setFixedSize(TwipSize(clientSizeTwips_->width(), clientSizeTwips_->height()));
    form_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    createMenus();
    createControls(client_);
    if (!clientSizeTwips_) client_->setFixedSize(client_->layout()->sizeHint());
    // After the window's own controls, so that they come first in the tab order and keep the first focus.
    createStrip(frame);

    form_->installEventFilter(this);
    for (QWidget* widget : frame->findChildren<QWidget*>()) widget->installEventFilter(this);

    runFrameSteps();
    initialise();
    form_->show();
    form_->activateWindow();
    settleChecks_ = 0;
    settlePlace();
}

void ModuleWindow::settlePlace() {
    // A window manager frames the window only after it is shown, and may then have put the client
    // where the frame was asked to go; once the frame is known it goes back where it was placed.
    const QWindow* handle = form_->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const bool framed = !frame.isNull();
    if (framed && form_->pos() == placedPixels_ - QPoint(frame.left(), frame.top())) form_->move(placedPixels_);
    if (framed || ++settleChecks_ > kSettleChecks) return;
    QTimer::singleShot(kSettleInterval, form_, [this] { settlePlace(); });
}

void ModuleWindow::runFrameSteps() {
    SettingsRecord& record = settings_.record;
    placedTwips_ = QPoint(record.leftCoordinates, record.topCoordinates);
    placedPixels_ = QPoint(TwipsToPixels(placedTwips_.x()), TwipsToPixels(placedTwips_.y()));
    if (const QPoint shown = onScreen(placedPixels_); shown != placedPixels_) {
        placedPixels_ = shown;
        placedTwips_ = QPoint(PixelsToTwips(shown.x()), PixelsToTwips(shown.y()));
    }
    form_->move(placedPixels_);
    record.view = static_cast<std::uint8_t>(module_);
    TwoToneGradientFill::PaintGradient(client_, TwoToneGradientFill::RGB(255, 255, 255),
                                       TwoToneGradientFill::RGB(0, 128, 255), TwoToneGradientFill::kVertical);
}

void ModuleWindow::createMenus() {
    QMenuBar* bar = form_->menuBar();
    QMenu* mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuSession = mnuFile->addAction(tr("&Session…"));
    mnuSession->setObjectName(QStringLiteral("mnuSession"));
    mnuSession->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(mnuSession, &QAction::triggered, this, &ModuleWindow::sessionRequested);
    mnuFile->addSeparator();
    QAction* mnuExit = mnuFile->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &ModuleWindow::exitRequested);

    QMenu* mnuModuleTitle = bar->addMenu(tr("&Module"));
    mnuModuleTitle->setObjectName(QStringLiteral("mnuModuleTitle"));
    int index = 0;
    for (const MenuEntry& item : kMenuEntries) {
        // Entries are named by their index, the separators' included.
        while (++index < static_cast<int>(item.module))
            mnuModuleTitle->addSeparator()->setObjectName(QStringLiteral("mnuModule%1").arg(index));
        QAction* entry = mnuModuleTitle->addAction(ModuleName(item.module));
        entry->setObjectName(QStringLiteral("mnuModule%1").arg(index));
        mnuModule_[item.module] = entry;
        entry->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        // Only the window's own entry carries a check mark; it can still be chosen.
        entry->setCheckable(item.module == module_);
        entry->setChecked(item.module == module_);
        connect(entry, &QAction::triggered, this, [this, module = item.module] { emit switchRequested(module); });
    }

    QMenu* mnuOptions = bar->addMenu(tr("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* mnuDescriptiveLabels = mnuOptions->addMenu(tr("&Descriptive Labels"));
    mnuDescriptiveLabels->setObjectName(QStringLiteral("mnuDescriptiveLabels"));
    auto* systems = new QActionGroup(mnuDescriptiveLabels);
    for (const LabelSystem system : {LabelSystem::Aacn, LabelSystem::Wechsler, LabelSystem::None}) {
        QAction* entry = mnuDescriptiveLabels->addAction(QCoreApplication::translate(kLabelContext, LabelSystemName(system)));
        entry->setObjectName(QStringLiteral("mnuLabels") + QString::fromLatin1(LabelSystemKey(system)));
        entry->setCheckable(true);
        entry->setChecked(settings_.labels() == system);
        systems->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, system] {
            settings_.setLabels(system);
            labelsChanged();
        });
    }

    QMenu* mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuInstructions = mnuHelp->addAction(tr("&Instructions"));
    mnuInstructions->setObjectName(QStringLiteral("mnuInstructions"));
    mnuInstructions->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mnuInstructions, &QAction::triggered, this, [this] { OpenInstructions(form_); });
    QAction* mnuAbout = mnuHelp->addAction(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &ModuleWindow::aboutRequested);
}

void ModuleWindow::createStrip(QWidget* frame) {
    strip_ = new QWidget(frame);
    strip_->setObjectName(QStringLiteral("strip"));
    // It carries on the backdrop's last colour, so the window still reads as one.
    SetBackground(strip_, QColor(0, 128, 255));
    static_cast<QVBoxLayout*>(frame->layout())->addWidget(strip_);
    strip_->setFixedWidth(client_->maximumWidth());
    auto* rows = new QVBoxLayout(strip_);
    rows->setContentsMargins(TwipsToPixels(105), 4, TwipsToPixels(105), 6);
    rows->setSpacing(4);
    stripRow_ = new QHBoxLayout;
    rows->addLayout(stripRow_);
    createStripControls();
    auto* cmdSession = static_cast<QToolButton*>(PictureButton(strip_, QStringLiteral("session.svg"), tr("Sess&ion…")));
    cmdSession->setObjectName(QStringLiteral("cmdSession"));
    cmdSession->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdSession->setIconSize(QSize(20, 20));
    cmdSession->setFont(Arial(8.25));
    cmdSession->setToolTip(tr("Show the session: every result calculated, in one table (Ctrl+Shift+S)"));
    stripRow_->addStretch(1);
    stripRow_->addWidget(cmdSession);
    connect(cmdSession, &QAbstractButton::clicked, this, &ModuleWindow::sessionRequested);
}

void ModuleWindow::addToSession(const Operation& operation, const QString& entry, const QString& results, NamedTexts fields,
                                const QString& test) {
    emit resultMade({operation.command(), entry, results, std::move(fields), test});
}

void ModuleWindow::unload(Unload why) {
    if (!form_ || unloading_) return;
    unloading_ = true;
    // The close step: closing a window that is not being replaced ends the program.
    if (why == Unload::ByClosing) emit exitRequested();
    beforeUnload();
    ModuleForm* form = std::exchange(form_, nullptr);
    client_ = nullptr;
    selectOnFocus_.clear();
    enterOrder_.clear();
    form->hide();
    form->deleteLater();
    unloading_ = false;
}

QPoint ModuleWindow::onScreen(QPoint at) const {
    const QRect window(at, client_->size());
    // Enough of the window on a screen to take hold of it.
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(window);
        if (shared.width() >= 50 && shared.height() >= 20) return at;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return at;
    const QRect room = primary->availableGeometry();
    return {std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - window.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - window.height()))};
}

void ModuleWindow::recordPosition() {
    if (!form_) return;
    const QPoint at = form_->pos();
    const QPoint twips = at == placedPixels_ ? placedTwips_
                                             : QPoint(PixelsToTwips(at.x()), PixelsToTwips(at.y()));
    settings_.record.leftCoordinates = ClampToCoordinate(twips.x());
    settings_.record.topCoordinates = ClampToCoordinate(twips.y());
}

void ModuleWindow::setClientHeightTwips(int height) {
    clientSizeTwips_->setHeight(height);
    if (!client_) return;
    client_->setFixedSize(TwipSize(clientSizeTwips_->width(), height));
    form_->layout()->activate();
}

void ModuleWindow::focusControl(QWidget* control) {
    if (form_ && form_->isVisible() && control->isVisible() && control->isEnabled()) control->setFocus();
}

void ModuleWindow::selectWholeTextOnFocus(QLineEdit* box) { selectOnFocus_.append(box); }

void ModuleWindow::tellRefusal(Notice notice, const char* message, bool emptiesEntry, ShownResults results,
                               QWidget* box, const QList<QLabel*>& answer, const std::function<void()>& emptyOthers) {
    if (const qsizetype refused = enterOrder_.indexOf(qobject_cast<QLineEdit*>(box));
        enteredAt_ >= 0 && refused > enteredAt_ && enterOrder_[refused]->text().trimmed().isEmpty()) {
        focusControl(enterOrder_[enteredAt_ + 1]);
        return;
    }
    const auto emptyAnswer = [&] {
        for (QLabel* label : answer) label->clear();
        if (emptyOthers) emptyOthers();
    };
    if (results == ShownResults::EmptiedFirst) emptyAnswer();
    if (notice == Notice::Beep) {
        platform().beep();
    } else if (notice != Notice::FocusOnly) {
        platform().showMessage(form_, QCoreApplication::translate(kMessageContext, message),
                               notice == Notice::Information ? MessageIcon::Information : MessageIcon::Exclamation);
    }
    if (auto* entry = qobject_cast<QLineEdit*>(box); entry && emptiesEntry) entry->clear();
    focusControl(box);
    if (results == ShownResults::EmptiedAfter) emptyAnswer();
}

void ModuleWindow::keyPress(QObject*, int&) {}

bool ModuleWindow::controlEvent(QObject*, QEvent*) { return false; }

bool ModuleWindow::isMenuShortcut(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : form_->findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed) return true;
    return false;
}

bool ModuleWindow::routeKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        // F10 opens the menu bar's first menu, as on the desktops Velmora runs on.
        form_->menuBar()->setActiveAction(form_->menuBar()->actions().value(0));
        return true;
    }
    if (previewKey(key)) return true;
    QWidget* focus = QApplication::focusWidget();
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Enter presses the focused button, or else the default button.
        if (auto* button = qobject_cast<QAbstractButton*>(focus); button && isPushLike(button)) {
            button->click();
            return true;
        }
        const qsizetype at = enterOrder_.indexOf(qobject_cast<QLineEdit*>(focus));
        const auto filled = [](const QLineEdit* box) { return !box->text().trimmed().isEmpty(); };
        if (at >= 0 && std::any_of(enterOrder_.begin() + at + 1, enterOrder_.end(), filled)) {
            focusControl(enterOrder_[at + 1]);
            return true;
        }
        if (defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled()) {
            // So that typing a number and Enter, box after box, never meets a message half way.
            enteredAt_ = at + 1 < enterOrder_.size() ? at : -1;
            defaultButton_->click();
            enteredAt_ = -1;
            return true;
        }
    }
    if (key->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return true;
    }
    int keyAscii = KeyAscii(key);
    if (keyAscii == 0) return false;
    keyPress(focus, keyAscii);
    return keyAscii == 0;
}

bool ModuleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!form_) return false;
    const bool typedHere = watched == QApplication::focusWidget() ||
                           (QApplication::focusWidget() == nullptr && watched == form_);
    if (event->type() == QEvent::ShortcutOverride && typedHere) {
        // Menu shortcuts act whatever control has the focus, even over a text box's own Ctrl+C.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isMenuShortcut(key)) {
            key->ignore();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && typedHere) return routeKey(static_cast<QKeyEvent*>(event));
    if (watched == form_ || watched == client_) return false;
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && selectOnFocus_.contains(box)) {
            box->selectAll();
            // A click places the cursor after the focus arrives; select once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return controlEvent(watched, event);
}

}  // namespace modVelmora
