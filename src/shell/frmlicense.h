#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace modVelmora {

// The terms of use. Agreeing closes the dialog; not agreeing ends the
// program at once, without saving anything. Closing it by its title bar
// counts as agreeing.
class frmLicense : public QDialog {
    Q_OBJECT
public:
    frmLicense(QWidget* parent = nullptr);

    void cmdIAgree_Click();
    void cmdIDoNotAgree_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* txtLicense;
    QPushButton* cmdIDoNotAgree;
    QPushButton* cmdIAgree;
};

}  // namespace modVelmora
