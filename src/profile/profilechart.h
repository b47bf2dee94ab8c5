#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "common/fields.h"
#include "interval/picture.h"

class QPainter;

// The profile picture: a line for each computed row, its test's name at the left, its standard
// score as a mark on the common axis from 40 to 160 with percentiles under it, its interval as a
// bar, and the bands of the label system behind with the mean marked. One painting serves the
// window, the clipboard, saved files and velmora-cli, as the bell curve's does; it needs no window.

namespace modVelmora {

struct ProfileChartRow {
    QString name;
    double standard;                                      // the standard score shown
    std::optional<std::pair<double, double>> interval;    // its bounds as shown, on the standard scale
};

struct ProfileChartModel {
    std::vector<ProfileChartRow> rows;
    std::vector<BellCurveBand> bands;  // empty for the label system "None"
    QString decimalSeparator = QStringLiteral(".");
};

// A row from a computed row's named results (the profile operation's "standard", "low", "high"),
// so that the picture shows the very numbers of the table.
ProfileChartRow ProfileChartRowOf(const QString& name, const NamedTexts& results);

// The size the picture takes at the given width: its height grows with its rows.
QSize ProfileChartSize(const ProfileChartModel& model, int width);
// Paints it into area on a white ground, nothing outside area.
void PaintProfileChart(QPainter& painter, const QRectF& area, const ProfileChartModel& model);
QImage ProfileChartImage(const ProfileChartModel& model, QSize size, qreal devicePixelRatio);
QString SaveProfileChart(const ProfileChartModel& model, const QString& path, QSize size);
// The picture's width in the window, and of saved files.
inline constexpr int kProfileChartWidth = 1040;

}  // namespace modVelmora
