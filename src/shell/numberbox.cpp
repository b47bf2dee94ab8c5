#include "shell/numberbox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "shell/modvelmora.h"
#include "shell/platform.h"

namespace modVelmora {

std::optional<QString> PastedNumber(const QString& text, const QString& separator, bool decimals) {
    const QString number = text.trimmed();
    int digits = 0, points = 0;
    for (qsizetype i = number.startsWith(u'-') ? 1 : 0; i < number.size(); ++i) {
        if (number[i] >= u'0' && number[i] <= u'9') {
            ++digits;
        } else if (number[i] == u'.') {
            ++points;
        } else if (QStringView(number).sliced(i).startsWith(separator)) {
            ++points;
            i += separator.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1 || (points > 0 && !decimals)) return std::nullopt;
    return number;
}

NumberBox::NumberBox(QWidget* parent, int maxLength, const QFont& font, Qt::Alignment alignment) : QLineEdit(parent) {
    setMaxLength(maxLength);
    setFont(font);
    setAlignment(alignment | Qt::AlignVCenter);
    // A dropped text would pass no check at all.
    setAcceptDrops(false);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked(QClipboard::Clipboard);
        return;
    }
    // An Alt+letter that no menu took is a missed shortcut, not a character for the number.
    if ((event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteChecked(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void NumberBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteChecked(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberBox::pasteChecked(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const std::optional<QString> number = PastedNumber(QGuiApplication::clipboard()->text(mode), DecimalSeparator(), decimalsAllowed_);
    const QString kept = text();
    const qsizetype after = kept.size() - selectedText().size() + (number ? number->size() : 0);
    if (!number || after > maxLength()) {
        platform().beep();
        return;
    }
    insert(*number);
}

}  // namespace modVelmora
