// Where object lists lie and how a level's list is written: slots kept, regions repacked.

#include <QtTest>

#include "codec/RomFile.h"
#include "map/ObjectHints.h"
#include "map/ObjectListWriter.h"
#include "map/ObjectSpace.h"
#include "map/RepackError.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
constexpr int32_t kTable = 0xE037;
constexpr int32_t kA = 0xE080;  // level 0: two objects, then six 0xFF up to B
constexpr int32_t kB = 0xE08D;  // levels 1 and 2: one object
constexpr int32_t kC = 0xE091;  // level 3: two objects stored out of X order, then foreign data
constexpr int32_t kForeign = 0xE098;

const std::vector<LevelObject> kObjectsA{{16, 32, 5, false}, {64, 40, 0x41, true}};
const std::vector<LevelObject> kObjectsB{{128, 8, 0x10, false}};
const std::vector<LevelObject> kObjectsC{{512, 16, 2, false}, {256, 24, 3, false}};

void putList(QByteArray& bytes, int32_t at, const std::vector<LevelObject>& objects) {
    for (const LevelObject& object : objects) {
        for (uint8_t b : EncodeObject(object))
            bytes[at++] = char(b);
    }
    bytes[at] = char(0xFF);
}

// Every level but 0-3 points outside the bank.
QByteArray image() {
    QByteArray bytes(0x10000, '\0');
    for (int32_t at = kA; at < kB; ++at)
        bytes[at] = char(0xFF);
    putList(bytes, kA, kObjectsA);
    putList(bytes, kB, kObjectsB);
    putList(bytes, kC, kObjectsC);
    bytes[kForeign] = char(0x12);
    for (auto [level, at] : {std::pair{0, kA}, {1, kB}, {2, kB}, {3, kC}})
        PutWord(bytes, kTable + 2 * level, at - 0xC000 + 0x4000);
    return bytes;
}

std::vector<LevelObject> objectsOf(const RomFile& rom, int level) {
    return ReadLevelObjects(rom, level).objects;
}

int pointer(const RomFile& rom, int level) {
    return rom.ReadRomByte(kTable + 2 * level) | rom.ReadRomByte(kTable + 2 * level + 1) << 8;
}

std::vector<LevelObject> row(int count, int x0 = 0) {
    std::vector<LevelObject> objects;
    for (int i = 0; i < count; ++i)
        objects.push_back({x0 + 8 * i, 16, i, false});
    return objects;
}
}  // namespace

class TestObjectSpace : public QObject {
    Q_OBJECT
private slots:
    void findsSlotsSharedListsAndRegions() {
        const ObjectSpace space = ObjectSpace::read(RomFile::fromBytes(image()));
        QCOMPARE(space.lists.size(), size_t(3));
        // A's trailing 0xFF run reaches B: it is A's room.
        QCOMPARE(space.lists[0].slot, kB - kA);
        QCOMPARE(space.lists[1].levels, QList<int>({1, 2}));
        QCOMPARE(space.lists[2].slot, 7);
        QCOMPARE(space.regions.size(), size_t(1));
        QCOMPARE(space.regions[0].end, kC + 7);
        QVERIFY(space.problemOf(4).contains("outside"));
        QCOMPARE(space.listOf(4), -1);
    }

    void shorterListKeepsItsSlotAndLongerOneIsRefused() {
        RomFile rom = RomFile::fromBytes(image());
        // Written unsorted: stored by X, equal X in their order.
        const std::vector<LevelObject> unsorted{
            {40, 8, 1, false}, {8, 8, 2, false}, {40, 16, 3, false}};
        const ObjectWritePlan plan = ObjectListWriter::write(rom, 0, unsorted, false);
        QVERIFY(!plan.repacked);
        QCOMPARE(objectsOf(rom, 0),
                 (std::vector<LevelObject>{unsorted[1], unsorted[0], unsorted[2]}));
        QCOMPARE(uint8_t(rom.ReadRomByte(kA + 10)), uint8_t(0xFF));
        QCOMPARE(uint8_t(rom.ReadRomByte(kB - 1)), uint8_t(0xFF));

        ObjectListWriter::write(rom, 0, row(1), false);
        // The slot survives the shorter list: four objects still fit where two were.
        QCOMPARE(ObjectSpace::read(rom).lists[0].slot, kB - kA);
        QVERIFY(ObjectListWriter::fitsSlot(ObjectSpace::read(rom), 0, row(4)));
        ObjectListWriter::write(rom, 0, row(4), false);
        QCOMPARE(objectsOf(rom, 0), row(4));
        QCOMPARE(objectsOf(rom, 1), kObjectsB);

        const QByteArray before = rom.bytes();
        try {
            ObjectListWriter::write(rom, 0, row(5), false);
            QFAIL("a list longer than its slot was written");
        } catch (const ObjectListError& error) {
            QCOMPARE(error.kind(), ObjectListError::Kind::DoesNotFit);
        }
        QCOMPARE(rom.bytes(), before);
    }

