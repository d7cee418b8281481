// zantor-tool run as the user runs it: the sample, info, map export and import, pictures, the
// title screen, and patches. What the commands compute is the core's to prove; here, that each
// command writes what the core gives and says so by its exit code.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
QByteArray Edited(QByteArray rom) {
    rom[0] = char(0x31);
    rom[0x20010] = char(~rom[0x20010]);
    rom[rom.size() - 1] = char(0x99);
    return rom + QByteArray(5000, '\x42');
}
}  // namespace

class TestTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString sample_;

private slots:
    void initTestCase() {
        sample_ = dir_.filePath("sample.gb");
        QCOMPARE(RunToolProcess({"make-sample", sample_}).exitCode, 0);
        QCOMPARE(ReadFile(sample_), BuildSampleCartridge(0));
        const QString v2 = dir_.filePath("v2.gb");
        QCOMPARE(RunToolProcess({"make-sample", v2, "--version", "2"}).exitCode, 0);
        QCOMPARE(ReadFile(v2), BuildSampleCartridge(2));
        QCOMPARE(RunToolProcess({"make-sample", v2, "--version", "3"}).exitCode, 2);
    }

    void infoAgreesWithTheCore() {
        const ToolRun run = RunToolProcess({"info", sample_, "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root["romVersion"].toInt(), 0);
        const QJsonArray maps = root["maps"].toArray();
        QCOMPARE(maps.size(), kMapCount);
        // One map's figures; how they are worked out is the core's to prove.
        const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, 5));
        QCOMPARE(maps[5]["headerOffset"].toInt(), HeaderOffset(rom, 5));
        QCOMPARE(maps[5]["mapDataOffset"].toInt(), MapDataOffset(rom, header));
        QCOMPARE(maps[5]["slot"].toInt(),
                 DecompressMap(rom, MapDataOffset(rom, header)).CompressedLength - 1);
        QVERIFY(root["headerChecksum"].toObject()["holds"].toBool());
        QVERIFY(root["globalChecksum"].toObject()["holds"].toBool());
        // The text form says when the global checksum does not hold.
        const ToolRun text =
            RunToolProcess({"info", WriteFile(dir_, "edited.gb", Edited(BuildSampleCartridge(0)))});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.contains("Mario's Castle"));
        QVERIFY(text.out.contains("does not hold (the bytes give 0x"));
    }

    void exportMapByIndexAndByName() {
        const QString byIndex = dir_.filePath("1.bin");
        const QString byName = dir_.filePath("tz1.bin");
        QCOMPARE(RunToolProcess({"export-map", sample_, "1", byIndex}).exitCode, 0);
        QCOMPARE(RunToolProcess({"export-map", sample_, "Tree Zone 1", byName}).exitCode, 0);
        const QByteArray cells = ReadFile(byIndex);
        QCOMPARE(cells.size(), kMapCells);
        QCOMPARE(ReadFile(byName), cells);
        const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        const DecodedMap map =
            DecompressMap(rom, MapDataOffset(rom, MapHeader::read(rom, HeaderOffset(rom, 1))));
        QCOMPARE(cells, QByteArray(reinterpret_cast<const char*>(map.MapBuffer.data()), kMapCells));
    }

    void renderTilesAndBlocksWritePngs() {
        // What they draw is the map loader's to prove; here, that each command writes its
        // picture, and a folder that is not there fails the run.
        const QList<std::tuple<QString, QSize>> pictures{
            {"render", QSize(4096, 768)}, {"tiles", QSize(128, 128)}, {"blocks", QSize(4096, 32)}};
        for (const auto& [command, size] : pictures) {
            const QString out = dir_.filePath(command + ".png");
            QCOMPARE(RunToolProcess({command, sample_, "Tree Zone 2", out}).exitCode, 0);
            QCOMPARE(QImage(out).size(), size);
        }
        QCOMPARE(
            RunToolProcess({"render", sample_, "0", dir_.filePath("no-such-dir/x.png")}).exitCode,
            1);
    }

    void importMapRoundTripsAndRefusesAShortFile() {
        const QString rom = WriteFile(dir_, "import.gb", BuildSampleCartridge(0));
        // A level stored with room to spare takes a change (how it fills the slot is the map
        // saver's to prove; a level too big for its slot is tst_ToolSpace's).
        const QString cells = dir_.filePath("map2.bin");
        QCOMPARE(RunToolProcess({"export-map", rom, "2", cells}).exitCode, 0);
        QByteArray level = ReadFile(cells);
        level[47 * 256 + 100] = char((uint8_t(level[47 * 256 + 100]) + 1) % 128);
        QCOMPARE(
            RunToolProcess({"import-map", rom, "2", WriteFile(dir_, "in.bin", level)}).exitCode, 0);
        const QByteArray imported = ReadFile(rom);
        QCOMPARE(RunToolProcess({"export-map", rom, "2", cells}).exitCode, 0);
        QCOMPARE(ReadFile(cells), level);

        const QString tooShort = WriteFile(dir_, "short.bin", QByteArray(100, 0));
        QCOMPARE(RunToolProcess({"import-map", rom, "2", tooShort}).exitCode, 2);
        QCOMPARE(ReadFile(rom), imported);
    }

    void usageErrors() {
        QCOMPARE(RunToolProcess({}).exitCode, 2);
        QCOMPARE(RunToolProcess({"no-such-command"}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info"}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info", sample_, "--bogus"}).exitCode, 2);
        QCOMPARE(
            RunToolProcess({"export-map", sample_, "Nowhere", dir_.filePath("x.bin")}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info", "--help"}).exitCode, 0);
        QVERIFY(RunToolProcess({"--help"}).out.contains("export-map"));
    }

    void titlePicturesAndMapRoundTrip() {
        const QByteArray sample = BuildSampleCartridge(2);
        const TitleScreen title = TitleScreen::load(RomFile::fromBytes(sample), 2);
        const QString rom = WriteFile(dir_, "title.gb", sample);
        const QString png = dir_.filePath("t.png"), bmp = dir_.filePath("t.bmp");
        QCOMPARE(RunToolProcess({"title-render", rom, png}).exitCode, 0);
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), title.picMap.image());
        QCOMPARE(RunToolProcess({"title-export", rom, bmp}).exitCode, 0);
        QCOMPARE(QImage(bmp, "BMP").convertToFormat(QImage::Format_RGB32), title.picTiles.image());
        QCOMPARE(RunToolProcess({"title-import", rom, bmp}).exitCode, 0);
        QCOMPARE(ReadFile(rom), sample);

        const QString bin = dir_.filePath("map.bin");
        QCOMPARE(RunToolProcess({"title-map-export", rom, bin}).exitCode, 0);
        QByteArray cells = ReadFile(bin);
        QCOMPARE(cells, QByteArray(reinterpret_cast<const char*>(title.TitleMap.data()), 360));
        cells[359] = char(cells[359] ^ 0x01);  // cell (19, 17)
        QCOMPARE(
            RunToolProcess({"title-map-import", rom, WriteFile(dir_, "one.bin", cells)}).exitCode,
            0);
        QByteArray expected = sample;
        const int32_t at = TitleScreen::MapBase(RomFile::fromBytes(sample)) + 19 + 32 * 17;
        expected[at] = char(expected[at] ^ 0x01);
        expected = SavedImage(expected, sample);
        QCOMPARE(ReadFile(rom), expected);
        const ToolRun wrongSize =
            RunToolProcess({"title-map-import", rom, WriteFile(dir_, "bad.bin", cells + 'x')});
        QCOMPARE(wrongSize.exitCode, 2);
        QVERIFY(wrongSize.err.contains("360"));
        QCOMPARE(ReadFile(rom), expected);
    }

    void patchesRoundTripInBothFormats() {
        const QString modified = WriteFile(dir_, "modified.gb", Edited(ReadFile(sample_)));
        for (const QString suffix : {"bps", "ips"}) {
            const QString patch = dir_.filePath("level." + suffix);
            QCOMPARE(RunToolProcess({"make-patch", sample_, modified, patch}).exitCode, 0);
            const QString out = dir_.filePath("out-" + suffix + ".gb");
            QCOMPARE(RunToolProcess({"apply-patch", sample_, patch, out}).exitCode, 0);
            QCOMPARE(ReadFile(out), ReadFile(modified));
        }
        QCOMPARE(ReadFile(sample_), BuildSampleCartridge(0));
        QCOMPARE(RunToolProcess({"make-patch", sample_, modified, dir_.filePath("p.ups")}).exitCode,
                 2);

        // A refused patch writes nothing.
        const QString out = dir_.filePath("refused.gb");
        for (const auto& [rom, patch, why] : QList<std::tuple<QString, QString, QString>>{
                 {modified, dir_.filePath("level.bps"), "was made for another file"},
                 {sample_, sample_, "not a BPS or IPS patch"},
                 {sample_, dir_.filePath("missing.bps"), "missing.bps"}}) {
            const ToolRun run = RunToolProcess({"apply-patch", rom, patch, out});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.clean() && run.err.contains(why.toUtf8()), run.err.constData());
            QVERIFY(!QFile::exists(out));
        }
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_Tool.moc"
