#pragma once

#include <QByteArray>
#include <QString>

#include "TiledLevel.h"

namespace zantor {

// Reads a level from a map as Tiled saves it, TMX or JSON (told apart by the content): the
// tile layer "map" (or the only tile layer) in CSV, base64, or base64 with zlib or gzip
// compression (a TMX's XML tile list too), the first tileset's firstgid, the object group
// "objects" with each object's "type" and "hiddenInEasyMode" properties, and the map
// properties "level name" and "level number". Throws FileError when the file cannot be read
// and TiledError when it cannot become a level; the message names `path`.
TiledLevel ReadTiledMap(const QString& path);

// The same from the file's bytes; `name` is what messages call the file.
TiledLevel ParseTiledMap(const QByteArray& bytes, const QString& name);

}  // namespace zantor