    void refusesUnstorableAndUnreadableBeforeWriting() {
        RomFile rom = RomFile::fromBytes(image());
        const QByteArray before = rom.bytes();
        auto refused = [&](int level, const std::vector<LevelObject>& objects) {
            try {
                ObjectListWriter::write(rom, level, objects, true);
            } catch (const ObjectListError& error) {
                return error.kind();
            }
            return ObjectListError::Kind::UnknownVersion;  // not refused
        };
        QCOMPARE(refused(0, {{3840, 0, 0x78, false}}), ObjectListError::Kind::Unstorable);
        QCOMPARE(refused(0, row(85)), ObjectListError::Kind::Unstorable);
        QCOMPARE(refused(5, row(1)), ObjectListError::Kind::PointerOutsideBank);
        QCOMPARE(rom.bytes(), before);
    }

    void repackMovesListsKeepsSharedOnesSharedAndTheirObjects() {
        RomFile rom = RomFile::fromBytes(image());
        const std::vector<LevelObject> grown = row(2, 200);
        const ObjectWritePlan plan = ObjectListWriter::write(rom, 1, grown, true);
        QVERIFY(plan.repacked);
        QCOMPARE(plan.movedLevels(), QList<int>({1, 2, 3}));
        // A stays, B follows A's entries, C follows B; both of B's levels lead to it.
        QCOMPARE(pointer(rom, 0), kA - 0x8000);
        QCOMPARE(pointer(rom, 1), kA + 7 - 0x8000);
        QCOMPARE(pointer(rom, 2), pointer(rom, 1));
        QCOMPARE(pointer(rom, 3), kA + 14 - 0x8000);
        QCOMPARE(objectsOf(rom, 0), kObjectsA);
        QCOMPARE(objectsOf(rom, 2), grown);
        QCOMPARE(objectsOf(rom, 3), kObjectsC);  // moved as stored, not sorted
        // The region's end after the last list is 0xFF, the foreign byte after it untouched.
        for (int32_t at = kA + 21; at < kForeign; ++at)
            QCOMPARE(uint8_t(rom.ReadRomByte(at)), uint8_t(0xFF));
        QCOMPARE(uint8_t(rom.ReadRomByte(kForeign)), uint8_t(0x12));
        const ObjectSpace after = ObjectSpace::read(rom);
        QCOMPARE(after.regions[0].start, kA);
        QCOMPARE(after.regions[0].end, kForeign);

        // The last list took the region's end: three objects fit there, four need more.
        QVERIFY(ObjectListWriter::fitsSlot(after, 3, row(3)));
        const QByteArray before = rom.bytes();
        try {
            ObjectListWriter::write(rom, 3, row(4), true);
            QFAIL("a region too small was repacked");
        } catch (const RepackError& error) {
            QCOMPARE(error.kind(), RepackError::Kind::TooBig);
        }
        QCOMPARE(rom.bytes(), before);
    }

    void hintsTellCrowdsAndObjectsBeforeTheStart() {
        // 17 objects within 336 pixels (given out of order), then 16 more spaced wider.
        std::vector<LevelObject> objects;
        for (int i = 16; i >= 0; --i)
            objects.push_back({1000 + 20 * i, 16, 1, false});
        for (int i = 0; i < 16; ++i)
            objects.push_back({2000 + 24 * i, 16, 1, false});
        objects.push_back({100, 16, 1, false});
        const std::vector<ObjectHint> hints = ObjectHints(objects, 40);
        QCOMPARE(hints.size(), size_t(2));
        QCOMPARE(hints[0].objects.size(), 17);
        QVERIFY(hints[0].text.contains("x 1000 and 1320"));
        // Only the one left of the camera's start + 112.
        QCOMPARE(hints[1].objects, QList<int>({33}));
        QVERIFY(ObjectHints(row(16), 40).size() == 1);  // 16 alive at once is fine
    }
};

QTEST_GUILESS_MAIN(TestObjectSpace)
#include "tst_ObjectSpace.moc"
