#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "MapImport.h"
#include "ToolCommand.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"

namespace zantor::tool {

namespace {
int exportMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, index));
    const DecodedMap map = DecompressMap(rom, MapDataOffset(rom, header));
    const QByteArray cells(reinterpret_cast<const char*>(map.cells.data()), kMapCells);
    const QString& out = args.positional[2];
    QString reason;
    if (!AtomicFileWriter::write(out, cells, &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
    return kExitOk;
}
int importMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--repack"}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const QString& in = args.positional[2];
    const QByteArray bytes = ReadInputFile(in, kMapCells + 1);
    if (bytes.size() != kMapCells) {
        throw UsageError{
            QCoreApplication::translate("zantor-tool", "%1 holds %2 bytes; a block map is %3 bytes")
                .arg(in)
                .arg(bytes.size())
                .arg(kMapCells)};
    }
    MapCells cells{};
    std::copy(bytes.begin(), bytes.end(), cells.begin());

    return WriteImportedCells(args.positional[0], index, cells, args.flags.contains("--repack"),
                              QStringLiteral("import-map"));
}
}  // namespace

std::vector<ToolCommand> MapCommands() {
    return {{"export-map", "ROM MAP OUT.bin",
             QCoreApplication::translate(
                 "zantor-tool",
                 "Writes the decoded block map of MAP: 12288 bytes, 48 rows of 256 block numbers."),
             exportMap},
            {"import-map", "ROM MAP IN.bin [--repack]",
             QCoreApplication::translate(
                 "zantor-tool",
                 "Compresses a block map of 12288 bytes and writes it over MAP's data, in place,\n"
                 "lengthened to fill the map's slot (the bytes its stored form took), so the slot\n"
                 "stays the map's. Like \"Save map\", it refuses (exit 1, the ROM left as it was)\n"
                 "when the encoding is longer than the slot, and says by how much. --repack then\n"
                 "repacks the map's region when the other maps there leave enough room."),
             importMap}};
}

}  // namespace zantor::tool
