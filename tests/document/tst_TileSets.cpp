// A level's tiles as the session's shared tile set documents: where each tile is stored, the
// sheet file out and in, an edit through one level showing in another, saving only the changed
// tiles, and undo across the runs of a sheet.
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "document/LevelDocument.h"
#include "document/TileEditCommand.h"
#include "document/TileSetDocument.h"
#include "map/TileSheetPng.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// A tile no sample tile is: colour (x + 3y + seed) % 4 per pixel, a different one per seed.
TileBytes HandMadeTile(int seed) {
    TileBytes tile{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            SetTilePixel(tile, x, y, (x * (seed % 3 + 1) + 3 * y + seed) % 4);
    }
    return tile;
}

QByteArray RandomSheet(uint32_t seed) {
    QByteArray sheet(TileSheetPng::kSheetTileBytes, '\0');
    for (char& byte : sheet) {
        seed = seed * 1103515245u + 12345u;
        byte = char(seed >> 16);
    }
    return sheet;
}

// The colour number the sheet picture shows at a pixel (the level's palette undone).
int NumberAt(const Picture& sheet, QPoint at, uint8_t palette) {
    const ShadePalette shades = MakeShadePalette(palette);
    const uint32_t colour = sheet.GetPixel(at.x(), at.y());
    for (int n = 0; n < 4; ++n) {
        if (shades[size_t(n)] == colour)
            return n;
    }
    return -1;
}

// A level of the sample and another that shares its group D.
struct TwoLevels {
    QTemporaryDir dir;
    QString path = WriteFile(dir, "s.gb", BuildSampleCartridge(0));
    RomSession session;
    LevelDocument first{&session};
    LevelDocument second{&session};
    TwoLevels() {
        first.load(path, 1);
        const QList<int> sharing = first.storedTiles().runOf(0x20)->sharingLevels();
        second.loadLevel(sharing.at(sharing.indexOf(1) == 0 ? 1 : 0));
    }
};
}  // namespace

