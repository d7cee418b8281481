// The main window's file work beyond opening and saving: recent files, dropped files, picture
// exports, and play-testing in an emulator.
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>

#include "MainWindow.h"
#include "TiledTransfer.h"
#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "document/CartridgeCheck.h"
#include "document/LevelDocument.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "services/EmulatorLauncher.h"
#include "services/RecentFiles.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"
#include "widgets/PreferencesDialog.h"

namespace zantor {

namespace {
enum Export { Level, TileSheet, Blocks };

bool isRomFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("gb") || suffix == QLatin1String("gbc");
}
}  // namespace

void MainWindow::addExportActions(QMenu* file) {
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    recentMenu_->setObjectName("mnuRecent");
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();

    file->addSeparator();
    file->addAction(
            tr("Export &level as PNG…"), this,
            [this] { exportPicture(tr("Export level"), QStringLiteral("level.png"), Level); })
        ->setObjectName("mnuExportLevel");
    file->addAction(tr("Export &tile sheet…"), this,
                    [this] {
                        exportPicture(tr("Export tile sheet"), QStringLiteral("tiles.png"),
                                      TileSheet);
                    })
        ->setObjectName("mnuExportTiles");
    file->addAction(
            tr("Export &blocks…"), this,
            [this] { exportPicture(tr("Export blocks"), QStringLiteral("blocks.png"), Blocks); })
        ->setObjectName("mnuExportBlocks");
    TiledTransfer::addActions(file, this, document_);
}

void MainWindow::addToolsMenu() {
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName("mnuTools");
    QAction* run = tools->addAction(tr("&Run in emulator"), this, &MainWindow::runInEmulator);
    run->setObjectName("mnuRunInEmulator");
    run->setShortcut(QKeySequence(Qt::Key_F5));
    tools->addAction(tr("&Preferences…"), this, &MainWindow::openPreferences)
        ->setObjectName("mnuPreferences");
    addObjectNamesAction(tools);
}

void MainWindow::fillRecentMenu() {
    QSettings settings;
    RecentFiles recent(settings);
    recent.pruneMissing();
    // Not clear(): the list is filled again while one of its entries is being triggered,
    // and that entry must outlive its own signal.
    for (QAction* action : recentMenu_->actions()) {
        recentMenu_->removeAction(action);
        action->deleteLater();
    }
    const QStringList files = recent.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this,
                               [this, path] { openRom(path); });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::rememberOpened() {
    QSettings settings;
    RecentFiles recent(settings);
    recent.add(document_->romPath());
    recent.setLastMap(document_->romPath(), document_->mapIndex());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls[0].isLocalFile() && isRomFile(urls[0].toLocalFile()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && isRomFile(urls[0].toLocalFile())) {
        event->acceptProposedAction();
        openRom(urls[0].toLocalFile());
    }
}

void MainWindow::exportPicture(const QString& title, const QString& suggested, int which) {
    if (!document_->hasLevel())
        return;
    const std::optional<QString> chosen =
        Dialogs::chooseFile(this, Dialogs::FileKind::Save, title, tr("PNG pictures (*.png)|*.png"),
                            QFileInfo(document_->romPath()).dir().filePath(suggested));
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    Guarded(this, [&] {
        // The same pictures as zantor-tool render, tiles and blocks, edits included.
        const Picture picture = which == Level
                                    ? DrawLevel(document_->blockStrip(), document_->cells())
                                : which == TileSheet ? document_->tileSheet()
                                                     : EnlargeBlockStrip(document_->blockStrip());
        QString reason;
        if (!ImageFiles::SavePicture(picture, path, "PNG", &reason))
            throw FileError(FileError::Kind::Write, path, reason);
        // The name alone: the folder was just chosen, and a path would not fit the status bar.
        statusBar()->showMessage(tr("Exported %1 × %2 pixels to %3")
                                     .arg(picture.width())
                                     .arg(picture.height())
                                     .arg(QFileInfo(path).fileName()),
                                 8000);
    });
}

void MainWindow::runInEmulator() {
    if (!document_->hasLevel())
        return;
    if (document_->isMapModified() && document_->mapBytesNeeded() > document_->slotBytes()) {
        Dialogs::message(this, tr("The map does not fit its slot, so it cannot be "
                                  "tried out yet: simplify it until the meter fits."));
        return;
    }
    Guarded(this, [&] {
        const QByteArray image = document_->imageWithChanges();
        // An emulator refuses it, or runs its idle loop on a blank screen: say why instead.
        if (CartridgeCheck::isSample(image)) {
            Dialogs::message(this, tr("\"%1\" is Zantor's sample cartridge: it has levels to "
                                      "edit but no game to play, so an emulator cannot run "
                                      "it. Open a Super Mario Land 2 ROM to play-test.")
                                       .arg(QFileInfo(document_->romPath()).fileName()));
            return;
        }
        if (!launcher_)
            launcher_ = std::make_unique<EmulatorLauncher>();
        const QString command = QSettings().value(EmulatorLauncher::kSettingsKey).toString();
        const EmulatorLauncher::Result result =
            launcher_->launch(command, image, document_->romPath());
        if (!result.started) {
            Dialogs::message(this, result.error, {}, Dialogs::Icon::Critical);
            return;
        }
        // The copy's folder (where its battery save stays) goes in the tooltip: a temporary
        // path is long and would push the message out of the status bar.
        statusBar()->setToolTip(
            tr("Copies for the emulator, and their battery saves, are in %1")
                .arg(QDir::toNativeSeparators(QFileInfo(result.copyPath).path())));
        statusBar()->showMessage(tr("Started the emulator on a copy with your edits"), 8000);
    });
}

void MainWindow::openPreferences() {
    QSettings settings;
    PreferencesDialog dialog(settings, this);
    dialog.exec();
}

}  // namespace zantor
