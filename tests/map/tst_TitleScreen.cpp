#include <QtTest>

#include "codec/RomFile.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
constexpr int32_t kLow = 0x149E5;  // tiles of versions other than 2

// A cartridge-sized image, all zero but for the title map pointer.
QByteArray BlankRom(int pointer) {
    QByteArray bytes(kSampleCartridgeSize, '\0');
    PutWord(bytes, TitleScreen::kMapPointerOffset, pointer);
    return bytes;
}
}  // namespace

class TestTitleScreen : public QObject {
    Q_OBJECT

    static QImage Cell(const Picture& p, QPoint a) { return p.image().copy({a, QSize(8, 8)}); }

private slots:
    void versionTwoReadsItsTilesSevenBytesLower() {
        // Seven 0xFF bytes just before the other versions' block: version 2's black top rows.
        QByteArray bytes = BlankRom(0x6000);
        bytes.replace(0x149DE, 7, QByteArray(7, '\xFF'));
        const RomFile rom = RomFile::fromBytes(bytes);
        QCOMPARE(TitleScreen::load(rom, 2).sheet.GetPixel(0, 0), shade::kBlack);
        QCOMPARE(TitleScreen::load(rom, 2).sheet.GetPixel(0, 3), shade::kLight);
        for (uint8_t version : {0, 1, 3})
            QCOMPARE(TitleScreen::load(rom, version).sheet.GetPixel(0, 0), shade::kWhite);
    }

    void readsTheMapThroughAnUnsignedPointer() {
        // High byte 0xC1: an address the signed arithmetic of old could not form.
        QByteArray bytes = BlankRom(0xC123);
        const int32_t base = 0x1C123;
        bytes.replace(kLow, TitleScreen::kTileBytes, RandomBytes(TitleScreen::kTileBytes, 7));
        bytes[base] = char(0x80);                 // sheet tile 0
        bytes[base + 1 + 32] = char(0x05);        // cell (1, 1): tile 0x85
        bytes[base + 19 + 32 * 17] = char(0x7F);  // the last cell: tile 255
        const TitleScreen screen = TitleScreen::load(RomFile::fromBytes(bytes), 0);
        QCOMPARE(screen.cells[0], uint8_t(0));
        QCOMPARE(screen.cells[size_t(TitleScreen::cellIndex(1, 1))], uint8_t(0x85));
        QCOMPARE(screen.cells[359], uint8_t(255));
        QCOMPARE(screen.mapPicture.image().size(), QSize(160, 144));
        QCOMPARE(Cell(screen.mapPicture, {152, 136}), Cell(screen.sheet, {120, 120}));
        QCOMPARE(Cell(screen.mapPicture, {8, 8}), Cell(screen.sheet, TitleScreen::sheetCell(0x85)));
    }

    void writingTheMapTouchesOnlyItsCells() {
        const QByteArray before = BuildSampleCartridge(0);
        RomFile rom = RomFile::fromBytes(before);
        const int32_t base = TitleScreen::MapBase(rom);
        TitleScreen::Cells cells = TitleScreen::load(rom, 0).cells;
        TitleScreen::WriteMap(rom, cells);
        QCOMPARE(rom.bytes(), before);
        for (auto& cell : cells)
            cell = uint8_t(~cell);
        TitleScreen::WriteMap(rom, cells);
        const QList<int32_t> changed = ChangedOffsets(before, rom.bytes());
        QCOMPARE(changed.size(), 360);  // not the row ends, not the rows below
        for (int at : changed)
            QVERIFY(at >= base && (at - base) % 32 < 20 && (at - base) / 32 < 18);
    }

    void aSmallPictureFillsOnlyTheTopLeftTiles() {
        RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        // 64 × 64 black covers tile columns 0..7 of sheet rows 0..7; the rest is colour 0.
        TitleScreen::WriteTiles(rom, 0, Picture(64, 64, shade::kBlack));
        const QByteArray tiles = rom.bytes().mid(kLow, 4096);
        for (int k = 0; k < 256; ++k)
            QCOMPARE(tiles.mid(16 * k, 16), QByteArray(16, k % 16 < 8 && k / 16 < 8 ? '\xFF' : 0));
        // Painting a tile the small sheet lacks shows the white the ROM now holds.
        Picture map(160, 144, shade::kDark);
        TitleScreen::PaintCell(map, Picture(64, 64, shade::kBlack), 200, 1, 0);
        QCOMPARE(Cell(map, {8, 0}), Cell(Picture(8, 8), {0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestTitleScreen)
#include "tst_TitleScreen.moc"
