#include "MapHeader.h"

#include "codec/RomFile.h"

namespace zantor {

MapHeader MapHeader::read(const RomFile& rom, int32_t headerOffset) {
    MapHeader header;
    for (int k = 0; k < kSize; ++k) {
        header.bytes[size_t(k)] = rom.ReadRomByte(headerOffset + k);
    }
    return header;
}

int32_t MapDataOffset(const RomFile& rom, const MapHeader& header) {
    return rom.ReadBankPointer(header.mapDataPointerOffset(), header.mapBank());
}

}  // namespace zantor
