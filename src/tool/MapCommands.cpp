#include <QFile>
#include <cstdio>

#include "ToolCommand.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "base/FileError.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "base/AtomicFileWriter.h"

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
        throw FileError(FileError::Kind::Write, out, reason);
    }
    return kExitOk;
}
int importMap(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const QString& in = args.positional[2];
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(FileError::Kind::Read, in, file.errorString());
    }
    const QByteArray bytes = file.read(kMapCells + 1);
    if (bytes.size() != kMapCells) {
        throw UsageError{QStringLiteral("%1 holds %2 bytes; a block map is %3 bytes")
                             .arg(in)
                             .arg(bytes.size())
                             .arg(kMapCells)};
    }
    MapCells cells{};
    std::copy(bytes.begin(), bytes.end(), cells.begin());

    RomFile rom = RomFile::open(args.positional[0]);
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, index));
    const int32_t room = DecompressMap(rom, MapDataOffset(rom, header)).CompressedLength;
    if (!MapSaver::write(rom, header, cells, room)) {
        std::fprintf(stderr, "zantor-tool import-map: %s: %s\n", qPrintable(rom.path()),
                     qPrintable(MapSaver::tooBigMessage()));
        return kExitFailed;
    }
    rom.commit();
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> MapCommands() {
    return {{"export-map", "ROM MAP OUT.bin",
             "Writes the decoded block map of MAP: 12288 bytes, 48 rows of 256 block numbers.",
             exportMap},
            {"import-map", "ROM MAP IN.bin",
             "Compresses a block map of 12288 bytes and writes it over MAP's data, in place. Like\n"
             "\"Save map\", it refuses (exit 1) when the encoding is longer than the stored data;\n"
             "the ROM is then left as it was.",
             importMap}};
}

}  // namespace zantor::tool
