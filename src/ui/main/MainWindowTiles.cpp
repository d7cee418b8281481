// Editors › Tileset editor and the block tab's "Edit Tileset": one window per main window,
// following its level.
#include <QSettings>

#include "MainWindow.h"
#include "document/LevelDocument.h"
#include "ui/tiles/TileSetWindow.h"

namespace zantor {

void MainWindow::openTileSetEditor() {
    if (!document_->hasLevel())
        return;
    if (!tileSet_) {
        tileSet_ = new TileSetWindow(document_, this);
        tileSet_->setWindowIcon(windowIcon());
        if (!QSettings().contains("tiles/geometry"))
            tileSet_->resize(900, 640);
    }
    tileSet_->show();
    tileSet_->raise();
    tileSet_->activateWindow();
}

}  // namespace zantor
