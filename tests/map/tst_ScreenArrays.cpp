// The scroll-box and exit arrays found through the map bank's base words, the exit scripts and
// checkpoints of version 0, and where the camera can go.

#include <QtTest>

#include "codec/RomFile.h"
#include "map/CameraReach.h"
#include "map/Checkpoint.h"
#include "map/ExitScript.h"
#include "map/MapHeader.h"
#include "map/ScreenArrays.h"
#include "map/ScreenFacts.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
constexpr uint8_t kBank = 0x0D;
constexpr int32_t kBankStart = kBank * 0x4000;

MapHeader headerOf(uint8_t bank, uint8_t number2) {
    MapHeader header;
    header.bytes[13] = bank;
    header.bytes[18] = number2;
    return header;
}

QByteArray imageWithBases(int boxesBase, int exitsBase) {
    QByteArray bytes(0x40000, '\0');
    PutWord(bytes, kBankStart, boxesBase);
    PutWord(bytes, kBankStart + 2, exitsBase);
    return bytes;
}

using Boxes = std::array<uint8_t, kScreenCount>;
Boxes allClosed() {
    Boxes boxes{};
    boxes.fill(kEdgeBits);
    return boxes;
}
}  // namespace

class TestScreenArrays : public QObject {
    Q_OBJECT
private slots:
    // Offsets follow the bank, the index's low nibble and the two base words; levels of one bank
    // and index share both arrays, and bits 4-7 pass through unchanged.
    void placesFollowBankIndexAndBases() {
        RomFile rom = RomFile::fromBytes(imageWithBases(0x4100, 0x5000));
        const ScreenArraysPlace place = ScreenArraysPlaceOf(rom, headerOf(kBank, 0x23));
        QCOMPARE(place.index, 3);
        QCOMPARE(place.boxesOffset, kBankStart + 0x100 + 48 * 3);
        QCOMPARE(place.exitsOffset, kBankStart + 0x1000 + 48 * 3);
        const ScreenArraysPlace other = ScreenArraysPlaceOf(rom, headerOf(kBank, 0x03));
        QCOMPARE(other, place);
        QVERIFY(ScreenArraysPlaceOf(rom, headerOf(kBank, 4)).boxesOffset == place.boxesOffset + 48);

        ScreenArrays arrays;
        arrays.boxes[0] = 0xF0 | EdgeLeft;
        arrays.boxes[47] = 0x5A;
        arrays.exits[47] = 9;
        WriteScreenArrays(rom, place, arrays);
        QCOMPARE(ReadScreenArrays(rom, other), arrays);
        QCOMPARE(rom.ReadRomByte(place.boxesOffset + 47), 0x5A);
        QCOMPARE(WithEdge(0xF0 | EdgeLeft, EdgeTop, true), 0xF0 | EdgeLeft | EdgeTop);
        QCOMPARE(WithEdge(0xF0 | EdgeLeft, EdgeLeft, false), 0xF0);
    }

    void basesOutsideTheBankAreRefused_data() {
        QTest::addColumn<int>("boxesBase");
        QTest::addColumn<int>("exitsBase");
        QTest::addColumn<QString>("named");
        QTest::newRow("boxes below the window") << 0x3FFF << 0x5000 << "$3FFF";
        QTest::newRow("exits past the window") << 0x4100 << 0x8000 << "$8000";
        QTest::newRow("index 5 runs past the bank's end") << 0x7F00 << 0x5000 << "$7F00";
    }
    void basesOutsideTheBankAreRefused() {
        QFETCH(int, boxesBase);
        QFETCH(int, exitsBase);
        QFETCH(QString, named);
        const RomFile rom = RomFile::fromBytes(imageWithBases(boxesBase, exitsBase));
        try {
            ScreenArraysPlaceOf(rom, headerOf(kBank, 5));
            QFAIL("a place outside the bank was accepted");
        } catch (const ScreenArraysError& error) {
            QVERIFY2(error.text().contains(named) && error.text().contains("0x0D"),
                     qPrintable(error.text()));
        }
    }

