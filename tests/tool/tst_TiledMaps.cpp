// Levels through the real Tiled and back. Tiled converts what export-tmx writes; its files,
// changed as a user would change them, must come back cell for cell. Maps Tiled would never
// write are made here and refused without a byte of the ROM changing.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "document/LevelDocument.h"
#include "map/MapLoader.h"
#include "patch/Crc32.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"
#include "tiled/TiledError.h"
#include "tiled/TiledReader.h"
#include "tiled/TmxWriter.h"

using namespace zantor;

namespace {
constexpr int kLevel = 3;

QByteArray littleEndianIds(const MapCells& cells, int firstGid) {
    QByteArray bytes;
    for (uint8_t cell : cells) {
        const quint32 id = cell + quint32(firstGid);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char(id >> shift));
    }
    return bytes;
}

// qCompress is a zlib stream behind a 4-byte size; gzip wraps the same deflate data in its own
// header and a trailer of CRC-32 and size.
QByteArray zlibStream(const QByteArray& bytes) {
    return qCompress(bytes).mid(4);
}
QByteArray gzipStream(const QByteArray& bytes) {
    const QByteArray zlib = zlibStream(bytes);
    QByteArray gzip = QByteArray::fromHex("1f8b08000000000000ff") + zlib.mid(2, zlib.size() - 6);
    for (const quint32 word : {Crc32(bytes), quint32(bytes.size())}) {
        for (int shift = 0; shift < 32; shift += 8)
            gzip.append(char(word >> shift));
    }
    return gzip;
}

// The TMX export-tmx writes, with its layer's <data> element replaced.
QByteArray withData(const QByteArray& tmx, const QByteArray& dataElement) {
    const qsizetype start = tmx.indexOf("<data");
    const qsizetype end = tmx.indexOf("</data>") + 7;
    return tmx.left(start) + dataElement + tmx.mid(end);
}
}  // namespace

class TiledMapsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray sample_ = BuildSampleCartridge(0);
    TiledLevel level_;
    QByteArray tmx_;

    ToolRun tiled(const QStringList& args) {
        return RunProcess(QStandardPaths::findExecutable("tiled"), args, [](QProcess& process) {
            QProcessEnvironment env = process.processEnvironment();
            env.insert("QT_QPA_PLATFORM", "offscreen");
            process.setProcessEnvironment(env);
        });
    }
    TiledLevel expectedWithCell(int index, uint8_t block) {
        TiledLevel expected = level_;
        expected.cells[size_t(index)] = block;
        return expected;
    }
    static void compare(const TiledLevel& read, const TiledLevel& expected) {
        QVERIFY(read.cells == expected.cells);
        QVERIFY(read.objects == expected.objects);
        QCOMPARE(read.levelName, expected.levelName);
        QCOMPARE(read.levelNumber, expected.levelNumber);
    }

