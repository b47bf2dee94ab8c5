#include "shell/frmabout.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "common/version.h"
#include "shell/controls.h"
#include "shell/frmlicense.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

constexpr int kLoadSound = 2;
constexpr int kCloseSound = 1;

QFrame* separatorLine(QWidget* parent, const char* name, int top, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(TwipsToPixels(210), TwipsToPixels(top), TwipsToPixels(5879 - 210), 1);
    SetBackground(line, colour);
    return line;
}

}  // namespace

QString WebSiteAddress() { return QStringLiteral("https://velmora.example.org/"); }

frmAbout::frmAbout() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About The Velmora..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipSize(6075, 2745));
    SetBackground(this, Qt::white);

    picIcon = Place(new QLabel(this), "picIcon", 210, 210, 600, 600);
    picIcon->setPixmap(QIcon(QStringLiteral(":/pictures/velmora.svg")).pixmap(picIcon->size()));
    picIcon->setAccessibleName(tr("Velmora emblem"));
    lblTitle = Place(CaptionLabel(this, tr("The Velmora"), Arial(14.25, true)), "lblTitle", 1050, 210, 3690, 330);
    lblVersion = Place(CaptionLabel(this, QString(), Arial(9.75)), "lblVersion", 1050, 735, 1800, 225);
    // In a translated program, a line under the version says what stays in English.
    const char* const englishOnly = QT_TR_NOOP("The terms of use and the manual are in English.");
    lblLanguage = Place(CaptionLabel(this, tr(englishOnly), Arial(8.25)), "lblLanguage", 1050, 975, 4950, 270);
    lblLanguage->setVisible(lblLanguage->text() != QLatin1String(englishOnly));
    lblAuthor = Place(CaptionLabel(this, tr("Written by the Velmora developers. All rights reserved."), Arial(9.75)),
                      "lblAuthor", 1050, 1260, 4950, 330);
    QFont link = Arial(9.75, true);
    link.setUnderline(true);
    lblMyWebSite = Place(CaptionLabel(this, QStringLiteral("velmora.example.org"), link), "lblMyWebSite", 1050, 1575,
                         3270, 330);
    SetForeground(lblMyWebSite, Qt::blue);
    lblMyWebSite->setCursor(Qt::PointingHandCursor);
    lblMyWebSite->setToolTip(tr("Visit my web site!"));
    lblMyWebSite->installEventFilter(this);
    // An etched separator: a grey line over a white one.
    Line1[0] = separatorLine(this, "Line1_0", 2085, QColor(128, 128, 128));
    Line1[1] = separatorLine(this, "Line1_1", 2100, Qt::white);

    cmdLicense = Place(new QPushButton(tr("&License . . ."), this), "cmdLicense", 3045, 2310, 1275, 330);
    cmdOK = Place(new QPushButton(tr("&OK"), this), "cmdOK", 4515, 2310, 1275, 330);
    cmdOK->setDefault(true);
    QWidget::setTabOrder(cmdOK, cmdLicense);

    tmrExit = new QTimer(this);
    tmrExit->setObjectName(QStringLiteral("tmrExit"));
    tmrExit->setInterval(2);
    tmrTransparency = new QTimer(this);
    tmrTransparency->setObjectName(QStringLiteral("tmrTransparency"));
    tmrTransparency->setInterval(100);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdLicense, &QPushButton::clicked, this, &frmAbout::cmdLicense_Click);
    connect(tmrExit, &QTimer::timeout, this, &frmAbout::tmrExit_Timer);
    connect(tmrTransparency, &QTimer::timeout, this, &frmAbout::tmrTransparency_Timer);
}

void frmAbout::showEvent(QShowEvent* event) {
    // Every opening starts afresh: opaque, still, and greeted by the short sound.
    lblVersion->setText(tr("Version %1").arg(QLatin1String(kProgramVersion)));
    alphaLevel_ = kOpaque;
    setWindowOpacity(1.0);
    animation_.reset();
    tmrExit->setInterval(animation_.intervalMs());
    CentreOnScreen(this);
    cmdOK->setFocus();
    PlayWaveResource(kLoadSound);
    QDialog::showEvent(event);
}

void frmAbout::cmdOK_Click() {
    // A second press while the box glides away changes nothing.
    if (tmrExit->isActive()) return;
    WindowsVersionCheck();
    tmrExit->start();
}

void frmAbout::WindowsVersionCheck() { canFade_ = platform().supportsWindowOpacity(); }

void frmAbout::tmrExit_Timer() {
    const QScreen* screen = this->screen();
    const QSize screenSize = PixelsToTwips(screen ? screen->geometry().size() : QSize());
    const QSize windowSize = PixelsToTwips(frameGeometry().size());
    const AboutAnimation::Step step =
        animation_.tick(screenSize.width(), screenSize.height(), windowSize.width(), windowSize.height());
    if (step.close) {
        tmrExit->stop();
        PlayWaveResource(kCloseSound);
        close();
        return;
    }
    if (step.fade && canFade_ && !tmrTransparency->isActive()) tmrTransparency->start();
    move(TwipsToPixels(step.left), TwipsToPixels(step.top));
    tmrExit->setInterval(animation_.intervalMs());
}

void frmAbout::tmrTransparency_Timer() {
    if (const auto level = NextFadeLevel(alphaLevel_)) {
        alphaLevel_ = *level;
        SetWindowAlpha(alphaLevel_);
    } else {
        tmrTransparency->stop();
    }
}

void frmAbout::SetWindowAlpha(int alpha) { setWindowOpacity(alpha / double(kOpaque)); }

void frmAbout::cmdLicense_Click() {
    frmLicense license(this);
    license.exec();
}

void frmAbout::lblMyWebSite_Click() { platform().openUrl(QUrl(WebSiteAddress())); }

void frmAbout::unloadStep() {
    tmrExit->stop();
    tmrTransparency->stop();
    alphaLevel_ = 0;
    animation_.reset();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    // Closed by its title bar it goes at once, without the animation.
    unloadStep();
    QDialog::closeEvent(event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Esc, like Enter, starts the closing animation rather than closing the box.
    if (event->key() == Qt::Key_Escape) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblMyWebSite && event->type() == QEvent::MouseButtonRelease) {
        lblMyWebSite_Click();
        return true;
    }
    return false;
}

}  // namespace modVelmora
