// The yardstick for the editor's start-up: the least a Qt Widgets program does to show a main
// window. It shows an empty QMainWindow of the editor's first size (760 × 620), lets the first
// frame be painted, takes it from the screen and writes it as PNG, exactly as `zantor --screenshot
// FILE` ends, so that bench/startup-ratio times both programs over the same steps. With --menu
// the window has a menu bar with one menu, "File": the least text a main window shows, and so
// the least start-up of a window that loads fonts. Usage: empty-window [--menu] OUT.png
#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool withMenu = argc == 3 && QByteArray(argv[1]) == "--menu";
    if (argc != 2 && !withMenu) {
        std::fprintf(stderr, "Usage: empty-window [--menu] OUT.png\n");
        return 2;
    }
    QMainWindow window;
    if (withMenu)
        window.menuBar()->addMenu(QStringLiteral("File"));
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
    return shot.save(QString::fromLocal8Bit(argv[argc - 1]), "PNG") ? 0 : 1;
}
