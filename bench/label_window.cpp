// The second floor: a Qt Widgets program that shows one line of text in Velmora's font, so that it
// pays, as every program with text does, for fontconfig and the glyphs.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Raw Scores Module"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    window.setFont(font);
    window.resize(295, 335);
    window.show();
    return QApplication::exec();
}
