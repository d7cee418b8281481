#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "AppOptions.h"
#include "base/AppInfo.h"
#include "base/AtomicFileWriter.h"
#include "document/LevelDocument.h"
#include "sample/SampleCartridge.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/Dialogs.h"
#include "widgets/LevelView.h"

using namespace zantor;

namespace {
// A fresh folder with the sample cartridge in it; the folder stays, so edits to it last.
QString writeDemoCartridge() {
    QTemporaryDir dir(QDir::temp().filePath("zantor-demo-XXXXXX"));
    if (!dir.isValid())
        return {};
    dir.setAutoRemove(false);
    const QString path = dir.filePath("sample.gb");
    QString reason;
    if (!AtomicFileWriter::write(path, BuildSampleCartridge(0), &reason)) {
        std::fprintf(stderr, "zantor: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
        return {};
    }
    return path;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::name());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppInfo::kMajor)
                                            .arg(AppInfo::kMinor)
                                            .arg(AppInfo::kRevision));

    const AppOptions options = AppOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zantor: %s\n%s", qPrintable(options.error),
                     qPrintable(AppOptions::usage()));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(AppOptions::usage()), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Zantor %s\n", qPrintable(AppInfo::versionText()));
        return 0;
    }

    QString rom = options.rom;
    if (options.demo) {
        rom = writeDemoCartridge();
        if (rom.isEmpty())
            return 1;
        std::printf("Sample cartridge: %s\n", qPrintable(rom));
    }

    MainWindow window;
    window.show();
    if (!rom.isEmpty())
        window.openRom(rom);

    if (!options.screenshot.isEmpty()) {
        // Show the level around the player's start rather than the sky above it.
        if (window.document()->hasLevel()) {
            const QPoint start = window.document()->startPosition();
            window.mapPage()->levelView()->scrollToLevel(start - QPoint(100, 150));
        }
        QApplication::processEvents();
        const QImage shot = window.grab().toImage();
        if (!shot.save(options.screenshot, "PNG")) {
            std::fprintf(stderr, "zantor: cannot write %s\n", qPrintable(options.screenshot));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
