#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>
#include <vector>

#include "BankSpace.h"
#include "RepackError.h"

namespace zantor {

class MapSpace;
class RomFile;

// New cells for one map of a region (the one being edited); the others are taken as stored.
struct ReplacementCells {
    int mapIndex = 0;
    MapCells cells{};
};

// Where one map of a region goes.
struct RepackedMap {
    QList<int> mapIndices;             // the headers whose map it is
    QList<int32_t> tableEntryOffsets;  // the entries that point at it
    int32_t from = 0;                  // its old start
    int32_t to = 0;                    // its new start
    int oldSlot = 0;
    QByteArray stored;  // its new stored form; its length is the new slot

    bool moves() const { return from != to; }
    int newSlot() const { return int(stored.size()); }
};

// A region laid out afresh: every map in its old order in its shortest form, back to back
// from the region's start, the last one lengthened to the region's end.
struct RepackPlan {
    uint8_t bank = 0;
    int32_t start = 0;
    int32_t end = 0;
    std::vector<RepackedMap> maps;
    int bytesNeeded = 0;  // the shortest forms together
    // Bytes at the region's end beyond the longest form the last map can take: they keep
    // their old contents and belong to no slot afterwards. 0 unless the region has more than
    // about 10 KiB to spare.
    int unclaimed = 0;

    // The headers whose maps move: what the editor's question lists.
    QList<int> movedMapIndices() const;
    // The slot header `mapIndex`'s map has after the repack (the editor's new budget for it);
    // -1 when it is not in the region.
    int newSlotOf(int mapIndex) const;
};

// Repacking a region of a map bank (see MapSpace): the edited map may grow into the room
// the other maps of its region do not use.
class RegionRepack {
public:
    // The plan for region `region` of `bank`, with `replacement`'s cells for its map. Throws
    // RepackError when a header's map in the bank cannot be decoded, when a table entry of the
    // bank points into the region anywhere but at the start of one of its maps, when other
    // maps' data or the table overlap it, or when its maps do not fit it.
    static RepackPlan plan(const BankSpace& bank, int region,
                           const std::optional<ReplacementCells>& replacement = std::nullopt);

    // The plan for the region of map `mapIndex` with `cells` as its new cells.
    static RepackPlan planFor(const MapSpace& space, int mapIndex, const MapCells& cells);

    // Whether repacking would let map `mapIndex` take `cells`: the editor's question before it
    // offers a repack. `whyNot` gets the refusal's text.
    static bool canRepack(const MapSpace& space, int mapIndex, const MapCells& cells,
                          QString* whyNot = nullptr);

    // Writes the maps and the moved maps' table entries into `rom`, nothing else; the caller
    // commits once.
    static void apply(RomFile& rom, const RepackPlan& plan);
};

}  // namespace zantor