    void scriptsDecodeIntoWords() {
        const QByteArray script = QByteArray::fromHex("3048604017B0123456838220FF");
        QCOMPARE(
            DescribeExitScript(script),
            QStringList({"camera Y low byte 0x48, player Y low byte 0x60",
                         "warp to row 1, column 7", "enemy graphics from bank 0x12, address $5634",
                         "command 83", "command 82", "command 20", "end"}));
        // Unknown commands (and one cut short) take the rest up to the end byte, as hex.
        QCOMPARE(DescribeExitScript(QByteArray::fromHex("4017 5A0102 FF")),
                 QStringList({"warp to row 1, column 7", "unknown: 5A 01 02", "end"}));
        QCOMPARE(DescribeExitScript(QByteArray::fromHex("30 48")), QStringList({"unknown: 30 48"}));
        // An end byte inside a command is its argument.
        QCOMPARE(DescribeExitScript(QByteArray::fromHex("30 48 FF FF")),
                 QStringList({"camera Y low byte 0x48, player Y low byte 0xFF", "end"}));
        // A new warp target keeps the script's length and touches only its target.
        QCOMPARE(WithWarpTarget(QByteArray::fromHex("30486040 17FF"), 3, 14, 2),
                 QByteArray::fromHex("304860402EFF"));
        QCOMPARE(WithWarpTarget(QByteArray::fromHex("304860FF"), 0, 1, 1),
                 QByteArray::fromHex("304860FF"));
    }

    // Script words and checkpoints are read from version 0's tables; other versions have none.
    void scriptsAndCheckpointsOfVersionZero() {
        QByteArray bytes(0x20000, '\0');
        const ScreenFacts facts = *ScreenFactsFor(0);
        PutWord(bytes, 0x14125 + 2 * 3, 0x4300);
        bytes.replace(0x14300, 7, QByteArray::fromHex("4021 30FF01 FF77"));
        PutWord(bytes, 0x14125 + 2 * 4, 0x8123);
        const RomFile rom = RomFile::fromBytes(bytes);
        const ExitScript script = ReadExitScript(rom, facts, 3);
        QCOMPARE(script.offset, 0x14300);
        QCOMPARE(script.bytes, QByteArray::fromHex("402130FF01FF"));
        QVERIFY(script.ended);
        try {
            ReadExitScript(rom, facts, 4);
            QFAIL("a word outside the bank was followed");
        } catch (const ScreenArraysError& error) {
            QVERIFY(error.text().contains("$8123"));
        }
        QVERIFY(!ScreenFactsFor(1));
        QCOMPARE(CheckpointOffset(0, 2), 0x377B + 16);
        QVERIFY(!CheckpointOffset(0, 31));
        QVERIFY(!CheckpointOffset(2, 0));

        RomFile writable = RomFile::fromBytes(bytes);
        const Checkpoint entry{QPoint(0x1234, 0x0567), QPoint(0x0890, 0x00AB)};
        WriteCheckpoint(writable, 0x377B, entry);
        QCOMPARE(writable.bytes().mid(0x377B, 8), QByteArray::fromHex("67053412AB009008"));
        QCOMPARE(ReadCheckpoint(writable, 0x377B), entry);
    }

    // Closed on all sides, the camera stays in its start screen and rests where the stops
    // allow; an open edge lets it on, and a box it enters clamps it.
    void cameraReachOnHandMadeBoxes() {
        Boxes boxes = allClosed();
        const QPoint start(300, 300);  // screen row 1, column 1
        QCOMPARE(CameraReach::shown(boxes, start), QRegion(256, 256, 256, 256 + 8));
        QCOMPARE(CameraReach::neverShown(boxes, start),
                 QRegion(0, 0, 4096, 768) - QRegion(256, 256, 256, 264));

        // Open to the right into screen (1, 2), whose left is open too but whose bottom stops
        // the camera at 0xC0: it shows 264 rows of its screen and no more.
        boxes[17] = WithEdge(boxes[17], EdgeRight, false);
        boxes[18] = uint8_t(0xF0 | EdgeRight | EdgeTop | EdgeBottom);
        QCOMPARE(CameraReach::shown(boxes, start), QRegion(256, 256, 512, 264));

        // Screen (1, 2) open at the bottom: the camera goes down into (2, 2), closed but at
        // its top, where it rests between the stops and shows up to the level's bottom.
        boxes[18] = WithEdge(boxes[18], EdgeBottom, false);
        boxes[34] = EdgeRight | EdgeBottom | EdgeLeft;
        const QRegion expected =
            QRegion(256, 256, 512, 264) + QRegion(432, 256, 336, 327) + QRegion(512, 440, 256, 328);
        QCOMPARE(CameraReach::shown(boxes, start), expected);
        // The way back up is open, the rest stays unseen: the start's closed top hides row 0.
        QVERIFY(CameraReach::neverShown(boxes, start).contains(QPoint(300, 100)));
        QVERIFY(CameraReach::neverShown(boxes, start).contains(QPoint(300, 700)));
    }
};

QTEST_GUILESS_MAIN(TestScreenArrays)
#include "tst_ScreenArrays.moc"
