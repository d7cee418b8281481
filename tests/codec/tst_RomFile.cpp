#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "base/AtomicFileWriter.h"
#include "codec/FileReadAt.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "support/Bytes.h"
#include "support/TempRom.h"

using namespace zantor;

class TestRomFile : public QObject {
    Q_OBJECT

private slots:
    void thePortableReadsGiveWhatThePosixOnesGive() {
        QTemporaryDir dir;
        const QByteArray bytes = RandomBytes(10000, 3);
        QFile file(WriteFile(dir, "pages.bin", bytes));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        // Inside, across the end, at the end and past it.
        const std::pair<int, int> reads[] = {{0, 4096},  {4096, 4096}, {8192, 4096},
                                             {9999, 10}, {10000, 5},   {20000, 16}};
        for (const auto& [offset, length] : reads) {
            QByteArray viaQt(length, '\0');
            const qint64 got = ReadAtWithQt(file, offset, viaQt.data(), length);
            QCOMPARE(got, std::clamp<qint64>(bytes.size() - offset, 0, length));
            QCOMPARE(viaQt.left(got), bytes.mid(offset, got));
#ifdef Q_OS_UNIX
            QByteArray viaPosix(length, '\0');
            QCOMPARE(ReadAtWithPosix(file, offset, viaPosix.data(), length), got);
            QCOMPARE(viaPosix, viaQt);
#endif
        }
    }

    // Reads give zero at and beyond the end and fail below zero; writes are seen by later
    // reads and grow the image.
    void readsAndWritesAtTheEnds() {
        RomFile rom = RomFile::fromBytes(QByteArray("\x11\x22\x33", 3));
        QCOMPARE(rom.ReadRomByte(2), 0x33);
        QCOMPARE(rom.ReadRomByte(3), 0);
        QCOMPARE(rom.ReadRomByte(0x7FFFFFFF), 0);
        try {
            rom.ReadRomByte(-1);
            QFAIL("a negative offset must fail");
        } catch (const RomAccessError& error) {
            QCOMPARE(error.kind(), RomAccessError::Kind::Read);
            // The action is cancelled, not the program: the message must not say otherwise.
            QCOMPARE(error.text(), QString("Error reading the file."));
        }
        QVERIFY(!rom.isModified());
        rom.WriteRomByte(9, 0xAB);
        QCOMPARE(rom.ReadRomByte(9), 0xAB);
        QCOMPARE(rom.bytes(), QByteArray("\x11\x22\x33\0\0\0\0\0\0\xAB", 10));
        QVERIFY(rom.isModified());
        QVERIFY_THROWS_EXCEPTION(RomAccessError, rom.WriteRomByte(-5, 1));
        QVERIFY_THROWS_EXCEPTION(RomAccessError, rom.WriteRomByte(RomFile::kMaxSize, 1));
    }

    // The image shares its storage with the array it was made from and with what bytes()
    // hands out; a write must never reach either of them.
    void sharedBytesAreCopiedBeforeAWrite() {
        const QByteArray source(8, '\x11');
        RomFile rom = RomFile::fromBytes(source);
        const QByteArray before = rom.bytes();
        rom.WriteRomByte(2, 0x22);
        QCOMPARE(source, QByteArray(8, '\x11'));
        QCOMPARE(before, QByteArray(8, '\x11'));
        QCOMPARE(rom.bytes(), QByteArray("\x11\x11\x22\x11\x11\x11\x11\x11", 8));

        // A borrowed buffer (as the fuzz targets lend theirs) is never written through.
        const char lent[4] = {1, 2, 3, 4};
        RomFile borrowed = RomFile::fromBytes(QByteArray::fromRawData(lent, 4));
        borrowed.WriteRomByte(0, 9);
        borrowed.WriteRomByte(6, 7);
        QCOMPARE(lent[0], 1);
        QCOMPARE(borrowed.bytes(), QByteArray("\x09\x02\x03\x04\x00\x00\x07", 7));
    }

