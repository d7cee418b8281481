// Files that are no ROM, or a ROM whose pointers lead anywhere, through zantor-tool, one case
// per kind of damage. Each is either shown (reads past the end are zeros) or refused with the
// read error or the open error; nothing crashes, hangs or trips a sanitizer. Last, a write the
// system refuses, as a full disk would.
#include <sys/resource.h>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/TileSources.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
// The case's file: its bytes, or a folder where `folder` is set.
struct BadInput {
    QByteArray bytes;
    bool folder = false;
};

QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

void PutWord(QByteArray& bytes, int32_t at, int value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

// The sample with map 2's map bank set to `bank` and, where the bank's table lies inside the
// image, its table entry aimed at `address`.
QByteArray SampleWithMapData(uint8_t bank, int address) {
    QByteArray bytes = BuildSampleCartridge(0);
    const int32_t header = HeaderOffset(RomFile::fromBytes(bytes), 2);
    bytes[header + 13] = char(bank);
    const int32_t entry = MapHeader::read(RomFile::fromBytes(bytes), header).mapDataPointerOffset();
    if (entry + 1 < bytes.size())
        PutWord(bytes, entry, address);
    return bytes;
}

// The sample with map 2's far pointers to tile groups B and D aimed at bank 0xFF, 0x7FFF.
QByteArray SampleWithFarTiles() {
    QByteArray bytes = BuildSampleCartridge(0);
    const TileSourceTables tables = TileSourceTablesFor(0);
    for (int32_t table : {tables.groupB, tables.groupD}) {
        bytes[table + 4 * 2] = char(0xFF);
        PutWord(bytes, table + 4 * 2 + 2, 0x7FFF);
    }
    return bytes;
}

const QByteArray& Sample() {
    static const QByteArray sample = BuildSampleCartridge(0);
    return sample;
}
}  // namespace

Q_DECLARE_METATYPE(BadInput)

class TestToolBadInput : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString place(const BadInput& input) {
        const QString path = dir_.filePath(QTest::currentDataTag());
        if (input.folder) {
            QDir().mkpath(path);
            return path;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(input.bytes) != input.bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void cases_data() {
        QTest::addColumn<BadInput>("input");
        QTest::addColumn<QList<int>>("exitCodes");  // info, export-map 2, tiles 2, title-render
        // An empty or short file reads as zeros: the tile pointers then lie below the start of
        // the file, a negative offset and so the read error (and every header names map
        // bank 0, whose table address 0 is negative too). The title screen draws from zeros.
        QTest::newRow("empty") << BadInput{} << QList<int>{1, 1, 1, 0};
        // Header bytes 0x33 name map bank 0x33, so info and export-map read zeros there.
        QTest::newRow("0x14C bytes")
            << BadInput{QByteArray(0x14C, '\x33')} << QList<int>{0, 0, 1, 0};
        QTest::newRow("folder") << BadInput{{}, true} << QList<int>{1, 1, 1, 1};
        QTest::newRow("random bytes") << BadInput{RandomBytes(200000, 7)} << QList<int>();
        QTest::newRow("sample cut short") << BadInput{Sample().left(0x5610)} << QList<int>();
        QTest::newRow("map data at a negative offset")
            << BadInput{SampleWithMapData(0, 0x2000)} << QList<int>{1, 1, 1, 0};
        // Bank 0x1F, address 0x7FFF: the last byte of the 512 KiB image.
        QTest::newRow("map data at the last byte")
            << BadInput{SampleWithMapData(0x1F, 0x7FFF)} << QList<int>{0, 0, 0, 0};
        // Bank 0xFF: its table lies beyond the end and reads 0, so the data lie at 0x3F8000.
        QTest::newRow("map data beyond the end")
            << BadInput{SampleWithMapData(0xFF, 0)} << QList<int>{0, 0, 0, 0};
        QTest::newRow("tiles beyond the end")
            << BadInput{SampleWithFarTiles()} << QList<int>{0, 0, 0, 0};
    }

    void cases() {
        QFETCH(BadInput, input);
        QFETCH(QList<int>, exitCodes);
        const QString path = place(input);
        const QList<QStringList> commands{{"info", path},
                                          {"export-map", path, "2", dir_.filePath("out.bin")},
                                          {"tiles", path, "2", dir_.filePath("out.png")},
                                          {"title-render", path, dir_.filePath("title.png")}};
        QList<int> codes;
        for (const QStringList& args : commands) {
            if (args.size() > 2)
                QFile::remove(args.last());
            const ToolRun run = RunToolProcess(args);
            QVERIFY2(run.clean(), qPrintable(args.join(' ') + ": " + run.err));
            if (run.exitCode == 1) {
                // Either the read error or the file named with the reason; no output.
                QVERIFY2(run.err.contains("Fehler beim Lesen der Datei.") ||
                             (run.err.contains("Could not open") &&
                              run.err.contains(QTest::currentDataTag())),
                         run.err.constData());
                QVERIFY(args.size() == 2 || !QFile::exists(args.last()));
            }
            codes << run.exitCode;
        }
        if (!exitCodes.isEmpty())
            QCOMPARE(codes, exitCodes);
    }

    void aPictureTheTitleImportRefusesLeavesTheRomAlone() {
        const QString rom = WriteFile(dir_, "title.gb", Sample());
        const ToolRun run =
            RunToolProcess({"title-import", rom, WriteFile(dir_, "text.bmp", "no picture")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.clean() && run.err.contains("text.bmp"), run.err.constData());
        QCOMPARE(ReadFile(rom), Sample());
    }

    void aWriteTheSystemRefusesLeavesTheFileAsItWas() {
        // A file-size limit makes the system refuse the write part way, with the same path
        // through the code as a full disk: the temporary is dropped, the target stays.
        QTemporaryDir dir;
        // One block everywhere: shorter than map 2's slot, so the import goes through.
        const QStringList args{"import-map", WriteFile(dir, "rom.gb", Sample()), "2",
                               WriteFile(dir, "level.bin", QByteArray(kMapCells, char(7)))};
        const ToolRun run = RunToolProcess(args, [](QProcess& process) {
            process.setChildProcessModifier([] {
                const rlimit limit{100000, 100000};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
            });
        });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.clean() && run.err.contains("Could not save") && run.err.contains("rom.gb"),
                 run.err.constData());
        QCOMPARE(ReadFile(args[1]), Sample());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        // Without the limit the same command goes through.
        QCOMPARE(RunToolProcess(args).exitCode, 0);
        QVERIFY(ReadFile(args[1]) != Sample());
    }
};

QTEST_GUILESS_MAIN(TestToolBadInput)
#include "tst_ToolBadInput.moc"
