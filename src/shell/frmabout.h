#pragma once

#include <QDialog>

#include "shell/aboutanimation.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace modVelmora {

// The About box: title, version, author, web site and the terms. It greets
// with a short sound, and OK sends it away with a glide, a fade where the
// windowing system can fade windows, and a closing sound.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout();

    // The box's state, kept between openings.
    int alphaLevel() const { return alphaLevel_; }
    const AboutAnimation& animation() const { return animation_; }

    void cmdOK_Click();
    void cmdLicense_Click();
    void lblMyWebSite_Click();
    void tmrExit_Timer();
    void tmrTransparency_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblLanguage;
    QLabel* lblAuthor;
    QLabel* lblMyWebSite;
    QFrame* Line1[2];
    QPushButton* cmdLicense;
    QPushButton* cmdOK;
    QTimer* tmrExit;
    QTimer* tmrTransparency;

    void WindowsVersionCheck();
    void SetWindowAlpha(int alpha);
    void unloadStep();

    bool canFade_ = false;
    int alphaLevel_ = kOpaque;
    AboutAnimation animation_;
};

// The web site the About box links to.
QString WebSiteAddress();

}  // namespace modVelmora
