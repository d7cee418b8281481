#include "ToolCommand.h"
#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "map/MapLoader.h"

namespace zantor::tool {

namespace {
using PictureOf = Picture (*)(const LoadedMap&);

int renderPicture(const QStringList& rawArgs, PictureOf pick) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const LoadedMap map = LoadMap(rom, index);
    const QString& out = args.positional[2];
    QString reason;
    if (!ImageFiles::SavePicture(pick(map), out, "PNG", &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> RenderCommands() {
    return {
        {"render", "ROM MAP OUT.png", "Draws the whole level of MAP (4096 × 768) as a PNG.",
         [](const QStringList& a) {
             return renderPicture(
                 a, [](const LoadedMap& m) { return DrawLevel(m.blockStrip, m.cells); });
         }},
        {"tiles", "ROM MAP OUT.png", "Draws the tile sheet of MAP (128 × 128) as a PNG.",
         [](const QStringList& a) {
             return renderPicture(a, [](const LoadedMap& m) { return m.tileSheet; });
         }},
        {"blocks", "ROM MAP OUT.png",
         "Draws the 128 blocks of MAP at 32 × 32 pixels each (4096 × 32) as a PNG.",
         [](const QStringList& a) {
             return renderPicture(
                 a, [](const LoadedMap& m) { return EnlargeBlockStrip(m.blockStrip); });
         }},
    };
}

}  // namespace zantor::tool
