// The object lists' entries, reading them through the pointer table, and what may be written.

#include <QtTest>

#include "codec/RomFile.h"
#include "map/ObjectList.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
constexpr int32_t kTable = 0xE037;

// A bank-3 image of version 0 whose table is all zeros (every level's pointer outside the bank).
QByteArray tableImage(uint8_t version = 0) {
    QByteArray bytes(0x20000, '\0');
    bytes[0x14C] = char(version);
    return bytes;
}

LevelObject object(int x, int y, int type, bool hidden = false) {
    return LevelObject{x, y, type, hidden};
}

std::vector<LevelObject> decode(const QByteArray& bytes) {
    const RomFile rom = RomFile::fromBytes(bytes);
    return ReadObjectListAt(rom, 0, 0).objects;
}
}  // namespace

class TestObjectList : public QObject {
    Q_OBJECT
private slots:
    void entriesMatchHandWrittenBytes_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hidden");
        // type 0x5D: bit 6 in b0 bit 4, bits 5-3 (011) in b0's top, bits 2-0 (101) in b1's.
        QTest::newRow("every field")
            << QByteArray::fromHex("73B1C9") << 3 * 256 + 17 * 8 << 2 * 256 + 9 * 8 << 0x5D << true;
        QTest::newRow("low type bits only")
            << QByteArray::fromHex("00E000") << 0 << 0 << 7 << false;
        QTest::newRow("last screen, last unit")
            << QByteArray::fromHex("AF1F1F") << 15 * 256 + 31 * 8 << 31 * 8 << 0x28 << false;
        QTest::newRow("Y screen 3")
            << QByteArray::fromHex("106060") << 0 << 3 * 256 << 0x43 << false;
    }
    void entriesMatchHandWrittenBytes() {
        QFETCH(QByteArray, entry);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, type);
        QFETCH(bool, hidden);
        const LevelObject expected = object(x, y, type, hidden);
        QCOMPARE(DecodeObject(reinterpret_cast<const uint8_t*>(entry.constData())), expected);
        const auto encoded = EncodeObject(expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encoded.data()), 3), entry);
    }

    // Only a first byte of 0xFF ends a list; 0xFF in the other two is data.
    void listEndsAtFirstByteFF() {
        const RomFile rom = RomFile::fromBytes(QByteArray::fromHex("AA00000001FFFFFF7311"));
        const StoredObjectList list = ReadObjectListAt(rom, 1, 0);
        QCOMPARE(list.objects.size(), size_t(2));
        QCOMPARE(list.objects[1], object(256 + 31 * 8, 3 * 256 + 31 * 8, 7, true));
        QCOMPARE(list.consumed, 7);
        QCOMPARE(decode(QByteArray::fromHex("FF00E000")).size(), size_t(0));
    }

    void listWithoutEndIsRefused() {
        const RomFile rom = RomFile::fromBytes(QByteArray(0x4000, '\0'));
        try {
            ReadObjectListAt(rom, 0x3FF0, 0);
            QFAIL("a list running off its bank was read");
        } catch (const ObjectListError& error) {
            QCOMPARE(error.kind(), ObjectListError::Kind::NoEnd);
        }
    }

    void tableLeadsToBankThreeLists() {
        QByteArray bytes = tableImage();
        PutWord(bytes, kTable + 2 * 4, 0x6100);
        bytes.replace(0xE100, 7, QByteArray::fromHex("73B1C900E000FF"));
        const RomFile rom = RomFile::fromBytes(bytes);
        QCOMPARE(ObjectListOffset(rom, 4), 0xE100);
        const StoredObjectList list = ReadLevelObjects(rom, 4);
        QCOMPARE(list.offset, 0xE100);
        QCOMPARE(list.objects.size(), size_t(2));
        QCOMPARE(list.consumed, 7);
    }

    void pointerOutsideBankNamesPointer_data() {
        QTest::addColumn<int>("word");
        QTest::newRow("below") << 0x3FFF;
        QTest::newRow("above") << 0x8000;
        QTest::newRow("zero") << 0x0000;
    }
    void pointerOutsideBankNamesPointer() {
        QFETCH(int, word);
        QByteArray bytes = tableImage();
        PutWord(bytes, kTable + 2 * 5, word);
        const RomFile rom = RomFile::fromBytes(bytes);
        try {
            ReadLevelObjects(rom, 5);
            QFAIL("a pointer outside the bank was followed");
        } catch (const ObjectListError& error) {
            QCOMPARE(error.kind(), ObjectListError::Kind::PointerOutsideBank);
            QVERIFY2(error.text().contains("0xE041"), qPrintable(error.text()));
            QVERIFY2(
                error.text().contains(QString::number(word, 16).toUpper().rightJustified(4, '0')),
                qPrintable(error.text()));
        }
    }

    void otherVersionsAreNotGuessed() {
        QByteArray bytes = tableImage(1);
        PutWord(bytes, kTable, 0x6100);
        bytes[0xE100] = char(0xFF);
        const RomFile rom = RomFile::fromBytes(bytes);
        try {
            ReadLevelObjects(rom, 0);
            QFAIL("a version with no known table was read");
        } catch (const ObjectListError& error) {
            QCOMPARE(error.kind(), ObjectListError::Kind::UnknownVersion);
            QVERIFY(error.text().contains("version 1"));
        }
    }

    void writingSortsStablyByX() {
        const std::vector<LevelObject> objects{object(512, 8, 1), object(16, 0, 2),
                                               object(512, 16, 3), object(16, 8, 4, true),
                                               object(0, 0, 5)};
        const std::vector<LevelObject> sorted = SortedForWriting(objects);
        QList<int> types;
        for (const LevelObject& o : sorted)
            types << o.type;
        QCOMPARE(types, (QList<int>{5, 2, 4, 1, 3}));
        const QByteArray stored = EncodeObjectList(objects);
        QCOMPARE(stored.size(), 5 * 3 + 1);
        QCOMPARE(uint8_t(stored.back()), kObjectListEnd);
        QCOMPARE(decode(stored), sorted);
    }

    void unstorableListsAreRefused_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("storable");
        QTest::newRow("last screen, type 0x78") << 3840 << 0 << 0x78 << false;
        QTest::newRow("last screen, type 0x7F") << 4088 << 8 << 0x7F << false;
        QTest::newRow("last screen, type 0x77") << 3840 << 0 << 0x77 << true;
        QTest::newRow("screen 14, type 0x7F") << 3832 << 0 << 0x7F << true;
        QTest::newRow("right of the level") << 4096 << 0 << 1 << false;
        QTest::newRow("left of the level") << -8 << 0 << 1 << false;
        QTest::newRow("below the level") << 0 << 768 << 1 << false;
        QTest::newRow("lowest row") << 0 << 760 << 1 << true;
        QTest::newRow("off the grid") << 4 << 0 << 1 << false;
        QTest::newRow("type 128") << 0 << 0 << 128 << false;
    }
    void unstorableListsAreRefused() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, type);
        QFETCH(bool, storable);
        const std::vector<LevelObject> objects{object(0, 0, 1), object(x, y, type)};
        const QString problem = ObjectListProblem(objects);
        QCOMPARE(problem.isEmpty(), storable);
        if (!storable)
            QVERIFY2(problem.contains("object 1"), qPrintable(problem));
        else
            QCOMPARE(decode(EncodeObjectList(objects)), SortedForWriting(objects));
    }

    void atMost84Objects() {
        std::vector<LevelObject> objects(kMaxLevelObjects, object(8, 8, 3));
        QVERIFY(ObjectListProblem(objects).isEmpty());
        objects.push_back(object(8, 8, 3));
        QVERIFY(ObjectListProblem(objects).contains("84"));
    }
};

QTEST_GUILESS_MAIN(TestObjectList)
#include "tst_ObjectList.moc"
