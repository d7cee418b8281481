#include <QCoreApplication>
#include <cstdio>

#include "MapImport.h"
#include "ToolCommand.h"
#include "codec/RomFile.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/ObjectListWriter.h"
#include "map/ObjectSpace.h"
#include "tiled/TiledReader.h"
#include "tiled/TmxWriter.h"

namespace zantor::tool {

namespace {
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TiledCommands)
};

int exportTmx(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const LoadedMap map = LoadMap(rom, index);
    TiledLevel level;
    level.cells = map.cells;
    level.levelName = MapNames()[index];
    level.levelNumber = index;
    try {
        level.objects = ReadLevelObjects(rom, index).objects;
    } catch (const ObjectListError& error) {
        // The map is still worth having without its objects.
        std::fprintf(
            stderr, "%s\n",
            qPrintable(Text::tr("zantor-tool export-tmx: no object group: %1").arg(error.text())));
    }
    WriteTmx(args.positional[2], level, map.blockStrip);
    return kExitOk;
}

int importTmx(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--repack"}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    // Read whole before the ROM is opened: a map that cannot become a level writes nothing.
    const TiledLevel level = ReadTiledMap(args.positional[2]);
    const bool repack = args.flags.contains("--repack");
    // The objects are planned before anything is written, so that a list that cannot be
    // stored refuses the whole import; cells and objects then go out in one commit.
    std::optional<ObjectWritePlan> objects;
    if (level.objects) {
        try {
            const ObjectSpace space = ObjectSpace::read(RomFile::open(args.positional[0]));
            objects = ObjectListWriter::plan(space, index, *level.objects, repack);
        } catch (const ObjectListError& error) {
            std::fprintf(
                stderr, "%s\n",
                qPrintable(Text::tr("zantor-tool import-tmx: the objects: %1").arg(error.text())));
            if (error.kind() == ObjectListError::Kind::DoesNotFit)
                std::fprintf(
                    stderr, "%s\n",
                    qPrintable(Text::tr("To repack, run the same command with --repack.")));
            return kExitFailed;
        }
    }
    const int result = WriteImportedCells(args.positional[0], index, level.cells, repack,
                                          QStringLiteral("import-tmx"), [&](RomFile& rom) {
                                              if (objects)
                                                  ObjectListWriter::apply(rom, *objects);
                                          });
    if (result == kExitOk && objects) {
        std::printf("%s\n", qPrintable(Text::tr("%1 objects written").arg(level.objects->size())));
    }
    return result;
}
}  // namespace

std::vector<ToolCommand> TiledCommands() {
    return {{"export-tmx", "ROM MAP OUT.tmx",
             "Writes MAP as a map for the Tiled editor: 256 × 48 cells of 16 × 16 pixels, the\n"
             "tile layer \"map\" in CSV (tile id = block + 1), the 128 blocks as a tileset\n"
             "picture beside it (OUT-blocks.png), the level's name and number as map\n"
             "properties, and the object group \"objects\" with each object's \"type\" and\n"
             "\"hiddenInEasyMode\" as properties.",
             exportTmx},
            {"import-tmx", "ROM MAP IN.tmx|IN.json [--repack]",
             "Reads a map as Tiled saves it (TMX or JSON; CSV, base64, base64 with zlib or\n"
             "gzip) and writes its layer \"map\" over MAP's cells like import-map: in place,\n"
             "filling the map's slot, refused when too long unless --repack makes room. A map\n"
             "of another size, an empty cell or a tile id outside the blocks, or an unknown\n"
             "encoding is refused (exit 1, nothing written). The object group \"objects\", when\n"
             "present, becomes MAP's object list like import-objects, in the same commit.",
             importTmx}};
}

}  // namespace zantor::tool
