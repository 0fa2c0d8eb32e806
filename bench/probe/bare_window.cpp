// The peer of a program's start: a bare Qt window of the given size, nothing in
// it, shown the way the programs show theirs.
//     bare_window <width> <height> <title>
#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) return 2;
    QWidget window;
    window.setWindowTitle(QString::fromLocal8Bit(argv[3]));
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    return app.exec();
}
