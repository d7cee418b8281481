// The map table and headers, and the level load.

#include <QtTest>

#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "map/HeaderTexts.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/TileSources.h"
#include "sample/SampleCartridge.h"
#include "support/Bytes.h"
#include "support/MiniRom.h"

using namespace zantor;

namespace {
// The stored bytes of the tile that sheet cell `cell` shows (the sheet re-encoded; exact
// for a palette with four distinct shades).
QByteArray sheetCell(const Picture& sheet, int cell) {
    RomFile out = RomFile::fromBytes({});
    WriteTilesFromPicture(out, 0, 0, 0, sheet, 8 * (cell % 16), 8 * (cell / 16), kIdentityPalette,
                          1);
    return out.bytes();
}

bool sameArea(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.GetPixel(ax + x, ay + y) != b.GetPixel(bx + x, by + y))
                return false;
    return true;
}

bool onlyGreys(const Picture& picture) {
    const auto& k = shade::kColours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (std::find(k.begin(), k.end(), picture.constScanLine(y)[x] & 0xFFFFFF) == k.end())
                return false;
    return true;
}
void putFar(QByteArray& bytes, int offset, int bank, int address) {
    bytes[offset] = char(bank);
    bytes[offset + 1] = char(0xEE);                // never read
    PutWord(bytes, offset + 2, address | 0x8000);  // bit 7 of the high byte is ignored
}
}  // namespace

class TestMapLoader : public QObject {
    Q_OBJECT

private slots:
    void tileSheetTakesItsFiveRunsWithC1OverB() {
        const LoadedMap map = LoadMap(RomFile::fromBytes(MiniRom().bytes), MiniRom::kMap);
        // The first and last cell of each run: A, B, C1 (over B's end), C, D.
        const int runs[][4] = {
            {0, 47, 1, 0}, {48, 103, 2, 0}, {104, 111, 3, 0}, {112, 159, 3, 8}, {160, 255, 4, 0}};
        for (const auto& [first, last, group, from] : runs) {
            QCOMPARE(sheetCell(map.tileSheet, first), MiniRom::tile(group, from));
            QCOMPARE(sheetCell(map.tileSheet, last), MiniRom::tile(group, from + last - first));
        }
    }

    void blockQuartersComeFromTheirSheetCells() {
        MiniRom rom;
        rom.setBlock(9, 0x80, 0x81, 0x90, 0x91);
        rom.setBlock(10, 0x00, 0x00, 0x7F, 0xFF);
        const LoadedMap map = LoadMap(RomFile::fromBytes(rom.bytes), MiniRom::kMap);
        const Picture& sheet = map.tileSheet;
        const int cells[4] = {0, 1, 16, 17};
        for (int q = 0; q < 4; ++q)
            QVERIFY(sameArea(map.blockStrip, 16 * 9 + 8 * (q % 2), 8 * (q / 2), sheet,
                             8 * (cells[q] % 16), 8 * (cells[q] / 16), 8, 8));
        QVERIFY(sameArea(map.blockStrip, 160, 0, sheet, 0, 64, 8, 8));     // tile 0x00: cell 128
        QVERIFY(sameArea(map.blockStrip, 160, 8, sheet, 120, 120, 8, 8));  // tile 0x7F: cell 255
        QVERIFY(sameArea(map.blockStrip, 168, 8, sheet, 120, 56, 8, 8));   // tile 0xFF: cell 127
        QCOMPARE(map.blocks[9], (BlockQuarters{0x80, 0x81, 0x90, 0x91}));
    }

