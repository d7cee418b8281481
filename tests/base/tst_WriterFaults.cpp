// Every way the core writes a file — the ROM through RomFile::commit (after "Save map", "Save
// block", the title's "Save Map" and "Edit Tiles") and pictures through ImageFiles::SavePicture
// ("Save Tiles as...", the tool's renders) — is failed at each step of its atomic write in
// turn. The file must be byte-identical afterwards (or still absent), no temporary may be
// left, and the same edit must save once the fault is gone.
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapSaver.h"
#include "map/MapSpace.h"
#include "map/RegionRepack.h"
#include "map/MapTable.h"
#include "map/TitleScreen.h"
#include "base/AtomicFileWriter.h"
#include "base/ImageFiles.h"
#include "sample/SampleCartridge.h"
#include "support/FaultSteps.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// One user action's edits on the open ROM, as the windows and the tool make them.
struct RomEdit {
    const char* name;
    std::function<void(RomFile&)> apply;
};

const QList<RomEdit>& RomEdits() {
    static const QList<RomEdit> edits{
        {"save map",
         [](RomFile& rom) {
             // Map 2 of the sample has room to spare; a level of one block encodes shorter.
             const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 2));
             const int32_t room = DecompressMap(rom, MapDataOffset(rom, header)).CompressedLength;
             MapCells cells{};
             cells.fill(7);
             if (!MapSaver::write(rom, header, cells, room))
                 qFatal("the sample's map 2 should take a one-block level");
         }},
        {"repack",
         [](RomFile& rom) {
             // Tree Zone 1 grows by a few hundred bytes into the room Tree Zone 2 leaves: the
             // region's maps move and their table entries change, all in one commit.
             const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 1));
             MapCells cells = DecompressMap(rom, MapDataOffset(rom, header)).MapBuffer;
             for (int i = 0; i < 600; i += 3)
                 cells[size_t(i)] = uint8_t((cells[size_t(i)] + 1) % 128);
             RegionRepack::apply(rom, RegionRepack::planFor(MapSpace::read(rom), 1, cells));
         }},
        {"save block",
         [](RomFile& rom) {
             const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 1));
             for (int q = 0; q < 4; ++q)
                 rom.WriteRomByte(header.BlockDataOffset() + 4 * 9 + q, uint8_t(0x90 + q));
         }},
        {"title save map",
         [](RomFile& rom) {
             TitleScreen::Cells cells{};
             cells.fill(0x2A);
             TitleScreen::WriteMap(rom, cells);
         }},
        {"edit tiles",
         [](RomFile& rom) {
             TitleScreen::WriteTiles(
                 rom, ReadRomVersion(rom),
                 Picture(TitleScreen::kSheetSize, TitleScreen::kSheetSize, shade::kDark));
         }},
    };
    return edits;
}

QByteArray Edited(const QByteArray& bytes, const RomEdit& edit) {
    RomFile rom = RomFile::fromBytes(bytes);
    edit.apply(rom);
    return SavedImage(rom.bytes(), bytes);
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
    void romCommitIsAllOrNothingAtEveryStep_data() {
        QTest::addColumn<int>("edit");
        for (int i = 0; i < RomEdits().size(); ++i)
            QTest::newRow(RomEdits()[i].name) << i;
    }
    void romCommitIsAllOrNothingAtEveryStep() {
        QFETCH(int, edit);
        const RomEdit& e = RomEdits()[edit];
        QTemporaryDir dir;
        const QByteArray old = BuildSampleCartridge(0);
        const QByteArray expected = Edited(old, e);
        QVERIFY(expected != old);
        const QString path = WriteFile(dir, "rom.gb", old);

        const QList<FaultStep> steps = RecordSteps([&] {
            RomFile rom = RomFile::open(path);
            e.apply(rom);
            rom.commit();
        });
        QCOMPARE(ReadFile(path), expected);
        // The whole image is rewritten: create, one write per 64 KiB, flush, rename.
        QCOMPARE(steps.size(), 3 + int(old.size() / AtomicFileWriter::kChunkSize));

        for (const FaultStep& failing : steps) {
            WriteFile(dir, "rom.gb", old);
            RomFile rom = RomFile::open(path);
            e.apply(rom);
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
            // The edits are still held, so the same object saves once the fault is gone.
            QVERIFY(rom.isModified());
            rom.commit();
            QVERIFY2(ReadFile(path) == expected, qPrintable(failing.name()));
        }
    }

    void savePictureIsAllOrNothingAtEveryStep_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("replaces");
        // The title's exported sheet, a bitmap of several write chunks, a level render.
        QTest::newRow("sheet bmp over a file") << QSize(128, 128) << QByteArray("BMP") << true;
        QTest::newRow("large bmp, new file") << QSize(300, 200) << QByteArray("BMP") << false;
        QTest::newRow("level png over a file") << QSize(4096, 768) << QByteArray("PNG") << true;
    }
    void savePictureIsAllOrNothingAtEveryStep() {
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QFETCH(bool, replaces);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.img");
        const QByteArray old("the old file's bytes");
        const Picture picture = Striped(size.width(), size.height());
        auto reset = [&] {
            QFile::remove(path);
            if (replaces)
                WriteFile(dir, "out.img", old);
        };
        reset();
        QString reason;
        const QList<FaultStep> steps = RecordSteps(
            [&] { QVERIFY(ImageFiles::SavePicture(picture, path, format.constData(), &reason)); });
        const QByteArray written = ReadFile(path);
        QCOMPARE(QImage::fromData(written).convertToFormat(QImage::Format_RGB32),
                 picture.image().convertToFormat(QImage::Format_RGB32));
        QVERIFY(steps.size() >= 4);

        for (const FaultStep& failing : steps) {
            reset();
            {
                AtomicFileWriter::ScopedFault fault(FailOnly(failing));
                reason.clear();
                QVERIFY2(!ImageFiles::SavePicture(picture, path, format.constData(), &reason),
                         qPrintable(failing.name()));
            }
            QVERIFY(!reason.isEmpty());
            if (replaces)
                QVERIFY2(ReadFile(path) == old, qPrintable(failing.name()));
            else
                QVERIFY2(!QFile::exists(path), qPrintable(failing.name()));
            QCOMPARE(StrayFiles(dir.path(), replaces ? QStringList{"out.img"} : QStringList{}),
                     QStringList());
            QVERIFY(ImageFiles::SavePicture(picture, path, format.constData(), &reason));
            QCOMPARE(ReadFile(path), written);
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
