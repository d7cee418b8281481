#pragma once

#include <QString>
#include <cstdint>

#include "BlockSet.h"
#include "HeaderTexts.h"
#include "MapHeader.h"
#include "base/Picture.h"
#include "codec/MapCodec.h"

namespace zantor {

// Everything one map load produces: the editor's model state, every picture of the map and
// the texts the main window shows. Built whole by LoadMap, then swapped in by the caller.
struct LoadedMap {
    int mapIndex = 0;

    // The model state.
    uint8_t RomVersion = 0;
    zantor::MapHeader MapHeader;
    BlockTable BlockSet{};
    MapCells MapBuffer{};
    int32_t CompressedLength = 0;

    // The pictures, by the names of the controls that show them.
    Picture picTiles;    // 128 × 128: the tile sheet
    Picture Test;        // 4096 × 32: the block strip at 16 × 16 per block (x < 2048)
    Picture picBlocks2;  // 4096 × 32: the block strip at 32 × 32 per block
    Picture Picture2;    // a copy of picBlocks2 (the block editor's strip)
    Picture picMap;      // 4096 × 768: the whole level
    Picture picEvents2;  // a copy of picMap (the events view)

    // The texts and positions for the window.
    int32_t headerOffset = 0;
    QString label7Caption;
    HeaderFieldTexts headerTexts;
    int markerTop = 0;  // imgMario's position in picEvents2
    int markerLeft = 0;
};

}  // namespace zantor
