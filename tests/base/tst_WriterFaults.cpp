// Every writer fails at each step of its atomic write in turn: AtomicFileWriter itself (what
// the tool's exports, patches, the sample and the backups write through), the ROM through
// RomFile::commit, and pictures through ImageFiles::SavePicture. The file must be
// byte-identical afterwards (or still absent), no temporary may be left, and the same write
// must go through once the fault is gone.
#include <QTemporaryDir>
#include <QtTest>

#include "base/AtomicFileWriter.h"
#include "base/ImageFiles.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "codec/TileCodec.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/FaultSteps.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// Map 2 of the sample has room to spare; a level of one block encodes shorter.
void SaveOneBlockLevel(RomFile& rom) {
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 2));
    const int32_t room = DecompressMap(rom, MapDataOffset(rom, header)).CompressedLength;
    MapCells cells{};
    cells.fill(7);
    if (!MapSaver::write(rom, header, cells, room))
        qFatal("the sample's map 2 should take a one-block level");
}

// A picture with something in every row, so that an encoder cannot shrink it to nothing.
Picture Striped(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, shade::kColours[size_t((x / 3 + y) % 4)]);
    return picture;
}
}  // namespace

class TestWriterFaults : public QObject {
    Q_OBJECT

private slots:
    void atomicWriteIsAllOrNothingAtEveryStep_data() {
        QTest::addColumn<bool>("replaces");
        QTest::newRow("over a file") << true;
        QTest::newRow("new file") << false;
    }
    void atomicWriteIsAllOrNothingAtEveryStep() {
        QFETCH(bool, replaces);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.bin");
        const QByteArray old("the old file's bytes");
        // Three chunks of writes, so that each write step fails on its own.
        QByteArray bytes(int(2.5 * AtomicFileWriter::kChunkSize), '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 + i / 4096);
        auto reset = [&] {
            QFile::remove(path);
            if (replaces)
                WriteFile(dir, "out.bin", old);
        };
        QString reason;
        reset();
        const QList<FaultStep> steps =
            RecordSteps([&] { QVERIFY(AtomicFileWriter::write(path, bytes, &reason)); });
        QCOMPARE(ReadFile(path), bytes);
        QCOMPARE(steps.size(), 3 + 3);  // create, three writes, flush, rename

        for (const FaultStep& failing : steps) {
            reset();
            {
                AtomicFileWriter::ScopedFault fault(FailOnly(failing));
                reason.clear();
                QVERIFY2(!AtomicFileWriter::write(path, bytes, &reason),
                         qPrintable(failing.name()));
            }
            QVERIFY(!reason.isEmpty());
            if (replaces)
                QVERIFY2(ReadFile(path) == old, qPrintable(failing.name()));
            else
                QVERIFY2(!QFile::exists(path), qPrintable(failing.name()));
            QCOMPARE(StrayFiles(dir.path(), replaces ? QStringList{"out.bin"} : QStringList{}),
                     QStringList());
            QVERIFY(AtomicFileWriter::write(path, bytes, &reason));
            QCOMPARE(ReadFile(path), bytes);
        }
    }

    void romCommitIsAllOrNothingAtEveryStep() {
        QTemporaryDir dir;
        const QByteArray old = BuildSampleCartridge(0);
        RomFile inMemory = RomFile::fromBytes(old);
        SaveOneBlockLevel(inMemory);
        const QByteArray expected = SavedImage(inMemory.bytes(), old);
        const QString path = WriteFile(dir, "rom.gb", old);

        const QList<FaultStep> steps = RecordSteps([&] {
            RomFile rom = RomFile::open(path);
            SaveOneBlockLevel(rom);
            rom.commit();
        });
        QCOMPARE(ReadFile(path), expected);
        // The whole image is rewritten: create, one write per 64 KiB, flush, rename.
        QCOMPARE(steps.size(), 3 + int(old.size() / AtomicFileWriter::kChunkSize));

        for (const FaultStep& failing : steps) {
            WriteFile(dir, "rom.gb", old);
            RomFile rom = RomFile::open(path);
            SaveOneBlockLevel(rom);
            try {
                AtomicFileWriter::ScopedFault fault(FailOnly(failing));
                rom.commit();
                QFAIL(qPrintable("no error at " + failing.name()));
            } catch (const RomFileError& error) {
                QCOMPARE(error.kind(), RomFileError::Kind::Commit);
                QVERIFY(error.text().contains("rom.gb"));
            }
            QVERIFY2(ReadFile(path) == old, qPrintable(failing.name()));
            QCOMPARE(StrayFiles(dir.path(), {"rom.gb"}), QStringList());
            // The edits are still held, so the same object saves once the fault is gone, with
            // the global checksum brought up to date as on a first try.
            QVERIFY(rom.isModified());
            rom.commit();
            QVERIFY2(ReadFile(path) == expected, qPrintable(failing.name()));
        }
    }

    void savePictureIsAllOrNothingAtEveryStep() {
        QTemporaryDir dir;
        const QByteArray old("the old file's bytes");
        const QString path = WriteFile(dir, "out.png", old);
        const Picture picture = Striped(300, 200);
        QString reason;
        const QList<FaultStep> steps =
            RecordSteps([&] { QVERIFY(ImageFiles::SavePicture(picture, path, "PNG", &reason)); });
        const QByteArray written = ReadFile(path);
        QCOMPARE(QImage::fromData(written).convertToFormat(QImage::Format_RGB32),
                 picture.image().convertToFormat(QImage::Format_RGB32));

        for (const FaultStep& failing : steps) {
            WriteFile(dir, "out.png", old);
            {
                AtomicFileWriter::ScopedFault fault(FailOnly(failing));
                QVERIFY2(!ImageFiles::SavePicture(picture, path, "PNG", &reason),
                         qPrintable(failing.name()));
            }
            QVERIFY2(ReadFile(path) == old, qPrintable(failing.name()));
            QCOMPARE(StrayFiles(dir.path(), {"out.png"}), QStringList());
        }
    }

    void aReadOnlyTargetIsRefusedBeforeAnythingIsWritten() {
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "tiles.bmp", "old");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        bool anyStep = false;
        AtomicFileWriter::ScopedFault watch([&](AtomicFileWriter::Step, int) {
            anyStep = true;
            return false;
        });
        QString reason;
        QVERIFY(!ImageFiles::SavePicture(Striped(8, 8), path, "BMP", &reason));
        QVERIFY(reason.contains("read-only"));
        QVERIFY(!anyStep);
        QCOMPARE(ReadFile(path), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestWriterFaults)
#include "tst_WriterFaults.moc"
