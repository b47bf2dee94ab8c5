#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Positions and sizes are designed in twips, 15 to a device-independent pixel.

namespace modVelmora {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
inline QSize PixelsToTwips(const QSize& pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
inline QSize TwipSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

}  // namespace modVelmora
