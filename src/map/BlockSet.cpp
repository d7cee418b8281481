#include "BlockSet.h"

#include "codec/RomFile.h"

namespace zantor {

BlockTable ReadBlockSet(const RomFile& rom, int32_t blockDataOffset) {
    BlockTable blocks{};
    for (int b = 0; b < kBlockCount; ++b) {
        for (int q = 0; q < 4; ++q) {
            blocks[size_t(b)][size_t(q)] = rom.ReadRomByte(blockDataOffset + 4 * b + q);
        }
    }
    return blocks;
}

}  // namespace zantor
