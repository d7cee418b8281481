// zantor-tool's writers when writing fails: every step of the atomic write failed in turn (the
// tool run in this process, with the core's fault hook), a real write refused by the system
// (a file-size limit, which fails like a full disk), and the process killed at random moments
// while it imports a map. The file written is always either all old or all new.
#include <sys/resource.h>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <csignal>
#include <thread>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "map/TitleScreen.h"
#include "base/ImageFiles.h"
#include "sample/SampleCartridge.h"
#include "support/FaultSteps.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"
#include "tool/ToolMain.h"

using namespace zantor;

namespace {
// The level that replaces map 2 of the sample: one block everywhere, shorter than what is
// stored, so it fits and changes some 2800 bytes.
QByteArray OneBlockLevel() {
    return QByteArray(kMapCells, char(7));
}

QByteArray ImportedMapImage(const QByteArray& rom) {
    RomFile image = RomFile::fromBytes(rom);
    const MapHeader header = MapHeader::read(image, HeaderOffset(image, 2));
    const int32_t room = DecompressMap(image, MapDataOffset(image, header)).CompressedLength;
    MapCells cells{};
    cells.fill(7);
    if (!MapSaver::write(image, header, cells, room))
        qFatal("map 2 of the sample should take a one-block level");
    return SavedImage(image.bytes(), rom);
}

// The files one row of the tool's writers works on, in a folder of their own.
struct ToolFolder {
    QTemporaryDir dir;
    QByteArray sample = BuildSampleCartridge(0);
    QString rom = dir.filePath("rom.gb");
    QStringList inputs;  // files the command reads besides the ROM

    ToolFolder() {
        inputs << WriteFile(dir, "level.bin", OneBlockLevel());
        inputs << WriteFile(dir, "title.bin", QByteArray(TitleScreen::kCells, char(0x2A)));
        const Picture dark(TitleScreen::kSheetSize, TitleScreen::kSheetSize, shade::kDark);
        QString reason;
        inputs << dir.filePath("tiles.bmp");
        if (!ImageFiles::SavePicture(dark, inputs.last(), "BMP", &reason))
            qFatal("cannot write the tiles to import");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    // The ROM as the sample, and the output as a file of old bytes.
    void reset(const QString& output) {
        WriteFile(dir, "rom.gb", sample);
        if (!output.isEmpty())
            WriteFile(dir, output, "old output");
    }
    QStringList known(const QString& output) const {
        QStringList names{"rom.gb", "level.bin", "title.bin", "tiles.bmp"};
        if (!output.isEmpty())
            names << output;
        return names;
    }
};

int InProcess(const QStringList& args) {
    return tool::RunTool(args);
}
}  // namespace

class TestToolFaults : public QObject {
    Q_OBJECT

private slots:
    void everyWriterIsAllOrNothingAtEveryStep_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("output");  // empty: the command writes the ROM
        // "ROM" and "IN:" are put in by the test.
        QTest::newRow("make-sample") << QStringList{"make-sample", "@out.gb"} << "out.gb";
        QTest::newRow("export-map")
            << QStringList{"export-map", "ROM", "1", "@out.bin"} << "out.bin";
        QTest::newRow("import-map")
            << QStringList{"import-map", "ROM", "2", "IN:level.bin"} << QString();
        QTest::newRow("render") << QStringList{"render", "ROM", "1", "@out.png"} << "out.png";
        QTest::newRow("tiles") << QStringList{"tiles", "ROM", "1", "@out.png"} << "out.png";
        QTest::newRow("blocks") << QStringList{"blocks", "ROM", "1", "@out.png"} << "out.png";
        QTest::newRow("title-render")
            << QStringList{"title-render", "ROM", "@out.png"} << "out.png";
        QTest::newRow("title-export")
            << QStringList{"title-export", "ROM", "@out.bmp"} << "out.bmp";
        QTest::newRow("title-import")
            << QStringList{"title-import", "ROM", "IN:tiles.bmp"} << QString();
        QTest::newRow("title-map-export")
            << QStringList{"title-map-export", "ROM", "@out.bin"} << "out.bin";
        QTest::newRow("title-map-import")
            << QStringList{"title-map-import", "ROM", "IN:title.bin"} << QString();
    }
    void everyWriterIsAllOrNothingAtEveryStep() {
        QFETCH(QStringList, args);
        QFETCH(QString, output);
        ToolFolder f;
        for (QString& arg : args) {
            if (arg == "ROM")
                arg = f.rom;
            else if (arg.startsWith("@") || arg.startsWith("IN:"))
                arg = f.path(arg.mid(arg.indexOf(arg.startsWith("@") ? '@' : ':') + 1));
        }
        const QString target = output.isEmpty() ? f.rom : f.path(output);

        f.reset(output);
        const QByteArray before = ReadFile(target);
        const QList<FaultStep> steps = RecordSteps([&] { QCOMPARE(InProcess(args), 0); });
        const QByteArray after = ReadFile(target);
        QVERIFY(after != before);
        QVERIFY(steps.size() >= 4);

        for (const FaultStep& failing : steps) {
            f.reset(output);
            {
                AtomicFileWriter::ScopedFault fault(FailOnly(failing));
                QVERIFY2(InProcess(args) == 1, qPrintable(failing.name()));
            }
            QVERIFY2(ReadFile(target) == before, qPrintable(failing.name()));
            QVERIFY2(ReadFile(f.rom) == f.sample, qPrintable(failing.name()));
            QCOMPARE(StrayFiles(f.dir.path(), f.known(output)), QStringList());
        }
        // With the fault gone the same command writes what it wrote before.
        f.reset(output);
        QCOMPARE(InProcess(args), 0);
        QCOMPARE(ReadFile(target), after);
    }

