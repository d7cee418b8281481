#include <QtTest>

#include "codec/RomFile.h"
#include "map/HeaderTexts.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/TileSources.h"

using namespace zantor;

namespace {
void putWord(QByteArray& bytes, int offset, int word) {
    bytes[offset] = char(word & 0xFF);
    bytes[offset + 1] = char(word >> 8);
}
void putFar(QByteArray& bytes, int offset, int bank, int address) {
    bytes[offset] = char(bank);
    bytes[offset + 1] = char(0xEE);                // never read
    putWord(bytes, offset + 2, address | 0x8000);  // bit 7 of the high byte is ignored
}
}  // namespace

class TestMapTable : public QObject {
    Q_OBJECT

private slots:
    void lookUpByNameOrNumber() {
        QCOMPARE(MapIndexFromText("Tree Zone 1"), 1);
        QCOMPARE(MapIndexFromText("31"), 31);
        QCOMPARE(MapIndexFromText("32"), -1);
        QCOMPARE(MapIndexFromText("tree zone 1"), -1);
    }

    void headerAddressesComeFromTheTableInBankOne() {
        QByteArray bytes(0x8000, '\0');
        putWord(bytes, 0x55CB, 0x5123);
        putWord(bytes, 0x5609, 0x6ABC);
        const RomFile rom = RomFile::fromBytes(bytes);
        QCOMPARE(HeaderOffset(rom, 0), 0x5123);
        QCOMPARE(HeaderOffset(rom, 31), 0x6ABC);
        QCOMPARE(Label7Caption(0x5123), QString("Offset des Mapheaders: 0x5123"));
    }

    void headerFieldsAndDerivedOffsets() {
        QByteArray bytes(0x40000, '\0');
        const int at = 0x5000;
        const QByteArray header =
            QByteArray::fromHex("10022001 00000000000000 0040 0C 0A 1B E4 D2 03 0D");
        bytes.replace(at, header.size(), header);
        putWord(bytes, 0x302F6, 0x5678);  // bank 12's table entry 3
        const RomFile rom = RomFile::fromBytes(bytes);
        const MapHeader h = MapHeader::read(rom, at);
        QCOMPARE(h.startTop(), 0x0210);
        QCOMPARE(h.startLeft(), 0x0120);
        QCOMPARE(h.BlockDataOffset(), 0x20000);
        QCOMPARE(h.mapDataPointerOffset(), 0x302F6);
        QCOMPARE(MapDataOffset(rom, h), 0x30000 + 0x5678 - 0x4000);

        const HeaderFieldTexts t = MakeHeaderFieldTexts(h);
        QCOMPARE(t.blockData, QString("020000"));
        QCOMPARE(t.mapBank, QString("0C"));
        QCOMPARE(t.music, QString("0A"));
        QCOMPARE(t.backgroundPalette, QString("1B"));
        QCOMPARE(t.foregroundPalette0, QString("E4"));
        QCOMPARE(t.foregroundPalette1, QString("D2"));
        QCOMPARE(t.mapNumber2, QString("03"));
        QCOMPARE(t.timeIndex, 4);  // 13 Mod 9
        QCOMPARE(TimeEntries()[t.timeIndex], QString("400"));
    }

    void timeIndexAndHexTextsWrap() {
        QCOMPARE(TimeEntries()[0], QString("0"));  // never a control character
        QCOMPARE(TimeIndex(9), 0);
        QCOMPARE(TimeIndex(255), 3);
        QCOMPARE(HexText2(0x1FF), QString("FF"));
        QCOMPARE(HexText(-1), QString("FFFFFFFF"));
    }

    void tileSourcesFollowTheVersion() {
        for (uint8_t version : {uint8_t(0), uint8_t(1), uint8_t(2)}) {
            const int shift = version == 0 ? 0 : 3;
            QByteArray bytes(0x8000, '\0');
            const int map = 5;
            bytes[0x360A + shift + map] = char(0x3F);  // tile set 3; the low nibble is unused
            putFar(bytes, 0x362A + shift + 4 * map, 0x10, 0x4100);
            putWord(bytes, 0x763 + shift + 2 * 3, 0x4380);
            putFar(bytes, 0x36AA + shift + 4 * map, 0x11, 0x4600);
            // Decoys where the other version's tables lie.
            bytes[0x360A + (3 - shift) + map] = char(0x70);
            const TileSources s = ReadTileSources(RomFile::fromBytes(bytes), map, version);
            QCOMPARE(s.tileSetByte, 0x3F);
            QCOMPARE(s.groupA, 0x6F000 + 0x300 * 3);  // does not move with the version
            QCOMPARE(s.groupB, 0x40100);
            QCOMPARE(s.groupC, 0x1C380);
            QCOMPARE(s.groupD, 0x44600);
        }
    }
};

QTEST_GUILESS_MAIN(TestMapTable)
#include "tst_MapTable.moc"
