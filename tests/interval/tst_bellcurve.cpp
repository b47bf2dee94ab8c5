#include <QPainter>
#include <QtTest>

#include "interval/bellcurve.h"
#include "rows.h"

using namespace modVelmora;

const QRectF kArea(0, 0, 420, 200);

// A standard score with its interval, and the seven AACN bands when asked (their edges as standard scores).
BellCurveModel Model(double zScore, double zLow, double zHigh, bool bands = false) {
    BellCurveModel model{zScore, zLow, zHigh, "97,5", 100, 15, false, {}, ","};
    const double edges[] = {40, 69.5, 79.5, 89.5, 109.5, 119.5, 129.5, 160};
    for (int i = 0; bands && i < 7; ++i) model.bands.push_back({(edges[i] - 100) / 15, (edges[i + 1] - 100) / 15, "Band"});
    return model;
}

// What a saved SVG writes: each text with its baseline, one pixel high, as long as the text.
QList<std::pair<QString, QRectF>> SvgTexts(const BellCurveModel& model, QSize size = {420, 200}) {
    QTemporaryDir folder;
    QFile svg(folder.filePath("curve.svg"));
    if (!SaveBellCurve(model, svg.fileName(), size).isEmpty() || !svg.open(QIODevice::ReadOnly)) return {};
    QList<std::pair<QString, QRectF>> texts;
    const QRegularExpression text("x=\"([^\"]+)\" y=\"([^\"]+)\" font-family=\"[^\"]*\" font-size=\"(\\d+)\"[^>]*>([^<]*)</text>");
    for (const auto& match : text.globalMatch(QString::fromUtf8(svg.readAll()))) {
        QFont font("Arial");
        font.setPixelSize(match.captured(3).toInt());
        const double width = QFontMetricsF(font).horizontalAdvance(match.captured(4));
        texts.push_back({match.captured(4), QRectF(match.captured(1).toDouble(), match.captured(2).toDouble(), width, 1)});
    }
    return texts;
}

enum Seen { Dark, Shaded, White, Tinted };
Seen Classify(QRgb pixel) {
    return qGray(pixel) < 100 ? Dark : qBlue(pixel) - qRed(pixel) > 50 ? Shaded : pixel == qRgb(255, 255, 255) ? White : Tinted;
}
QRgb At(const QImage& image, QPointF point, qreal ratio = 1) { return image.pixel(int(point.x() * ratio), int(point.y() * ratio)); }

// One pixel of the picture, at z and a height as a fraction of the curve's peak; and nothing outside the picture.
struct Probe { const char* name; double zScore, zLow, zHigh; bool bands; double z, height; Seen seen; };
Q_DECLARE_METATYPE(Probe)
const Probe kProbes[] = {
    {"the score line at its z", 2, 1.38, 2.62, false, 2, 0.6, Dark}, {"a score line below the mean", -1.5, -2, -1, false, -1.5, 0.9, Dark},
    {"the interval under the curve", 2, 1.38, 2.62, false, 1.6, 0.1, Shaded},
    {"the interval not above the curve", 2, 1.38, 2.62, false, 1.6, 0.5, White},
    {"nothing left of the interval", 0, -0.5, 0.5, false, -0.8, 0.3, White}, {"nor right of it", 0, -0.5, 0.5, false, 0.8, 0.3, White},
    {"bounds in either order", 0, 0.5, -0.5, false, 0.3, 0.3, Shaded}, {"bounds beyond both ends", 4.5, -9, 9, false, -2, 0.06, Shaded},
    {"no band tint without bands", 2, 1.38, 2.62, false, -3, 0.5, White}, {"a band tint with bands", 2, 1.38, 2.62, true, -3, 0.5, Tinted},
    {"a score and its interval beyond +4", 6, 5, 9, true, 3, 0.5, Tinted}, {"beyond -4", -7, -12, -5, true, -3, 0.5, Tinted},
    {"a score just beyond +4", 4.5, 1, 2, false, 3, 0.5, White}, {"not numbers", qQNaN(), qQNaN(), qQNaN(), false, 0, 0.5, White},
    {"infinite", -qInf(), -qInf(), qInf(), false, 0, 0.5, Shaded},
};

// The axis rows as the SVG writes them, for a scale and a decimal separator.
struct Axis { const char* name; double mean, sd; bool percentOnly; const char* separator; const char* texts; };
Q_DECLARE_METATYPE(Axis)
const Axis kAxes[] = {
    {"standard scores", 100, 15, false, ".", "55 70 85 100 115 130 145 0.1 2.3 15.9 50 84.1 97.7 99.9"},
    {"scaled scores, decimal comma", 10, 3, false, ",", "1 4 7 10 13 16 19 0,1 2,3 15,9 50 84,1 97,7 99,9"},
    {"z scores", 0, 1, false, ".", "-3 -2 -1 0 1 2 3 0.1 2.3 15.9 50 84.1 97.7 99.9"},
    {"a scale in halves", 5, 2.5, false, ",", "-2,5 0 2,5 5 7,5 10 12,5 0,1 2,3 15,9 50 84,1 97,7 99,9"},
    {"percentiles only", 100, 15, true, ".", "0.1 2.3 15.9 50 84.1 97.7 99.9"},
};

