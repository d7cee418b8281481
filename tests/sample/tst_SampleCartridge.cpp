#include <QtTest>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "base/Picture.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "map/CameraReach.h"
#include "map/Checkpoint.h"
#include "map/ExitScript.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"
#include "map/ScreenArrays.h"
#include "map/ScreenFacts.h"
#include "map/TileSources.h"
#include "sample/SampleBlocks.h"
#include "sample/SampleCartridge.h"
#include "sample/SampleFont.h"
#include "sample/SampleLevels.h"
#include "sample/SampleTiles.h"

using namespace zantor;

namespace {

// Building an image takes a moment; each version is built once for all tests.
const RomFile& Sample(uint8_t version) {
    static std::array<std::optional<RomFile>, 3> images;
    auto& image = images[version];
    if (!image) {
        image = RomFile::fromBytes(BuildSampleCartridge(version));
    }
    return *image;
}

struct StoredMap {
    int index;
    uint8_t bank;
    int32_t offset;
    int32_t length;  // bytes the decoder consumed
    DecodedMap decoded;
};

std::vector<StoredMap> StoredMaps(const RomFile& rom) {
    std::vector<StoredMap> maps;
    for (int i = 0; i < kMapCount; ++i) {
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
        const int32_t offset = MapDataOffset(rom, header);
        DecodedMap decoded = DecompressMap(rom, offset);
        maps.push_back({i, header.mapBank(), offset, decoded.CompressedLength - 1, decoded});
    }
    return maps;
}

bool Disjoint(int32_t a, int32_t aLength, int32_t b, int32_t bLength) {
    return a + aLength <= b || b + bLength <= a;
}

void AddVersionRows() {
    QTest::addColumn<int>("version");
    QTest::newRow("version 0") << 0;
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 2") << 2;
}

}  // namespace

class TestSampleCartridge : public QObject {
    Q_OBJECT

private slots:
    void imageIsWholeAndRepeatable_data() { AddVersionRows(); }
    void imageIsWholeAndRepeatable() {
        QFETCH(int, version);
        const QByteArray bytes = Sample(uint8_t(version)).bytes();
        QCOMPARE(bytes.size(), kSampleCartridgeSize);
        QCOMPARE(BuildSampleCartridge(uint8_t(version)), bytes);
        QCOMPARE(bytes.mid(0x104, 0x30), QByteArray(0x30, '\0'));
    }

    void cartridgeHeader_data() { AddVersionRows(); }
    void cartridgeHeader() {
        QFETCH(int, version);
        const RomFile& rom = Sample(uint8_t(version));
        QCOMPARE(ReadRomVersion(rom), uint8_t(version));
        uint8_t x = 0;
        for (int32_t i = 0x134; i <= 0x14C; ++i) {
            x = uint8_t(x - rom.ReadRomByte(i) - 1);
        }
        QCOMPARE(rom.ReadRomByte(0x14D), x);
        uint16_t sum = 0;
        for (int32_t i = 0; i < rom.size(); ++i) {
            sum = uint16_t(sum + (i == 0x14E || i == 0x14F ? 0 : rom.ReadRomByte(i)));
        }
        QCOMPARE(uint16_t(rom.ReadRomByte(0x14E) << 8 | rom.ReadRomByte(0x14F)), sum);
    }

    // Headers in bank 1, block data in bank 8, each map inside its own map bank after that
    // bank's table of map addresses, decoding to block numbers only.
    void mapsLieWhereTheEditorLooks_data() { AddVersionRows(); }
    void mapsLieWhereTheEditorLooks() {
        QFETCH(int, version);
        const RomFile& rom = Sample(uint8_t(version));
        std::map<uint8_t, int32_t> tableEnd;
        for (const StoredMap& m : StoredMaps(rom)) {
            const int32_t header = HeaderOffset(rom, m.index);
            QVERIFY2(header >= 0x4000 && header + MapHeader::kSize <= 0x8000,
                     qPrintable(QString::number(m.index)));
            QVERIFY(Disjoint(header, MapHeader::kSize, kMapTableOffset, 2 * kMapCount));
            const MapHeader h = MapHeader::read(rom, header);
            QVERIFY(h.BlockDataOffset() >= 0x20000 && h.BlockDataOffset() + 512 <= 0x24000);
            const int32_t bankStart = m.bank * 0x4000;
            QVERIFY(m.offset >= bankStart && m.offset + m.length <= bankStart + 0x4000);
            QVERIFY(m.offset + m.length <= rom.size());
            tableEnd[m.bank] = std::max(tableEnd[m.bank], h.mapDataPointerOffset() + 2);
            for (uint8_t cell : m.decoded.cells) {
                QVERIFY(cell < 128);
            }
        }
        for (const StoredMap& m : StoredMaps(rom)) {
            QVERIFY(m.offset >= tableEnd[m.bank]);
        }
    }

