#pragma once

#include <QString>

#include "TiledLevel.h"

namespace zantor {

// The tileset picture written beside `tmxPath`: "NAME-blocks.png" for "NAME.tmx".
QString TilesetPathFor(const QString& tmxPath);

// The TMX text of `level` (what WriteTmx writes), its tileset image given by `tilesetFile`,
// a path relative to the TMX.
QByteArray TmxText(const TiledLevel& level, const QString& tilesetFile);

// Writes `level` as a TMX map at `path` (CSV layer "map", map properties "level name" and
// "level number", the object group when the level has objects) and the tileset picture of its
// 128 blocks beside it, drawn from `blockStrip` (block b at (16b, 0)). Each file is replaced
// whole or not at all. Throws FileError.
void WriteTmx(const QString& path, const TiledLevel& level, const Picture& blockStrip);

}  // namespace zantor
