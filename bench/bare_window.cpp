// The floor Velmora is measured against: a Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(295, 335);
    window.show();
    return QApplication::exec();
}
