#include <QCoreApplication>
#include <cstdio>

#include "ToolCommand.h"
#include "base/FileError.h"
#include "document/LevelDocument.h"
#include "document/TileSetDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapTable.h"
#include "map/TileSheetPng.h"
#include "session/RomSession.h"

namespace zantor::tool {

namespace {
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TileSetCommands)
};

void print(const QString& line) {
    std::fprintf(stdout, "%s\n", qPrintable(line));
}

int exportTileSet(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    LevelDocument level;
    level.load(args.positional[0], ParseMapIndex(args.positional[1]));
    QString reason;
    if (!TileSheetPng::Save(level.storedTiles().bytes(), args.positional[2], &reason))
        throw FileError(FileError::Kind::Write, args.positional[2], reason);
    return kExitOk;
}

int importTileSet(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int mapIndex = ParseMapIndex(args.positional[1]);
    const QString& in = args.positional[2];
    const TileSheetPng::Decoded decoded = TileSheetPng::Load(in);
    if (!decoded.ok) {
        std::fprintf(stderr, "zantor-tool import-tileset: %s\n",
                     qPrintable(Text::tr("%1 is refused: %2").arg(in, decoded.error)));
        return kExitFailed;
    }
    LevelDocument level;
    level.load(args.positional[0], mapIndex);
    LevelTileSheet sheet = level.storedTiles();
    const LevelTileSheet::ImportResult result = sheet.import(decoded.tiles);
    if (result.changedTiles.isEmpty()) {
        print(Text::tr("No tile differs; nothing written."));
        return kExitOk;
    }
    sheet.save(*level.session());
    QStringList numbers;
    for (int t : result.changedTiles)
        numbers << HexText2(uint8_t(t));
    print(
        Text::tr("Changed %1 tile(s): %2").arg(result.changedTiles.size()).arg(numbers.join(' ')));
    static const char* const groupNames[] = {"A", "B", "C", "C", "D"};
    QList<TileSetDocument*> reported;
    for (int group = 0; group < kTileGroupCount; ++group) {
        TileSetDocument* run = sheet.runs()[size_t(group)];
        if (!result.changedRuns.contains(run) || reported.contains(run))
            continue;
        reported.append(run);
        QStringList others;
        for (int m : run->sharingLevels()) {
            if (m != mapIndex)
                others << MapNames().value(m);
        }
        const QString where = Text::tr("Group %1 at 0x%2")
                                  .arg(QLatin1String(groupNames[group]),
                                       QString::number(run->range().offset, 16).toUpper());
        print(others.isEmpty() ? Text::tr("%1: used by no other level").arg(where)
                               : Text::tr("%1: also used by %2").arg(where, others.join(", ")));
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> TileSetCommands() {
    return {
        {"export-tileset", "ROM MAP OUT.png",
         "Writes the level's 256 tiles as an indexed 128 × 128 PNG: the stored colour numbers\n"
         "as white, light grey, dark grey and black; tile t at row (t Xor 0x80) / 16, column\n"
         "t mod 16.",
         exportTileSet},
        {"import-tileset", "ROM MAP IN.png",
         "Writes a sheet (as export-tileset gives it) into the level's tile sources: only the\n"
         "tiles that differ, in one commit. Refuses (exit 1, nothing written) another size or\n"
         "other colours. Prints the changed tiles and, per source, the other levels sharing it.",
         importTileSet},
    };
}

}  // namespace zantor::tool
