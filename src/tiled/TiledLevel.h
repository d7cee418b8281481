#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "base/Picture.h"
#include "codec/MapCodec.h"
#include "map/ObjectList.h"

namespace zantor {

// A level as it travels to and from Tiled: one orthogonal map of 256 × 48 cells of 16 × 16
// pixels, whose tile layer "map" holds global tile id = block + kBlockFirstGid.
constexpr int kTiledCellSize = 16;
constexpr int kBlockFirstGid = 1;
// The tileset picture: the 128 blocks, 16 a row.
constexpr int kTilesetColumns = 16;

struct TiledLevel {
    MapCells cells{};
    // The level's enemies and items, the map's object group "objects"; none when the map has
    // no such group (or, on export, when the ROM's object lists are not known).
    std::optional<std::vector<LevelObject>> objects;
    QString levelName;
    int levelNumber = 0;
};

}  // namespace zantor
