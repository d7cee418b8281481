// The title screen editor's three buttons: the map back into the ROM, and the tile sheet to
// and from bitmap files.
#include <optional>

#include "codec/RomFile.h"
#include "base/FileError.h"
#include "frmTitleScreen.h"
#include "base/ImageFiles.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

void frmTitleScreen::Command1_Click() {
    // Command1 stays enabled when the commit fails: the painting is still unsaved.
    Guarded(this, [&] {
        RomFile rom = RomFile::open(state_->RomPath);
        TitleScreen::WriteMap(rom, TitleMap);
        rom.commit();
        Command1->setEnabled(false);
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
        RomFile rom = RomFile::open(state_->RomPath);
        TitleScreen::WriteTiles(rom, state_->RomVersion, *sheet);
        rom.commit();
        // Shown only once the ROM holds it, so that the sheet never shows tiles the ROM lacks.
        // picMap keeps its old look; cells painted from now on come from the new sheet.
        picTiles->setPicture(std::move(*sheet));
        Dialogs::message(this, QStringLiteral("Tiles saved successfully!"),
                         QStringLiteral("Tiles saved"), Dialogs::Icon::Information);
    });
}

void frmTitleScreen::cmdSaveTilesAs_Click() {
    const std::optional<QString> chosen =
        chooseBitmapFile(Dialogs::FileKind::Save, QStringLiteral("Save Tiles as"));
    if (!chosen) {
        return;
    }
    Guarded(this, [&] {
        // The picture's own image: the markers are widgets above it, never part of it.
        QString reason;
        if (!ImageFiles::SavePicture(picTiles->picture(), *chosen, "BMP", &reason)) {
            throw FileError(FileError::Kind::Write, *chosen, reason);
        }
    });
}

}  // namespace zantor
