#include "RegionRepack.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "MapSpace.h"
#include "MapTable.h"
#include "codec/CartridgeChecksum.h"
#include "codec/RomFile.h"
#include "map/HeaderTexts.h"

namespace zantor {

namespace {
constexpr int kWindowStart = 0x4000;

QString mapName(int mapIndex) {
    return QCoreApplication::translate("RegionRepack", "map %1 (%2)")
        .arg(mapIndex)
        .arg(MapNames()[mapIndex]);
}

QString regionText(const MapRegion& region) {
    return QStringLiteral("%1-%2").arg(OffsetText(region.start), OffsetText(region.end - 1));
}

void refuseUnsafe(const BankSpace& bank, const MapRegion& region) {
    if (!bank.problems.isEmpty()) {
        const MapProblem& problem = bank.problems.first();
        throw RepackError(
            RepackError::Kind::UndecodableMap,
            QCoreApplication::translate("RegionRepack", "%1 of bank %2 cannot be decoded: %3")
                .arg(mapName(problem.mapIndex), BankText(bank.bank), problem.reason));
    }
    auto inside = [&](int32_t offset) { return offset >= region.start && offset < region.end; };
    for (const MapTableEntry& entry : bank.table) {
        if (!inside(entry.target)) {
            continue;
        }
        const bool atMapStart = std::any_of(region.maps.begin(), region.maps.end(), [&](int k) {
            return bank.maps[size_t(k)].start == entry.target;
        });
        if (!atMapStart) {
            throw RepackError(
                RepackError::Kind::EntryInsideRegion,
                QCoreApplication::translate(
                    "RegionRepack",
                    "table entry %1 of bank %2 points to %3, inside the region %4 but "
                    "not at the start of a map: moving the maps would break it")
                    .arg(entry.number)
                    .arg(BankText(bank.bank), OffsetText(entry.target), regionText(region)));
        }
    }
    for (int k = 0; k < int(bank.maps.size()); ++k) {
        const StoredMap& map = bank.maps[size_t(k)];
        if (!region.maps.contains(k) && map.start < region.end && map.end() > region.start) {
            throw RepackError(
                RepackError::Kind::OverlapsRegion,
                QCoreApplication::translate("RegionRepack", "the data of %1 overlaps the region %2")
                    .arg(mapName(map.mapIndices.first()), regionText(region)));
        }
    }
    if (region.start < CartridgeChecksum::kHeaderEnd &&
        region.end > CartridgeChecksum::kHeaderStart) {
        throw RepackError(
            RepackError::Kind::OverlapsRegion,
            QCoreApplication::translate("RegionRepack",
                                        "the cartridge header (0x134-0x14F) lies in the region "
                                        "%1, and a save never changes the header")
                .arg(regionText(region)));
    }
    for (const auto& [start, length] : bank.keepOut) {
        if (start < region.end && start + length > region.start) {
            throw RepackError(
                RepackError::Kind::OverlapsRegion,
                QCoreApplication::translate("RegionRepack",
                                            "the map headers or their table (at %1) lie in the "
                                            "region %2; moving maps over them would break them")
                    .arg(OffsetText(start), regionText(region)));
        }
    }
    if (bank.tableStart() < region.end && bank.tableEnd() > region.start) {
        throw RepackError(RepackError::Kind::OverlapsRegion,
                          QCoreApplication::translate(
                              "RegionRepack", "the map table of bank %1 overlaps the region %2")
                              .arg(BankText(bank.bank), regionText(region)));
    }
}
}  // namespace

QList<int> RepackPlan::movedMapIndices() const {
    QList<int> moved;
    for (const RepackedMap& map : maps) {
        if (map.moves()) {
            moved += map.mapIndices;
        }
    }
    return moved;
}

int RepackPlan::newSlotOf(int mapIndex) const {
    for (const RepackedMap& map : maps) {
        if (map.mapIndices.contains(mapIndex)) {
            return map.newSlot();
        }
    }
    return -1;
}

RepackPlan RegionRepack::plan(const BankSpace& bank, int region,
                              const std::optional<ReplacementCells>& replacement) {
    if (region < 0 || region >= int(bank.regions.size())) {
        throw RepackError(
            RepackError::Kind::NoRegion,
            QCoreApplication::translate("RegionRepack", "bank %1 has no map region %2")
                .arg(BankText(bank.bank))
                .arg(region));
    }
    const MapRegion& r = bank.regions[size_t(region)];
    refuseUnsafe(bank, r);

    RepackPlan plan;
    plan.bank = bank.bank;
    plan.start = r.start;
    plan.end = r.end;
    std::vector<const MapCells*> cells;
    for (int k : r.maps) {
        const StoredMap& map = bank.maps[size_t(k)];
        const bool replaced = replacement && map.mapIndices.contains(replacement->mapIndex);
        cells.push_back(replaced ? &replacement->cells : &map.cells);
        RepackedMap placed;
        placed.mapIndices = map.mapIndices;
        for (int n : map.tableEntries) {
            placed.tableEntryOffsets.append(bank.table[n].offset);
        }
        placed.from = map.start;
        placed.oldSlot = map.slot;
        placed.stored = CompressMapBytes(*cells.back());
        plan.bytesNeeded += int(placed.stored.size());
        plan.maps.push_back(std::move(placed));
    }
    if (replacement && !std::any_of(plan.maps.begin(), plan.maps.end(), [&](const auto& m) {
            return m.mapIndices.contains(replacement->mapIndex);
        })) {
        throw RepackError(
            RepackError::Kind::NoRegion,
            QCoreApplication::translate("RegionRepack", "%1 is not stored in the region %2")
                .arg(mapName(replacement->mapIndex), regionText(r)));
    }
    if (plan.bytesNeeded > r.length()) {
        const QLocale numbers(QLocale::English);
        throw RepackError(
            RepackError::Kind::TooBig,
            QCoreApplication::translate("RegionRepack",
                                        "the maps of the region %1 need %2 bytes, %3 more than "
                                        "its %4 bytes: simplify one of them")
                .arg(regionText(r), numbers.toString(plan.bytesNeeded),
                     numbers.toString(plan.bytesNeeded - r.length()),
                     numbers.toString(r.length())));
    }
    int32_t at = r.start;
    for (size_t k = 0; k < plan.maps.size(); ++k) {
        RepackedMap& map = plan.maps[k];
        map.to = at;
        if (k + 1 == plan.maps.size()) {
            map.stored = CompressMapToLength(*cells[k], r.end - at);
            plan.unclaimed = r.end - at - int(map.stored.size());
        }
        at += int32_t(map.stored.size());
    }
    return plan;
}

RepackPlan RegionRepack::planFor(const MapSpace& space, int mapIndex, const MapCells& cells) {
    const BankSpace* bank = space.bankOf(mapIndex);
    const int map = bank->mapOf(mapIndex);
    if (map < 0) {
        for (const MapProblem& problem : bank->problems) {
            if (problem.mapIndex == mapIndex) {
                throw RepackError(
                    RepackError::Kind::UndecodableMap,
                    QCoreApplication::translate("RegionRepack", "%1 cannot be decoded: %2")
                        .arg(mapName(mapIndex), problem.reason));
            }
        }
    }
    return plan(*bank, bank->regionOf(map), ReplacementCells{mapIndex, cells});
}

bool RegionRepack::canRepack(const MapSpace& space, int mapIndex, const MapCells& cells,
                             QString* whyNot) {
    try {
        planFor(space, mapIndex, cells);
        return true;
    } catch (const RepackError& error) {
        if (whyNot) {
            *whyNot = error.text();
        }
        return false;
    }
}

void RegionRepack::apply(RomFile& rom, const RepackPlan& plan) {
    for (const RepackedMap& map : plan.maps) {
        rom.WriteRomBytes(map.to, map.stored.constData(), int32_t(map.stored.size()));
        if (!map.moves()) {
            continue;
        }
        const int address = map.to - plan.bank * BankSpace::kBankSize + kWindowStart;
        for (int32_t entry : map.tableEntryOffsets) {
            rom.WriteRomByte(entry, uint8_t(address & 0xFF));
            rom.WriteRomByte(entry + 1, uint8_t(address >> 8));
        }
    }
}

}  // namespace zantor
