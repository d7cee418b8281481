// export-tileset and import-tileset as a user runs them, with a sheet edited by another
// program (ImageMagick) in between.
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "map/TileRanges.h"
#include "map/TileSheetPng.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

class TestTileSetTool : public QObject {
    Q_OBJECT

private slots:
    void aSheetEditedElsewhereChangesExactlyTheEditedTiles() {
        const QString convert = QStandardPaths::findExecutable("convert");
        if (convert.isEmpty())
            QSKIP("ImageMagick's convert is not installed");
        QTemporaryDir dir;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString rom = WriteFile(dir, "s.gb", sample);
        const QString exported = dir.filePath("sheet.png");
        QCOMPARE(RunToolProcess({"export-tileset", rom, "3", exported}).exitCode, 0);

        // One pixel of tile 0x00 (at (0, 64) on the sheet), 0x7F (120, 120) and 0x85 (40, 0)
        // each given the next grey.
        const QImage sheet(exported);
        const QStringList greys = {"#FFFFFF", "#AAAAAA", "#555555", "#000000"};
        QStringList convertArgs = {exported};
        for (const QPoint at : {QPoint(1, 65), QPoint(127, 127), QPoint(44, 3)}) {
            const QString next = greys[(sheet.pixelIndex(at) + 1) % 4];
            convertArgs << "-fill" << next << "-draw"
                        << QString("point %1,%2").arg(at.x()).arg(at.y());
        }
        const QString edited = dir.filePath("edited.png");
        QCOMPARE(RunProcess(convert, convertArgs << edited).exitCode, 0);
        const ToolRun imported = RunToolProcess({"import-tileset", rom, "3", edited});
        QVERIFY2(imported.exitCode == 0, imported.err.constData());
        QVERIFY2(imported.out.contains("Changed 3 tile(s): 00 7F 85"), imported.out.constData());

        RomFile probe = RomFile::fromBytes(sample);
        const TileSources sources = ReadTileSources(probe, 3, 0);
        const QByteArray after = ReadFile(rom);
        QByteArray rest = after;
        for (uint8_t t : {0x00, 0x85, 0x7F}) {
            const int32_t offset = TileOffset(sources, t);
            QVERIFY(after.mid(offset, 16) != sample.mid(offset, 16));
            rest.replace(offset, 16, sample.mid(offset, 16));
        }
        rest.replace(0x14D, 3, sample.mid(0x14D, 3));
        QCOMPARE(rest, sample);
        QVERIFY(imported.out.contains("also used by") || imported.out.contains("no other level"));

        // Exported again, the sheet is the edited picture.
        const QString again = dir.filePath("again.png");
        QCOMPARE(RunToolProcess({"export-tileset", rom, "3", again}).exitCode, 0);
        const TileSheetPng::Decoded edits = TileSheetPng::Load(edited);
        QVERIFY(edits.ok);
        QCOMPARE(TileSheetPng::Load(again).tiles, edits.tiles);

        // Another colour: refused, nothing written.
        const QString red = dir.filePath("red.png");
        QCOMPARE(
            RunProcess(convert, {exported, "-fill", "red", "-draw", "point 9,9", red}).exitCode, 0);
        const ToolRun refused = RunToolProcess({"import-tileset", rom, "3", red});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.clean());
        QVERIFY(refused.err.contains("(9, 9)"));
        QCOMPARE(ReadFile(rom), after);
    }
};

QTEST_MAIN(TestTileSetTool)
#include "tst_TileSetTool.moc"
