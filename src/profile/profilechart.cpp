#include "profile/profilechart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "stats/normal.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

constexpr double kLowest = 40, kHighest = 160, kMean = 100;  // the axis, in standard scores
constexpr int kNameRows = 3;  // of the bands' names, at most

struct Layout {
    double unit;  // 1 at the window's width
    QFont nameFont, bandFont, axisFont;
    double left, right;      // the x of 40 and of 160
    double bandTop, rowsTop, rowHeight, baseline;
    double tick, axisRow;
    std::vector<std::pair<QRectF, QString>> bandNames;
    double x(double standard) const { return left + (standard - kLowest) / (kHighest - kLowest) * (right - left); }
    double rowCentre(std::size_t row) const { return rowsTop + (double(row) + 0.5) * rowHeight; }
};

double standardOf(double z) { return std::clamp(kMean + 15 * z, kLowest, kHighest); }

// Each band's name over it, in the first of the rows where it meets no other; a name that finds
// none is cut short in the last. Returns the rows taken.
int placeBandNames(Layout& layout, const ProfileChartModel& model) {
    const QFontMetricsF metrics(layout.bandFont);
    const double gap = 6 * layout.unit;
    std::array<std::vector<std::pair<double, double>>, kNameRows> taken;
    int rows = 0;
    for (const BellCurveBand& band : model.bands) {
        if (band.name.isEmpty()) continue;
        const double from = layout.x(standardOf(band.zLow)), to = layout.x(standardOf(band.zHigh));
        QString text = band.name;
        double width = metrics.horizontalAdvance(text);
        const auto fits = [&](int row, double left) {
            return std::all_of(taken[row].begin(), taken[row].end(),
                               [&](const auto& used) { return left + width + gap <= used.first || left >= used.second + gap; });
        };
        const auto leftAt = [&] { return std::clamp((from + to) / 2 - width / 2, layout.left - 40 * layout.unit, layout.right - width); };
        int row = 0;
        while (row < kNameRows && !fits(row, leftAt())) ++row;
        if (row == kNameRows) {
            row = kNameRows - 1;
            text = metrics.elidedText(text, Qt::ElideRight, std::max(0.0, to - from - gap));
            width = metrics.horizontalAdvance(text);
            if (text.isEmpty() || !fits(row, leftAt())) continue;
        }
        const double left = leftAt();
        taken[row].emplace_back(left, left + width);
        layout.bandNames.emplace_back(QRectF(left, layout.bandTop + row * metrics.height(), width, metrics.height()), text);
        rows = std::max(rows, row + 1);
    }
    return rows;
}

Layout lay(const QRectF& area, const ProfileChartModel& model) {
    Layout layout;
    const double unit = std::max(0.5, area.width() / kProfileChartWidth);
    layout.unit = unit;
    layout.nameFont = PictureFont(11 * unit);
    layout.bandFont = PictureFont(10 * unit);
    layout.axisFont = PictureFont(10 * unit);
    const QFontMetricsF names(layout.nameFont);
    // The names' column also holds the axis rows' captions, whichever is the longer in the language.
    const QFontMetricsF captions(layout.axisFont);
    double widest = 0;
    for (const char* caption : {"Standard Score", "Percentile"})
        widest = std::max(widest, captions.horizontalAdvance(QCoreApplication::translate("modVelmora::ProfileChart", caption)));
    for (const ProfileChartRow& row : model.rows) widest = std::max(widest, names.horizontalAdvance(row.name));
    layout.left = area.left() + 12 * unit + std::min(widest, 200 * unit) + 14 * unit;
    layout.right = area.right() - 16 * unit;
    layout.bandTop = area.top() + 4 * unit;
    const int bandRows = placeBandNames(layout, model);
    layout.rowsTop = layout.bandTop + bandRows * QFontMetricsF(layout.bandFont).height() + 4 * unit;
    layout.rowHeight = 22 * unit;
    layout.baseline = layout.rowsTop + std::max<std::size_t>(model.rows.size(), 1) * layout.rowHeight + 4 * unit;
    layout.tick = 4 * unit;
    layout.axisRow = QFontMetricsF(layout.axisFont).height();
    return layout;
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
}

void paintBands(QPainter& painter, const Layout& layout, const ProfileChartModel& model) {
    for (std::size_t i = 0; i < model.bands.size(); ++i) {
        const double from = layout.x(standardOf(model.bands[i].zLow)), to = layout.x(standardOf(model.bands[i].zHigh));
        if (to > from)
            painter.fillRect(QRectF(QPointF(from, layout.rowsTop), QPointF(to, layout.baseline)), kPictureBandTints[i % kPictureBandTints.size()]);
    }
    painter.setFont(layout.bandFont);
    painter.setPen(kPictureInk);
    for (const auto& [box, text] : layout.bandNames) painter.drawText(box, Qt::AlignCenter, text);
    painter.setPen(pen(kPictureInk, layout.unit, Qt::DashLine));
    painter.drawLine(QPointF(layout.x(kMean), layout.rowsTop), QPointF(layout.x(kMean), layout.baseline));
}

