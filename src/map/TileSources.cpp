#include "TileSources.h"

#include "codec/RomFile.h"

namespace zantor {

TileSourceTables TileSourceTablesFor(uint8_t romVersion) {
    const int32_t shift = romVersion == 0 ? 0 : 3;
    return {0x360A + shift, 0x362A + shift, 0x763 + shift, 0x36AA + shift};
}

TileSources ReadTileSources(const RomFile& rom, int mapIndex, uint8_t romVersion) {
    const TileSourceTables tables = TileSourceTablesFor(romVersion);
    TileSources sources;
    sources.tileSetByte = rom.ReadRomByte(tables.tileSetBytes + mapIndex);
    const int n = sources.tileSet();
    sources.groupA = kTileGroupABase + kTileGroupAStride * n;
    sources.groupB = rom.ReadFarPointer(tables.groupB + 4 * mapIndex);
    sources.groupC = rom.ReadBankPointer(tables.groupC + 2 * n, 7);
    sources.groupD = rom.ReadFarPointer(tables.groupD + 4 * mapIndex);
    return sources;
}

}  // namespace zantor
