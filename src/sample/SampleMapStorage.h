#pragma once

#include <QByteArray>

#include "codec/MapCodec.h"

namespace zantor {

// How a sample map is stored.
enum class MapStorage {
    // Exactly what the editor's compressor writes, the next map right behind it.
    Tight,
    // Long runs split into runs of at most kRoomyRun cells, followed by spare bytes: the
    // editor takes the bytes the decoder consumed as the room it may write, so an edited map
    // that compresses a little worse still fits.
    Roomy,
    // As long as Tight, but every run that reaches the end of its row is stored as a fill code
    // (count 0), which some maps of the game use.
    RowFill,
};

constexpr int kRoomyRun = 16;
constexpr int kRoomySpareBytes = 96;

// The stored bytes of a map; they decode to `cells` And 0x7F.
QByteArray EncodeStoredMap(const MapCells& cells, MapStorage storage);

}  // namespace zantor