    // Tight maps are exactly what the editor writes, packed back to back; roomy ones give
    // the editor more room than that; no two stored maps share a byte.
    void mapStorage() {
        std::vector<StoredMap> maps = StoredMaps(Sample(0));
        int tight = 0;
        int roomy = 0;
        for (const StoredMap& m : maps) {
            const QByteArray compact = CompressMapBytes(m.decoded.cells);
            const QByteArray stored = Sample(0).bytes().mid(m.offset, m.length);
            switch (SampleMapPlanFor(m.index).storage) {
                case MapStorage::Tight:
                    QCOMPARE(stored, compact);
                    ++tight;
                    break;
                case MapStorage::RowFill:
                    QCOMPARE(stored.size(), compact.size());
                    QVERIFY(stored != compact);
                    break;
                case MapStorage::Roomy:
                    QVERIFY(stored.size() > compact.size());
                    ++roomy;
                    break;
            }
        }
        QVERIFY(tight >= 8);
        QVERIFY(roomy >= 1);

        // What the room is for: a roomy map keeps fitting after a few edits.
        const auto roomyMap = std::find_if(maps.begin(), maps.end(), [](const StoredMap& m) {
            return SampleMapPlanFor(m.index).storage == MapStorage::Roomy;
        });
        MapCells edited = roomyMap->decoded.cells;
        for (int i = 0; i < 12; ++i) {
            edited[size_t(kMapColumns * (3 + i) + 20 * i + 7)] = block::Coin;
        }
        QVERIFY(CompressMapBytes(edited).size() <= roomyMap->length);

        std::sort(maps.begin(), maps.end(),
                  [](const StoredMap& a, const StoredMap& b) { return a.offset < b.offset; });
        for (size_t i = 0; i + 1 < maps.size(); ++i) {
            const StoredMap& a = maps[i];
            const StoredMap& b = maps[i + 1];
            QVERIFY(a.offset + a.length <= b.offset);
            if (a.bank == b.bank && SampleMapPlanFor(a.index).storage == MapStorage::Tight) {
                QCOMPARE(b.offset, a.offset + a.length);
            }
        }
    }

    void tileSourcesLieInsideTheImage_data() { AddVersionRows(); }
    void tileSourcesLieInsideTheImage() {
        QFETCH(int, version);
        const RomFile& rom = Sample(uint8_t(version));
        std::set<QByteArray> tileSets;
        for (int i = 0; i < kMapCount; ++i) {
            const TileSources s = ReadTileSources(rom, i, uint8_t(version));
            for (const auto& [start, tiles] : {std::pair{s.groupA, 48}, std::pair{s.groupB, 64},
                                               std::pair{s.groupC, 56}, std::pair{s.groupD, 96}}) {
                QVERIFY2(start >= 0x4000 && start + 16 * tiles <= rom.size(),
                         qPrintable(QString::number(i)));
            }
            QVERIFY(s.groupC >= 0x1C000 && s.groupC + 16 * 56 <= 0x20000);
            tileSets.insert(rom.bytes().mid(s.groupA, 48 * 16));
        }
        QVERIFY(tileSets.size() >= 6);
    }

