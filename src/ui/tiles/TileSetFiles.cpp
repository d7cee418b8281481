// The tile sheet as a picture file, out and in.
#include <QFileInfo>
#include <QStatusBar>

#include "TileSetWindow.h"
#include "base/FileError.h"
#include "document/LevelDocument.h"
#include "document/TileSetDocument.h"
#include "map/MapTable.h"
#include "map/TileSheetPng.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

namespace {
const QString kPngFilter = QStringLiteral("PNG pictures(*.png)|*.png|All Files(*.*)|*.*");
}

void TileSetWindow::exportSheet() {
    const LevelTileSheet s = sheet();
    if (!s.isValid())
        return;
    const std::optional<QString> chosen = Dialogs::chooseFile(
        this, Dialogs::FileKind::Save, tr("Export tile sheet"), kPngFilter, lastPicture_);
    if (!chosen)
        return;
    lastPicture_ = *chosen;
    Guarded(this, [&] {
        QString reason;
        if (!TileSheetPng::Save(s.bytes(), *chosen, &reason))
            throw FileError(FileError::Kind::Write, *chosen, reason);
        statusBar_->showMessage(tr("Wrote the tile sheet to %1").arg(QFileInfo(*chosen).fileName()),
                                5000);
    });
}

void TileSetWindow::importSheet() {
    LevelTileSheet s = sheet();
    if (!s.isValid())
        return;
    const std::optional<QString> chosen = Dialogs::chooseFile(
        this, Dialogs::FileKind::Open, tr("Import tile sheet"), kPngFilter, lastPicture_);
    if (!chosen)
        return;
    lastPicture_ = *chosen;
    const TileSheetPng::Decoded decoded = TileSheetPng::Load(*chosen);
    if (!decoded.ok) {
        Dialogs::message(
            this,
            tr("\"%1\" cannot be imported: %2").arg(QFileInfo(*chosen).fileName(), decoded.error),
            {}, Dialogs::Icon::Critical);
        return;
    }
    QList<int> differing;
    const QByteArray now = s.bytes();
    for (int t = 0; t < 256; ++t) {
        if (now.mid(16 * t, 16) != decoded.tiles.mid(16 * t, 16))
            differing.append(t);
    }
    if (differing.isEmpty()) {
        statusBar_->showMessage(tr("The picture holds the tiles as they are: nothing changed"),
                                5000);
        return;
    }
    if (!mayEdit(differing))
        return;
    const LevelTileSheet::ImportResult result = s.import(decoded.tiles);
    QStringList shared;
    for (TileSetDocument* run : result.changedRuns) {
        QStringList others;
        for (int m : run->sharingLevels()) {
            if (m != level_->mapIndex())
                others << MapNames().value(m);
        }
        if (!others.isEmpty())
            shared << tr("the tiles at %1 (also in %2)")
                          .arg(QStringLiteral("0x") +
                                   QString::number(run->range().offset, 16).toUpper(),
                               others.join(QStringLiteral(", ")));
    }
    QString text = tr("Imported %n changed tile(s)", nullptr, int(result.changedTiles.size()));
    if (!shared.isEmpty())
        text += tr("; shared sources changed: %1").arg(shared.join(QStringLiteral("; ")));
    statusBar_->showMessage(text);
}

}  // namespace zantor
