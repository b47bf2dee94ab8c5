// Renders tools/splash.svg into resources/pictures/splash.jpg, the splash
// window's 522 x 275 picture. Build the render_splash target and run it from
// the repository root.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QStringLiteral("tools/splash.svg"));
    if (!svg.isValid()) return 1;
    QImage image(522, 275, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(QStringLiteral("resources/pictures/splash.jpg"), "JPG", 92) ? 0 : 1;
}
