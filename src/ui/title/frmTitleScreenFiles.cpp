// The title screen editor's three buttons: the map back into the ROM, and the tile sheet to
// and from bitmap files.
#include <QFileInfo>
#include <optional>

#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "frmTitleScreen.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

namespace {
QString Hex(int32_t offset) {
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}
}  // namespace

void frmTitleScreen::Command1_Click() {
    save();
}

bool frmTitleScreen::save() {
    // On failure the stack stays unclean: the painting is still unsaved and Save Map enabled.
    return Guarded(this, [&] {
        RomFile rom = RomFile::open(romPath_);
        const int32_t at = TitleScreen::MapBase(rom);
        TitleScreen::WriteMap(rom, TitleMap);
        rom.commit();
        undoStack->setClean();
        statusBar->showMessage(QStringLiteral("Saved the title map: %1 cells written at %2")
                                   .arg(TitleScreen::kCells)
                                   .arg(Hex(at)));
    });
}

std::optional<QString> frmTitleScreen::chooseBitmapFile(Dialogs::FileKind kind,
                                                        const QString& title) {
    const std::optional<QString> chosen =
        Dialogs::chooseFile(this, kind, title, kBitmapFilter, CommonDialog1FileName);
    if (chosen) {
        CommonDialog1FileName = *chosen;
    }
    return chosen;
}

void frmTitleScreen::Command2_Click() {
    const std::optional<QString> chosen =
        chooseBitmapFile(Dialogs::FileKind::Open, QStringLiteral("Open Tiles"));
    if (!chosen) {
        return;
    }
    Guarded(this, [&] {
        QString reason;
        std::optional<Picture> sheet = ImageFiles::LoadPicture(*chosen, &reason);
        if (!sheet) {
            throw FileError(FileError::Kind::Read, *chosen, reason);
        }
        RomFile rom = RomFile::open(romPath_);
        TitleScreen::WriteTiles(rom, romVersion_, *sheet);
        rom.commit();
        // Decoded back from the bytes written, only once the ROM holds them: colours outside
        // the four greys show as the colour 0 they were stored as, and the map, unsaved
        // painting included, shows the new tiles.
        showSheet(TitleScreen::LoadSheet(rom, romVersion_));
        statusBar->showMessage(QStringLiteral("Imported tiles from %1: %2 tiles written at %3")
                                   .arg(QFileInfo(*chosen).fileName())
                                   .arg(TitleScreen::kTileBytes / 16)
                                   .arg(Hex(TitleScreen::TilesOffset(romVersion_))));
    });
}

void frmTitleScreen::cmdSaveTilesAs_Click() {
    std::optional<QString> chosen =
        chooseBitmapFile(Dialogs::FileKind::Save, QStringLiteral("Save Tiles as"));
    if (!chosen) {
        return;
    }
    if (QFileInfo(*chosen).suffix().isEmpty()) {
        // The dialog asked about replacing the name as typed, not this one.
        chosen = *chosen + QStringLiteral(".bmp");
        if (QFileInfo::exists(*chosen) &&
            Dialogs::ask(this, QStringLiteral("%1 already exists. Replace it?").arg(*chosen),
                         QStringLiteral("Save Tiles as"),
                         {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes) {
            return;
        }
        CommonDialog1FileName = *chosen;
    }
    Guarded(this, [&] {
        // The picture's own image: the markers are widgets above it, never part of it.
        QString reason;
        if (!ImageFiles::SavePicture(picTiles->picture(), *chosen, "BMP", &reason)) {
            throw FileError(FileError::Kind::Write, *chosen, reason);
        }
        statusBar->showMessage(
            QStringLiteral("Saved the tiles as %1").arg(QFileInfo(*chosen).fileName()));
    });
}

}  // namespace zantor