// A row: its name, a faint guide, the interval's bar and the score's mark; a score beyond the axis
// has its mark at that end with an arrow pointing on.
void paintRow(QPainter& painter, const QRectF& area, const Layout& layout, const ProfileChartRow& row, std::size_t index) {
    const double y = layout.rowCentre(index), unit = layout.unit;
    painter.setFont(layout.nameFont);
    painter.setPen(kPictureInk);
    const QRectF nameBox(area.left() + 8 * unit, y - layout.rowHeight / 2, layout.left - area.left() - 20 * unit, layout.rowHeight);
    painter.drawText(nameBox, Qt::AlignRight | Qt::AlignVCenter,
                     QFontMetricsF(layout.nameFont).elidedText(row.name, Qt::ElideRight, nameBox.width()));
    painter.setPen(pen(QColor(200, 200, 210), 0.5 * unit));
    painter.drawLine(QPointF(layout.left, y), QPointF(layout.right, y));
    if (row.interval) {
        const double from = layout.x(std::clamp(row.interval->first, kLowest, kHighest));
        const double to = layout.x(std::clamp(row.interval->second, kLowest, kHighest));
        painter.setPen(pen(kPictureIntervalEdge, unit));
        painter.setBrush(kPictureIntervalFill);
        painter.drawRect(QRectF(QPointF(from, y - 4 * unit), QPointF(to, y + 4 * unit)));
    }
    const double radius = 4.5 * unit, arrow = 7 * unit;
    const bool beyond = row.standard < kLowest || row.standard > kHighest;
    const double side = row.standard < kLowest ? -1 : 1, end = layout.x(std::clamp(row.standard, kLowest, kHighest));
    // Beyond the axis the arrow's tip stands at its end and the mark just inside it.
    const double x = beyond ? end - side * (arrow + 2 * unit + radius) : end;
    painter.setPen(pen(Qt::white, unit));
    painter.setBrush(kPictureScoreInk);
    painter.drawEllipse(QPointF(x, y), radius, radius);
    if (beyond) {
        const double back = end - side * arrow;
        const QPointF tip[] = {{end, y}, {back, y - 4 * unit}, {back, y + 4 * unit}};
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(tip, 3);
    }
}

void paintAxis(QPainter& painter, const QRectF& area, const Layout& layout, const ProfileChartModel& model) {
    painter.setPen(pen(kPictureInk, layout.unit));
    painter.drawLine(QPointF(layout.left, layout.baseline), QPointF(layout.right, layout.baseline));
    painter.setFont(layout.axisFont);
    const double width = 60 * layout.unit;
    for (int z = -4; z <= 4; ++z) {
        const double x = layout.x(kMean + 15 * z);
        painter.setPen(pen(kPictureInk, layout.unit));
        painter.drawLine(QPointF(x, layout.baseline), QPointF(x, layout.baseline + layout.tick));
        const double top = layout.baseline + layout.tick;
        painter.drawText(QRectF(x - width / 2, top, width, layout.axisRow), Qt::AlignHCenter | Qt::AlignTop, TickText(kMean + 15 * z, "."));
        // The percentiles within three SDs: further out they show as 0 and 100.
        if (std::abs(z) == 4) continue;
        painter.setPen(kPictureQuietInk);
        painter.drawText(QRectF(x - width / 2, top + layout.axisRow, width, layout.axisRow), Qt::AlignHCenter | Qt::AlignTop,
                         TickText(100.0 * NormalDist(float(z), true), model.decimalSeparator));
    }
    // The axis rows named where the tests' names stand.
    const QRectF caption(area.left() + 8 * layout.unit, layout.baseline + layout.tick, layout.left - area.left() - 20 * layout.unit,
                         layout.axisRow);
    painter.setPen(kPictureInk);
    painter.drawText(caption, Qt::AlignRight | Qt::AlignTop, QCoreApplication::translate("modVelmora::ProfileChart", "Standard Score"));
    painter.setPen(kPictureQuietInk);
    painter.drawText(caption.translated(0, layout.axisRow), Qt::AlignRight | Qt::AlignTop, QCoreApplication::translate("modVelmora::ProfileChart", "Percentile"));
}

}  // namespace

ProfileChartRow ProfileChartRowOf(const QString& name, const NamedTexts& results) {
    ProfileChartRow row{name, ReadNumericPrefix(results["standard"]), std::nullopt};
    if (!results["low"].empty() && !results["high"].empty())
        row.interval = std::pair(ReadNumericPrefix(results["low"]), ReadNumericPrefix(results["high"]));
    return row;
}

QSize ProfileChartSize(const ProfileChartModel& model, int width) {
    const Layout layout = lay(QRectF(0, 0, width, 1000), model);
    return {width, int(std::ceil(layout.baseline + layout.tick + 2 * layout.axisRow + 6 * layout.unit))};
}

void PaintProfileChart(QPainter& painter, const QRectF& area, const ProfileChartModel& model) {
    if (!area.isValid() || !std::isfinite(area.width()) || !std::isfinite(area.height())) return;
    painter.save();
    painter.setClipRect(area, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    const Layout layout = lay(area, model);
    paintBands(painter, layout, model);
    for (std::size_t i = 0; i < model.rows.size(); ++i) paintRow(painter, area, layout, model.rows[i], i);
    paintAxis(painter, area, layout, model);
    painter.restore();
}

QImage ProfileChartImage(const ProfileChartModel& model, QSize size, qreal devicePixelRatio) {
    return PictureImage([&model](QPainter& painter, const QRectF& area) { PaintProfileChart(painter, area, model); }, size, devicePixelRatio);
}

QString SaveProfileChart(const ProfileChartModel& model, const QString& path, QSize size) {
    return SavePicture([&model](QPainter& painter, const QRectF& area) { PaintProfileChart(painter, area, model); }, path, size,
                       QCoreApplication::translate("modVelmora::ProfileChart", "Score profile"));
}

}  // namespace modVelmora
