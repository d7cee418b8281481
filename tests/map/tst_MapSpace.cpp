// Where the maps lie (slots, regions, sharing, the tail) and the repack of a region.

#include <QtTest>

#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "map/RegionRepack.h"
#include "sample/SampleCartridge.h"
#include "sample/SampleLevels.h"
#include "support/Bytes.h"
#include "support/SpaceRom.h"

using namespace zantor;

namespace {
// Bank 0x0C holds one region: A (header 0, stored `spare` bytes longer than needed), B
// (header 1) and C (header 2), back to back from 0x4400. Nothing follows but zeros.
struct ThreeMaps {
    SpaceRom image;
    MapCells a = SpaceRom::level(1, 12);
    MapCells b = SpaceRom::level(2, 20);
    MapCells c = SpaceRom::level(3, 8);
    int32_t start = SpaceRom::offset(0x4400);
    int32_t end = 0;

    explicit ThreeMaps(int spare = 300) {
        for (int i = 0; i < 3; ++i)
            image.useEntry(i, i);
        int at = image.store(0, 0x4400, CompressMapToLength(a, needed(a) + spare));
        at = image.store(1, at, CompressMapBytes(b));
        at = image.store(2, at, CompressMapBytes(c));
        end = SpaceRom::offset(at);
    }
    static int needed(const MapCells& cells) { return int(CompressMapBytes(cells).size()); }
};

// `cells` changed along the first rows until its shortest form is `grow` bytes longer or more.
MapCells grown(MapCells cells, int grow) {
    const int target = ThreeMaps::needed(cells) + grow;
    for (int i = 0; ThreeMaps::needed(cells) < target; i += 7)
        cells[size_t(i)] = uint8_t((cells[size_t(i)] + 1) % 128);
    return cells;
}

RepackError::Kind refusal(const QByteArray& image, int mapIndex, const MapCells& cells) {
    try {
        RegionRepack::planFor(MapSpace::read(RomFile::fromBytes(image)), mapIndex, cells);
    } catch (const RepackError& error) {
        return error.kind();
    }
    qFatal("the repack should have been refused");
}
}  // namespace

class TestMapSpace : public QObject {
    Q_OBJECT

private slots:
    void slotsRegionsSharingAndTheTail() {
        SpaceRom image;
        const MapCells a = SpaceRom::level(1, 12), b = SpaceRom::level(2, 20);
        const MapCells empty{};
        // Region 1: A (header 0, stored 300 bytes longer than needed), then B (headers 1 and
        // 3, entry 1; entry 3 leads there too, for header 4). Region 2, 10 bytes on: an empty
        // level (header 2), whose last code ends in 0xFF like the fill after it.
        for (auto [header, entry] :
             QList<std::pair<int, int>>{{0, 0}, {1, 1}, {3, 1}, {4, 3}, {2, 2}})
            image.useEntry(header, entry);
        const int aLength = int(CompressMapBytes(a).size()) + 300;
        int at = image.store(0, 0x4400, CompressMapToLength(a, aLength));
        const int bAddress = at;
        at = image.store(1, at, CompressMapBytes(b));
        image.setEntry(3, bAddress);
        const int emptyAddress = at + 10;
        at = image.store(2, emptyAddress, CompressMapBytes(empty));
        const int32_t bankEnd = (SpaceRom::kBank + 1) * 0x4000;
        image.bytes.replace(SpaceRom::offset(at), bankEnd - SpaceRom::offset(at),
                            QByteArray(bankEnd - SpaceRom::offset(at), '\xFF'));

        const MapSpace space = MapSpace::read(RomFile::fromBytes(image.bytes));
        QCOMPARE(int(space.banks().size()), 2);
        const BankSpace& bank = *space.bank(SpaceRom::kBank);
        QCOMPARE(bank.table.size(), 4);
        QVERIFY(bank.problems.isEmpty());
        QCOMPARE(int(bank.maps.size()), 3);

        const StoredMap& first = bank.maps[0];
        QCOMPARE(first.start, SpaceRom::offset(0x4400));
        QCOMPARE(first.slot, aLength);
        QCOMPARE(first.needed, CompressMapBytes(a).size());
        const StoredMap& shared = bank.maps[1];
        QCOMPARE(shared.mapIndices, (QList<int>{1, 3, 4}));
        QCOMPARE(shared.tableEntries, (QList<int>{1, 3}));
        QVERIFY(shared.shared() && !first.shared());
        QCOMPARE(space.bankOf(3), &bank);

        QCOMPARE(int(bank.regions.size()), 2);
        QCOMPARE(bank.regions[0].start, first.start);
        QCOMPARE(bank.regions[0].end, shared.end());
        QCOMPARE(bank.regions[0].maps, (QList<int>{0, 1}));
        QCOMPARE(bank.regions[1].start, SpaceRom::offset(emptyAddress));
        QCOMPARE(bank.regionOf(2), 1);

        QCOMPARE(bank.tail.start, SpaceRom::offset(at));
        QCOMPARE(bank.tail.start + bank.tail.length, bankEnd);
        QCOMPARE(bank.tail.value, 0xFF);
        // The spare bank: one map, shared by the 27 headers left there.
        QCOMPARE(space.bank(SpaceRom::kSpareBank)->maps[0].mapIndices.size(), 27);
    }

