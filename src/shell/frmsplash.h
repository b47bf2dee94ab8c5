#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace modVelmora {

// The splash window shown at start: it hands over to the start-up routine
// after 3.5 seconds, or at once on a click or a key.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(std::function<void()> startUp);

    // Stops the timer, starts the program proper and closes the splash; runs once.
    void EndSplash();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* imgSplash;
    QLabel* lblVersion;
    QTimer* tmrSplashTimer;

    std::function<void()> startUp_;
    bool ended_ = false;
};

}  // namespace modVelmora
