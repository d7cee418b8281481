#include <QtTest>

#include "codec/RomFile.h"
#include "map/MapChanges.h"
#include "support/MiniRom.h"

using namespace zantor;

class TestMapChanges : public QObject {
    Q_OBJECT

private slots:
    // Edits in the stored map and the block data of MiniRom's level show up cell by cell and
    // block by block; bytes of the image the level does not use change nothing.
    void findsTheCellsAndBlocksThatDiffer() {
        const MiniRom original;
        MiniRom edited;
        // Row 0 starts with literals 0, 1, 2, ...: cells (1, 0) and (127, 0) get other blocks.
        edited.bytes[MiniRom::kMapData + 1] = char(0x40);
        edited.bytes[MiniRom::kMapData + 127] = char(0x00);
        // Row 1's run of block 5 (cells 128..255) becomes block 6.
        edited.bytes[MiniRom::kMapData + 130 + 128] = char(0x86);
        // All four quarters of block 3, one of block 127, and a byte no level reads.
        edited.setBlock(3, 0, 0, 0, 0);
        edited.bytes[MiniRom::kBlockData + 4 * 127 + 3] = char(0x12);
        edited.bytes[0x7FFFF] = char(0x55);

        const MapChanges changes = MapChanges::compare(
            RomFile::fromBytes(original.bytes), RomFile::fromBytes(edited.bytes), MiniRom::kMap);
        QVERIFY(changes.cellChanged(1, 0));
        QVERIFY(changes.cellChanged(127, 0));
        QVERIFY(!changes.cellChanged(0, 0));
        QVERIFY(!changes.cellChanged(128, 0));
        for (int x = 128; x < 256; ++x)
            QVERIFY(changes.cellChanged(x, 1));
        QCOMPARE(changes.changedCells(), 2 + 128);
        QVERIFY(changes.blockChanged(3));
        QVERIFY(changes.blockChanged(127));
        QCOMPARE(changes.changedBlocks(), 2);

        const MapChanges none = MapChanges::compare(
            RomFile::fromBytes(original.bytes), RomFile::fromBytes(original.bytes), MiniRom::kMap);
        QCOMPARE(none.changedCells(), 0);
        QCOMPARE(none.changedBlocks(), 0);
    }
};

QTEST_GUILESS_MAIN(TestMapChanges)
#include "tst_MapChanges.moc"