    // A run written at once leaves the image, and throws, exactly as the same bytes written
    // one at a time: growth past the end, a run cut short by the header, a negative start.
    void aRunWrittenAtOnceEqualsItsBytesOneByOne() {
        // Offset, count, header writable. Growth one write after another past the end (the
        // title screen into a short image) must keep every byte.
        const std::tuple<int32_t, int32_t, bool> cases[] = {
            {0x10, 40, false}, {0x1F0, 8000, false}, {0x120, 64, false},   {0x134, 4, false},
            {-3, 8, false},    {0x140, 40, true},    {0x3000, 6000, false}};
        const QByteArray start(0x2000, '\x5A');
        for (const auto& [offset, count, headerWritable] : cases) {
            QByteArray run(count, '\0');
            for (int i = 0; i < count; ++i)
                run[i] = char(i * 7 + 1);
            RomFile single = RomFile::fromBytes(start), many = RomFile::fromBytes(start);
            if (headerWritable)
                single.allowHeaderWrites(), many.allowHeaderWrites();
            std::optional<RomAccessError::Kind> singleError, manyError;
            try {
                for (int i = 0; i < count; ++i)
                    single.WriteRomByte(offset + i, uint8_t(run[i]));
            } catch (const RomAccessError& error) {
                singleError = error.kind();
            }
            try {
                many.WriteRomBytes(offset, run.constData(), count);
            } catch (const RomAccessError& error) {
                manyError = error.kind();
            }
            const QByteArray at = QByteArray::number(offset, 16);
            QVERIFY2(manyError == singleError, at);
            QVERIFY2(many.bytes() == single.bytes(), at);
            QCOMPARE(many.isModified(), single.isModified());
        }
    }

    void openRefusesWhatIsNoFile() {
        QTemporaryDir dir;
        auto openError = [](const QString& path) -> QString {
            try {
                RomFile::open(path);
            } catch (const RomFileError& error) {
                return error.kind() == RomFileError::Kind::Open ? error.text() : "wrong kind";
            }
            return {};
        };
        QVERIFY(openError(dir.filePath("missing.gb")).contains("missing.gb"));
        QVERIFY(openError(dir.path()).contains("folder"));
        QVERIFY(openError(QString()).contains("No file"));

        const QString big = WriteFile(dir, "big.gb", {});
        QVERIFY(QFile::resize(big, RomFile::kMaxSize + 1));
        QVERIFY(openError(big).contains("16 MiB"));
        QVERIFY(QFile::resize(big, RomFile::kMaxSize));
        // The largest there may be, and read-only: it opens (a save is refused later).
        QFile::setPermissions(big, QFileDevice::ReadOwner);
        QCOMPARE(RomFile::open(big).size(), RomFile::kMaxSize);
    }

    void readsPagesFromTheFileAsTheyAreNeeded() {
        QTemporaryDir dir;
        QByteArray original(5 * 4096 + 7, '\0');
        for (int i = 0; i < original.size(); ++i)
            original[i] = char(i * 7);
        const QString path = WriteFile(dir, "rom.gb", original);
        RomFile rom = RomFile::open(path);
        QCOMPARE(rom.size(), original.size());
        QCOMPARE(rom.ReadRomByte(4096 * 5 + 6), uint8_t(original[4096 * 5 + 6]));
        // Another program cuts the file short while the action runs: what is gone reads 0.
        QFile::resize(path, 4096);
        QCOMPARE(rom.ReadRomByte(100), uint8_t(original[100]));
        QCOMPARE(rom.ReadRomByte(3 * 4096), 0);
        QCOMPARE(rom.ReadRomByte(4096 * 5 + 6), uint8_t(original[4096 * 5 + 6]));  // read before
    }

    void commitWritesOnlyWhenSomethingWasWritten() {
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "rom.gb", QByteArray(64, 'x'));
        QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        const QDateTime before = QFileInfo(path).lastModified();

        RomFile untouched = RomFile::open(path);
        untouched.commit();
        QCOMPARE(QFileInfo(path).lastModified(), before);

        RomFile rom = RomFile::open(path);
        rom.WriteRomByte(3, 'A');
        rom.commit();
        QCOMPARE(ReadFile(path), QByteArray(3, 'x') + 'A' + QByteArray(60, 'x'));
        QVERIFY(QFileInfo(path).permissions().testFlag(QFileDevice::ReadGroup));
        QVERIFY(!QFileInfo(path).permissions().testFlag(QFileDevice::ReadOther));
    }
};

QTEST_GUILESS_MAIN(TestRomFile)
#include "tst_RomFile.moc"
