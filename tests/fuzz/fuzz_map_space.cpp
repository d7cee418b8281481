// The space model and region repacking over arbitrary ROM images. Every region the planner
// accepts, in every bank, is repacked into one in-memory image; then every map of every bank
// still decodes, through each of its table entries (so shared maps stay shared), to the cells
// it had and fills exactly its (new) slot, and no byte changed outside the repacked regions
// and the moved maps' table entries. A refused region is a clean answer; a planned repack that
// fails to write is a finding. (That a region's maps lie back to back is tst_MapSpace's.)
#include <algorithm>
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapSpace.h"
#include "map/RegionRepack.h"

using namespace zantor;

namespace {
constexpr int kWindowStart = 0x4000;

std::vector<RepackPlan> planEveryRegion(const MapSpace& space) {
    std::vector<RepackPlan> plans;
    for (const BankSpace& bank : space.banks())
        for (int r = 0; r < int(bank.regions.size()); ++r)
            try {
                plans.push_back(RegionRepack::plan(bank, r));
            } catch (const RepackError&) {
                // Unsafe or too full: the editor says why and writes nothing.
            }
    return plans;
}

// Where header entry `offset` of `bank` leads now.
int32_t entryTarget(const RomFile& rom, const BankSpace& bank, int32_t offset) {
    const int address = rom.ReadRomByte(offset) | rom.ReadRomByte(offset + 1) << 8;
    fuzz::Require(address >= kWindowStart && address < kWindowStart + BankSpace::kBankSize,
                  "a map's table entry stays inside the bank's window");
    return bank.start() + address - kWindowStart;
}

// The plan's placement of the map that started at `from`, or null when it was not repacked.
const RepackedMap* placementOf(const std::vector<RepackPlan>& plans, uint8_t bank, int32_t from) {
    for (const RepackPlan& plan : plans) {
        if (plan.bank != bank || from < plan.start || from >= plan.end)
            continue;
        for (const RepackedMap& map : plan.maps)
            if (map.from == from)
                return &map;
    }
    return nullptr;
}

void checkMaps(const RomFile& rom, const MapSpace& space, const std::vector<RepackPlan>& plans) {
    for (const BankSpace& bank : space.banks())
        for (const StoredMap& map : bank.maps) {
            const RepackedMap* placed = placementOf(plans, bank.bank, map.start);
            const int32_t start = placed ? placed->to : map.start;
            const int slot = placed ? placed->newSlot() : map.slot;
            for (int n : map.tableEntries)
                fuzz::Require(entryTarget(rom, bank, bank.table[n].offset) == start,
                              "every entry of a map leads to its (new) start, so shared maps "
                              "stay shared");
            const DecodedMap now = DecompressMap(rom, start);
            fuzz::Require(now.cells == map.cells, "a map decodes to the cells it had");
            fuzz::Require(now.CompressedLength - 1 == slot, "a map fills exactly its slot");
        }
}

void checkNothingElseChanged(const RomFile& rom, const QByteArray& original,
                             const std::vector<RepackPlan>& plans) {
    // The image with the writable ranges put back: the unclaimed bytes at a region's end keep
    // their contents, and inside the ranges is the decode checks' business.
    QByteArray now = rom.bytes();
    fuzz::Require(now.size() == original.size(), "a repack never changes the image's size");
    auto restore = [&](int32_t begin, int32_t end) {
        end = std::min<int32_t>(end, int32_t(now.size()));
        if (begin < end)
            std::memcpy(now.data() + begin, original.constData() + begin, size_t(end - begin));
    };
    for (const RepackPlan& plan : plans) {
        restore(plan.start, plan.end - plan.unclaimed);
        for (const RepackedMap& map : plan.maps)
            if (map.moves())
                for (int32_t entry : map.tableEntryOffsets)
                    restore(entry, entry + 2);
    }
    fuzz::Require(now == original,
                  "no byte outside the regions and the moved maps' entries changes");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize))
        return 0;
    const QByteArray original = fuzz::View(data, size);
    RomFile rom = RomFile::fromBytes(original);
    const MapSpace space = MapSpace::read(rom);

    const std::vector<RepackPlan> plans = planEveryRegion(space);
    for (const RepackPlan& plan : plans)
        RegionRepack::apply(rom, plan);
    if (plans.empty())
        return 0;
    checkMaps(rom, space, plans);
    checkNothingElseChanged(rom, original, plans);
    return 0;
}