private slots:
    void initTestCase() {
        const QString rom = WriteFile(dir_, "level.gb", sample_);
        const ToolRun run = RunToolProcess(
            {"export-tmx", rom, QString::number(kLevel), dir_.filePath("level.tmx")});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(!ImageFiles::LoadPicture(dir_.filePath("level-blocks.png"), nullptr)->isNull());
        tmx_ = ReadFile(dir_.filePath("level.tmx"));
        const RomFile image = RomFile::fromBytes(sample_);
        level_.cells = LoadMap(image, kLevel).cells;
        level_.objects = ReadLevelObjects(image, kLevel).objects;
        level_.levelName = "Tree Zone 3";
        level_.levelNumber = kLevel;
        QVERIFY(!level_.objects->empty());
    }

    // Tiled's JSON, one cell and one object changed as in Tiled, comes back as exactly that;
    // so does the TMX Tiled writes from it.
    void throughTiledAndBack() {
        if (QStandardPaths::findExecutable("tiled").isEmpty())
            QSKIP("Tiled is not installed (Debian package tiled)");
        const QString json = dir_.filePath("tiled.json");
        QVERIFY(tiled({"--export-map", "json", dir_.filePath("level.tmx"), json}).exitCode == 0);
        QJsonObject root = QJsonDocument::fromJson(ReadFile(json)).object();
        QJsonArray layers = root["layers"].toArray();
        QJsonObject map = layers[0].toObject();
        QCOMPARE(map["name"].toString(), QString("map"));
        QJsonArray data = map["data"].toArray();
        const int changed = 40 * kMapColumns + 200;
        const uint8_t block = uint8_t(level_.cells[changed] ^ 0x15);
        data[changed] = block + 1;
        map["data"] = data;
        layers[0] = map;
        root["layers"] = layers;
        WriteFile(dir_, "changed.json", QJsonDocument(root).toJson());
        TiledLevel expected = expectedWithCell(changed, block);
        compare(ReadTiledMap(dir_.filePath("changed.json")), expected);

        const QString tmx = dir_.filePath("tiled.tmx");
        QVERIFY(tiled({"--export-map", "tmx", dir_.filePath("changed.json"), tmx}).exitCode == 0);
        compare(ReadTiledMap(tmx), expected);

        // The tool writes exactly those cells and the objects, in one commit.
        const QString rom = WriteFile(dir_, "import.gb", sample_);
        // The change lengthens the map past its slot; the region has room to spare.
        const ToolRun run =
            RunToolProcess({"import-tmx", rom, QString::number(kLevel), tmx, "--repack"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const RomFile written = RomFile::fromBytes(ReadFile(rom));
        QVERIFY(LoadMap(written, kLevel).cells == expected.cells);
        QCOMPARE(ReadLevelObjects(written, kLevel).objects, *level_.objects);
    }

    // Compressed layers, read as we make them and as Tiled writes them again in JSON.
    void compressedLayers_data() {
        QTest::addColumn<QString>("compression");
        QTest::newRow("none") << "";
        QTest::newRow("zlib") << "zlib";
        QTest::newRow("gzip") << "gzip";
    }
    void compressedLayers() {
        QFETCH(QString, compression);
        const int changed = 7;
        const TiledLevel expected = expectedWithCell(changed, 0x7F);
        const QByteArray ids = littleEndianIds(expected.cells, kBlockFirstGid);
        const QByteArray stored = compression == "zlib"   ? zlibStream(ids)
                                  : compression == "gzip" ? gzipStream(ids)
                                                          : ids;
        const QByteArray tmx = withData(
            tmx_, "<data encoding=\"base64\"" +
                      (compression.isEmpty() ? QByteArray()
                                             : " compression=\"" + compression.toLatin1() + '"') +
                      ">\n   " + stored.toBase64() + "\n  </data>");
        const QString path = WriteFile(dir_, "packed-" + compression + ".tmx", tmx);
        compare(ReadTiledMap(path), expected);

        if (QStandardPaths::findExecutable("tiled").isEmpty())
            QSKIP("Tiled is not installed (Debian package tiled)");
        const QString json = dir_.filePath("packed-" + compression + ".json");
        QVERIFY(tiled({"--export-map", "json", path, json}).exitCode == 0);
        const QJsonObject layer =
            QJsonDocument::fromJson(ReadFile(json)).object()["layers"].toArray()[0].toObject();
        QCOMPARE(layer["encoding"].toString(), QString("base64"));
        QCOMPARE(layer["compression"].toString(), compression);
        compare(ReadTiledMap(json), expected);
    }

    // Each refused with its kind, by the tool with exit 1 and the ROM as it was.
    void refusals_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        const auto ids = [&](int value) {
            MapCells cells = level_.cells;
            QByteArray bytes = littleEndianIds(cells, kBlockFirstGid);
            qToLittleEndian(quint32(value), bytes.data() + 4 * 300);
            return bytes;
        };
        const auto base64 = [&](const QByteArray& ids, const QByteArray& compression) {
            const QByteArray stored = compression == "zlib"   ? zlibStream(ids)
                                      : compression == "gzip" ? gzipStream(ids)
                                                              : ids;
            return withData(tmx_, "<data encoding=\"base64\" compression=\"" + compression + "\">" +
                                      stored.toBase64() + "</data>");
        };
        using K = TiledError::Kind;
        QTest::newRow("wider map")
            << QByteArray(tmx_).replace("width=\"256\"", "width=\"255\"") << int(K::WrongLayout);
        QTest::newRow("8-pixel cells")
            << QByteArray(tmx_).replace("tilewidth=\"16\"", "tilewidth=\"8\"")
            << int(K::WrongLayout);
        QTest::newRow("isometric")
            << QByteArray(tmx_).replace("orthogonal", "isometric") << int(K::WrongLayout);
        QTest::newRow("empty cell") << base64(ids(0), "zlib") << int(K::NotABlock);
        QTest::newRow("id past the blocks") << base64(ids(129), "gzip") << int(K::NotABlock);
        QTest::newRow("flipped block") << base64(ids(0x80000001), "zlib") << int(K::NotABlock);
        QTest::newRow("zstd") << base64(ids(1), "zstd") << int(K::UnknownEncoding);
        QTest::newRow("xml-ish encoding")
            << QByteArray(tmx_).replace("encoding=\"csv\"", "encoding=\"hex\"")
            << int(K::UnknownEncoding);
        QTest::newRow("zlib cut short")
            << withData(tmx_, "<data encoding=\"base64\" compression=\"zlib\">" +
                                  zlibStream(ids(1)).chopped(9).toBase64() + "</data>")
            << int(K::Malformed);
        QTest::newRow("zlib of one cell too many")
            << withData(tmx_, "<data encoding=\"base64\" compression=\"zlib\">" +
                                  zlibStream(ids(1) + "\1\0\0\0").toBase64() + "</data>")
            << int(K::Malformed);
        QByteArray shortCsv = tmx_;
        shortCsv.remove(
            shortCsv.lastIndexOf(',', shortCsv.indexOf("</data>")),
            shortCsv.indexOf("</data>") - shortCsv.lastIndexOf(',', shortCsv.indexOf("</data>")));
        QTest::newRow("csv a cell short") << shortCsv << int(K::Malformed);
        QTest::newRow("cut-off TMX") << tmx_.left(tmx_.size() / 2) << int(K::Malformed);
        QTest::newRow("cut-off JSON")
            << QByteArray("{\"type\":\"map\", \"width\":") << int(K::Malformed);
        QTest::newRow("JSON, infinite")
            << QByteArray(
                   "{\"type\":\"map\",\"orientation\":\"orthogonal\",\"infinite\":true,"
                   "\"width\":256,\"height\":48,\"tilewidth\":16,\"tileheight\":16}")
            << int(K::WrongLayout);
    }
    void refusals() {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        try {
            ParseTiledMap(file, "bad.tmx");
            QFAIL("read");
        } catch (const TiledError& error) {
            QCOMPARE(int(error.kind()), kind);
            QVERIFY2(error.text().startsWith("bad.tmx: "), qPrintable(error.text()));
        }
        const QString rom = WriteFile(dir_, "refused.gb", sample_);
        const ToolRun run = RunToolProcess(
            {"import-tmx", rom, QString::number(kLevel), WriteFile(dir_, "bad.tmx", file)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.clean());
        QVERIFY(ReadFile(rom) == sample_);
    }

    // The editor's import: one undo step that undoes to the level as it was.
    void importIsOneStep() {
        LevelDocument document;
        document.load(RomFile::fromBytes(sample_), kLevel);
        // The first two cells of the layer (the top-left sky) become block 8.
        QByteArray tmx = tmx_;
        const QByteArray layerStart = "<data encoding=\"csv\">\n";
        tmx.replace(tmx.indexOf(layerStart) + layerStart.size(), 4, "9,9,");
        const TiledLevel read = ParseTiledMap(tmx, "level.tmx");
        QCOMPARE(document.replaceCells(read.cells, "Import from Tiled"), 2);
        QVERIFY(document.cells() == read.cells);
        QCOMPARE(document.undoStack()->count(), 1);
        document.undoStack()->undo();
        QVERIFY(document.cells() == level_.cells);
        QVERIFY(!document.isModified());
    }
};

QTEST_GUILESS_MAIN(TiledMapsTest)
#include "tst_TiledMaps.moc"
