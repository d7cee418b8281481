#include <QApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "AppOptions.h"
#include "base/AppInfo.h"
#include "base/AtomicFileWriter.h"
#include "base/Translations.h"
#include "document/LevelDocument.h"
#include "sample/SampleCartridge.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/DeferredIconStyle.h"
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
        std::fprintf(
            stderr,
            qPrintable(QCoreApplication::translate("zantor", "zantor: cannot write %s: %s\n")),
            qPrintable(path), qPrintable(reason));
        return {};
    }
    return path;
}

// The window's first frame as it was put on the screen: wait until the window is shown there,
// let it paint, and take its pixels rather than painting them all again. Where the platform
// gives no pixels (or the window is not shown within two seconds), the window is rendered.
QImage grabFirstFrame(QWidget& window) {
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
    return shot;
}

void printUsageError(const QString& error) {
    std::fprintf(stderr, "zantor: %s\n%s", qPrintable(error), qPrintable(AppOptions::usage()));
}

// Prints what --help and --version ask for; false when they were not asked.
bool printHelpOrVersion(const AppOptions& options) {
    if (options.help) {
        std::fputs(qPrintable(AppOptions::usage()), stdout);
        return true;
    }
    if (options.version) {
        std::printf("Zantor %s\n", qPrintable(AppInfo::versionText()));
        return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    // --help and --version are answered before the QApplication exists, so that they need no
    // display: without one, a QApplication aborts on its platform plugin.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i) {
        rawArguments << QString::fromLocal8Bit(argv[i]);
    }
    const AppOptions early = AppOptions::parse(rawArguments);
    if (early.error.isEmpty() && printHelpOrVersion(early)) {
        return 0;
    }
    // Qt's own options (-platform, -style, ...) have one dash; until the QApplication has
    // taken them out, an error may only be one of those.
    const bool mayHoldQtOptions = std::any_of(
        rawArguments.begin() + 1, rawArguments.end(),
        [](const QString& arg) { return arg.size() > 2 && arg[0] == '-' && arg[1] != '-'; });
    if (!early.error.isEmpty() && !mayHoldQtOptions) {
        printUsageError(early.error);
        return 2;
    }

    QApplication app(argc, argv);
    // Qt's raster engine hands every fill of more than about a hundred spans to the global
    // thread pool, in pieces, and waits for them. Here those are the style's frame lines and
    // gradients, a few hundred pixels each, for which starting and waking two workers cost
    // more than the fills: 5 to 10 % of the time to the first frame (bench/startup-ratio).
    // With one worker, that time was the same as with none.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    InstallTranslations();
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
    QApplication::setOrganizationName(AppInfo::name());
    QApplication::setApplicationName(AppInfo::name());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppInfo::kMajor)
                                            .arg(AppInfo::kMinor)
                                            .arg(AppInfo::kRevision));

    // Parsed again without the options Qt took for itself (-platform, -style, ...).
    const AppOptions options = AppOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        printUsageError(options.error);
        return 2;
    }
    if (printHelpOrVersion(options)) {
        return 0;
    }

    QString rom = options.rom;
    if (options.demo) {
        rom = writeDemoCartridge();
        if (rom.isEmpty())
            return 1;
        std::printf(qPrintable(QCoreApplication::translate("zantor", "Sample cartridge: %s\n")),
                    qPrintable(rom));
    }

    MainWindow window;
    window.show();
    if (!rom.isEmpty())
        window.openRom(rom);
    // The window's polish and layouts, and what its scroll areas adjust in answer (queued calls,
    // which the first round posts and the second handles), are posted events. Handled before
    // the window system's first expose, they settle before the first frame; otherwise that
    // frame is painted before they settle and much of it again after.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();

    if (!options.screenshot.isEmpty()) {
        // Show the level around the player's start rather than the sky above it.
        if (window.document()->hasLevel()) {
            const QPoint start = window.document()->startPosition();
            window.mapPage()->levelView()->scrollToLevel(start - QPoint(100, 150));
        }
        const QImage shot = grabFirstFrame(window);
        if (!shot.save(options.screenshot, "PNG")) {
            std::fprintf(
                stderr,
                qPrintable(QCoreApplication::translate("zantor", "zantor: cannot write %s\n")),
                qPrintable(options.screenshot));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
