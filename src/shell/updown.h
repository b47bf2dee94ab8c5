#pragma once

#include <QWidget>

class QToolButton;

namespace modVelmora {

// The up-down spinner without a buddy control: two arrow buttons stepping a
// value through a range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr, int minimum = 0, int maximum = 4);

    int value() const { return value_; }
    // Changes the value, kept within the range; reports a change.
    void setValue(int value);

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int value_;
};

}  // namespace modVelmora
