#include <QtTest>

#include "base/Picture.h"
#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
constexpr uint32_t kMarker = 0x123456;  // a colour no palette gives
}  // namespace

class TestTileCodec : public QObject {
    Q_OBJECT

private slots:
    void shadesAndTheirReverse() {
        QCOMPARE(MakeShadePalette(0xE4), (ShadePalette{0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000}));
        QCOMPARE(MakeShadePalette(0x1B), (ShadePalette{0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}));
        const ShadePalette c = MakeShadePalette(0x1B);
        QCOMPARE(ColourToShade(0x000000, c[0], c[1], c[2], c[3]), 0);
        QCOMPARE(ColourToShade(0xFFFFFF, c[0], c[1], c[2], c[3]), 3);
        QCOMPARE(ColourToShade(0xFF0000, c[0], c[1], c[2], c[3]), 0);
        // Two colour numbers with one shade: the lower position wins.
        QCOMPARE(ColourToShade(0xAAAAAA, 1, 0xAAAAAA, 0xAAAAAA, 2), 1);
    }

    void decodesBitPlanesLeftmostPixelFirst() {
        // Row 0: low plane bit 7 -> colour number 1 in column 0; row 1: high plane bit 7 ->
        // colour number 2 in column 0; row 2: both planes' bit 0 -> colour 3 in column 7.
        const QByteArray tile = QByteArray::fromHex("8000 0080 0101") + QByteArray(10, '\0');
        Picture picture(8, 8, kMarker);
        DrawTilesFromRom(RomFile::fromBytes(tile), 0, 0, 0, picture, 0, 0, 0xE4);
        QCOMPARE(picture.GetPixel(0, 0), shade::kLight);
        for (int x = 1; x < 8; ++x)
            QCOMPARE(picture.GetPixel(x, 0), shade::kWhite);
        QCOMPARE(picture.GetPixel(0, 1), shade::kDark);
        QCOMPARE(picture.GetPixel(7, 2), shade::kBlack);
    }

    void drawsOnlyTheBlockAndReadsOnlyItsBytes() {
        // 8 tiles × 1 row = 128 bytes painted as 64 × 8 pixels at (64, 48); bytes after are
        // 0xFF so reading one byte too many would show black.
        const QByteArray bytes = QByteArray(128, '\0') + QByteArray(64, '\xFF');
        Picture picture(128, 128, kMarker);
        DrawTilesFromRom(RomFile::fromBytes(bytes), 0, 7, 0, picture, 64, 48, 0xE4);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                QCOMPARE(picture.GetPixel(x, y), x >= 64 && y / 8 == 6 ? shade::kWhite : kMarker);
        QCOMPARE(picture.takeDirty(), QRect(64, 48, 64, 8));
    }

    void encodingIsTheExactInverseUnderEveryFourShadePalette() {
        const QByteArray tiles = RandomBytes(256 * 16, 77);
        for (int palette = 0; palette < 256; ++palette) {
            const ShadePalette c = MakeShadePalette(uint8_t(palette));
            const bool distinct = c[0] != c[1] && c[0] != c[2] && c[0] != c[3] && c[1] != c[2] &&
                                  c[1] != c[3] && c[2] != c[3];
            Picture sheet(128, 128);
            DrawTilesFromRom(RomFile::fromBytes(tiles), 0, 15, 15, sheet, 0, 0, uint8_t(palette));
            RomFile out = RomFile::fromBytes(QByteArray(4096, '\x5A'));
            out.allowHeaderWrites();  // a tile buffer, not a cartridge
            WriteTilesFromPicture(out, 0, 15, 15, sheet, 0, 0, uint8_t(palette), 1);
            if (distinct)
                QCOMPARE(out.bytes(), tiles);
            else if (palette == 0x00)
                QCOMPARE(out.bytes(), QByteArray(4096, '\0'));  // all white encodes as zeros
        }
    }

    void encodingTakesTheTopLeftPixelOfEachScaledSquareAndZeroOutside() {
        Picture picture(16, 16, shade::kWhite);
        picture.SetPixel(0, 0, shade::kBlack);  // tile pixel (0, 0) at scale 2
        picture.SetPixel(1, 0, shade::kLight);  // inside the same square: ignored
        picture.SetPixel(2, 2, 0xFF0000);       // not a grey: colour 0
        RomFile out = RomFile::fromBytes({});
        // Tile 0 from the 16 × 16 picture at scale 2; tile 1 lies wholly outside it.
        WriteTilesFromPicture(out, 0, 1, 0, picture, 0, 0, 0xE4, 2);
        QCOMPARE(out.size(), 32);
        QCOMPARE(out.bytes(), QByteArray::fromHex("8080") + QByteArray(30, '\0'));
    }
};

QTEST_GUILESS_MAIN(TestTileCodec)
#include "tst_TileCodec.moc"
