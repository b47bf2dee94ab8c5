#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "common/labels.h"
#include "interval/picture.h"
#include "interval/scoreinterval.h"

class QPainter;

// The normal curve of the Score Interval window: the score, its interval, the
// bands of the label system and the entry's scale with percentiles under it.
// One painting serves the window, the clipboard and saved files, so that a
// report shows exactly what the clinician saw.

namespace modVelmora {

struct BellCurveModel {
    double zScore;             // where the score line stands
    double zLow, zHigh;        // the interval, shaded under the curve
    QString scoreText;         // the score as the window shows it ("130", "97,5")
    double mean = 0, sd = 1;   // the entry's scale: the first axis row shows mean + sd*z
    bool percentAxisOnly = false;  // a percentile entry: one axis row, in percentiles
    std::vector<BellCurveBand> bands;  // empty for the label system "None"
    QString decimalSeparator = QStringLiteral(".");
};

// The picture of an interval on the entry's scale, with the bands of the label system
// (their names translated) and the user's decimal separator.
BellCurveModel BellCurveOf(const IntervalReport& report, ScoreScale scale, LabelSystem labels, const QString& decimalSeparator);

// Paints the picture into area on a white ground, in vector form, nothing outside area.
void PaintBellCurve(QPainter& painter, const QRectF& area, const BellCurveModel& model);
// The picture at size (device-independent pixels), sharp at the given scale factor;
// a null image when the size is empty or too large to hold.
QImage BellCurveImage(const BellCurveModel& model, QSize size, qreal devicePixelRatio);
// Writes a PNG or an SVG by the suffix of path, replacing a file there only once the picture is
// written whole. Empty when saved, else why not: another suffix, or the system's reason.
QString SaveBellCurve(const BellCurveModel& model, const QString& path, QSize size);
// Where z lands in the picture painted into area, at a height given as a fraction of
// the curve's peak (0 on the axis line, 1 at the top of the curve).
QPointF BellCurvePoint(const QRectF& area, const BellCurveModel& model, double z, double peakFraction);

class BellCurve : public QWidget {
    Q_OBJECT

public:
    explicit BellCurve(QWidget* parent = nullptr);
    void setModel(const BellCurveModel& model);
    void clear();  // the curve and its axis only, until the next result
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<BellCurveModel> model_;
};

}  // namespace modVelmora
