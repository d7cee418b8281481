#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "ToolCommand.h"
#include "codec/CartridgeChecksum.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/HeaderTexts.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/TileSources.h"

namespace zantor::tool {

namespace {
// Everything `info` tells about one map.
struct MapInfo {
    int index = 0;
    int32_t headerOffset = 0;
    MapHeader header;
    HeaderFieldTexts texts;
    int32_t mapDataOffset = 0;
    int32_t storedSize = 0;  // the map's slot: the bytes its decoding consumed
    int bytesNeeded = 0;     // the shortest form of its cells
    TileSources tiles;
};

MapInfo readMapInfo(const RomFile& rom, int index, uint8_t version) {
    MapInfo info;
    info.index = index;
    info.headerOffset = HeaderOffset(rom, index);
    info.header = MapHeader::read(rom, info.headerOffset);
    info.texts = MakeHeaderFieldTexts(info.header);
    info.tiles = ReadTileSources(rom, index, version);
    info.mapDataOffset = MapDataOffset(rom, info.header);
    const DecodedMap map = DecompressMap(rom, info.mapDataOffset);
    info.storedSize = map.CompressedLength - 1;
    info.bytesNeeded = int(CompressMapBytes(map.cells).size());
    return info;
}

QString headerBytes(const MapHeader& header) {
    QStringList bytes;
    for (uint8_t b : header.bytes) {
        bytes << HexText2(b);
    }
    return bytes.join(' ');
}

QJsonObject toJson(const MapInfo& info) {
    const HeaderFieldTexts& t = info.texts;
    return QJsonObject{
        {"index", info.index},
        {"name", MapNames()[info.index]},
        {"headerOffset", info.headerOffset},
        {"header", headerBytes(info.header)},
        {"fields", QJsonObject{{"headerOffsetCaption", HeaderOffsetCaption(info.headerOffset)},
                               {"blockData", t.blockData},
                               {"mapBank", t.mapBank},
                               {"music", t.music},
                               {"backgroundPalette", t.backgroundPalette},
                               {"foregroundPalette0", t.foregroundPalette0},
                               {"foregroundPalette1", t.foregroundPalette1},
                               {"mapNumber2", t.mapNumber2},
                               {"timeIndex", t.timeIndex},
                               {"time", TimeEntries()[t.timeIndex]},
                               {"startTop", info.header.playerY()},
                               {"startLeft", info.header.playerX()}}},
        {"camera", QJsonObject{{"x", info.header.cameraX()}, {"y", info.header.cameraY()}}},
        {"blockDataOffset", info.header.BlockDataOffset()},
        {"mapDataOffset", info.mapDataOffset},
        {"storedSize", info.storedSize},
        {"slot", info.storedSize},
        {"bytesNeeded", info.bytesNeeded},
        {"tileSetByte", info.tiles.tileSetByte},
        {"tileSources", QJsonObject{{"A", info.tiles.groupA},
                                    {"B", info.tiles.groupB},
                                    {"C", info.tiles.groupC},
                                    {"D", info.tiles.groupD}}},
    };
}

QString toText(const MapInfo& info) {
    const HeaderFieldTexts& t = info.texts;
    QString time = TimeEntries()[t.timeIndex];
    if (t.timeIndex == 0) {
        time = QCoreApplication::translate("zantor-tool", "(entry 0)");
    }
    return QStringLiteral(
               "%1 %2\n"
               "  %3\n"
               "  header bytes: %4\n"
               "  block data offset: %5  map bank: %6  music: %7\n"
               "  background palette: %8  foreground palettes: %9 %10  map number 2: %11\n"
               "  time: %12  start marker: left %13, top %14\n"
               "  BlockDataOffset %15  MapDataOffset %16  slot %17 bytes, needs %18\n"
               "  tile set byte %19  tiles A %20  B %21  C %22  D %23")
        .arg(QString::number(info.index).rightJustified(2), MapNames()[info.index],
             HeaderOffsetCaption(info.headerOffset), headerBytes(info.header), t.blockData,
             t.mapBank, t.music, t.backgroundPalette, t.foregroundPalette0)
        .arg(t.foregroundPalette1, t.mapNumber2, time, QString::number(info.header.playerX()),
             QString::number(info.header.playerY()), OffsetText(info.header.BlockDataOffset()),
             OffsetText(info.mapDataOffset), QString::number(info.storedSize),
             QString::number(info.bytesNeeded))
        .arg(OffsetText(info.tiles.tileSetByte), OffsetText(info.tiles.groupA),
             OffsetText(info.tiles.groupB), OffsetText(info.tiles.groupC),
             OffsetText(info.tiles.groupD));
}

QString cameraText(const MapInfo& info) {
    return QCoreApplication::translate("InfoCommand", "  camera start: x %1, y %2")
        .arg(info.header.cameraX())
        .arg(info.header.cameraY());
}

QJsonObject checksumJson(int stored, int computed, bool holds) {
    return QJsonObject{{"stored", stored}, {"computed", computed}, {"holds", holds}};
}

QString checksumText(const char* name, int32_t offset, int digits, int stored, int computed,
                     bool holds) {
    const QString value = "0x" + QString::number(stored, 16).toUpper().rightJustified(digits, '0');
    return QCoreApplication::translate("zantor-tool", "%1 checksum (0x%2): %3, %4")
        .arg(QCoreApplication::translate("zantor-tool", name),
             QString::number(offset, 16).toUpper(), value,
             holds
                 ? QCoreApplication::translate("zantor-tool", "holds")
                 : QCoreApplication::translate("zantor-tool", "does not hold (the bytes give 0x%1)")
                       .arg(QString::number(computed, 16).toUpper().rightJustified(digits, '0')));
}

int info(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--json"}, {});
    RequireCount(args, 1);
    const RomFile rom = RomFile::open(args.positional[0]);
    const uint8_t version = ReadRomVersion(rom);
    const CartridgeChecksum sums = CartridgeChecksum::of(rom.bytes());
    std::vector<MapInfo> maps;
    for (int i = 0; i < kMapCount; ++i) {
        maps.push_back(readMapInfo(rom, i, version));
    }
    if (args.flags.contains("--json")) {
        QJsonArray list;
        for (const MapInfo& map : maps) {
            list.append(toJson(map));
        }
        const QJsonObject root{
            {"file", rom.path()},
            {"size", qint64(rom.size())},
            {"romVersion", version},
            {"headerChecksum",
             checksumJson(sums.headerStored, sums.headerComputed, sums.headerHolds())},
            {"globalChecksum",
             checksumJson(sums.globalStored, sums.globalComputed, sums.globalHolds())},
            {"maps", list}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }
    std::printf(
        qPrintable(QCoreApplication::translate("zantor-tool", "%s: %lld bytes, version byte %d\n")),
        qPrintable(rom.path()), static_cast<long long>(rom.size()), version);
    if (sums.present) {
        std::printf(
            "%s\n%s\n",
            qPrintable(checksumText(QT_TRANSLATE_NOOP("zantor-tool", "header"),
                                    CartridgeChecksum::kHeaderChecksumOffset, 2, sums.headerStored,
                                    sums.headerComputed, sums.headerHolds())),
            qPrintable(checksumText(QT_TRANSLATE_NOOP("zantor-tool", "global"),
                                    CartridgeChecksum::kGlobalChecksumOffset, 4, sums.globalStored,
                                    sums.globalComputed, sums.globalHolds())));
    } else {
        std::fputs(
            qPrintable(QCoreApplication::translate(
                "zantor-tool", "no cartridge header: the file is shorter than 0x150 bytes\n")),
            stdout);
    }
    for (const MapInfo& map : maps) {
        std::printf("%s\n%s\n", qPrintable(toText(map)), qPrintable(cameraText(map)));
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> InfoCommands() {
    return {
        {"info", "ROM [--json]",
         QCoreApplication::translate(
             "zantor-tool",
             "Prints the version byte and, for each of the 32 maps, its header (bytes and the\n"
             "Header tab's texts), BlockDataOffset, MapDataOffset, the map's slot (the bytes its\n"
             "stored form takes) and the bytes its cells need, the four tile sources and the\n"
             "camera start, after\n"
             "the header checksum (0x14D) and the global checksum (0x14E-0x14F), each with\n"
             "whether it holds. --json prints the same as one JSON document."),
         info}};
}

}  // namespace zantor::tool
