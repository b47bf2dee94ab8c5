#include "typing.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

void TypeKeys(const QString& keys) {
    for (const QChar c : keys) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) return;
        switch (c.unicode()) {
            case '\r': QTest::keyClick(target, Qt::Key_Return); break;
            case 0x1b: QTest::keyClick(target, Qt::Key_Escape); break;
            case '\b': QTest::keyClick(target, Qt::Key_Backspace); break;
            case '\t': QTest::keyClick(target, Qt::Key_Tab); break;
            default: QTest::keyClick(target, c.toLatin1()); break;
        }
    }
}

bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}
