#include "MapSaver.h"

#include "MapHeader.h"
#include "codec/RomFile.h"

namespace zantor {

bool MapSaver::fits(const MapCells& cells, int32_t compressedLength) {
    return CompressMapBytes(cells).size() + 1 <= compressedLength;
}

bool MapSaver::write(RomFile& rom, const MapHeader& header, const MapCells& cells,
                     int32_t compressedLength) {
    const QByteArray stored = CompressMapBytes(cells);
    if (stored.size() + 1 > compressedLength) {
        return false;
    }
    int32_t o = MapDataOffset(rom, header);
    for (char byte : stored) {
        rom.WriteRomByte(o++, uint8_t(byte));
    }
    return true;
}

}  // namespace zantor
