#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "ToolCommand.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "map/MapTable.h"
#include "map/TitleScreen.h"

namespace zantor::tool {

namespace {
// The version byte is what the window's offsets follow after a map load, so the tool reads
// it from the same place.
TitleScreen loadTitle(const QString& romPath) {
    const RomFile rom = RomFile::open(romPath);
    return TitleScreen::load(rom, ReadRomVersion(rom));
}

void savePicture(const Picture& picture, const QString& out, const char* format) {
    QString reason;
    if (!ImageFiles::SavePicture(picture, out, format, &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
}

int renderTitle(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 2);
    savePicture(loadTitle(args.positional[0]).mapPicture, args.positional[1], "PNG");
    return kExitOk;
}

int exportTiles(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 2);
    savePicture(loadTitle(args.positional[0]).sheet, args.positional[1], "BMP");
    return kExitOk;
}

int importTiles(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 2);
    const QString& in = args.positional[1];
    QString reason;
    const std::optional<Picture> sheet = ImageFiles::LoadPicture(in, &reason);
    if (!sheet) {
        throw FileError(FileError::Kind::Read, in, reason);
    }
    RomFile rom = RomFile::open(args.positional[0]);
    TitleScreen::WriteTiles(rom, ReadRomVersion(rom), *sheet);
    rom.commit();
    std::fputs(
        qPrintable(QCoreApplication::translate("zantor-tool", "Tiles saved successfully!\n")),
        stderr);
    return kExitOk;
}

int exportTitleMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 2);
    const TitleScreen::Cells cells = loadTitle(args.positional[0]).cells;
    const QString& out = args.positional[1];
    QString reason;
    if (!AtomicFileWriter::write(
            out, QByteArray(reinterpret_cast<const char*>(cells.data()), cells.size()), &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
    return kExitOk;
}

TitleScreen::Cells readTitleMap(const QString& in) {
    const QFileInfo info(in);
    if (!info.exists()) {
        throw FileError(FileError::Kind::Read, in,
                        QCoreApplication::translate("zantor-tool", "No such file"));
    }
    if (info.isDir()) {
        throw FileError(FileError::Kind::Read, in,
                        QCoreApplication::translate("zantor-tool", "It is a folder"));
    }
    auto wrongSize = [&](qint64 size) {
        return UsageError{
            QCoreApplication::translate("zantor-tool",
                                        "%1 holds %2 bytes; a title map is %3 bytes, 20 × 18 "
                                        "sheet indices row by row")
                .arg(in)
                .arg(size)
                .arg(TitleScreen::kCells)};
    };
    // Checked before reading, so that a huge file is refused without loading it.
    if (info.size() != TitleScreen::kCells) {
        throw wrongSize(info.size());
    }
    const QByteArray bytes = ReadInputFile(in, TitleScreen::kCells + 1);
    if (bytes.size() != TitleScreen::kCells) {
        throw wrongSize(bytes.size());  // it changed under us
    }
    TitleScreen::Cells cells{};
    std::copy(bytes.begin(), bytes.end(), cells.begin());
    return cells;
}

int importTitleMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 2);
    const TitleScreen::Cells cells = readTitleMap(args.positional[1]);
    RomFile rom = RomFile::open(args.positional[0]);
    TitleScreen::WriteMap(rom, cells);
    rom.commit();
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> TitleCommands() {
    return {
        {"title-render", "ROM OUT.png",
         QCoreApplication::translate("zantor-tool", "Draws the title screen (160 × 144) as a PNG."),
         renderTitle},
        {"title-export", "ROM OUT.bmp",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes the title screen's 256 tiles as a 128 × 128 Windows bitmap in four greys."),
         exportTiles},
        {"title-import", "ROM IN.bmp",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes a picture (any format Qt reads) into the ROM as the title screen's tiles:\n"
             "its top-left 128 × 128 pixels; other colours than the four greys, and what the\n"
             "picture does not cover, become colour 0."),
         importTiles},
        {"title-map-export", "ROM OUT.bin",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes the title screen's tile map: 360 sheet indices (ROM byte Xor 0x80), 18 rows\n"
             "of 20."),
         exportTitleMap},
        {"title-map-import", "ROM IN.bin",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes a 360-byte title map (as title-map-export gives it) into the ROM; only those\n"
             "360 bytes of the map change."),
         importTitleMap},
    };
}

}  // namespace zantor::tool
