#include <QRandomGenerator>
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
        QByteArray stored = QByteArray(200, '\x01') + QByteArray::fromHex("8500") +
                            QByteArray::fromHex("8600") + QByteArray(200, '\x02') +
                            QByteArray::fromHex("87FF") + QByteArray::fromHex("8800").repeated(45);
        const DecodedMap map = DecompressMap(imageWith(stored), 0x100);
        QCOMPARE(map.MapBuffer[199], 1);
        QCOMPARE(map.MapBuffer[200], 5);
        QCOMPARE(map.MapBuffer[255], 5);
        QCOMPARE(map.MapBuffer[256], 6);
        QCOMPARE(map.MapBuffer[511], 6);
        QCOMPARE(map.MapBuffer[512 + 199], 2);
        QCOMPARE(map.MapBuffer[512 + 200], 7);
        QCOMPARE(map.MapBuffer[767], 7);
        QCOMPARE(map.MapBuffer[768], 8);  // the cut-off part of the run did not carry over
        QCOMPARE(map.MapBuffer[kMapCells - 1], 8);
        QCOMPARE(map.CompressedLength, stored.size() + 1);
    }

    void decodingStopsAtTheLastCellAndNeverReadsOn() {
        // 48 fill codes: 96 bytes, CompressedLength 97; what follows is never consumed.
        QByteArray stored =
            QByteArray::fromHex("8300").repeated(48) + QByteArray::fromHex("0102030405");
        DecodedMap map = DecompressMap(imageWith(stored), 0x100);
        QCOMPARE(map.CompressedLength, 97);
        QVERIFY(std::all_of(map.MapBuffer.begin(), map.MapBuffer.end(),
                            [](uint8_t v) { return v == 3; }));

        // A run that fills the last cell ends the decoding, counting both of its bytes.
        stored = QByteArray::fromHex("8300").repeated(47) + QByteArray(250, '\x04') +
                 QByteArray::fromHex("8910") + "\x01";
        map = DecompressMap(imageWith(stored), 0x100);
        QCOMPARE(map.MapBuffer[kMapCells - 1], 9);
        QCOMPARE(map.CompressedLength, 47 * 2 + 250 + 2 + 1);
    }

    void dataRunningPastTheEndReadsZerosAndStillStops() {
        const RomFile rom = RomFile::fromBytes(QByteArray::fromHex("85"));
        const DecodedMap map = DecompressMap(rom, 0);
        // 0x85 0x00 (past the end) fills row 0; then 12032 literal zeros.
        QCOMPARE(map.MapBuffer[0], 5);
        QCOMPARE(map.MapBuffer[256], 0);
        QCOMPARE(map.CompressedLength, 2 + (kMapCells - 256) + 1);
        // The worst case reads one byte per cell.
        QCOMPARE(DecompressMap(RomFile::fromBytes({}), 0).CompressedLength, kMapCells + 1);
    }

    void encoderTexts() {
        MapCells cells{};
        QCOMPARE(CompressMap(cells), QString("80FF").repeated(48));

        cells.fill(0);
        cells[0] = 3, cells[1] = 3, cells[2] = 7;
        QVERIFY(CompressMap(cells).startsWith("830107"));

        // Equal cells on both sides of a row boundary: two codes.
        cells.fill(1);
        QCOMPARE(CompressMap(cells), QString("81FF").repeated(48));

        // The last cell differing from the one before: a literal.
        cells.fill(0);
        cells[kMapCells - 1] = 0x22;
        QVERIFY(CompressMap(cells).endsWith("80FE22"));

        // Cells of 128 and more are stored as their low seven bits.
        cells.fill(0);
        cells[0] = 0x85;
        cells[1] = 0x05;
        QVERIFY(CompressMap(cells).startsWith("8501"));
    }

    void lengthenedEncodingFillsTheSlotExactly() {
        QRandomGenerator random(20240611);
        for (int trial = 0; trial < 300; ++trial) {
            const MapCells cells = SpaceRom::level(random.generate(), 1 + trial % 300);
            const QByteArray stored = CompressMapBytes(cells);
            const int shortest = int(stored.size());
            QVERIFY(shortest <= kMapCells);
            QCOMPARE(QString::fromLatin1(stored.toHex().toUpper()), CompressMap(cells));
            QCOMPARE(CompressMapToLength(cells, shortest), stored);
            // The ends of the reachable range, the step past each of them, and random lengths.
            QList<int> lengths{shortest, shortest + 1, kMapCells, kMapCells + 1,
                               kLongestMapEncoding};
            for (int k = 0; k < 4; ++k) {
                lengths << shortest + int(random.bounded(kLongestMapEncoding - shortest + 1));
            }
            for (int length : lengths) {
                if (length < shortest)
                    continue;
                const QByteArray stored = CompressMapToLength(cells, length);
                QCOMPARE(stored.size(), length);
                const DecodedMap map = DecompressMap(imageWith(stored + "\x01\x01"), 0x100);
                if (map.MapBuffer != cells)
                    QFAIL(qPrintable(
                        QString("trial %1, length %2: cells differ").arg(trial).arg(length)));
                QCOMPARE(map.CompressedLength - 1, length);
            }
        }
    }

    void everySlotADecodingFindsCanBeRefilled() {
        // Random code streams, decoded: whatever slot the decoder reports, the decoded cells
        // can be stored to fill it exactly.
        QRandomGenerator random(77);
        for (int trial = 0; trial < 200; ++trial) {
            QByteArray codes;
            const int runShare = int(random.bounded(101));
            while (codes.size() < 2 * kMapCells) {
                const uint8_t v = uint8_t(random.bounded(128));
                if (int(random.bounded(100)) < runShare) {
                    codes += char(0x80 | v);
                    codes += char(random.bounded(trial % 2 ? 4 : 256));
                } else {
                    codes += char(v);
                }
            }
            const DecodedMap map = DecompressMap(imageWith(codes), 0x100);
            const int slot = map.CompressedLength - 1;
            QVERIFY(slot <= kLongestMapEncoding);
            const QByteArray refilled = CompressMapToLength(map.MapBuffer, slot);
            QCOMPARE(refilled.size(), slot);
            const DecodedMap again = DecompressMap(imageWith(refilled), 0x100);
            QCOMPARE(again.MapBuffer, map.MapBuffer);
            QCOMPARE(again.CompressedLength, map.CompressedLength);
        }
    }

    void lengtheningOutsideTheReachableRange() {
        MapCells cells{};
        cells.fill(4);
        // Shorter than the shortest form: nothing.
        QVERIFY(CompressMapToLength(cells, 95).isEmpty());
        QCOMPARE(CompressMapToLength(cells, 96), CompressMapBytes(cells));
        // Longer than any form: the longest, which the caller sees by its size.
        const QByteArray longest = CompressMapToLength(cells, kLongestMapEncoding + 500);
        QCOMPARE(longest.size(), kLongestMapEncoding);
        QCOMPARE(DecompressMap(imageWith(longest), 0x100).MapBuffer, cells);
        // Each row: 255 literals and a fill code for its last cell.
        QCOMPARE(longest.left(257), QByteArray(255, 4) + QByteArray::fromHex("8400"));
    }

    void theLongestEncodingIsAllLiterals() {
        MapCells cells{};
        for (int i = 0; i < kMapCells; ++i) {
            cells[size_t(i)] = uint8_t(i % 2);
        }
        QCOMPARE(CompressMapBytes(cells).size(), kMapCells);
    }
};

QTEST_GUILESS_MAIN(TestMapCodec)
#include "tst_MapCodec.moc"
