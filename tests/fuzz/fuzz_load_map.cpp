// The full level load (header, version byte, tile sheet, blocks, block map, block strip) over
// arbitrary ROM images; byte 0 of the image picks the map, so the sample cartridge seeds cover
// every level as they mutate. A read at a negative offset is a clean refusal; anything else
// that escapes is a finding.
//
// After a load it saves the map unchanged, as "Save map" would: the save must be accepted
// and must leave every byte as it was.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "codec/MapCodec.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"

using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize))
        return 0;  // RomFile::open refuses these; fromBytes is not the place to test that
    const QByteArray original = fuzz::View(data, size);
    RomFile rom = RomFile::fromBytes(original);
    const int index = size > 0 ? data[0] % kMapCount : 0;

    LoadedMap map;
    try {
        map = LoadMap(rom, index);
    } catch (const RomAccessError& error) {
        fuzz::Require(error.kind() == RomAccessError::Kind::Read, "a load only ever reads");
        return 0;
    }
    fuzz::Require(map.tileSheet.width() == kSheetSize && map.blockStrip.width() == kBlockStripWidth,
                  "the sheet and the strip have their sizes");

    // The stored data decode to the loaded cells over the loaded slot, so the save finds
    // nothing to write: even data stored in a form this program would not write stays as it is.
    fuzz::Require(
        MapSaver::writeToSlot(rom, map.header, map.cells, map.CompressedLength - 1),
        "a map saved unchanged after its load fits");
    fuzz::Require(!rom.isModified() && rom.bytes() == original,
                  "a map saved unchanged after its load writes nothing");
    return 0;
}
