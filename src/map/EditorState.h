#pragma once

#include <QString>
#include <cstdint>

#include "BlockSet.h"
#include "LoadedMap.h"
#include "MapHeader.h"
#include "codec/MapCodec.h"

namespace zantor {

// The editor's model: the open ROM and the state of the loaded map. One object, shared by the
// windows; a load replaces the map part as a whole (apply) once the new map is complete.
struct EditorState {
    QString RomPath;  // empty: no ROM open
    uint8_t RomVersion = 0;
    zantor::MapHeader MapHeader;
    BlockTable BlockSet{};
    MapCells MapBuffer{};
    int32_t CompressedLength = 0;
    bool mapLoaded = false;

    void apply(const LoadedMap& map) {
        RomVersion = map.RomVersion;
        MapHeader = map.MapHeader;
        BlockSet = map.BlockSet;
        MapBuffer = map.MapBuffer;
        CompressedLength = map.CompressedLength;
        mapLoaded = true;
    }
};

}  // namespace zantor
