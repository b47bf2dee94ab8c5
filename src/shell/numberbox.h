#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <optional>

// A box for one number. Typed keys go through the window's own filter; a paste (Shift+Insert, the
// context menu, a middle click) goes through here: it must be one number, in the user's notation or
// with a point, that fits the box, or it is refused with the beep and the box keeps what it had.

namespace modVelmora {

// The pasted text as it goes into the box, blanks and line ends around it dropped; none when it is
// not one number (an optional minus, digits and at most one decimal point, "." or separator).
std::optional<QString> PastedNumber(const QString& text, const QString& separator, bool decimals);

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    NumberBox(QWidget* parent, int maxLength, const QFont& font, Qt::Alignment alignment);

    // A box of whole numbers refuses a pasted decimal point.
    void setDecimalsAllowed(bool allowed) { decimalsAllowed_ = allowed; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pasteChecked(QClipboard::Mode mode);

    bool decimalsAllowed_ = true;
};

}  // namespace modVelmora
