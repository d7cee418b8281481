#pragma once

#include <QString>
#include <cstdint>

#include "codec/MapCodec.h"

namespace zantor {

class RomFile;
struct MapHeader;

// Writing a block map back in place. A map keeps its slot, the bytes its stored form took
// when it was loaded: a shorter encoding is lengthened to fill it exactly, so that the next
// load finds the same slot and the bytes the map gave up stay its own. A longer one is
// refused; making room is a repack of its region (RegionRepack).
struct MapSaver {
    // The bytes the shortest form of `cells` needs beyond a slot of `slot` bytes; 0 when it
    // fits.
    static int excess(const MapCells& cells, int slot);

    // The refusal: how many bytes too many, and what the user can do about it. `canRepack`:
    // the other maps of its region leave enough room (RegionRepack::canRepack).
    static QString tooBigMessage(int excess, bool canRepack);

    // Stores `cells` into the slot of `slot` bytes at the map's data offset (read now from the
    // ROM through the header's table entry), lengthened to fill it; nothing else of the image
    // changes. When the stored data already decodes to `cells` over exactly `slot` bytes,
    // nothing is written, so an unchanged map keeps its bytes even when they are not the form
    // this program would write. Returns false, writing nothing, when it does not fit. The
    // caller commits.
    static bool writeToSlot(RomFile& rom, const MapHeader& header, const MapCells& cells, int slot);
};

}  // namespace zantor
