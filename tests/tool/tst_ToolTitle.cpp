#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
QImage Rgb(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
}  // namespace

class TestToolTitle : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QByteArray sample_ = BuildSampleCartridge(2);
    const TitleScreen title_ = TitleScreen::load(RomFile::fromBytes(sample_), 2);

private slots:
    void picturesRoundTrip() {
        const QString rom = WriteFile(dir_, "p.gb", sample_);
        QCOMPARE(RunToolProcess({"title-render", rom, dir_.filePath("t.png")}).exitCode, 0);
        QCOMPARE(Rgb(dir_.filePath("t.png")), title_.picMap.image());
        const QString bmp = dir_.filePath("t.bmp");
        QCOMPARE(RunToolProcess({"title-export", rom, bmp}).exitCode, 0);
        QCOMPARE(QImage(bmp, "BMP").convertToFormat(QImage::Format_RGB32), title_.picTiles.image());
        const ToolRun imported = RunToolProcess({"title-import", rom, bmp});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(imported.err.contains("Tiles saved successfully!"));
        QCOMPARE(ReadFile(rom), sample_);

        QCOMPARE(RunToolProcess({"title-render", rom}).exitCode, 2);
    }

    void mapRoundTrip() {
        const QString rom = WriteFile(dir_, "m.gb", sample_);
        const QString bin = dir_.filePath("map.bin");
        QCOMPARE(RunToolProcess({"title-map-export", rom, bin}).exitCode, 0);
        QByteArray cells = ReadFile(bin);
        QCOMPARE(cells, QByteArray(reinterpret_cast<const char*>(title_.TitleMap.data()), 360));

        cells[359] = char(cells[359] ^ 0x01);  // cell (19, 17)
        QCOMPARE(
            RunToolProcess({"title-map-import", rom, WriteFile(dir_, "one.bin", cells)}).exitCode,
            0);
        QByteArray expected = sample_;
        const int32_t at = TitleScreen::MapBase(RomFile::fromBytes(sample_)) + 19 + 32 * 17;
        expected[at] = char(expected[at] ^ 0x01);
        expected = SavedImage(expected, sample_);
        QCOMPARE(ReadFile(rom), expected);

        const ToolRun wrongSize =
            RunToolProcess({"title-map-import", rom, WriteFile(dir_, "bad.bin", cells + 'x')});
        QCOMPARE(wrongSize.exitCode, 2);
        QVERIFY(wrongSize.err.contains("360"));
        QCOMPARE(RunToolProcess({"title-map-import", rom, dir_.filePath("gone.bin")}).exitCode, 1);
        QCOMPARE(ReadFile(rom), expected);
    }
};

QTEST_GUILESS_MAIN(TestToolTitle)
#include "tst_ToolTitle.moc"
