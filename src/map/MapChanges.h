#pragma once

#include <bitset>

#include "BlockSet.h"
#include "codec/MapCodec.h"

namespace zantor {

class RomFile;

// How one level of an edited cartridge differs from the same level of an original: which
// cells of the block map hold another block, and which blocks are built from other tile
// quarters. What the "Compare with original" view tints and counts.
class MapChanges {
public:
    // Reads map `mapIndex` of both images (header, block set, block map) as a load would.
    // Throws RomAccessError when either cannot be read.
    static MapChanges compare(const RomFile& original, const RomFile& edited, int mapIndex);

    bool cellChanged(int x, int y) const { return cells_[size_t(y * kMapColumns + x)]; }
    bool blockChanged(int block) const { return blocks_[size_t(block)]; }
    int changedCells() const { return int(cells_.count()); }
    int changedBlocks() const { return int(blocks_.count()); }

private:
    std::bitset<kMapCells> cells_;
    std::bitset<kBlockCount> blocks_;
};

}  // namespace zantor