    void titleScreen_data() { AddVersionRows(); }
    void titleScreen() {
        QFETCH(int, version);
        const RomFile& rom = Sample(uint8_t(version));
        const int32_t address = rom.ReadRomByte(0x1404A) | rom.ReadRomByte(0x1404B) << 8;
        QVERIFY(address >= 0x4000 && address + 18 * 32 <= 0x8000);
        const int32_t map = 0x10000 + address;
        const int32_t tiles = version == 2 ? 0x149DE : 0x149E5;
        QVERIFY(Disjoint(map, 18 * 32, tiles, 4096));
        QVERIFY(Disjoint(0x1404A, 2, tiles, 4096));
        std::set<uint8_t> shown;
        for (int row = 0; row < 18; ++row) {
            for (int column = 0; column < 20; ++column) {
                shown.insert(rom.ReadRomByte(map + 32 * row + column));
            }
        }
        QVERIFY(shown.size() > 60);

        // The screen as shown: both lines of text in the font, ZANTOR in letters four times
        // the font's size.
        Picture sheet(128, 128);
        DrawTilesFromRom(rom, tiles, 15, 15, sheet, 0, 0, kIdentityPalette);
        Picture screen(160, 144);
        for (int row = 0; row < 18; ++row) {
            for (int column = 0; column < 20; ++column) {
                const int k = rom.ReadRomByte(map + 32 * row + column) ^ 0x80;
                BitBlt(screen, 8 * column, 8 * row, 8, 8, sheet, 8 * (k % 16), 8 * (k / 16));
            }
        }
        auto showsText = [&](const char* text, int column, int row) {
            for (int i = 0; text[i] != '\0'; ++i) {
                for (int y = 0; y < 8; ++y) {
                    for (int x = 0; x < 8; ++x) {
                        const bool ink = GlyphPixel(text[i], x - 1, y);
                        const uint32_t pixel = screen.GetPixel(8 * (column + i) + x, 8 * row + y);
                        if (pixel != (ink ? shade::kBlack : shade::kWhite)) {
                            return false;
                        }
                    }
                }
            }
            return true;
        };
        QVERIFY(showsText("LEVEL EDITOR", 4, 9));
        QVERIFY(showsText("SAMPLE CARTRIDGE", 2, 11));
        for (int letter = 0; letter < 6; ++letter) {
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    const uint32_t middle =
                        screen.GetPixel(12 + 23 * letter + 4 * column + 2, 18 + 4 * row + 2);
                    const bool lit = middle == shade::kLight || middle == shade::kDark;
                    QCOMPARE(lit, GlyphPixel("ZANTOR"[letter], column, row));
                }
            }
        }
        // Only the place of the tiles depends on the version.
        QCOMPARE(rom.bytes().mid(tiles, 4096), Sample(0).bytes().mid(0x149E5, 4096));
    }

    void mapsAreDistinct() {
        const std::vector<StoredMap> maps = StoredMaps(Sample(0));
        for (size_t i = 0; i < maps.size(); ++i) {
            for (size_t j = i + 1; j < maps.size(); ++j) {
                QVERIFY2(maps[i].decoded.cells != maps[j].decoded.cells,
                         qPrintable(QString("%1 %2").arg(i).arg(j)));
            }
        }
    }

    // The 16 × 32 start marker stands in open air on the ground near the left end.
    void startMarkerStandsOnTheGround() {
        const RomFile& rom = Sample(0);
        for (const StoredMap& m : StoredMaps(rom)) {
            const MapHeader h = MapHeader::read(rom, HeaderOffset(rom, m.index));
            QVERIFY(h.playerX() % 16 == 0 && h.playerY() % 16 == 0);
            const int x = h.playerX() / 16;
            const int foot = (h.playerY() + 32) / 16;
            QVERIFY(x < 16 && foot >= 2 && foot < kMapRows);
            auto cell = [&](int y) { return m.decoded.cells[size_t(kMapColumns * y + x)]; };
            QCOMPARE(cell(foot - 1), block::Sky);
            QCOMPARE(cell(foot - 2), block::Sky);
            QCOMPARE(cell(foot), block::GroundTop);
        }
    }

    // Every stored form decodes to the cells it was made from, and only the roomy one is
    // longer than the editor's own compression.
    void storedFormsDecodeToTheirCells() {
        MapCells cells{};
        uint32_t seed = 12345;
        for (size_t i = 0; i < cells.size(); ++i) {
            seed = seed * 1103515245u + 12345u;
            cells[i] = uint8_t((seed >> 16) % 5 == 0 ? (seed >> 20) % 128 : 0);
        }
        std::fill(cells.begin(), cells.begin() + kMapColumns, uint8_t(5));     // one whole row
        std::fill(cells.begin() + 256, cells.begin() + 256 + 17, uint8_t(3));  // 16 + 1
        std::fill(cells.end() - 40, cells.end(), uint8_t(0x87));  // high bit, to the last cell
        const int tight = int(CompressMapBytes(cells).size());
        for (MapStorage storage : {MapStorage::Tight, MapStorage::Roomy, MapStorage::RowFill}) {
            const QByteArray stored = EncodeStoredMap(cells, storage);
            const RomFile rom = RomFile::fromBytes(QByteArray(8, '\x7F') + stored + "\xFF\xFF");
            const DecodedMap decoded = DecompressMap(rom, 8);
            for (size_t i = 0; i < cells.size(); ++i) {
                QCOMPARE(decoded.cells[i], uint8_t(cells[i] & 0x7F));
            }
            QCOMPARE(decoded.CompressedLength - 1, int(stored.size()));
            if (storage == MapStorage::Roomy) {
                QVERIFY(stored.size() > tight);
            } else {
                QCOMPARE(int(stored.size()), tight);
            }
        }
    }

    // Drawn the way the editor assembles a sheet from the four tile groups, every map shows
    // its theme's art; under the theme's own palette exactly as drawn.
    void tileSheetsShowTheThemeArt_data() { AddVersionRows(); }
    void tileSheetsShowTheThemeArt() {
        QFETCH(int, version);
        const RomFile& rom = Sample(uint8_t(version));
        std::array<std::optional<ShadeCanvas>, kThemeCount> art;
        for (int i = 0; i < kMapCount; ++i) {
            const SampleMapPlan plan = SampleMapPlanFor(i);
            auto& drawn = art[size_t(plan.theme)];
            if (!drawn) {
                drawn = DrawThemeSheet(plan.theme);
            }
            const uint8_t palette = MapHeader::read(rom, HeaderOffset(rom, i)).backgroundPalette();
            QCOMPARE(palette, plan.backgroundPalette);
            const TileSources s = ReadTileSources(rom, i, uint8_t(version));
            Picture sheet(128, 128);
            auto group = [&](int32_t start, int firstCell, int count) {
                for (int k = 0; k < count; ++k) {
                    const int c = firstCell + k;
                    DrawTilesFromRom(rom, start + 16 * k, 0, 0, sheet, 8 * (c % 16), 8 * (c / 16),
                                     palette);
                }
            };
            group(s.groupA, 0, 48);
            group(s.groupB, 48, 64);
            group(s.groupC, 104, 56);
            group(s.groupD, 160, 96);
            const auto numberOf = ColourNumbersForShades(ThemePalette(plan.theme));
            const bool ownPalette = palette == ThemePalette(plan.theme);
            for (int y = 0; y < 128; ++y) {
                for (int x = 0; x < 128; ++x) {
                    const uint8_t shade = drawn->at(x, y);
                    const uint32_t expected =
                        ownPalette ? shade::kColours[shade] : ShadeColour(palette, numberOf[shade]);
                    if (sheet.GetPixel(x, y) != expected) {
                        QFAIL(qPrintable(QString("map %1 pixel %2,%3").arg(i).arg(x).arg(y)));
                    }
                }
            }
        }
    }

    // Every level has the makings of a platform level: ground at several heights with gaps,
    // coins, question blocks and a goal.
    void levelsLookLikePlatformLevels() {
        int withPipes = 0;
        for (const StoredMap& m : StoredMaps(Sample(0))) {
            const MapCells& cells = m.decoded.cells;
            const auto count = [&](uint8_t b) { return std::count(cells.begin(), cells.end(), b); };
            const QByteArray whereText = "map " + QByteArray::number(m.index);
            const char* where = whereText.constData();
            QVERIFY2(count(block::Coin) >= 10, where);
            QVERIFY2(count(block::Question) >= 3, where);
            QVERIFY2(count(block::Flag) == 1, where);
            withPipes += count(block::PipeTopLeft) > 0;
            std::set<int> heights;
            int gapColumns = 0;
            for (int x = 0; x < kMapColumns; ++x) {
                int y = 0;
                while (y < kMapRows && cells[size_t(kMapColumns * y + x)] != block::GroundTop &&
                       cells[size_t(kMapColumns * y + x)] != block::GroundTopLeft &&
                       cells[size_t(kMapColumns * y + x)] != block::GroundTopRight) {
                    ++y;
                }
                heights.insert(y);
                gapColumns += cells[size_t(kMapColumns * (kMapRows - 1) + x)] == block::Hazard;
            }
            QVERIFY2(heights.size() >= 3, where);
            QVERIFY2(gapColumns >= 4, where);
        }
        QVERIFY(withPipes >= 20);
    }

    // Every level's list reads back through the table, stored as the game needs it; lists lie
    // after the table in bank 3 and apart from each other unless shared.
    void objectListsReadBack() {
        const RomFile& rom = Sample(0);
        const int32_t table = ObjectPointerOffset(rom, 0);
        std::map<int32_t, int32_t> lists;  // offset -> bytes consumed
        int withObjects = 0;
        bool someHidden = false;
        for (int i = 0; i < kMapCount; ++i) {
            const StoredObjectList list = ReadLevelObjects(rom, i);
            QVERIFY(list.offset >= table + 2 * kMapCount && list.offset < 0x10000);
            QVERIFY2(ObjectListProblem(list.objects).isEmpty(), qPrintable(QString::number(i)));
            QVERIFY(SortedForWriting(list.objects) == list.objects);
            withObjects += list.objects.empty() ? 0 : 1;
            for (const LevelObject& o : list.objects)
                someHidden = someHidden || o.hiddenInEasyMode;
            lists[list.offset] = list.consumed;
        }
        QVERIFY(withObjects >= 10);
        QVERIFY(someHidden);
        for (auto it = lists.begin(); std::next(it) != lists.end(); ++it)
            QVERIFY(it->first + it->second <= std::next(it)->first);
        try {
            ReadLevelObjects(Sample(1), 0);
            QFAIL("version 1's lists were read");
        } catch (const ObjectListError& error) {
            QCOMPARE(error.kind(), ObjectListError::Kind::UnknownVersion);
        }
    }

    // Every level's arrays read through its bank's base words, each level of a bank its own;
    // the camera, from the start, sees the player's start but not all of the level; the first
    // levels' exit runs the shared warp script; checkpoints stand inside the level.
    void screensReadBack() {
        const RomFile& rom = Sample(0);
        std::set<int32_t> places;
        int withExit = 0;
        for (int i = 0; i < kMapCount; ++i) {
            const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
            const ScreenArraysPlace place = ScreenArraysPlaceOf(rom, header);
            QVERIFY(places.insert(place.boxesOffset).second);
            const ScreenArrays arrays = ReadScreenArrays(rom, place);
            QCOMPARE(arrays.boxes[0] & (EdgeLeft | EdgeTop), EdgeLeft | EdgeTop);
            const QPoint camera(header.cameraX(), header.cameraY());
            const QRegion never = CameraReach::neverShown(arrays.boxes, camera);
            QVERIFY(!never.isEmpty());
            QVERIFY(!never.intersects(QRect(header.playerX(), header.playerY(), 16, 32)));
            if (arrays.exits[47] != 0) {
                ++withExit;
                const ExitScript script = ReadExitScript(rom, *ScreenFactsFor(0), arrays.exits[47]);
                QVERIFY(script.ended);
                QVERIFY(DescribeExitScript(script.bytes).contains("warp to row 1, column 7"));
            }
            if (const std::optional<int32_t> offset = CheckpointOffset(0, i)) {
                const Checkpoint checkpoint = ReadCheckpoint(rom, *offset);
                QVERIFY(QRect(0, 0, 4096, 768).contains(QRect(checkpoint.player, QSize(16, 32))));
            }
        }
        QVERIFY(withExit >= 2);
    }

    void laterVersionsMoveTheTables_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
    }
    void laterVersionsMoveTheTables() {
        QFETCH(int, version);
        const RomFile& plain = Sample(0);
        const RomFile& moved = Sample(uint8_t(version));
        bool oldPlaceDiffers = false;
        for (int i = 0; i < kMapCount; ++i) {
            QCOMPARE(moved.ReadRomByte(0x360A + 3 + i), plain.ReadRomByte(0x360A + i));
            const TileSources a = ReadTileSources(plain, i, 0);
            const TileSources b = ReadTileSources(moved, i, uint8_t(version));
            QCOMPARE(b.groupA, a.groupA);
            QCOMPARE(b.groupB, a.groupB);
            QCOMPARE(b.groupC, a.groupC);
            QCOMPARE(b.groupD, a.groupD);
            const TileSources stale = ReadTileSources(moved, i, 0);
            oldPlaceDiffers = oldPlaceDiffers || stale.groupB != a.groupB;
        }
        QVERIFY(oldPlaceDiffers);
    }
};

QTEST_GUILESS_MAIN(TestSampleCartridge)
#include "tst_SampleCartridge.moc"
