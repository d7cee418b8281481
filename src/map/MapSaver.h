#pragma once

#include <QString>
#include <cstdint>

#include "codec/MapCodec.h"

namespace zantor {

class RomFile;
struct MapHeader;

// Writing a block map back in place. There is no moving a map elsewhere, so the new
// encoding must not be longer than the data read at the last load.
struct MapSaver {
    static QString tooBigMessage() {
        return QStringLiteral("Map is too big and repoint code isn't coded yet...");
    }

    // Whether the encoding of `cells` fits where a map of `compressedLength` was read.
    static bool fits(const MapCells& cells, int32_t compressedLength);

    // Writes the encoding at the map's data offset (read now from the ROM through the
    // header's table entry); nothing else of the image changes. Returns false, writing
    // nothing, when it does not fit. The caller commits.
    static bool write(RomFile& rom, const MapHeader& header, const MapCells& cells,
                      int32_t compressedLength);
};

}  // namespace zantor
