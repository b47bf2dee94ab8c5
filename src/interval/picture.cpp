#include "interval/picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "common/filewrite.h"

namespace modVelmora {

QFont PictureFont(double pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));  // the windows' type
    font.setBold(bold);
    font.setPixelSize(std::max(1, qRound(pixels)));
    return font;
}

QString TickText(double value, const QString& separator) {
    if (!std::isfinite(value)) return {};
    double shown = std::round(value * 10) / 10;
    if (shown == 0) shown = 0;
    return QString::number(shown, 'f', shown == std::round(shown) ? 0 : 1).replace('.', separator);
}

QImage PictureImage(const PaintPicture& paint, QSize size, qreal devicePixelRatio) {
    if (size.isEmpty()) return {};
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1;
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(), QSizeF(size)));
    return image;
}

QString SavePicture(const PaintPicture& paint, const QString& path, QSize size, const QString& title) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString notDrawn = QCoreApplication::translate("modVelmora::BellCurve", "the picture could not be drawn as PNG or SVG");
    if ((suffix != QLatin1String("png") && suffix != QLatin1String("svg")) || size.isEmpty()) return notDrawn;
    // Into memory first, so that a failed drawing never leaves half a file behind.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        const QImage image = PictureImage(paint, size, 1);
        if (image.isNull() || !image.save(&buffer, "PNG")) return notDrawn;
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setResolution(96);  // a report shows it as large as the window did
        svg.setTitle(title);
        QPainter painter;
        if (!painter.begin(&svg)) return notDrawn;
        paint(painter, QRectF(QPointF(), QSizeF(size)));
        painter.end();
    }
    return WriteWholeFile(path, buffer.data());
}

// Each band runs from its lowest standard score less a half (the scores that round into it)
// to the next band's; the outer ones run to the picture's ends.
std::vector<BellCurveBand> BellCurveBands(LabelSystem system) {
    const std::vector<LabelBand> bands = LabelBands(system);
    std::vector<BellCurveBand> shown;
    const auto edge = [&](std::size_t i) { return (static_cast<double>(bands[i].lowest) - 0.5 - 100) / 15; };
    for (std::size_t i = 0; i < bands.size(); ++i)
        shown.push_back({i == 0 ? -4.0 : edge(i), i + 1 == bands.size() ? 4.0 : edge(i + 1),
                         QCoreApplication::translate(kLabelContext, bands[i].text)});
    return shown;
}

}  // namespace modVelmora
