// Builds "Velmora Help.pdf" from the Markdown manual, with its worked
// examples filled in by the program's own operations; or, with --text, any
// text with placeholders (velmora-cli's manual page, its columns filled in).
//   helpdoc MANUAL.md OUTPUT.pdf VERSION
//   helpdoc --text INPUT OUTPUT VERSION
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <cstring>

#include "interval/bellcurve.h"
#include "profile/profilechart.h"
#include "workedexamples.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const bool text = argc == 5 && std::strcmp(argv[1], "--text") == 0;
    if (argc != 4 && !text) {
        std::fprintf(stderr, "usage: helpdoc MANUAL.md OUTPUT.pdf VERSION, or helpdoc --text INPUT OUTPUT VERSION\n");
        return 2;
    }
    char** const paths = argv + (text ? 2 : 1);
    QFile manual(QString::fromLocal8Bit(paths[0]));
    if (!manual.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helpdoc: cannot read %s\n", paths[0]);
        return 1;
    }
    helpdoc::FilledManual filled;
    try {
        filled = helpdoc::FillWorkedExamples(manual.readAll().toStdString(), paths[2]);
    } catch (const helpdoc::UnknownPlaceholder& error) {
        std::fprintf(stderr, "helpdoc: %s\n", error.what());
        return 1;
    }
    if (text) {
        QFile out(QString::fromLocal8Bit(paths[1]));
        const QByteArray bytes = QByteArray::fromStdString(filled.text);
        if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush()) return 0;
        std::fprintf(stderr, "helpdoc: cannot write %s\n", paths[1]);
        return 1;
    }

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setDefaultStyleSheet(QStringLiteral("h1 { color: #0a2a7a; } h2 { color: #0050c8; } "
                                                 "th { background-color: #d6e8ff; } td, th { padding: 3px; }"));
    document.setMarkdown(QString::fromStdString(filled.text));
    // The window's own painting, in English, at twice the window's size so that print stays sharp.
    for (const helpdoc::Picture& picture : filled.pictures) {
        QImage image = modVelmora::BellCurveImage(
            modVelmora::BellCurveOf(picture.report, picture.scale, modVelmora::LabelSystem::Aacn, QStringLiteral(".")), QSize(420, 200), 2);
        document.addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(picture.name)), image);
    }
    for (const helpdoc::ProfilePicture& picture : filled.profiles) {
        modVelmora::ProfileChartModel model;
        model.bands = modVelmora::BellCurveBands(modVelmora::LabelSystem::Aacn);
        for (const auto& [test, results] : picture.rows) model.rows.push_back(modVelmora::ProfileChartRowOf(QString::fromStdString(test), results));
        // Drawn as the window draws it, at twice its pixels; two thirds as wide on the page, which is narrower than the window.
        QImage image = modVelmora::ProfileChartImage(model, modVelmora::ProfileChartSize(model, modVelmora::kProfileChartWidth), 2);
        image.setDevicePixelRatio(3);
        document.addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(picture.name)), image);
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QStringLiteral("Velmora Help"));
    pdf.setCreator(QStringLiteral("Velmora"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    document.print(&pdf);
    return 0;
}