class TestTileSets : public QObject {
    Q_OBJECT

private slots:
    void eachTileIsReadFromWhereTheTableSays() {
        // Hand-made tiles at the first and last tile of every row of the table, put where the
        // table says, show at their place on the sheet the loader draws and in the documents.
        const QByteArray sample = BuildSampleCartridge(1);
        RomFile probe = RomFile::fromBytes(sample);
        const TileSources s = ReadTileSources(probe, 5, 1);
        const QList<std::pair<int, int32_t>> placed = {
            {0x80, s.groupA},
            {0xAF, s.groupA + 16 * 0x2F},
            {0xB0, s.groupB},
            {0xE7, s.groupB + 16 * 0x37},
            {0xE8, s.groupC},
            {0xEF, s.groupC + 16 * 7},
            {0xF0, s.groupC + 0x80},
            {0xFF, s.groupC + 0x80 + 16 * 15},
            {0x00, s.groupC + 0x80 + 16 * 16},
            {0x1F, s.groupC + 0x80 + 16 * (0x1F + 16)},
            {0x20, s.groupD},
            {0x7F, s.groupD + 16 * 0x5F},
        };
        QByteArray bytes = sample;
        for (int i = 0; i < placed.size(); ++i) {
            const TileBytes tile = HandMadeTile(i);
            std::copy(tile.begin(), tile.end(), bytes.begin() + placed[i].second);
        }
        QTemporaryDir dir;
        LevelDocument level;
        level.load(WriteFile(dir, "t.gb", bytes), 5);
        const LevelTileSheet sheet = level.storedTiles();
        for (int i = 0; i < placed.size(); ++i) {
            const uint8_t t = uint8_t(placed[i].first);
            QCOMPARE(TileOffset(level.level().tileSources, t), placed[i].second);
            QVERIFY2(sheet.tile(t) == HandMadeTile(i), qPrintable(QString::number(t, 16)));
            const QPoint at = SheetPixelOfTile(t);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    QCOMPARE(NumberAt(level.level().rawTileSheet, at + QPoint(x, y), 0xE4),
                             TilePixel(HandMadeTile(i), x, y));
                }
            }
        }
        QCOMPARE(sheet.bytes().mid(16 * 0x80, 16),
                 QByteArray(reinterpret_cast<const char*>(HandMadeTile(0).data()), 16));
    }

    void theSheetPictureComesBackExactlyAndRefusesWhatItCannotHold() {
        const QByteArray sheet = RandomSheet(7);
        const QImage image = QImage::fromData(TileSheetPng::Encode(sheet), "PNG");
        QCOMPARE(image.size(), QSize(128, 128));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        // Tile 0x00 is the top-left of the sheet's lower half, 0x80 of its upper.
        QCOMPARE(image.pixelIndex(0, 64), TilePixel(TileFromBytes(sheet.constData()), 0, 0));
        const TileSheetPng::Decoded back = TileSheetPng::FromImage(image);
        QVERIFY(back.ok);
        QCOMPARE(back.tiles, sheet);

        QImage other = image.convertToFormat(QImage::Format_RGB32);
        other.setPixel(90, 100, qRgb(0xAA, 0xAA, 0xAB));
        other.setPixel(3, 101, qRgb(255, 0, 0));
        other.setPixel(127, 127, qRgb(1, 1, 1));
        const TileSheetPng::Decoded refused = TileSheetPng::FromImage(other);
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.contains("3 pixel") && refused.error.contains("(90, 100)"),
                 qPrintable(refused.error));
        const TileSheetPng::Decoded small = TileSheetPng::FromImage(image.copy(0, 0, 128, 64));
        QVERIFY(!small.ok);
        QVERIFY(small.error.contains("128 × 64"));
    }

    void anEditThroughOneLevelShowsInTheOtherAndSavesOnlyItsTile() {
        TwoLevels levels;
        QVERIFY(levels.first.mapIndex() != levels.second.mapIndex());
        // A block of the second level whose top-left quarter is a tile of the shared group D.
        const BlockTable& blocks = levels.second.blocks();
        const auto found = std::find_if(blocks.begin(), blocks.end(), [](const auto& quarters) {
            return quarters[0] >= 0x20 && quarters[0] < 0x80;
        });
        QVERIFY(found != blocks.end());
        const int block = int(found - blocks.begin());
        const uint8_t t = (*found)[0];

        QSignalSpy blocksChanged(&levels.second, &LevelDocument::blocksChanged);
        LevelTileSheet sheet = levels.first.storedTiles();
        TileBytes tile = sheet.tile(t);
        const int before = TilePixel(tile, 2, 5);
        SetTilePixel(tile, 2, 5, (before + 1) % 4);
        QCOMPARE(sheet.setTiles({{t, tile}}, "Pencil"), 1);

        QCOMPARE(NumberAt(levels.second.level().rawTileSheet, SheetPixelOfTile(t) + QPoint(2, 5),
                          kIdentityPalette),
                 (before + 1) % 4);
        const uint32_t shown =
            ShadeColour(levels.second.header().backgroundPalette(), (before + 1) % 4);
        QCOMPARE(levels.second.tileSheet().GetPixel(SheetPixelOfTile(t).x() + 2,
                                                    SheetPixelOfTile(t).y() + 5),
                 shown);
        QCOMPARE(levels.second.blockStrip().GetPixel(16 * block + 2, 5), shown);
        QVERIFY(!blocksChanged.isEmpty() &&
                blocksChanged.last().at(0).value<QList<int>>().contains(block));
        QVERIFY(levels.first.isModified() && levels.second.isModified());

        const QByteArray onDisk = ReadFile(levels.path);
        QVERIFY(levels.second.save().written);
        const QByteArray saved = ReadFile(levels.path);
        const int32_t offset = TileOffset(levels.first.level().tileSources, t);
        QVERIFY(!levels.first.isModified());
        QCOMPARE(saved.mid(offset, 16), QByteArray(reinterpret_cast<const char*>(tile.data()), 16));
        // Nothing else but the checksum.
        QByteArray rest = saved;
        rest.replace(offset, 16, onDisk.mid(offset, 16));
        rest.replace(0x14D, 3, onDisk.mid(0x14D, 3));
        QCOMPARE(rest, onDisk);

        LevelDocument reread;
        reread.load(levels.path, levels.first.mapIndex());
        QVERIFY(reread.storedTiles().tile(t) == tile);

        // Discarded edits leave every level that shows the tile, not only the one asked.
        TileBytes again = tile;
        SetTilePixel(again, 0, 0, (TilePixel(tile, 0, 0) + 1) % 4);
        sheet.setTiles({{t, again}}, "Pencil");
        QVERIFY(levels.second.isModified());
        levels.first.discardTileEdits();
        QVERIFY(!levels.first.isModified() && !levels.second.isModified());
        QVERIFY(levels.second.storedTiles().tile(t) == tile);
        QCOMPARE(levels.second.blockStrip().GetPixel(16 * block + 2, 5), shown);
    }

    void aStrokeAndAnImportAreOneStepEach() {
        TwoLevels levels;
        LevelTileSheet sheet = levels.first.storedTiles();
        const QByteArray original = sheet.bytes();

        const int stroke = TileEditCommand::newStrokeId();
        TileBytes tile = sheet.tile(0x90);
        for (int x = 0; x < 8; ++x) {
            SetTilePixel(tile, x, x, 3 - TilePixel(tile, x, x));
            sheet.setTiles({{0x90, tile}}, "Pencil", stroke);
        }
        // Painted and painted back in one stroke: no step is left.
        const int otherStroke = TileEditCommand::newStrokeId();
        TileBytes back = sheet.tile(0x91);
        const TileBytes kept = back;
        SetTilePixel(back, 0, 0, 3 - TilePixel(back, 0, 0));
        sheet.setTiles({{0x91, back}}, "Pencil", otherStroke);
        sheet.setTiles({{0x91, kept}}, "Pencil", otherStroke);

        const QByteArray stroked = sheet.bytes();
        QByteArray imported = stroked;
        for (int t : {0x05, 0x30, 0x85, 0xC0, 0xEA})
            imported[16 * t + 3] = char(~imported[16 * t + 3]);
        const LevelTileSheet::ImportResult result = sheet.import(imported);
        QCOMPARE(result.changedTiles, QList<int>({0x05, 0x30, 0x85, 0xC0, 0xEA}));
        QCOMPARE(result.changedRuns.size(), 5);
        QCOMPARE(levels.second.storedTiles().bytes(), sheet.bytes());

        sheet.undo();  // the import, over five runs
        QCOMPARE(sheet.bytes(), stroked);
        sheet.undo();  // the stroke
        QCOMPARE(sheet.bytes(), original);
        QVERIFY(!sheet.canUndo() && !levels.first.isModified());
        sheet.redo();
        sheet.redo();
        QCOMPARE(sheet.bytes(), imported);
    }
};

QTEST_MAIN(TestTileSets)
#include "tst_TileSets.moc"
