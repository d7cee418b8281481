// The global checksum across saves: every kind of save keeps it valid when it was valid in the
// file as opened and leaves it alone when it was not; no save reaches the header.
#include <QTemporaryDir>
#include <QtTest>

#include "codec/CartridgeChecksum.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// Worked out here byte by byte, apart from the code under test.
uint16_t SumOfAllButChecksum(const QByteArray& image) {
    uint16_t sum = 0;
    for (int i = 0; i < image.size(); ++i)
        if (i != 0x14E && i != 0x14F)
            sum = uint16_t(sum + uint8_t(image[i]));
    return sum;
}

bool Holds(const QByteArray& image) {
    return uint16_t(uint8_t(image[0x14E]) << 8 | uint8_t(image[0x14F])) ==
           SumOfAllButChecksum(image);
}

}  // namespace

class TestCartridgeChecksum : public QObject {
    Q_OBJECT

private slots:
    void aChangedByteBreaksBothChecksums() {
        const QByteArray sample = BuildSampleCartridge(1);  // both hold: tst_SampleCartridge
        QCOMPARE(CartridgeChecksum::of(sample).globalStored, SumOfAllButChecksum(sample));
        QByteArray damaged = sample;
        damaged[0x140] = char(damaged[0x140] + 1);
        QVERIFY(!CartridgeChecksum::of(damaged).headerHolds() &&
                !CartridgeChecksum::of(damaged).globalHolds());
        QVERIFY(!CartridgeChecksum::of(sample.first(0x14F)).globalHolds());
    }

    // Edits at both ends of the image and past its end. Every save (a map, a block, the title
    // screen, an import) goes through the same commit, which alone keeps the checksum.
    void aSaveKeepsAValidChecksumValid() {
        QTemporaryDir dir;
        const QByteArray before = BuildSampleCartridge(0);
        const QString path = WriteFile(dir, "rom.gb", before);

        RomFile rom = RomFile::open(path);
        rom.WriteRomByte(0, 0xC3);
        rom.WriteRomByte(int32_t(rom.size()) - 1, 0x77);
        rom.WriteRomByte(int32_t(rom.size()) + 100, 0x01);
        QByteArray edited = rom.bytes();
        rom.commit();
        const QByteArray after = ReadFile(path);
        QVERIFY(Holds(after));
        // Beyond the user's edits, the checksum's two bytes are all that may change.
        edited.replace(0x14E, 2, after.mid(0x14E, 2));
        QCOMPARE(after, edited);
        QCOMPARE(rom.bytes(), after);  // and the object reads what the file now holds
    }

    // An invalid checksum is left alone. The question is settled by the file as it was opened,
    // not by the edited bytes: an edit that happens to make an invalid checksum add up does not
    // count, and pages first read at commit count as they are in the file.
    void validityIsThatOfTheFileAsOpened() {
        QTemporaryDir dir;
        QByteArray before = BuildSampleCartridge(0);
        before[0x20000] = char(before[0x20000] + 1);  // one off: invalid
        const QString path = WriteFile(dir, "rom.gb", before);
        RomFile rom = RomFile::open(path);
        rom.WriteRomByte(0x20000, uint8_t(before[0x20000] - 1));  // back to valid by the edit
        rom.WriteRomByte(0x30000, 0x11);
        rom.commit();
        QByteArray expected = before;
        expected[0x20000] = char(before[0x20000] - 1);
        expected[0x30000] = 0x11;
        QCOMPARE(ReadFile(path), expected);  // checksum bytes untouched

        // After that save the file's checksum does not hold, so the next save leaves it too;
        // a file made valid again by someone else is kept valid.
        const QByteArray valid = BuildSampleCartridge(0);
        WriteFile(dir, "rom.gb", valid);
        RomFile again = RomFile::open(path);
        again.WriteRomByte(0x7FFFF, 0x42);  // a page never read before the write
        again.commit();
        QVERIFY(Holds(ReadFile(path)));
        // A second commit of the same object starts from what the first wrote.
        again.WriteRomByte(0x7FFFE, 0x43);
        again.commit();
        QVERIFY(Holds(ReadFile(path)));
    }

    void noSaveWritesTheHeader() {
        QTemporaryDir dir;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString path = WriteFile(dir, "rom.gb", sample);
        for (int32_t offset : {0x134, 0x143, 0x14C, 0x14D, 0x14E, 0x14F}) {
            RomFile rom = RomFile::open(path);
            try {
                rom.WriteRomByte(offset, 0);
                QFAIL("a header write must be refused");
            } catch (const RomAccessError& error) {
                QCOMPARE(error.kind(), RomAccessError::Kind::Header);
                QCOMPARE(error.offset(), offset);
                QVERIFY(error.text().contains("0x" + QString::number(offset, 16).toUpper()));
            }
            QVERIFY(!rom.isModified());
        }
        RomFile::open(path).WriteRomByte(0x133, 1);
        RomFile::open(path).WriteRomByte(0x150, 1);

        // A map whose data pointer leads into the header (a damaged or crafted table entry)
        // is refused before anything reaches the file.
        MapHeader header;
        header.bytes[13] = 0;     // map bank 0
        header.bytes[18] = 0x10;  // its table entry at 0x2F0 + 0x20
        QByteArray crafted = sample;
        crafted.replace(0x310, 2, "\x40\x41");  // address 0x4140: file offset 0x140
        const QString craftedPath = WriteFile(dir, "crafted.gb", crafted);
        RomFile target = RomFile::open(craftedPath);
        QCOMPARE(MapDataOffset(target, header), 0x140);
        MapCells cells{};
        QVERIFY_THROWS_EXCEPTION(RomAccessError,
                                 MapSaver::writeToSlot(target, header, cells, kMapCells - 1));
        QCOMPARE(ReadFile(craftedPath), crafted);
    }
};

QTEST_GUILESS_MAIN(TestCartridgeChecksum)
#include "tst_CartridgeChecksum.moc"
