#pragma once

#include <cstdint>

#include "BlockSet.h"
#include "MapHeader.h"
#include "TileSources.h"
#include "base/Picture.h"
#include "codec/MapCodec.h"

namespace zantor {

// Everything one level load reads: the model data and the two small pictures every view
// draws from (the tile sheet and the 16 × 16 blocks). The level itself is never drawn here:
// views draw what they show from the cells, and DrawLevel makes the whole picture on demand.
// Built whole by LoadMap, then swapped in by the caller.
struct LoadedMap {
    int mapIndex = 0;
    int32_t headerOffset = 0;

    uint8_t romVersion = 0;
    MapHeader header;
    BlockTable blocks{};
    MapCells cells{};
    // One more than the stored bytes the decoder consumed: the map's slot plus one.
    int32_t CompressedLength = 0;

    // Where the sheet's tiles are stored.
    TileSources tileSources;
    Picture tileSheet;     // 128 × 128, in the header's background palette
    Picture rawTileSheet;  // the same in the identity palette, to recolour from
    Picture blockStrip;    // 2048 × 16: block b at (16b, 0)
};

}  // namespace zantor
