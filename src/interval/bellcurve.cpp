#include "interval/bellcurve.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "shell/controls.h"
#include "stats/normal.h"

namespace modVelmora {

namespace {

constexpr double kEdge = 4;      // the curve runs from z = -4 to z = 4
constexpr int kNameRows = 4;     // at most: more would squeeze the curve
constexpr int kCurveSteps = 320;  // line segments across the whole curve: smooth even at four times the size

// The normal density over its peak, so that the curve's height is a fraction.
double Height(double z) { return std::exp(-0.5 * z * z); }

// [a, b] cut to the curve's range, in order; none when nothing of it lies there.
std::optional<std::pair<double, double>> Visible(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::nullopt;
    const double low = std::clamp(std::min(a, b), -kEdge, kEdge), high = std::clamp(std::max(a, b), -kEdge, kEdge);
    if (high <= low) return std::nullopt;
    return std::pair(low, high);
}

struct Name {
    QRectF box;
    QString text;
    int band;
};

struct Layout {
    double unit;  // 1 at 420 x 200, the size the picture was drawn for
    QFont nameFont, axisFont, scoreFont;
    double left, right;       // the x of z = -4 and z = 4
    double top;               // of the curve's room, under the band names
    double baseline, peak;    // the axis line's y and the curve's height at z = 0
    double tickLength, axisRowHeight;
    std::vector<Name> names;
    double x(double z) const { return left + (z + kEdge) / (2 * kEdge) * (right - left); }
    double y(double fraction) const { return baseline - fraction * peak; }
};

// Each name over its band, in the first row where it meets no other. Wide bands go first and, among
// equals, the outer ones, so that a symmetric system gets a symmetric picture; a name that finds no
// row is left out rather than overlap another. Returns whether every name found a row.
bool PlaceNames(Layout& layout, const QRectF& area, const std::vector<BellCurveBand>& bands, int rowLimit, double& height) {
    const QFontMetricsF metrics(layout.nameFont);
    const double pad = 2 * layout.unit, gap = 8 * layout.unit, rowHeight = metrics.height();
    std::vector<std::pair<std::size_t, std::pair<double, double>>> named;
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (const auto span = Visible(bands[i].zLow, bands[i].zHigh); span && !bands[i].name.isEmpty())
            named.push_back({i, *span});
    // Whole thousandths of z, so that bands of the same width computed from different edges sort as equal.
    const auto order = [](const auto& entry) {
        const auto [low, high] = entry.second;
        return std::pair(-std::lround((high - low) * 1000), -std::lround(std::abs(low + high) * 1000));
    };
    std::stable_sort(named.begin(), named.end(), [&](const auto& a, const auto& b) { return order(a) < order(b); });
    std::array<std::vector<std::pair<double, double>>, kNameRows> taken;
    int rows = 0;
    bool all = true;
    layout.names.clear();
    for (const auto& [band, span] : named) {
        const QString text = metrics.elidedText(bands[band].name, Qt::ElideRight, area.width() - 2 * pad);
        const double width = metrics.horizontalAdvance(text);
        const double left = std::clamp(layout.x((span.first + span.second) / 2) - width / 2, area.left() + pad,
                                       std::max(area.left() + pad, area.right() - pad - width));
        int row = 0;
        while (row < rowLimit && !std::all_of(taken[row].begin(), taken[row].end(), [&](const auto& used) {
                   return left + width + gap <= used.first || left >= used.second + gap;
               }))
            ++row;
        if (row == rowLimit) {
            all = false;
            continue;
        }
        taken[row].emplace_back(left, left + width);
        layout.names.push_back({QRectF(left, area.top() + pad + row * rowHeight, width, rowHeight), text, int(band)});
        rows = std::max(rows, row + 1);
    }
    height = rows == 0 ? 0 : pad + rows * rowHeight + gap / 4;
    return all;
}

Layout Lay(const QRectF& area, const BellCurveModel* model) {
    Layout layout;
    const double unit = std::max(0.5, std::min(area.width() / 420, area.height() / 200));
    layout.unit = unit;
    layout.axisFont = PictureFont(10 * unit);
    layout.scoreFont = PictureFont(11 * unit, true);
    layout.left = area.left() + 10 * unit;
    layout.right = area.right() - 10 * unit;
    // Long names (German, say) take a fourth row, then a smaller type, before any is left out.
    double names = 0;
    constexpr std::pair<double, int> kTries[] = {{10, 3}, {10, kNameRows}, {9, kNameRows}, {8, kNameRows}};
    for (const auto& [pixels, rows] : kTries) {
        layout.nameFont = PictureFont(pixels * unit);
        if (!model || PlaceNames(layout, area, model->bands, rows, names)) break;
    }
    layout.top = area.top() + 3 * unit + names;
    layout.tickLength = 4 * unit;
    layout.axisRowHeight = QFontMetricsF(layout.axisFont).height();
    // The empty picture keeps the room of both rows, so that the curve stays put when a result comes.
    const int axisRows = model && model->percentAxisOnly ? 1 : 2;
    layout.baseline = area.bottom() - 3 * unit - axisRows * layout.axisRowHeight - layout.tickLength;
    // Room above the peak for the score's value.
    const double scoreRoom = QFontMetricsF(layout.scoreFont).height() + 8 * unit;
    layout.peak = std::max(0.0, layout.baseline - layout.top - scoreRoom);
    return layout;
}

QPainterPath CurvePath(const Layout& layout, double from, double to, bool underCurve) {
    const int steps = std::max(2, int(std::ceil((to - from) / (2 * kEdge) * kCurveSteps)));
    QPainterPath path;
    if (underCurve) path.moveTo(layout.x(from), layout.baseline);
    for (int i = 0; i <= steps; ++i) {
        const double z = i == steps ? to : from + (to - from) * i / steps;
        const QPointF point(layout.x(z), layout.y(Height(z)));
        if (i == 0 && !underCurve) path.moveTo(point);
        else path.lineTo(point);
    }
    if (underCurve) {
        path.lineTo(layout.x(to), layout.baseline);
        path.closeSubpath();
    }
    return path;
}

QPen Pen(const QColor& colour, double width) { return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin); }

// Each band a stripe reaching up to its name, so that the eye finds which name is whose.
void PaintBands(QPainter& painter, const Layout& layout, const BellCurveModel& model) {
    for (std::size_t i = 0; i < model.bands.size(); ++i) {
        const auto span = Visible(model.bands[i].zLow, model.bands[i].zHigh);
        if (!span) continue;
        double top = layout.top;
        for (const Name& name : layout.names)
            if (name.band == int(i)) top = name.box.top();
        painter.fillRect(QRectF(QPointF(layout.x(span->first), top), QPointF(layout.x(span->second), layout.baseline)),
                         kPictureBandTints[i % kPictureBandTints.size()]);
    }
    painter.setFont(layout.nameFont);
    painter.setPen(kPictureInk);
    for (const Name& name : layout.names) painter.drawText(name.box, Qt::AlignCenter, name.text);
}

void PaintInterval(QPainter& painter, const Layout& layout, const BellCurveModel& model) {
    const auto span = Visible(model.zLow, model.zHigh);
    if (!span) return;
    painter.fillPath(CurvePath(layout, span->first, span->second, true), kPictureIntervalFill);
    painter.setPen(Pen(kPictureIntervalEdge, layout.unit));
    // A bound beyond the curve's range has no edge to draw: the shading just runs out of the picture.
    for (const double z : {model.zLow, model.zHigh})
        if (std::abs(z) < kEdge) painter.drawLine(QPointF(layout.x(z), layout.baseline), QPointF(layout.x(z), layout.y(Height(z))));
}

void PaintAxis(QPainter& painter, const Layout& layout, const BellCurveModel* model) {
    painter.setPen(Pen(kPictureInk, layout.unit));
    painter.drawLine(QPointF(layout.left, layout.baseline), QPointF(layout.right, layout.baseline));
    for (int z = -3; z <= 3; ++z)
        painter.drawLine(QPointF(layout.x(z), layout.baseline), QPointF(layout.x(z), layout.baseline + layout.tickLength));
    if (!model) return;
    const bool scale = !model->percentAxisOnly;
    painter.setFont(layout.axisFont);
    for (int row = 0; row < (scale ? 2 : 1); ++row) {
        painter.setPen(row == 0 ? kPictureInk : kPictureQuietInk);
        for (int z = -3; z <= 3; ++z) {
            const double value = row == 0 && scale ? model->mean + model->sd * z : 100.0 * NormalDist(float(z), true);
            const QRectF box(layout.x(z) - 40 * layout.unit, layout.baseline + layout.tickLength + row * layout.axisRowHeight,
                             80 * layout.unit, layout.axisRowHeight);
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, TickText(value, model->decimalSeparator));
        }
    }
}

