// AtomicFileWriter failing at each step, and the ROM commit and picture saves over it: the
// file stays as it was (or absent), no temporary is left, and the write goes through once the
// fault is gone.
#include <QTemporaryDir>
#include <QtTest>

#include "base/AtomicFileWriter.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "codec/TileCodec.h"
#include "sample/SampleCartridge.h"
#include "support/Bytes.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"

using namespace zantor;
using Step = AtomicFileWriter::Step;

namespace {
// A hook that fails the step it is asked about for the `n`th time (from 0), and no other.
AtomicFileWriter::FaultHook FailNth(int n) {
    return [n, seen = 0](Step, int) mutable { return seen++ == n; };
}

// The names in `dir` other than `keep`: what a failed write must not leave behind.
QStringList StrayFiles(const QString& dir, const QStringList& keep) {
    QStringList stray = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : keep)
        stray.removeAll(name);
    return stray;
}
}  // namespace

class TestWriterFaults : public QObject {
    Q_OBJECT

private slots:
    // Over a file and as a new file.
    void atomicWriteIsAllOrNothingAtEveryStep() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.bin");
        const QByteArray old("the old file's bytes");
        // Three chunks of writes, so that each write step fails on its own.
        const QByteArray bytes = RandomBytes(int(2.5 * AtomicFileWriter::kChunkSize), 7);
        const int steps = 6;  // create, three writes, flush, rename
        for (int failing = 0; failing <= 2 * steps + 1; ++failing) {
            const int step = failing % (steps + 1);
            const bool replaces = failing > steps;
            QFile::remove(path);
            if (replaces)
                WriteFile(dir, "out.bin", old);
            QString reason;
            bool written = false;
            {
                AtomicFileWriter::ScopedFault fault(FailNth(step));
                written = AtomicFileWriter::write(path, bytes, &reason);
            }
            const QByteArray at = "step " + QByteArray::number(failing);
            QVERIFY2(written == (step == steps), at);  // past the last step nothing fails
            if (!written) {
                QVERIFY2(!reason.isEmpty(), at);
                QVERIFY2(replaces ? ReadFile(path) == old : !QFile::exists(path), at);
                QCOMPARE(StrayFiles(dir.path(), {"out.bin"}), QStringList());
                QVERIFY(AtomicFileWriter::write(path, bytes, &reason));
            }
            QCOMPARE(ReadFile(path), bytes);
        }
    }

    void aFailedRomCommitKeepsTheFileAndTheEdits() {
        QTemporaryDir dir;
        const QByteArray old = BuildSampleCartridge(0);
        const QString path = WriteFile(dir, "rom.gb", old);
        for (Step step : {Step::Write, Step::Rename}) {
            RomFile rom = RomFile::open(path);
            rom.WriteRomByte(0x20000, 0x5A);
            rom.WriteRomByte(0x7FFFF, 0xA5);
            const QByteArray expected = SavedImage(rom.bytes(), old);
            try {
                const auto fault = FailingStep(step);
                rom.commit();
                QFAIL("the commit must fail");
            } catch (const RomFileError& error) {
                QCOMPARE(error.kind(), RomFileError::Kind::Commit);
                QVERIFY(error.text().contains("rom.gb"));
            }
            QCOMPARE(ReadFile(path), old);
            QCOMPARE(StrayFiles(dir.path(), {"rom.gb"}), QStringList());
            // The edits are still held, so the same object saves once the fault is gone, with
            // the global checksum brought up to date as on a first try.
            QVERIFY(rom.isModified());
            rom.commit();
            QCOMPARE(ReadFile(path), expected);
            WriteFile(dir, "rom.gb", old);
        }
    }

    void aPictureThatCannotBeSavedLeavesTheOldFile() {
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "out.png", "old");
        Picture picture(300, 200, shade::kDark);
        picture.SetPixel(7, 9, shade::kLight);
        QString reason;
        {
            const auto fault = FailingStep(Step::Write);
            QVERIFY(!ImageFiles::SavePicture(picture, path, "PNG", &reason));
        }
        QCOMPARE(ReadFile(path), QByteArray("old"));
        QCOMPARE(StrayFiles(dir.path(), {"out.png"}), QStringList());
        QVERIFY(ImageFiles::SavePicture(picture, path, "PNG", &reason));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 picture.image().convertToFormat(QImage::Format_RGB32));

        // A read-only target is refused before anything is written.
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        bool anyStep = false;
        AtomicFileWriter::ScopedFault watch([&](Step, int) { return anyStep = true, false; });
        QVERIFY(!ImageFiles::SavePicture(picture, path, "BMP", &reason) &&
                reason.contains("read-only") && !anyStep);
    }
};

QTEST_GUILESS_MAIN(TestWriterFaults)
#include "tst_WriterFaults.moc"
