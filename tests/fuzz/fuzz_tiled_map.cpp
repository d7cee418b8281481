// Maps as a user's Tiled file may hold them, TMX or JSON, in any encoding and compression.
// Reading never crashes and refuses only with a TiledError; an accepted map holds blocks only;
// written back as TMX it reads as the same level, cells, objects and properties.
#include "FuzzCheck.h"
#include "tiled/TiledError.h"
#include "tiled/TiledReader.h"
#include "tiled/TmxWriter.h"

using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TiledLevel level;
    try {
        level = ParseTiledMap(fuzz::Bytes(data, size), QStringLiteral("fuzz.tmx"));
    } catch (const TiledError&) {
        return 0;
    }
    for (uint8_t cell : level.cells)
        fuzz::Require(cell < 0x80, "an accepted map holds blocks only");
    const TiledLevel again =
        ParseTiledMap(TmxText(level, QStringLiteral("fuzz-blocks.png")), QStringLiteral("again"));
    fuzz::Require(again.cells == level.cells, "written back, the cells read the same");
    fuzz::Require(again.objects == level.objects, "written back, the objects read the same");
    fuzz::Require(again.levelName == level.levelName && again.levelNumber == level.levelNumber,
                  "written back, the level's name and number read the same");
    return 0;
}