// The score as a line up to its value in a light yellow box, as the windows show results; a score
// beyond the curve's range has its value at that end, with an arrow pointing on.
void PaintScore(QPainter& painter, const QRectF& area, const Layout& layout, const BellCurveModel& model) {
    const double z = model.zScore, unit = layout.unit;
    if (std::isnan(z)) return;
    const bool shown = std::abs(z) <= kEdge;
    const QFontMetricsF metrics(layout.scoreFont);
    const double width = model.scoreText.isEmpty() ? 0 : metrics.horizontalAdvance(model.scoreText) + 10 * unit;
    const double height = metrics.height() + 4 * unit, arrow = shown ? 0 : 8 * unit;
    const double centre = shown ? layout.x(z) : z < 0 ? area.left() : area.right();
    const double left = std::clamp(centre - width / 2, area.left() + unit + arrow,
                                   std::max(area.left() + unit + arrow, area.right() - unit - arrow - width));
    const QRectF box(left, layout.top + 2 * unit, width, height);
    if (shown) {
        painter.setPen(Pen(kPictureScoreInk, 2 * unit));
        painter.drawLine(QPointF(layout.x(z), layout.baseline), QPointF(layout.x(z), box.bottom()));
    } else {
        const double tip = z < 0 ? box.left() - arrow : box.right() + arrow, back = z < 0 ? box.left() - unit : box.right() + unit;
        const QPointF triangle[] = {{tip, box.center().y()}, {back, box.top() + unit}, {back, box.bottom() - unit}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPictureScoreInk);
        painter.drawPolygon(triangle, 3);
    }
    if (width == 0) return;
    painter.setPen(Pen(kPictureScoreInk, unit));
    painter.setBrush(kLightYellow);
    painter.drawRect(box);
    painter.setFont(layout.scoreFont);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, model.scoreText);
}