    void mapsThatCannotBeDecodedAreProblemsNotSlots() {
        SpaceRom image;
        image.useEntry(0, 0);
        image.store(0, 0x4400, CompressMapBytes(SpaceRom::level(5, 10)));
        image.useEntry(1, 1);
        image.setEntry(1, 0x0123);  // outside the window the bank is seen through
        image.useEntry(2, 2);
        image.setEntry(2, 0x7FF0);  // literal zeros from here run far past the bank's end
        const MapSpace space = MapSpace::read(RomFile::fromBytes(image.bytes));
        const BankSpace& bank = *space.bank(0x0C);
        QCOMPARE(int(bank.maps.size()), 1);
        QCOMPARE(bank.problems.size(), 2);
        QCOMPARE(bank.problems[0].mapIndex, 1);
        QVERIFY(bank.problems[0].reason.contains("0x123"));
        QCOMPARE(bank.problems[1].mapIndex, 2);
        QVERIFY(bank.problems[1].reason.contains("past the end of bank 0x0C"));
        QCOMPARE(bank.mapOf(2), -1);
    }

    void theSampleAsItIsLaidOut() {
        const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        const MapSpace space = MapSpace::read(rom);
        for (int i = 0; i < kMapCount; ++i) {
            const BankSpace& bank = *space.bankOf(i);
            const StoredMap& map = bank.maps[size_t(bank.mapOf(i))];
            QCOMPARE(map.slot, DecompressMap(rom, map.start).CompressedLength - 1);
            // A roomy map's spare bytes belong to no slot: its region ends with it.
            const bool roomy = SampleMapPlanFor(i).storage == MapStorage::Roomy;
            QCOMPARE(map.slack() > 0, roomy);
            if (roomy)
                QCOMPARE(bank.regions[size_t(bank.regionOf(bank.mapOf(i)))].end, map.end());
        }
        for (const BankSpace& bank : space.banks()) {
            QVERIFY(bank.problems.isEmpty());
            QCOMPARE(bank.tail.start + bank.tail.length, bank.end());
        }
    }

