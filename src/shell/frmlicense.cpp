#include "shell/frmlicense.h"

#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <cstdlib>

#include "shell/controls.h"
#include "shell/platform.h"

namespace modVelmora {

namespace {

QPushButton* answerButton(QWidget* parent, const char* name, const QString& caption, int left) {
    // The captions are long for their buttons: they wrap at the blank nearest their middle, in two even lines.
    QString wrapped = caption;
    qsizetype blank = -1;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == QLatin1Char(' ') && (blank < 0 || std::abs(i - caption.size() / 2) < std::abs(blank - caption.size() / 2)))
            blank = i;
    if (blank >= 0) wrapped[blank] = QLatin1Char('\n');
    auto* button = Place(new QPushButton(wrapped, parent), name, left, 4830, 2535, 645);
    button->setAccessibleName(caption);
    return button;
}

}  // namespace

frmLicense::frmLicense(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLicense"));
    setWindowTitle(tr("The Velmora License Agreement"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipSize(6210, 5685));

    txtLicense = Place(new QTextBrowser(this), "txtLicense", 0, 0, 6210, 4635);
    QFile terms(QStringLiteral(":/license.html"));
    if (terms.open(QIODevice::ReadOnly)) txtLicense->setHtml(QString::fromUtf8(terms.readAll()));
    cmdIDoNotAgree = answerButton(this, "cmdIDoNotAgree", tr("I do NOT agree to these terms and conditions"), 315);
    cmdIAgree = answerButton(this, "cmdIAgree", tr("I AGREE to these terms and conditions"), 3255);
    SetTabOrder({cmdIDoNotAgree, cmdIAgree, txtLicense});
    cmdIDoNotAgree->setFocus();

    connect(cmdIAgree, &QPushButton::clicked, this, &frmLicense::cmdIAgree_Click);
    connect(cmdIDoNotAgree, &QPushButton::clicked, this, &frmLicense::cmdIDoNotAgree_Click);
}

void frmLicense::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void frmLicense::cmdIAgree_Click() { accept(); }

void frmLicense::cmdIDoNotAgree_Click() { platform().endProgramImmediately(); }

void frmLicense::keyPressEvent(QKeyEvent* event) {
    // Esc is the cancel button: not agreeing.
    if (event->key() == Qt::Key_Escape) {
        cmdIDoNotAgree->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace modVelmora