    void levelIsDrawnFromTheOneTimesStripInAnyArea() {
        const LoadedMap map = LoadMap(RomFile::fromBytes(MiniRom().bytes), MiniRom::kMap);
        const Picture level = DrawLevel(map.blockStrip, map.cells);
        QCOMPARE(level.image().size(), QSize(4096, 768));
        // Cell (200, 3) holds block 5 (the fill code): the pixels at (80, 0) of the 1× strip.
        QCOMPARE(map.cells[3 * 256 + 200], 5);
        QVERIFY(sameArea(level, 16 * 200, 16 * 3, map.blockStrip, 80, 0, 16, 16));
        // Cell (10, 7) holds block 17.
        QVERIFY(sameArea(level, 160, 112, map.blockStrip, 16 * 17, 0, 16, 16));
        QCOMPARE(map.CompressedLength, 48 * 130 + 1);
        QCOMPARE(map.headerOffset, MiniRom::kHeader);
        // An area that starts mid-cell and reaches past the level's corner: the same pixels,
        // and what lies outside the level untouched.
        QImage area(61, 45, QImage::Format_RGB32);
        area.fill(Qt::magenta);
        DrawLevelArea(area, QPoint(4053, 730), map.blockStrip, map.cells);
        QCOMPARE(area.copy(0, 0, 43, 38), level.image().copy(4053, 730, 43, 38));
        QCOMPARE(area.pixelColor(43, 0), QColor(Qt::magenta));
        QCOMPARE(area.pixelColor(0, 38), QColor(Qt::magenta));
    }

    void anImageCutShortReadsZerosPastItsEnd() {
        // Cut inside the map data: tiles past the end come out white, the rest of the map as
        // block 0 literals.
        const QByteArray cut = MiniRom().bytes.left(MiniRom::kMapData + 100);
        const LoadedMap shortMap = LoadMap(RomFile::fromBytes(cut), MiniRom::kMap);
        QCOMPARE(shortMap.cells[99], 99);
        QCOMPARE(shortMap.cells[100], 0);
        QCOMPARE(shortMap.cells[kMapCells - 1], 0);
        QCOMPARE(shortMap.tileSheet.GetPixel(127, 127), shade::kWhite);
    }

    void everySampleMapLoadsInTheFourGreys() {
        for (uint8_t version : {uint8_t(0), uint8_t(2)}) {
            const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(version));
            for (int i = 0; i < kMapCount; ++i) {
                const LoadedMap map = LoadMap(rom, i);
                QVERIFY(onlyGreys(map.tileSheet) && onlyGreys(map.blockStrip));
                QCOMPARE(map.romVersion, version);  // the tables that moves: tileSourcesFollow...
            }
        }
    }

    void headerFieldsAndDerivedOffsets() {
        QByteArray bytes(0x40000, '\0');
        const int at = 0x5000;
        const QByteArray header =
            QByteArray::fromHex("10022001 00000000000000 0040 0C 0A 1B E4 D2 03 0D");
        bytes.replace(at, header.size(), header);
        PutWord(bytes, 0x302F6, 0x5678);  // bank 12's table entry 3
        const RomFile rom = RomFile::fromBytes(bytes);
        const MapHeader h = MapHeader::read(rom, at);
        QCOMPARE(h.playerY(), 0x0210);
        QCOMPARE(h.playerX(), 0x0120);
        QCOMPARE(h.BlockDataOffset(), 0x20000);
        QCOMPARE(h.mapDataPointerOffset(), 0x302F6);
        QCOMPARE(MapDataOffset(rom, h), 0x30000 + 0x5678 - 0x4000);

        const HeaderFieldTexts t = MakeHeaderFieldTexts(h);
        QCOMPARE(t.blockData + t.mapBank + t.music + t.backgroundPalette + t.foregroundPalette0 +
                     t.foregroundPalette1 + t.mapNumber2,
                 QString("020000 0C 0A 1B E4 D2 03").remove(' '));
        QCOMPARE(t.timeIndex, 4);  // 13 Mod 9
    }

    void timeAndHexTexts() {
        QCOMPARE(TimeEntries()[0], QString("0"));  // never a control character
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
            PutWord(bytes, 0x763 + shift + 2 * 3, 0x4380);
            putFar(bytes, 0x36AA + shift + 4 * map, 0x11, 0x4600);
            // Decoys where the other version's tables lie.
            bytes[0x360A + (3 - shift) + map] = char(0x70);
            const TileSources s = ReadTileSources(RomFile::fromBytes(bytes), map, version);
            QCOMPARE(s.tileSetByte, 0x3F);
            // Group A's place does not move with the version.
            QCOMPARE((QList<int32_t>{s.groupA, s.groupB, s.groupC, s.groupD}),
                     (QList<int32_t>{0x6F000 + 0x300 * 3, 0x40100, 0x1C380, 0x44600}));
        }
    }
};

QTEST_GUILESS_MAIN(TestMapLoader)
#include "tst_MapLoader.moc"