    void aWriteTheSystemRefusesLeavesTheFileAsItWas_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("written");
        QTest::newRow("import-map over the ROM")
            << QStringList{"import-map", "ROM", "2", "IN"} << "rom.gb";
        QTest::newRow("make-sample over a file") << QStringList{"make-sample", "OUT"} << "out.gb";
    }
    void aWriteTheSystemRefusesLeavesTheFileAsItWas() {
        // A file-size limit makes the system refuse the write part way, with the same path
        // through the code as a full disk: the temporary is dropped, the target stays.
        QFETCH(QStringList, args);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString rom = WriteFile(dir, "rom.gb", sample);
        const QString out = WriteFile(dir, "out.gb", "old output");
        const QString in = WriteFile(dir, "level.bin", OneBlockLevel());
        args.replaceInStrings(QRegularExpression("^ROM$"), rom);
        args.replaceInStrings(QRegularExpression("^OUT$"), out);
        args.replaceInStrings(QRegularExpression("^IN$"), in);
        const QString target = dir.filePath(written);
        const QByteArray before = ReadFile(target);

        const ToolRun run = RunToolProcess(args, [](QProcess& process) {
            process.setChildProcessModifier([] {
                const rlimit limit{100000, 100000};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
            });
        });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.clean(), run.err.constData());
        QVERIFY2(run.err.contains("Could not save") && run.err.contains(written.toUtf8()),
                 run.err.constData());
        QCOMPARE(ReadFile(target), before);
        QCOMPARE(StrayFiles(dir.path(), {"rom.gb", "out.gb", "level.bin"}), QStringList());
        // Without the limit the same command goes through.
        QCOMPARE(RunToolProcess(args).exitCode, 0);
        QVERIFY(ReadFile(target) != before);
    }

    void killingAnImportLeavesTheOldOrTheNewImage() {
        QTemporaryDir dir;
        // The sample grown to 4 MiB, so that writing the image takes a while to hit.
        QByteArray old = BuildSampleCartridge(0);
        old.append(QByteArray(4 * 1024 * 1024 - old.size(), '\0'));
        const QByteArray imported = ImportedMapImage(old);
        QVERIFY(imported != old);
        const QString rom = dir.filePath("rom.gb");
        const QString level = WriteFile(dir, "level.bin", OneBlockLevel());
        const QStringList args{"import-map", rom, "2", level};
        // Qt writes the temporary as an unnamed file of the folder (O_TMPFILE) and names it
        // only at the rename, so it shows among the process's open files, not in the folder.
        auto writingTemporary = [&](const QProcess& process) {
            const QString folder = dir.path() + '/';
            for (const QFileInfo& fd :
                 QDir(QString("/proc/%1/fd").arg(process.processId())).entryInfoList()) {
                const QString target = fd.symLinkTarget();
                if (target.startsWith(folder) && target != rom && target != level)
                    return true;
            }
            return false;
        };

        // How long a whole run takes here, so that the kills spread over all of it.
        WriteFile(dir, "rom.gb", old);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(RunToolProcess(args).exitCode, 0);
        const int wholeRun = int(clock.elapsed());
        QCOMPARE(ReadFile(rom), imported);

        // Even kills come at a random moment of the whole run; odd ones a random moment after
        // the temporary is opened, since the write is a small part of the run.
        QRandomGenerator random(20240611);
        int oldSeen = 0, newSeen = 0, midWrite = 0;
        for (int kill = 0; kill < 30; ++kill) {
            WriteFile(dir, "rom.gb", old);
            QProcess process;
            StartTool(process, args);
            if (kill % 2 == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(wholeRun)));
            } else {
                QElapsedTimer watch;
                watch.start();
                while (!writingTemporary(process) && !process.waitForFinished(0) &&
                       watch.elapsed() < 2 * wholeRun)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                midWrite += writingTemporary(process) ? 1 : 0;
                std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(3000)));
            }
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                QVERIFY(process.waitForFinished(30000));
            }
            const QByteArray now = ReadFile(rom);
            QVERIFY2(now == old || now == imported, qPrintable(QString("kill %1").arg(kill)));
            (now == old ? oldSeen : newSeen)++;
            // Where the folder cannot hold unnamed files the temporary has a name, and a kill
            // leaves it behind; it is never the ROM.
            for (const QString& stray : StrayFiles(dir.path(), {"rom.gb", "level.bin"}))
                QFile::remove(dir.filePath(stray));
        }
        qInfo(
            "30 kills over %d ms runs: %d left the old image, %d the new one; %d came while "
            "the temporary was being written",
            wholeRun, oldSeen, newSeen, midWrite);
    }
};

QTEST_GUILESS_MAIN(TestToolFaults)
#include "tst_ToolFaults.moc"
