#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>

#include "sample/SampleCartridge.h"
#include "ui/main/MainWindow.h"

// A main window on the sample cartridge, written to a temporary file of its own (the window
// benchmarks edit their level), shown at a size where the views have room.
inline zantor::MainWindow* OpenBenchWindow(const QString& fileName) {
    const QString path = QDir::temp().filePath(fileName);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(zantor::BuildSampleCartridge(0));
    file.close();
    auto* main = new zantor::MainWindow();
    main->resize(1400, 900);
    main->show();
    main->openRom(path);
    QApplication::processEvents();
    return main;
}