void Paint(QPainter& painter, const QRectF& area, const BellCurveModel* model) {
    if (!area.isValid() || !std::isfinite(area.width()) || !std::isfinite(area.height())) return;
    painter.save();
    painter.setClipRect(area, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    const Layout layout = Lay(area, model);
    if (model) {
        PaintBands(painter, layout, *model);
        PaintInterval(painter, layout, *model);
    }
    painter.setPen(Pen(kPictureInk, 1.5 * layout.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(CurvePath(layout, -kEdge, kEdge, false));
    PaintAxis(painter, layout, model);
    if (model) PaintScore(painter, area, layout, *model);
    painter.restore();
}

}  // namespace

void PaintBellCurve(QPainter& painter, const QRectF& area, const BellCurveModel& model) { Paint(painter, area, &model); }

QImage BellCurveImage(const BellCurveModel& model, QSize size, qreal devicePixelRatio) {
    return PictureImage([&model](QPainter& painter, const QRectF& area) { PaintBellCurve(painter, area, model); }, size, devicePixelRatio);
}

QString SaveBellCurve(const BellCurveModel& model, const QString& path, QSize size) {
    return SavePicture([&model](QPainter& painter, const QRectF& area) { PaintBellCurve(painter, area, model); }, path, size,
                       BellCurve::tr("Bell curve"));
}

QPointF BellCurvePoint(const QRectF& area, const BellCurveModel& model, double z, double peakFraction) {
    const Layout layout = Lay(area, &model);
    return {layout.x(z), layout.y(peakFraction)};
}

BellCurve::BellCurve(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Bell curve"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture paints its own white ground
}

void BellCurve::setModel(const BellCurveModel& model) {
    model_ = model;
    update();
}

void BellCurve::clear() {
    model_.reset();
    update();
}

QSize BellCurve::sizeHint() const { return {420, 200}; }

void BellCurve::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect(), model_ ? &*model_ : nullptr);
}

BellCurveModel BellCurveOf(const IntervalReport& report, ScoreScale scale, LabelSystem labels, const QString& decimalSeparator) {
    BellCurveModel picture{};
    picture.zScore = report.zScore;
    picture.zLow = report.zLow;
    picture.zHigh = report.zHigh;
    picture.scoreText = QString::fromStdString(report.scores[static_cast<size_t>(scale)]).replace(QLatin1Char('.'), decimalSeparator);
    picture.mean = ScaleMean(scale);
    picture.sd = ScaleSD(scale);
    picture.percentAxisOnly = scale == ScoreScale::Percentile;
    picture.bands = BellCurveBands(labels);
    picture.decimalSeparator = decimalSeparator;
    return picture;
}

}  // namespace modVelmora
