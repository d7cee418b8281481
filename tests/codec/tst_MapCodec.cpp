#include <QtTest>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "support/SpaceRom.h"

using namespace zantor;

namespace {
// The stored bytes placed at `offset` of an otherwise zero image.
RomFile imageWith(const QByteArray& stored, int offset = 0x100) {
    QByteArray bytes(offset, '\x7E');
    bytes += stored;
    return RomFile::fromBytes(bytes);
}

}  // namespace

class TestMapCodec : public QObject {
    Q_OBJECT

private slots:
    void fillAndRunCodesStopAtTheRowEnd() {
        // Row 0: 200 literals of 1, then 0x85 0x00 fills the remaining 56 cells.
        // Row 1: 0x86 0x00 fills all 256. Row 2: 200 literals, then 0x87 0xFF writes 56 cells
        // and drops the rest. Rows 3..47: one fill code each.
        QByteArray stored = QByteArray(200, '\x01') + QByteArray::fromHex("85008600") +
                            QByteArray(200, '\x02') + QByteArray::fromHex("87FF") +
                            QByteArray::fromHex("8800").repeated(45);
        const DecodedMap map = DecompressMap(imageWith(stored), 0x100);
        // Cell 768: the cut-off part of the run did not carry over.
        const std::pair<int, int> cells[] = {{199, 1}, {200, 5},          {255, 5}, {256, 6},
                                             {511, 6}, {711, 2},          {712, 7}, {767, 7},
                                             {768, 8}, {kMapCells - 1, 8}};
        for (const auto& [cell, block] : cells)
            QCOMPARE(map.cells[size_t(cell)], block);
        QCOMPARE(map.CompressedLength, stored.size() + 1);
    }

    void decodingStopsAtTheLastCellAndNeverReadsOn() {
        // 48 fill codes: 96 bytes, CompressedLength 97; what follows is never consumed.
        QByteArray stored =
            QByteArray::fromHex("8300").repeated(48) + QByteArray::fromHex("0102030405");
        DecodedMap map = DecompressMap(imageWith(stored), 0x100);
        QCOMPARE(map.CompressedLength, 97);
        QVERIFY(std::all_of(map.cells.begin(), map.cells.end(),
                            [](uint8_t v) { return v == 3; }));

        // A run that fills the last cell ends the decoding, counting both of its bytes.
        stored = QByteArray::fromHex("8300").repeated(47) + QByteArray(250, '\x04') +
                 QByteArray::fromHex("8910") + "\x01";
        map = DecompressMap(imageWith(stored), 0x100);
        QCOMPARE(map.cells[kMapCells - 1], 9);
        QCOMPARE(map.CompressedLength, 47 * 2 + 250 + 2 + 1);
    }

    void dataRunningPastTheEndReadsZerosAndStillStops() {
        const RomFile rom = RomFile::fromBytes(QByteArray::fromHex("85"));
        const DecodedMap map = DecompressMap(rom, 0);
        // 0x85 0x00 (past the end) fills row 0; then 12032 literal zeros.
        QCOMPARE(map.cells[0], 5);
        QCOMPARE(map.cells[256], 0);
        QCOMPARE(map.CompressedLength, 2 + (kMapCells - 256) + 1);
        // The worst case reads one byte per cell.
        QCOMPARE(DecompressMap(RomFile::fromBytes({}), 0).CompressedLength, kMapCells + 1);
    }

    void encoderCodes() {
        MapCells cells{};
        QCOMPARE(CompressMapBytes(cells), QByteArray::fromHex("80FF").repeated(48));

        cells.fill(0);
        cells[0] = 3, cells[1] = 3, cells[2] = 7;
        QVERIFY(CompressMapBytes(cells).startsWith(QByteArray::fromHex("830107")));

        // Equal cells on both sides of a row boundary: two codes.
        cells.fill(1);
        QCOMPARE(CompressMapBytes(cells), QByteArray::fromHex("81FF").repeated(48));

        // The last cell differing from the one before: a literal.
        cells.fill(0);
        cells[kMapCells - 1] = 0x22;
        QVERIFY(CompressMapBytes(cells).endsWith(QByteArray::fromHex("80FE22")));

        // Cells of 128 and more are stored as their low seven bits.
        cells.fill(0);
        cells[0] = 0x85, cells[1] = 0x05;
        QVERIFY(CompressMapBytes(cells).startsWith(QByteArray::fromHex("8501")));
    }

    // Any length from the shortest form to the longest decodes to the same cells over exactly
    // that many bytes (arbitrary code streams are fuzz_decompress_map's).
    void lengthenedEncodingFillsTheSlotExactly() {
        MapCells alternating{};
        for (int i = 0; i < kMapCells; ++i)
            alternating[size_t(i)] = uint8_t(i % 2);
        QCOMPARE(CompressMapBytes(alternating).size(), kMapCells);  // the longest: all literals
        for (const MapCells& cells : {SpaceRom::level(1, 1), SpaceRom::level(2, 40),
                                      SpaceRom::level(3, 300), alternating}) {
            const QByteArray shortest = CompressMapBytes(cells);
            for (int length :
                 {int(shortest.size()), int(shortest.size()) + 1, kMapCells + 1,
                  (int(shortest.size()) + kLongestMapEncoding) / 2, kLongestMapEncoding}) {
                const QByteArray stored = CompressMapToLength(cells, length);
                QCOMPARE(stored.size(), length);
                const DecodedMap map = DecompressMap(imageWith(stored + "\x01\x01"), 0x100);
                QCOMPARE(map.cells, cells);
                QCOMPARE(map.CompressedLength - 1, length);
            }
        }
        // Shorter than the shortest form: nothing. Longer than any: the longest, which the
        // caller sees by its size; each row 255 literals and a fill code for its last cell.
        MapCells fours{};
        fours.fill(4);
        QVERIFY(CompressMapToLength(fours, 95).isEmpty());
        const QByteArray longest = CompressMapToLength(fours, kLongestMapEncoding + 500);
        QCOMPARE(longest.size(), kLongestMapEncoding);
        QCOMPARE(longest.left(257), QByteArray(255, 4) + QByteArray::fromHex("8400"));
    }
};

QTEST_GUILESS_MAIN(TestMapCodec)
#include "tst_MapCodec.moc"
