#include "MapChanges.h"

#include "MapHeader.h"
#include "MapTable.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
struct LevelData {
    MapCells cells;
    BlockTable blocks;
};

// The model part of a map load, without drawing any picture.
LevelData readLevel(const RomFile& rom, int mapIndex) {
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, mapIndex));
    return {DecompressMap(rom, MapDataOffset(rom, header)).MapBuffer,
            ReadBlockSet(rom, header.BlockDataOffset())};
}
}  // namespace

MapChanges MapChanges::compare(const RomFile& original, const RomFile& edited, int mapIndex) {
    const LevelData before = readLevel(original, mapIndex);
    const LevelData after = readLevel(edited, mapIndex);
    MapChanges changes;
    for (int cell = 0; cell < kMapCells; ++cell) {
        // The level shows a cell's block number And 0x7F, so only those bits count.
        changes.cells_[size_t(cell)] =
            (before.cells[size_t(cell)] & 0x7F) != (after.cells[size_t(cell)] & 0x7F);
    }
    for (int block = 0; block < kBlockCount; ++block) {
        changes.blocks_[size_t(block)] =
            before.blocks[size_t(block)] != after.blocks[size_t(block)];
    }
    return changes;
}

}  // namespace zantor