// Every name of a label system shown, and none over another.
struct Names { const char* name; const char* names; int width; };
Q_DECLARE_METATYPE(Names)
const Names kNames[] = {
    {"AACN", "Exceptionally low score|Below average score|Low average score|Average score|High average score|Above average score|Exceptionally high score", 420},
    {"AACN in German", "Außergewöhnlich niedriger Wert|Unterdurchschnittlicher Wert|Wert im unteren Durchschnitt|Durchschnittlicher Wert|"
                       "Wert im oberen Durchschnitt|Überdurchschnittlicher Wert|Außergewöhnlich hoher Wert", 420},
    {"Wechsler at twice the size", "Extremely low|Very low|Low average|Average|High average|Very high|Extremely high", 840},
};

struct Save { const char* name; const char* file; bool written; };
Q_DECLARE_METATYPE(Save)
const Save kSaves[] = {{"PNG", "curve.png", true}, {"SVG, suffix in capitals", "curve.SVG", true}, {"another suffix", "curve.bmp", false},
                       {"no suffix", "curve", false}, {"a folder that does not exist", "missing/curve.png", false}};

class TestBellCurve : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void seen_data() { AddRows(kProbes); }
    void seen() {  // sharp at any scale: the same pixels at twice the resolution
        QFETCH(Probe, row);
        const BellCurveModel model = Model(row.zScore, row.zLow, row.zHigh, row.bands);
        const QPointF at = BellCurvePoint(kArea, model, row.z, row.height);
        for (const qreal ratio : {1.0, 2.0}) QCOMPARE(Classify(At(BellCurveImage(model, {420, 200}, ratio), at, ratio)), row.seen);
        QImage framed(520, 300, QImage::Format_RGB32);
        framed.fill(Qt::magenta);
        const QImage untouched = framed.copy();
        const QRectF area = kArea.translated(50, 40);
        QPainter painter(&framed);
        PaintBellCurve(painter, area, model);
        QCOMPARE(Classify(At(framed, at + area.topLeft())), row.seen);
        painter.fillRect(area, Qt::magenta);
        painter.end();
        QVERIFY(framed == untouched);
    }

    void axisRows_data() { AddRows(kAxes); }
    void axisRows() {
        QFETCH(Axis, row);
        QStringList texts;
        for (const auto& text : SvgTexts({0, 0, 0, "", row.mean, row.sd, row.percentOnly, {}, row.separator})) texts << text.first;
        QCOMPARE(texts.join(' '), QString(row.texts));
    }

    void namesApart_data() { AddRows(kNames); }
    void namesApart() {
        QFETCH(Names, row);
        BellCurveModel model = Model(2, 1.38, 2.62, true);
        const QStringList names = QString(row.names).split('|');
        for (int i = 0; i < 7; ++i) model.bands[i].name = names[i];
        QList<QRectF> baselines;
        for (const auto& [text, baseline] : SvgTexts(model, {row.width, 200}))
            if (names.contains(text)) baselines << baseline;
        QCOMPARE(baselines.size(), 7);
        for (const QRectF& a : baselines)
            for (const QRectF& b : baselines) QVERIFY(&a == &b || !a.intersects(b));
    }

    void saves_data() { AddRows(kSaves); }
    void saves() {
        QFETCH(Save, row);
        QFile file(folder.filePath(row.file));
        QCOMPARE(SaveBellCurve(Model(2, 1.38, 2.62, true), file.fileName(), {300, 150}).isEmpty(), row.written);
        QCOMPARE(file.open(QIODevice::ReadOnly), row.written);
        if (row.written && file.fileName().endsWith("png")) QCOMPARE(QImage(file.fileName()).size(), QSize(300, 150));
        if (row.written && file.fileName().endsWith("SVG")) QVERIFY(QString(file.readAll()).contains(QRegularExpression("(?s)<svg.*>97,5</text>")));
    }

    void widget() {
        BellCurve curve;
        QCOMPARE(curve.accessibleName(), QString("Bell curve"));
        QCOMPARE(curve.sizeHint(), QSize(420, 200));
        curve.resize(curve.sizeHint());
        const BellCurveModel model = Model(2, 1.38, 2.62);
        curve.setModel(model);
        QCOMPARE(Classify(At(curve.grab().toImage(), BellCurvePoint(kArea, model, 2, 0.6))), Dark);
        curve.clear();
        QCOMPARE(Classify(At(curve.grab().toImage(), BellCurvePoint(kArea, model, 2, 0.6))), White);
    }
};

QTEST_MAIN(TestBellCurve)
#include "tst_bellcurve.moc"
