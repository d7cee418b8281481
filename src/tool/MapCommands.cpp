#include "ToolCommand.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "platform/AtomicFileWriter.h"

namespace zantor::tool {

namespace {
int exportMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, index));
    const DecodedMap map = DecompressMap(rom, MapDataOffset(rom, header));
    const QByteArray cells(reinterpret_cast<const char*>(map.MapBuffer.data()), kMapCells);
    const QString& out = args.positional[2];
    QString reason;
    if (!AtomicFileWriter::write(out, cells, &reason)) {
        throw RomFileError(RomFileError::Kind::Commit, out, reason);
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> MapCommands() {
    return {{"export-map", "ROM MAP OUT.bin",
             "Writes the decoded block map of MAP: 12288 bytes, 48 rows of 256 block numbers.",
             exportMap}};
}

}  // namespace zantor::tool
