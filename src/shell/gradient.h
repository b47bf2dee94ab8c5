#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

// The two-colour backdrop of the module windows.

namespace TwoToneGradientFill {

// A colour as the program stores it: red in the low byte, then green, then blue.
constexpr std::uint32_t RGB(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

inline constexpr int kHorizontal = 0;  // left to right
inline constexpr int kVertical = 1;    // top to bottom

// The colour of one row (or column) of a gradient over extent rows: exactly
// the first colour at the first row and the second at the last.
QColor GradientColour(std::uint32_t first, std::uint32_t second, int position, int extent);

// A window's inner area that paints a gradient under its controls.
class GradientArea : public QWidget {
public:
    explicit GradientArea(QWidget* parent = nullptr);
    void setGradient(std::uint32_t first, std::uint32_t second, int direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t first_ = RGB(255, 255, 255);
    std::uint32_t second_ = RGB(255, 255, 255);
    int direction_ = kVertical;
};

// Fills the window's inner area from the first colour to the second; the
// window keeps the painting while it lives. Direction is 1 for top to
// bottom, 0 for left to right.
void PaintGradient(GradientArea* window, std::uint32_t first, std::uint32_t second, int direction);

}  // namespace TwoToneGradientFill
