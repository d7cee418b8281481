// The tileset editor driven through its handlers: each tool's stroke is one step of the level's
// stored tiles, and what it draws shows on the level's sheet.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/TileCodec.h"
#include "document/LevelDocument.h"
#include "document/TileSetDocument.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "ui/tiles/TileSetWindow.h"
#include "widgets/Dialogs.h"

using namespace zantor;

namespace {
struct Editor {
    QTemporaryDir dir;
    LevelDocument level;
    std::unique_ptr<TileSetWindow> window;
    explicit Editor(bool confirmed = true) {
        level.load(WriteFile(dir, "s.gb", BuildSampleCartridge(0)), 2);
        // The question before editing shared tiles is answered once per run.
        for (TileSetDocument* run : level.storedTiles().runs()) {
            if (confirmed)
                run->confirmSharing();
        }
        window = std::make_unique<TileSetWindow>(&level);
        window->chooseTile(0x41);
    }
    TileBytes tile(int t = 0x41) const { return level.storedTiles().tile(uint8_t(t)); }
    int pixel(int x, int y) const { return TilePixel(tile(), x, y); }
    void stroke(QPoint from, std::initializer_list<QPoint> through,
                Qt::MouseButton button = Qt::LeftButton) {
        window->pressPixel(from, button);
        for (QPoint p : through)
            window->dragPixel(p);
        window->releasePixel();
    }
};
}  // namespace

class TestTileSetWindow : public QObject {
    Q_OBJECT

private slots:
    void theFirstEditOfSharedTilesAsksNamingTheLevels() {
        Editor e(false);
        const TileBytes before = e.tile();
        QStringList asked;
        Dialogs::Answer answer = Dialogs::Answer::No;
        Dialogs::ScopedScript script(
            {{}, {}, [&](const QString& text, const QString&, const QList<Dialogs::Answer>&) {
                 asked << text;
                 return answer;
             }});
        e.window->rotateTile();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains("Tree Zone 1") && asked[0].contains("more level"),
                 qPrintable(asked[0]));
        QVERIFY(e.tile() == before);  // refused: nothing changed
        answer = Dialogs::Answer::Yes;
        e.window->rotateTile();
        e.window->rotateTile();
        QCOMPARE(asked.size(), 2);  // asked once more, then not again for this source
        QVERIFY(e.tile() == FlipTile(FlipTile(before, true), false));
    }

    void aPencilStrokeIsOneStepAndShowsOnTheSheet() {
        Editor e;
        const TileBytes before = e.tile();
        e.window->setColours(3, 0);
        e.stroke({0, 0}, {{7, 7}});  // a fast drag leaves no gaps
        for (int i = 0; i < 8; ++i)
            QCOMPARE(e.pixel(i, i), 3);
        e.stroke({0, 7}, {}, Qt::RightButton);
        QCOMPARE(e.pixel(0, 7), 0);
        const QPoint at = SheetPixelOfTile(0x41);
        QCOMPARE(e.level.level().rawTileSheet.GetPixel(at.x() + 5, at.y() + 5), shade::kBlack);
        auto* undo = e.window->findChild<QPushButton*>("cmdUndo");
        QTRY_VERIFY(undo->isEnabled());

        LevelTileSheet sheet = e.level.storedTiles();
        sheet.undo();
        sheet.undo();
        QVERIFY(e.tile() == before);
        QVERIFY(!e.level.isModified());
    }

    void lineRectangleAndBucketDrawWhereTheyEnd() {
        Editor e;
        e.window->setColours(2, 0);
        e.window->setTool(TileSetWindow::Tool::Bucket);
        e.window->pressPixel({3, 3}, Qt::LeftButton);
        e.window->releasePixel();
        const TileBytes filled = e.tile();
        // The region of (3, 3)'s colour is 2 now, and nothing beyond it changed colour.
        QCOMPARE(e.pixel(3, 3), 2);

        e.window->setColours(1, 0);
        e.window->setTool(TileSetWindow::Tool::Line);
        // Dragged through the middle of the tile, then along the top row: only the last line.
        e.stroke({0, 0}, {{7, 7}, {7, 0}});
        TileBytes expected = DrawTileLine(filled, 0, 0, 7, 0, 1);
        QVERIFY(e.tile() == expected);

        e.window->setTool(TileSetWindow::Tool::Rectangle);
        e.stroke({1, 2}, {{6, 6}, {5, 5}});
        QVERIFY(e.tile() == DrawTileRectangle(expected, 1, 2, 5, 5, 1));
        QCOMPARE(e.pixel(3, 3), 2);  // the inside is kept
        QCOMPARE(e.pixel(5, 3), 1);

        LevelTileSheet sheet = e.level.storedTiles();
        sheet.undo();
        QVERIFY(e.tile() == expected);

        e.window->setTool(TileSetWindow::Tool::Picker);
        e.window->pressPixel({3, 3}, Qt::RightButton);  // the right button's colour: 2
        e.window->setTool(TileSetWindow::Tool::Pencil);
        e.stroke({7, 7}, {}, Qt::RightButton);
        QCOMPARE(e.pixel(7, 7), 2);
    }

    void flipRotateCopyAndPaste() {
        Editor e;
        const TileBytes original = e.tile();
        e.window->rotateTile();
        QCOMPARE(TilePixel(e.tile(), 7, 0), TilePixel(original, 0, 0));
        for (int i = 0; i < 3; ++i)
            e.window->rotateTile();
        QVERIFY(e.tile() == original);
        e.window->flipTile(true);
        QCOMPARE(TilePixel(e.tile(), 7, 2), TilePixel(original, 0, 2));
        e.window->flipTile(false);
        QCOMPARE(TilePixel(e.tile(), 7, 7), TilePixel(original, 0, 0));

        // Tiles 0x30, 0x31, 0x40, 0x41 (a 2 × 2 rectangle of the sheet) onto 0x56, 0x57,
        // 0x66, 0x67, as one step.
        const QByteArray before = e.level.storedTiles().bytes();
        e.window->chooseTiles(0x30, 0x41);
        e.window->copyTiles();
        e.window->chooseTile(0x56);
        e.window->pasteTiles();
        const QList<std::pair<int, int>> pasted = {
            {0x30, 0x56}, {0x31, 0x57}, {0x40, 0x66}, {0x41, 0x67}};
        for (const auto& [from, to] : pasted)
            QCOMPARE(e.level.storedTiles().bytes().mid(16 * to, 16), before.mid(16 * from, 16));
        LevelTileSheet sheet = e.level.storedTiles();
        sheet.undo();
        QCOMPARE(sheet.bytes(), before);
    }
};

QTEST_MAIN(TestTileSetWindow)
#include "tst_TileSetWindow.moc"
