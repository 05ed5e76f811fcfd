// The yardstick for start-up: a Qt Widgets program that shows one empty window of a given
// client size and does nothing else.
#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool wide = false, high = false;
    const int width = argc == 3 ? QString::fromLocal8Bit(argv[1]).toInt(&wide) : 0;
    const int height = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt(&high) : 0;
    if (!wide || !high || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: bare_window WIDTH HEIGHT\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle("Bare window");
    window.resize(width, height);
    window.show();
    return QApplication::exec();
}
