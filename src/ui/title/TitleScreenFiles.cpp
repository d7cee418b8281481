// The title screen editor's file work: the map and tiles into the ROM (through the session),
// and the tile sheet to and from bitmap files.
#include <QFileInfo>
#include <QStatusBar>

#include "TitleScreenWindow.h"
#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "document/TitleDocument.h"
#include "map/HeaderTexts.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

bool TitleScreenWindow::save() {
    // On failure the document stays unsaved and "Save Map" enabled.
    return Guarded(this, [&] {
        const TitleDocument::SaveResult result = document_->save();
        QStringList parts;
        if (result.mapWritten)
            parts << tr("%1 map cells at %2")
                         .arg(TitleScreen::kCells)
                         .arg(OffsetText(result.mapOffset));
        if (result.tilesWritten)
            parts << tr("256 tiles at %1").arg(OffsetText(result.tilesOffset));
        statusBar_->showMessage(parts.isEmpty()
                                    ? tr("Nothing to save")
                                    : tr("Saved the title screen: %1").arg(parts.join(tr(", "))));
    });
}

std::optional<QString> TitleScreenWindow::chooseBitmapFile(Dialogs::FileKind kind,
                                                           const QString& title) {
    const std::optional<QString> chosen =
        Dialogs::chooseFile(this, kind, title, kBitmapFilter, lastBitmap_);
    if (chosen)
        lastBitmap_ = *chosen;
    return chosen;
}

void TitleScreenWindow::importTiles() {
    const std::optional<QString> chosen =
        chooseBitmapFile(Dialogs::FileKind::Open, tr("Open Tiles"));
    if (!chosen)
        return;
    Guarded(this, [&] {
        QString reason;
        const std::optional<Picture> picture = ImageFiles::LoadPicture(*chosen, &reason);
        if (!picture)
            throw FileError(FileError::Kind::Read, *chosen, reason);
        if (Dialogs::ask(this,
                         tr("The picture \"%1\" replaces all 256 tiles of the title screen. "
                            "Colours other than the four greys become white. You can undo this, "
                            "and nothing is written before you save. Go on?")
                             .arg(QFileInfo(*chosen).fileName()),
                         tr("Edit Tiles"),
                         {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes)
            return;
        const int changed = document_->importTiles(*picture);
        statusBar_->showMessage(
            changed == 0 ? tr("The picture holds the tiles as they are: nothing changed")
                         : tr("Imported %1 changed tile(s) from %2; \"Save Map\" writes them")
                               .arg(changed)
                               .arg(QFileInfo(*chosen).fileName()));
    });
}

void TitleScreenWindow::exportTiles() {
    std::optional<QString> chosen = chooseBitmapFile(Dialogs::FileKind::Save, tr("Save Tiles as"));
    if (!chosen)
        return;
    if (QFileInfo(*chosen).suffix().isEmpty()) {
        // The dialog asked about replacing the name as typed, not this one.
        chosen = *chosen + QStringLiteral(".bmp");
        if (QFileInfo::exists(*chosen) &&
            Dialogs::ask(this, tr("%1 already exists. Replace it?").arg(*chosen),
                         tr("Save Tiles as"),
                         {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes) {
            return;
        }
        lastBitmap_ = *chosen;
    }
    Guarded(this, [&] {
        // The sheet as the document holds it, imported tiles included; no marker is part of it.
        QString reason;
        if (!ImageFiles::SavePicture(document_->sheet(), *chosen, "BMP", &reason))
            throw FileError(FileError::Kind::Write, *chosen, reason);
        statusBar_->showMessage(tr("Saved the tiles as %1").arg(QFileInfo(*chosen).fileName()));
    });
}

}  // namespace zantor
