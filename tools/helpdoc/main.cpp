// Builds "Velmora Help.pdf" from the Markdown manual, with its worked
// examples filled in by the program's own routines.
//   helpdoc MANUAL.md OUTPUT.pdf VERSION
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "interval/bellcurve.h"
#include "workedexamples.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: helpdoc MANUAL.md OUTPUT.pdf VERSION\n");
        return 2;
    }
    QFile manual(QString::fromLocal8Bit(argv[1]));
    if (!manual.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helpdoc: cannot read %s\n", argv[1]);
        return 1;
    }
    helpdoc::FilledManual filled;
    try {
        filled = helpdoc::FillWorkedExamples(manual.readAll().toStdString(), argv[3]);
    } catch (const helpdoc::UnknownPlaceholder& error) {
        std::fprintf(stderr, "helpdoc: %s\n", error.what());
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

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QStringLiteral("Velmora Help"));
    pdf.setCreator(QStringLiteral("Velmora"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    document.print(&pdf);
    return 0;
}
