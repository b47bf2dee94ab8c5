#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "common/labels.h"

class QPainter;

// What the pictures share, the bell curve and the score profile: their inks and type, the bands of a
// label system, and an image or a file made from one painting. Nothing here needs a window, so that
// velmora-cli draws with it too.

namespace modVelmora {

// The inks of the pictures, so that the score profile reads like the bell curve: the lines and
// names, the second scale's row of the axis, the score, its interval, and the bands by turns.
inline const QColor kPictureInk(45, 45, 45);
inline const QColor kPictureQuietInk(110, 110, 110);
inline const QColor kPictureScoreInk(0, 0, 128);
inline const QColor kPictureIntervalFill(0, 0, 255, 70);
inline const QColor kPictureIntervalEdge(0, 0, 255, 150);
inline const std::array kPictureBandTints = {QColor(246, 247, 255), QColor(230, 236, 255)};
// Type sized in pixels rather than points, so that the layout is the same on a screen, an image and an SVG.
QFont PictureFont(double pixels, bool bold = false);
// An axis tick's value: whole when it is whole, else with one decimal; never "-0".
QString TickText(double value, const QString& separator);

// A band of the label system, in z.
struct BellCurveBand {
    double zLow, zHigh;
    QString name;  // already translated
};

// The bands of a label system in z, for a picture on show when the system changes.
std::vector<BellCurveBand> BellCurveBands(LabelSystem system);

// A picture painted into an area on a white ground, as an image at size (device-independent
// pixels, sharp at the scale factor; null when the size is empty or too large) or saved as a PNG
// or SVG by the suffix of path (an SVG carries the title): empty when saved, else the reason, the
// old file then as it was. The bell curve and the score profile are drawn through these.
using PaintPicture = std::function<void(QPainter& painter, const QRectF& area)>;
QImage PictureImage(const PaintPicture& paint, QSize size, qreal devicePixelRatio);
QString SavePicture(const PaintPicture& paint, const QString& path, QSize size, const QString& title);

}  // namespace modVelmora
