#include "shell/gradient.h"

#include <QPainter>
#include <QPaintEvent>
#include <cstdlib>

namespace TwoToneGradientFill {

namespace {

int channel(std::uint32_t colour, int shift) { return static_cast<int>(colour >> shift & 0xFF); }

int blend(int from, int to, int position, int last) {
    if (last <= 0) return from;
    // Rounded to the nearest step, so both ends are met exactly.
    return from + ((to - from) * position * 2 + (to >= from ? last : -last)) / (2 * last);
}

}  // namespace

QColor GradientColour(std::uint32_t first, std::uint32_t second, int position, int extent) {
    const int last = extent - 1;
    return QColor(blend(channel(first, 0), channel(second, 0), position, last),
                  blend(channel(first, 8), channel(second, 8), position, last),
                  blend(channel(first, 16), channel(second, 16), position, last));
}

GradientArea::GradientArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientArea::setGradient(std::uint32_t first, std::uint32_t second, int direction) {
    first_ = first;
    second_ = second;
    direction_ = direction;
    update();
}

void GradientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (direction_ == kHorizontal) {
        for (int x = area.left(); x <= area.right(); ++x)
            painter.fillRect(x, area.top(), 1, area.height(), GradientColour(first_, second_, x, width()));
    } else {
        for (int y = area.top(); y <= area.bottom(); ++y)
            painter.fillRect(area.left(), y, area.width(), 1, GradientColour(first_, second_, y, height()));
    }
}

void PaintGradient(GradientArea* window, std::uint32_t first, std::uint32_t second, int direction) {
    window->setGradient(first, second, std::abs(direction));
}

}  // namespace TwoToneGradientFill