    // B is also header 3's, and entry 3 (header 4's) leads there too; the repack is asked for
    // through header 4.
    void aGrownMapTakesTheRoomItsNeighboursLeaveAndStaysShared() {
        ThreeMaps maps;
        maps.image.useEntry(3, 1);
        maps.image.useEntry(4, 3);
        maps.image.setEntry(3, 0x4400 + ThreeMaps::needed(maps.a) + 300);
        RomFile rom = RomFile::fromBytes(maps.image.bytes);
        const MapSpace space = MapSpace::read(rom);
        const int bSlot = space.bank(SpaceRom::kBank)->maps[1].slot;
        const MapCells b2 = grown(maps.b, 200);
        QVERIFY(MapSaver::excess(b2, bSlot) > 0 && RegionRepack::canRepack(space, 4, b2));

        const RepackPlan plan = RegionRepack::planFor(space, 4, b2);
        QCOMPARE(plan.movedMapIndices(), (QList<int>{1, 3, 4, 2}));
        RegionRepack::apply(rom, plan);
        // Only the region and the moved maps' table entries change (arbitrary regions are
        // fuzz_map_space's).
        for (int32_t at : ChangedOffsets(maps.image.bytes, rom.bytes()))
            QVERIFY((at >= maps.start && at < maps.end) ||
                    (at >= SpaceRom::entryOffset(1) && at < SpaceRom::entryOffset(4)));

        const MapSpace repacked = MapSpace::read(rom);
        const BankSpace& after = *repacked.bank(SpaceRom::kBank);
        QCOMPARE(int(after.regions.size()), 1);
        QCOMPARE(after.regions[0].start, maps.start);
        QCOMPARE(after.regions[0].end, maps.end);
        const MapCells levels[3] = {maps.a, b2, maps.c};
        for (int m = 0; m < 3; ++m)
            QCOMPARE(after.maps[size_t(m)].cells, levels[m]);
        QCOMPARE(after.maps[0].slot, ThreeMaps::needed(maps.a));
        QCOMPARE(after.maps[1].mapIndices, (QList<int>{1, 3, 4}));
        QCOMPARE(after.maps[1].tableEntries, (QList<int>{1, 3}));
        QCOMPARE(plan.newSlotOf(1), after.maps[1].slot);
        QCOMPARE(after.maps[2].end(), maps.end);  // the room left over is the last map's

        // A second repack of what the first left finds nothing to change.
        const QByteArray once = rom.bytes();
        RegionRepack::apply(rom, RegionRepack::plan(after, 0));
        QCOMPARE(rom.bytes(), once);
    }

    void unsafeRegionsAreRefused() {
        const MapCells bigger = grown(ThreeMaps().b, 100);
        // Why B may not grow when header `header` names entry 3, which leads to `address`.
        auto refusalWithEntry3 = [&](int header, int address) {
            ThreeMaps maps;
            maps.image.useEntry(header, 3);
            maps.image.setEntry(3, address);
            return refusal(maps.image.bytes, 1, bigger);
        };
        {
            // Entry 3, no header's, points into the middle of C: moving C would break it.
            ThreeMaps maps;
            maps.image.useEntry(5, 4);
            maps.image.setEntry(4, 0x4400);
            maps.image.setEntry(3, 0x4400 + (maps.end - maps.start) - 40);
            QCOMPARE(refusal(maps.image.bytes, 1, bigger), RepackError::Kind::EntryInsideRegion);
        }
        // Header 6's map lies beyond the bank's window.
        QCOMPARE(refusalWithEntry3(6, 0x9000), RepackError::Kind::UndecodableMap);
        {
            // More than all the slack.
            ThreeMaps maps(50);
            QCOMPARE(refusal(maps.image.bytes, 1, bigger), RepackError::Kind::TooBig);
            QVERIFY(!RegionRepack::canRepack(MapSpace::read(RomFile::fromBytes(maps.image.bytes)),
                                             1, bigger));
        }
        // A header's map starting inside A's slot overlaps whatever region B is in.
        QCOMPARE(refusalWithEntry3(7, 0x4400 + 100), RepackError::Kind::OverlapsRegion);
        {
            // A map of bank 0 stored over the cartridge header: the plan must refuse what the
            // write would (a save never changes the header), not fail halfway through it.
            // (Short enough to end before the bank's table at 0x2F0.)
            SpaceRom image;
            const MapCells cells{};
            image.useEntry(8, 0, 0);
            image.store(0, 0x4100, CompressMapToLength(cells, ThreeMaps::needed(cells) + 100), 0);
            QCOMPARE(refusal(image.bytes, 8, grown(cells, 50)), RepackError::Kind::OverlapsRegion);
        }
        {
            // Map headers (or their table) read from inside the region: a crafted image whose
            // map data runs over them. Moving maps there would rewrite them.
            ThreeMaps maps;
            const MapSpace space = MapSpace::read(RomFile::fromBytes(maps.image.bytes));
            BankSpace bank = *space.bankOf(1);
            bank.keepOut.append({maps.start + 10, 20});
            const int region = bank.regionOf(bank.mapOf(1));
            QVERIFY_THROWS_EXCEPTION(RepackError,
                                     RegionRepack::plan(bank, region, ReplacementCells{1, bigger}));
            bank.keepOut.removeLast();
            RegionRepack::plan(bank, region, ReplacementCells{1, bigger});  // without it: fine
        }
    }
};

QTEST_GUILESS_MAIN(TestMapSpace)
#include "tst_MapSpace.moc"
