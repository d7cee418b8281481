#include <QtTest>

#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "sample/SampleLevels.h"
#include "support/SpaceRom.h"

using namespace zantor;

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
        image.useEntry(0, 0);
        image.useEntry(1, 1);
        image.useEntry(3, 1);
        image.useEntry(4, 3);
        image.useEntry(2, 2);
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
        QCOMPARE(first.cells, a);
        QVERIFY(!first.shared());
        const StoredMap& shared = bank.maps[1];
        QCOMPARE(shared.mapIndices, (QList<int>{1, 3, 4}));
        QCOMPARE(shared.tableEntries, (QList<int>{1, 3}));
        QVERIFY(shared.shared());
        QCOMPARE(bank.mapOf(4), 1);
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
            const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
            const BankSpace& bank = *space.bankOf(i);
            QCOMPARE(bank.bank, header.mapBank());
            const int k = bank.mapOf(i);
            QVERIFY(k >= 0);
            const StoredMap& map = bank.maps[size_t(k)];
            const DecodedMap decoded = DecompressMap(rom, MapDataOffset(rom, header));
            QCOMPARE(map.start, MapDataOffset(rom, header));
            QCOMPARE(map.slot, decoded.CompressedLength - 1);
            QCOMPARE(map.mapIndices, QList<int>{i});
            // A roomy map's spare bytes belong to no slot: its region ends with it.
            const MapRegion& region = bank.regions[size_t(bank.regionOf(k))];
            if (SampleMapPlanFor(i).storage == MapStorage::Roomy) {
                QCOMPARE(region.end, map.end());
                QVERIFY(map.slack() > 0);
            } else {
                QCOMPARE(map.slack(), 0);
            }
        }
        for (const BankSpace& bank : space.banks()) {
            QVERIFY(bank.problems.isEmpty());
            QCOMPARE(bank.tail.value, 0);
            QVERIFY(bank.tail.start >= bank.regions.back().end);
            QCOMPARE(bank.tail.start + bank.tail.length, bank.end());
        }
    }
};

QTEST_GUILESS_MAIN(TestMapSpace)
#include "tst_MapSpace.moc"
