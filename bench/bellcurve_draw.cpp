// How long the Score Interval window takes to draw its bell curve: the picture of standard score 130,
// r .90, painted at the window's size, at one and two device pixels a pixel, median of 200 runs each.
//   velmora_bellcurve_bench   (prints its table; fails when a drawing takes 10 ms or more)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "interval/bellcurve.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    using namespace modVelmora;
    IntervalEntry entry(LabelSystem::Aacn);
    entry.score = "130";
    entry.reliability = ".90";
    const IntervalReport report = ComputeScoreInterval(entry);
    const BellCurveModel model = BellCurveOf(report, ScoreScale::StandardScore, LabelSystem::Aacn, QStringLiteral("."));
    double worst = 0;
    std::printf("| Measure (median of 200 runs) | Velmora | Target | Met |\n|---|---:|---|---|\n");
    for (const qreal ratio : {1.0, 2.0}) {
        QImage image(QSize(420, 200) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        std::vector<double> times;
        for (int run = 0; run < 200; ++run) {
            const auto start = std::chrono::steady_clock::now();
            QPainter painter(&image);
            PaintBellCurve(painter, QRectF(0, 0, 420, 200), model);
            painter.end();
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::nth_element(times.begin(), times.begin() + 100, times.end());
        worst = std::max(worst, times[100]);
        std::printf("| Score Interval's bell curve drawn at scale %g | %.2f ms | < 10 ms | %s |\n", ratio, times[100],
                    times[100] < 10 ? "yes" : "NO");
    }
    return worst < 10 ? 0 : 1;
}
