// The yardstick for the editor's start-up: the least a Qt Widgets program does to show a main
// window. It shows an empty QMainWindow of the editor's first size (760 × 620), lets the first
// frame be painted, takes it from the screen and writes it as PNG, exactly as `zantor --screenshot
// FILE` ends, so that bench/startup-ratio times both programs over the same steps. Usage:
// empty-window OUT.png
#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>
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
    // The same steps as the editor's --screenshot: wait until shown, paint, take the pixels.
    QWindow* handle = window.windowHandle();
    const QDeadlineTimer deadline(2000);
    while (handle && !handle->isExposed() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QApplication::processEvents();
    QImage shot;
    if (handle && handle->isExposed())
        shot = window.screen()->grabWindow(window.winId()).toImage();
    if (shot.isNull() || shot.deviceIndependentSize().toSize() != window.size())
        shot = window.grab().toImage();
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
