// The full map load (header, version byte, tile sheet, blocks, block map, every picture) over
// arbitrary ROM images; byte 0 of the image picks the map, so the sample cartridge seeds cover
// every level as they mutate. A read at a negative offset is the program's fatal read error,
// a clean refusal; anything else that escapes is a finding.
//
// After a load it saves the map unchanged, as "Save map" would: the save must be accepted
// unless it reaches into the cartridge header (then refused), must change no byte outside the
// map's data, and (when the data do not overlap the bytes
// that locate the map) loading again must give the same cells.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "codec/CartridgeChecksum.h"
#include "codec/MapCodec.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"

using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize)) {
        return 0;  // RomFile::open refuses these; fromBytes is not the place to test that
    }
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
    fuzz::Require(map.tileSheet.width() == kSheetSize && map.blockStrip.width() == kStripWidth,
                  "the sheet and the strip have their sizes");

    const int32_t at = MapDataOffset(rom, map.MapHeader);
    const QByteArray stored = CompressMapBytes(map.MapBuffer);
    // Map data that reach into the cartridge header are refused: a save never writes there.
    const bool intoHeader = at < CartridgeChecksum::kHeaderEnd &&
                            qint64(at) + stored.size() > CartridgeChecksum::kHeaderStart;
    try {
        fuzz::Require(MapSaver::write(rom, map.MapHeader, map.MapBuffer, map.CompressedLength),
                      "a map saved unchanged after its load fits");
    } catch (const RomAccessError& error) {
        fuzz::Require(intoHeader && error.kind() == RomAccessError::Kind::Header,
                      "only a save into the header is refused");
        return 0;
    }
    fuzz::Require(!intoHeader, "a save into the header is refused");
    const QByteArray written = rom.bytes();
    const qint64 end = qint64(at) + stored.size();
    fuzz::Require(written.size() == std::max<qint64>(original.size(), end),
                  "the image grows only up to the end of the written map");
    const qint64 before = std::min<qint64>(at, original.size());
    fuzz::Require(written.first(before) == original.first(before),
                  "no byte before the map's data changes");
    fuzz::Require(written.sliced(before, at - before).count('\0') == at - before,
                  "a map past the end grows the image with zeros up to it");
    fuzz::Require(end >= original.size() || written.sliced(end) == original.sliced(end),
                  "no byte after the map's data changes");

    auto overlaps = [&](int32_t from, int32_t length) {
        return from < end && at < qint64(from) + length;
    };
    if (!overlaps(kMapTableOffset + 2 * index, 2) &&
        !overlaps(map.headerOffset, MapHeader::kSize) &&
        !overlaps(map.MapHeader.mapDataPointerOffset(), 2)) {
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, index));
        const DecodedMap again = DecompressMap(rom, MapDataOffset(rom, header));
        fuzz::Require(again.MapBuffer == map.MapBuffer, "loading the saved map gives its cells");
    }
    return 0;
}
