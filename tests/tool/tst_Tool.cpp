// zantor-tool run as the user runs it. What the commands compute is the core's to prove; here,
// that each command writes what the core gives and says how it went by its exit code: 0 done,
// 1 refused with a message and nothing written, 2 a usage error. Damaged files end in one of
// those, never in a crash, a hang or a sanitizer report.
#include <sys/resource.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"
#include "map/ScreenArrays.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"
#include "support/Bytes.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
const QByteArray& Sample() {
    static const QByteArray sample = BuildSampleCartridge(0);
    return sample;
}

QByteArray CellsOf(const QByteArray& image, int mapIndex) {
    const RomFile rom = RomFile::fromBytes(image);
    const DecodedMap map =
        DecompressMap(rom, MapDataOffset(rom, MapHeader::read(rom, HeaderOffset(rom, mapIndex))));
    return QByteArray(reinterpret_cast<const char*>(map.cells.data()), kMapCells);
}

// Map 1 with every third of its first `cells` cells changed: more than its slot holds.
QByteArray GrownTreeZone1(int cells) {
    QByteArray grown = CellsOf(Sample(), 1);
    for (int i = 0; i < cells; i += 3)
        grown[i] = char((grown[i] + 1) % 128);
    return grown;
}
int Exit(const QStringList& args) {
    return RunToolProcess(args).exitCode;
}
// Exit code 1, and `why` in an error output free of sanitizer reports.
void ExpectRefused(const ToolRun& run, const QByteArray& why) {
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.clean() && run.err.contains(why), run.err.constData());
}
}  // namespace

class TestTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString sample_;

    QString copy(const QString& name) { return WriteFile(dir_, name, Sample()); }

