#include <QtTest>

#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapSizeMeter.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/MiniRom.h"
#include "support/SpaceRom.h"

using namespace zantor;

class TestMapSaver : public QObject {
    Q_OBJECT

private slots:
    void aShrinkingSaveKeepsTheSlotForTheNextLoad() {
        const MiniRom mini;
        RomFile rom = RomFile::fromBytes(mini.bytes);
        const MapHeader header = MapHeader::read(rom, MiniRom::kHeader);
        const DecodedMap loaded = DecompressMap(rom, MiniRom::kMapData);
        const int slot = loaded.CompressedLength - 1;

        MapCells plain{};
        plain.fill(9);
        QVERIFY(MapSaver::writeToSlot(rom, header, plain, slot));
        QByteArray image = rom.bytes();
        QCOMPARE(image.mid(MiniRom::kMapData + slot), mini.bytes.mid(MiniRom::kMapData + slot));
        const DecodedMap reloaded = DecompressMap(rom, MiniRom::kMapData);
        QCOMPARE(reloaded.cells, plain);
        QCOMPARE(reloaded.CompressedLength - 1, slot);

        // The bytes given up are still the map's: the old level goes back in.
        const int reloadedSlot = reloaded.CompressedLength - 1;
        QVERIFY(MapSaver::writeToSlot(rom, header, loaded.cells, reloadedSlot));
        QCOMPARE(DecompressMap(rom, MiniRom::kMapData).cells, loaded.cells);
        QCOMPARE(DecompressMap(rom, MiniRom::kMapData).CompressedLength - 1, slot);

        // One code more than the slot holds: refused, nothing written, the excess told.
        MapCells bigger = loaded.cells;
        for (int row = 0; row < kMapRows && int(CompressMapBytes(bigger).size()) <= slot; ++row)
            bigger[size_t(row * kMapColumns + 200)] = 6;
        const int excess = int(CompressMapBytes(bigger).size()) - slot;
        QVERIFY(excess > 0);
        QCOMPARE(MapSaver::excess(bigger, slot), excess);
        QCOMPARE(MapSaver::excess(plain, slot), 0);
        image = rom.bytes();
        QVERIFY(!MapSaver::writeToSlot(rom, header, bigger, slot));
        QCOMPARE(rom.bytes(), image);
        QVERIFY(MapSaver::tooBigMessage(1234, true).contains("1,234 bytes"));
    }

    void anUnchangedMapIsNotRewritten() {
        // The sample stores maps tight, roomy (runs split, spare bytes after) and with fill
        // codes; saving the cells as loaded leaves every one of them as it was.
        const QByteArray sample = BuildSampleCartridge(0);
        for (int i = 0; i < kMapCount; ++i) {
            RomFile rom = RomFile::fromBytes(sample);
            const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
            const DecodedMap map = DecompressMap(rom, MapDataOffset(rom, header));
            QVERIFY(MapSaver::writeToSlot(rom, header, map.cells, map.CompressedLength - 1));
            QVERIFY2(!rom.isModified(), qPrintable(MapNames()[i]));
        }
        // The same cells in a slot of another length are stored afresh to fill it.
        RomFile rom = RomFile::fromBytes(sample);
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 2));
        const int32_t data = MapDataOffset(rom, header);
        const DecodedMap map = DecompressMap(rom, data);
        QVERIFY(MapSaver::writeToSlot(rom, header, map.cells, map.CompressedLength - 2));
        QCOMPARE(DecompressMap(rom, data).CompressedLength, map.CompressedLength - 1);
        QCOMPARE(DecompressMap(rom, data).cells, map.cells);
    }

    void theMeterAgreesWithAFreshCompression() {
        QRandomGenerator random(31);
        MapCells cells = SpaceRom::level(3, 25);
        MapSizeMeter meter(cells);
        QCOMPARE(meter.bytesNeeded(), CompressMapBytes(cells).size());
        const MapCells original = cells;
        for (int edit = 0; edit < 600; ++edit) {
            // Rectangles of every size, some reaching past the map's edges; the value is often
            // a neighbour's, so that runs merge as well as split.
            const QRect area(int(random.bounded(-5, kMapColumns)),
                             int(random.bounded(-2, kMapRows)),
                             1 + int(random.bounded(edit % 3 ? 4 : 40)),
                             1 + int(random.bounded(edit % 5 ? 2 : 10)));
            const QRect clipped = area & QRect(0, 0, kMapColumns, kMapRows);
            const int at = std::clamp(area.x() - 1, 0, kMapCells - 1);
            const uint8_t value = edit % 2 ? cells[size_t(at)] : uint8_t(random.bounded(128));
            for (int y = clipped.top(); y <= clipped.bottom(); ++y)
                for (int x = clipped.left(); x <= clipped.right(); ++x)
                    cells[size_t(y * kMapColumns + x)] = value;
            meter.cellsChanged(cells, area);
            QCOMPARE(meter.bytesNeeded(), CompressMapBytes(cells).size());
        }
        // Back to the loaded cells at once, as an undo of everything would.
        cells = original;
        meter.rowsChanged(cells, 0, kMapRows - 1);
        QCOMPARE(meter.bytesNeeded(), CompressMapBytes(original).size());
        QCOMPARE(meter.excess(meter.bytesNeeded() - 7), 7);
        QCOMPARE(meter.excess(meter.bytesNeeded()), 0);
    }
};

QTEST_GUILESS_MAIN(TestMapSaver)
#include "tst_MapSaver.moc"
