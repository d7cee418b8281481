// The yardstick for the editor's start-up: the least a Qt Widgets program does to show a main
// window. It shows an empty QMainWindow of the editor's first size (760 × 620), lets the first
// frame be painted, grabs it and writes it as PNG, exactly as `zantor --screenshot FILE` ends,
// so that bench/startup-ratio times both programs over the same steps.
// Usage: empty-window OUT.png
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: empty-window OUT.png\n");
        return 2;
    }
    QMainWindow window;
    window.resize(760, 620);
    window.show();
    QApplication::processEvents();
    const QImage shot = window.grab().toImage();
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
