#include "shell/frmsplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "common/version.h"
#include "shell/controls.h"
#include "shell/moduleframe.h"

namespace modVelmora {

frmSplash::frmSplash(std::function<void()> startUp) : startUp_(std::move(startUp)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    SetBackground(this, Qt::white);
    setFixedSize(TwipSize(8520, 4530));
    setFocusPolicy(Qt::StrongFocus);

    imgSplash = Place(new QLabel(this), "imgSplash", 420, 210, 7830, 4125);
    imgSplash->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    imgSplash->setAccessibleName(QStringLiteral("Velmora"));
    imgSplash->installEventFilter(this);

    lblVersion = Place(new QLabel(tr("Version %1").arg(QLatin1String(kProgramVersion)), this), "lblVersion", 420, 315,
                       1275, 330);
    lblVersion->setFont(Arial(9));
    SetBackground(lblVersion, Qt::white);
    lblVersion->installEventFilter(this);

    tmrSplashTimer = new QTimer(this);
    tmrSplashTimer->setObjectName(QStringLiteral("tmrSplashTimer"));
    tmrSplashTimer->setSingleShot(true);
    tmrSplashTimer->setInterval(3500);
    connect(tmrSplashTimer, &QTimer::timeout, this, &frmSplash::EndSplash);
    tmrSplashTimer->start();

    CentreOnScreen(this);
}

void frmSplash::EndSplash() {
    if (ended_) return;
    ended_ = true;
    tmrSplashTimer->stop();
    startUp_();
    close();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    const QRect shape = TwipRect(105, 105, 8310, 4320);
    painter.drawRect(shape.adjusted(0, 0, -1, -1));
}

void frmSplash::mousePressEvent(QMouseEvent*) { EndSplash(); }

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (KeyAscii(event) != 0) EndSplash();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Alt+F4 or the window system closing the splash still hands over, or no window would remain.
    if (!ended_) EndSplash();
    QWidget::closeEvent(event);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
    // The picture ends the splash; the version label takes the click and does nothing.
    if (watched == imgSplash) EndSplash();
    return true;
}

}  // namespace modVelmora