private slots:
    void initTestCase() {
        sample_ = dir_.filePath("sample.gb");
        QCOMPARE(Exit({"make-sample", sample_}), 0);
        QCOMPARE(ReadFile(sample_), Sample());
        QCOMPARE(Exit({"make-sample", dir_.filePath("v2.gb"), "--version", "2"}), 0);
        QCOMPARE(ReadFile(dir_.filePath("v2.gb")), BuildSampleCartridge(2));
    }

    void usageErrorsExitWithTwoAndWriteNothing() {
        const QString out = dir_.filePath("x.bin");
        const QString tooShort = WriteFile(dir_, "short.bin", QByteArray(100, 0));
        for (const QStringList& args :
             QList<QStringList>{{},
                                {"no-such-command"},
                                {"info"},
                                {"info", sample_, "--bogus"},
                                {"make-sample", out, "--version", "3"},
                                {"export-map", sample_, "Nowhere", out},
                                {"import-map", sample_, "2", tooShort},
                                {"repack", sample_, "twelve"},
                                {"make-patch", sample_, sample_, dir_.filePath("p.ups")},
                                {"title-map-import", sample_, tooShort}})
            QVERIFY2(RunToolProcess(args).exitCode == 2, qPrintable(args.join(' ')));
        QVERIFY(!QFile::exists(out) && !QFile::exists(dir_.filePath("p.ups")));
        QCOMPARE(ReadFile(sample_), Sample());
        QCOMPARE(Exit({"info", "--help"}), 0);
        ExpectRefused(RunToolProcess({"info", dir_.path()}), "Could not open");
    }

    void infoAndSpaceCarryTheCoresFigures() {
        const ToolRun run = RunToolProcess({"info", sample_, "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root["romVersion"].toInt(), 0);
        const QJsonArray maps = root["maps"].toArray();
        QCOMPARE(maps.size(), kMapCount);
        const RomFile rom = RomFile::fromBytes(Sample());
        const int32_t data = MapDataOffset(rom, MapHeader::read(rom, HeaderOffset(rom, 5)));
        QCOMPARE(maps[5]["mapDataOffset"].toInt(), data);
        QCOMPARE(maps[5]["slot"].toInt(), DecompressMap(rom, data).CompressedLength - 1);
        QVERIFY(root["headerChecksum"].toObject()["holds"].toBool());
        QVERIFY(root["globalChecksum"].toObject()["holds"].toBool());
        QByteArray edited = Sample();
        edited[0x20010] = char(~edited[0x20010]);
        QVERIFY(RunToolProcess({"info", WriteFile(dir_, "edited.gb", edited)})
                    .out.contains("does not hold (the bytes give 0x"));

        const ToolRun spaceRun = RunToolProcess({"space", sample_, "--json"});
        QCOMPARE(spaceRun.exitCode, 0);
        const QJsonArray banks = QJsonDocument::fromJson(spaceRun.out).object()["banks"].toArray();
        const MapSpace space = MapSpace::read(rom);
        QCOMPARE(banks.size(), qsizetype(space.banks().size()));
        QCOMPARE(banks.last()["regions"][0]["maps"][0]["slot"].toInt(),
                 space.banks().back().maps[0].slot);
    }

    // The language follows LANG, with LC_ALL and LANGUAGE unset as on most desktops.
    void infoSpeaksTheSystemsLanguage() {
        const auto runIn = [](const char* lang, const QStringList& args) {
            return RunToolProcess(args, [lang](QProcess& process) {
                QProcessEnvironment env = process.processEnvironment();
                env.remove("LC_ALL");
                env.remove("LANGUAGE");
                env.insert("LANG", lang);
                process.setProcessEnvironment(env);
            });
        };
        const QString damaged = WriteFile(dir_, "damaged.gb", QByteArray());
        const ToolRun english = runIn("C", {"info", sample_});
        QVERIFY(english.out.contains("\n  Map header offset: 0x"));
        QVERIFY(!english.out.contains("Offset des"));
        QVERIFY(runIn("C", {"info", damaged}).err.contains("Error reading the file."));

        const ToolRun german = runIn("de_DE.UTF-8", {"info", sample_});
        QVERIFY(german.out.contains("\n  Offset des Mapheaders: 0x"));
        QVERIFY(
            runIn("de_DE.UTF-8", {"info", damaged}).err.contains("Fehler beim Lesen der Datei."));
    }

    void objectsPrintTheStoredList() {
        const ToolRun run = RunToolProcess({"objects", sample_, "Tree Zone 2", "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root["level"].toInt(), 2);
        const QJsonArray printed = root["objects"].toArray();
        const std::vector<LevelObject> stored =
            ReadLevelObjects(RomFile::fromBytes(Sample()), 2).objects;
        QVERIFY(!stored.empty());
        QCOMPARE(printed.size(), qsizetype(stored.size()));
        for (size_t i = 0; i < stored.size(); ++i) {
            const QJsonObject o = printed[qsizetype(i)].toObject();
            QCOMPARE((LevelObject{o["x"].toInt(), o["y"].toInt(), o["type"].toInt(),
                                  o["hiddenInEasyMode"].toBool()}),
                     stored[i]);
        }
        const ToolRun text = RunToolProcess({"objects", sample_, "2"});
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(text.out.count("\n  x "), qsizetype(stored.size()));

        QByteArray outside = Sample();
        PutWord(outside, 0xE037 + 2 * 3, 0x1234);
        ExpectRefused(RunToolProcess({"objects", WriteFile(dir_, "outside.gb", outside), "3"}),
                      "0xE03D is $1234");
    }

    // What `screens --json` prints imports back unchanged; an edit of it lands in the level's
    // arrays, camera and checkpoint; anything malformed is refused with nothing written.
    void screensPrintAndImport() {
        const QString rom = copy("screens.gb");
        const ToolRun run = RunToolProcess({"screens", rom, "2", "--json"});
        QCOMPARE(run.exitCode, 0);
        QJsonObject root = QJsonDocument::fromJson(run.out).object();
        const RomFile sample = RomFile::fromBytes(Sample());
        const ScreenArraysPlace place =
            ScreenArraysPlaceOf(sample, MapHeader::read(sample, HeaderOffset(sample, 2)));
        QCOMPARE(root["boxesOffset"].toInt(), place.boxesOffset);
        QCOMPARE(root["exits"][47].toInt(), ReadScreenArrays(sample, place).exits[47]);
        const QString same = WriteFile(dir_, "same.json", run.out);
        QCOMPARE(Exit({"import-screens", rom, "2", same}), 0);
        QCOMPARE(ReadFile(rom), Sample());

        QJsonArray boxes = root["boxes"].toArray();
        boxes[5] = 0xF3;
        root["boxes"] = boxes;
        root["camera"] = QJsonObject{{"x", 300}, {"y", 400}};
        root["checkpoint"] = QJsonObject{{"player", QJsonObject{{"x", 1}, {"y", 2}}},
                                         {"camera", QJsonObject{{"x", 3}, {"y", 4}}}};
        QCOMPARE(Exit({"import-screens", rom, "2",
                       WriteFile(dir_, "edited.json", QJsonDocument(root).toJson())}),
                 0);
        const QByteArray after = ReadFile(rom);
        QCOMPARE(uint8_t(after[place.boxesOffset + 5]), 0xF3);
        const QJsonObject reread =
            QJsonDocument::fromJson(RunToolProcess({"screens", rom, "2", "--json"}).out).object();
        QCOMPARE(reread["camera"]["x"].toInt(), 300);
        QCOMPARE(reread["checkpoint"]["camera"]["y"].toInt(), 4);

        const QList<QPair<QByteArray, QByteArray>> refused{
            {R"({"boxes": [1, 2], "exits": []})", "48 numbers"},
            {"not json", "no JSON object"},
            {"{\"boxes\": " + QJsonDocument(boxes).toJson() +
                 ", \"exits\": " + QJsonDocument(boxes).toJson().replace("243", "256") + "}",
             "0-255"},
            {"{\"boxes\": " + QJsonDocument(boxes).toJson() + ", \"exits\": " +
                 QJsonDocument(boxes).toJson() + ", \"camera\": {\"x\": -1, \"y\": 0}}",
             "0-65535"},
        };
        for (const auto& [json, why] : refused)
            ExpectRefused(
                RunToolProcess({"import-screens", rom, "2", WriteFile(dir_, "bad.json", json)}),
                why);
        QByteArray noBase = Sample();
        PutWord(noBase, place.bank * 0x4000 + 2, 0x3000);
        ExpectRefused(RunToolProcess({"screens", WriteFile(dir_, "nobase.gb", noBase), "2"}),
                      "$3000");
        QCOMPARE(ReadFile(rom), after);
    }

    void importObjectsWritesSortedOrRefusesWithNothingWritten() {
        const QString rom = WriteFile(dir_, "objects.gb", Sample());
        // Level 0 grown by three objects, given out of X order: more than its slot holds.
        const QJsonObject printed =
            QJsonDocument::fromJson(RunToolProcess({"objects", rom, "0", "--json"}).out).object();
        QJsonArray objects = printed["objects"].toArray();
        for (int x : {400, 16, 200})
            objects.append(QJsonObject{{"x", x}, {"y", 32}, {"type", 5}});
        const QString in = WriteFile(dir_, "grown.json",
                                     QJsonDocument(QJsonObject{{"objects", objects}}).toJson());
        ExpectRefused(RunToolProcess({"import-objects", rom, "0", in}), "--repack");
        QCOMPARE(ReadFile(rom), Sample());
        const QString bad =
            WriteFile(dir_, "bad.json", R"({"objects": [{"x": 3840, "y": 0, "type": 122}]})");
        ExpectRefused(RunToolProcess({"import-objects", rom, "0", bad, "--repack"}), "0x78-0x7F");
        QCOMPARE(ReadFile(rom), Sample());

        // The sample's lists lie back to back: level 1 shrinks first, then level 0 can grow.
        const QString shorter = WriteFile(dir_, "short.json", R"({"objects": []})");
        QCOMPARE(Exit({"import-objects", rom, "1", shorter}), 0);
        QCOMPARE(Exit({"import-objects", rom, "0", in, "--repack"}), 0);
        const std::vector<LevelObject> stored = ReadLevelObjects(RomFile::open(rom), 0).objects;
        QCOMPARE(stored.size(), size_t(objects.size()));
        QVERIFY(
            std::is_sorted(stored.begin(), stored.end(),
                           [](const LevelObject& a, const LevelObject& b) { return a.x < b.x; }));
        QCOMPARE(ReadLevelObjects(RomFile::open(rom), 5).objects,
                 ReadLevelObjects(RomFile::fromBytes(Sample()), 5).objects);
    }

    void exportsWriteTheCellsAndThePictures() {
        for (const QString map : {"1", "Tree Zone 1"}) {
            const QString out = dir_.filePath(map + ".bin");
            QCOMPARE(Exit({"export-map", sample_, map, out}), 0);
            QCOMPARE(ReadFile(out), CellsOf(Sample(), 1));
        }

        const QList<std::tuple<QString, QSize>> pictures{
            {"render", QSize(4096, 768)}, {"tiles", QSize(128, 128)}, {"blocks", QSize(4096, 32)}};
        for (const auto& [command, size] : pictures) {
            const QString out = dir_.filePath(command + ".png");
            QCOMPARE(Exit({command, sample_, "Tree Zone 2", out}), 0);
            QCOMPARE(QImage(out).size(), size);
        }
        ExpectRefused(RunToolProcess({"render", sample_, "0", dir_.filePath("no-such-dir/x.png")}),
                      "Could not save");
    }

    void importMapFitsItsSlotOrRepacksWhenAskedAndItHelps() {
        const QString rom = copy("import.gb");
        QByteArray level = CellsOf(Sample(), 2);  // stored with room to spare
        level[47 * 256 + 100] = char((level[47 * 256 + 100] + 1) % 128);
        QCOMPARE(Exit({"import-map", rom, "2", WriteFile(dir_, "in.bin", level)}), 0);
        QCOMPARE(CellsOf(ReadFile(rom), 2), level);
        const QByteArray imported = ReadFile(rom);

        const QByteArray grown = GrownTreeZone1(600);
        const QString in = WriteFile(dir_, "grown.bin", grown);
        ExpectRefused(RunToolProcess({"import-map", rom, "1", in}), "--repack");
        const QString huge = WriteFile(dir_, "huge.bin", GrownTreeZone1(6000));
        ExpectRefused(RunToolProcess({"import-map", rom, "1", huge, "--repack"}),
                      "Repacking cannot help");
        QCOMPARE(ReadFile(rom), imported);

        QCOMPARE(Exit({"import-map", rom, "1", in, "--repack"}), 0);
        QCOMPARE(CellsOf(ReadFile(rom), 1), grown);
        QCOMPARE(CellsOf(ReadFile(rom), 2), level);
    }

    void repackABank() {
        const QString rom = copy("repack.gb");
        const ToolRun dry = RunToolProcess({"repack", rom, "0x0C", "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QVERIFY(dry.out.contains("bank 0x0C, region 0x30310-0x318C2"));
        QCOMPARE(ReadFile(rom), Sample());

        QCOMPARE(Exit({"repack", rom, "12"}), 0);
        const QByteArray after = ReadFile(rom);
        QVERIFY(after != Sample());
        for (int i = 0; i < kMapCount; ++i)
            QCOMPARE(CellsOf(after, i), CellsOf(Sample(), i));
        ExpectRefused(RunToolProcess({"repack", rom, "0x30"}), "no map header names bank 0x30");
    }

    void titlePicturesAndMapRoundTrip() {
        const QByteArray sample = BuildSampleCartridge(2);
        const TitleScreen title = TitleScreen::load(RomFile::fromBytes(sample), 2);
        const QString rom = dir_.filePath("v2.gb");
        const QString png = dir_.filePath("t.png"), bmp = dir_.filePath("t.bmp");
        QCOMPARE(Exit({"title-render", rom, png}), 0);
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), title.mapPicture.image());
        QCOMPARE(Exit({"title-export", rom, bmp}), 0);
        QCOMPARE(QImage(bmp, "BMP").convertToFormat(QImage::Format_RGB32), title.sheet.image());
        QCOMPARE(Exit({"title-import", rom, bmp}), 0);
        QCOMPARE(ReadFile(rom), sample);

        const QString bin = dir_.filePath("map.bin");
        QCOMPARE(Exit({"title-map-export", rom, bin}), 0);
        QByteArray cells = ReadFile(bin);
        QCOMPARE(cells, QByteArray(reinterpret_cast<const char*>(title.cells.data()), 360));
        cells[359] = char(cells[359] ^ 0x01);  // cell (19, 17)
        QCOMPARE(Exit({"title-map-import", rom, WriteFile(dir_, "one.bin", cells)}), 0);
        QByteArray expected = sample;
        const int32_t at = TitleScreen::MapBase(RomFile::fromBytes(sample)) + 19 + 32 * 17;
        expected[at] = char(expected[at] ^ 0x01);
        expected = SavedImage(expected, sample);
        QCOMPARE(ReadFile(rom), expected);
        ExpectRefused(
            RunToolProcess({"title-import", rom, WriteFile(dir_, "text.bmp", "no picture")}),
            "text.bmp");
        QCOMPARE(ReadFile(rom), expected);
    }

    void patchesRoundTripInBothFormatsAndARefusedOneWritesNothing() {
        QByteArray edited = Sample();
        edited[0] = char(0x31);
        edited[0x20010] = char(~edited[0x20010]);
        const QString modified = WriteFile(dir_, "modified.gb", edited + QByteArray(5000, 'B'));
        for (const QString suffix : {"bps", "ips"}) {
            const QString patch = dir_.filePath("level." + suffix);
            QCOMPARE(Exit({"make-patch", sample_, modified, patch}), 0);
            const QString out = dir_.filePath("out-" + suffix + ".gb");
            QCOMPARE(Exit({"apply-patch", sample_, patch, out}), 0);
            QCOMPARE(ReadFile(out), ReadFile(modified));
        }
        const QString out = dir_.filePath("refused.gb");
        for (const auto& [rom, patch, why] : QList<std::tuple<QString, QString, QString>>{
                 {modified, dir_.filePath("level.bps"), "was made for another file"},
                 {sample_, sample_, "not a BPS or IPS patch"}}) {
            ExpectRefused(RunToolProcess({"apply-patch", rom, patch, out}), why.toUtf8());
            QVERIFY(!QFile::exists(out));
        }
    }

    // Short files read as zeros past their end, so tile pointers lie below the start of the
    // file: a negative offset, the read error. Header bytes 0x33 name map bank 0x33, whose
    // table and data read as zeros. The title screen draws from zeros.
    void damagedFilesAreShownOrRefusedCleanly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("exitCodes");  // info, export-map, tiles, title-render
        QTest::newRow("empty") << QByteArray() << QList<int>{1, 1, 1, 0};
        QTest::newRow("0x14C bytes") << QByteArray(0x14C, '\x33') << QList<int>{0, 0, 1, 0};
        QTest::newRow("random bytes") << RandomBytes(200000, 7) << QList<int>();
    }
    void damagedFilesAreShownOrRefusedCleanly() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, exitCodes);
        const QString path = WriteFile(dir_, QTest::currentDataTag(), bytes);
        QList<int> codes;
        for (const QStringList& args :
             QList<QStringList>{{"info", path},
                                {"export-map", path, "2", dir_.filePath("out.bin")},
                                {"tiles", path, "2", dir_.filePath("out.png")},
                                {"title-render", path, dir_.filePath("title.png")}}) {
            if (args.size() > 2)
                QFile::remove(args.last());
            const ToolRun run = RunToolProcess(args);
            QVERIFY2(run.clean(), qPrintable(args.join(' ') + ": " + run.err));
            if (run.exitCode == 1) {
                QVERIFY2(run.err.contains("Error reading the file."), run.err.constData());
                QVERIFY(args.size() == 2 || !QFile::exists(args.last()));
            }
            codes << run.exitCode;
        }
        if (!exitCodes.isEmpty())
            QCOMPARE(codes, exitCodes);
    }

    void aWriteTheSystemRefusesLeavesTheFileAsItWas() {
        // A file-size limit makes the system refuse the write part way, the same path through
        // the code as a full disk: the temporary goes, the target stays.
        QTemporaryDir dir;
        const QStringList args{"import-map", WriteFile(dir, "rom.gb", Sample()), "2",
                               WriteFile(dir, "level.bin", QByteArray(kMapCells, char(7)))};
        const ToolRun run = RunToolProcess(args, [](QProcess& process) {
            process.setChildProcessModifier([] {
                const rlimit limit{100000, 100000};
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
            });
        });
        ExpectRefused(run, "Could not save");
        QCOMPARE(ReadFile(args[1]), Sample());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(RunToolProcess(args).exitCode, 0);  // and without the limit it goes through
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_Tool.moc"
