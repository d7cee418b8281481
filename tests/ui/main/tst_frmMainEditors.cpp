// The block editor and the events view of the main window.
#include <QtTest>

#include "MainWindowFixture.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "widgets/ScrollBarRange.h"
#include "sample/SampleCartridge.h"
#include "support/MiniRom.h"

using namespace zantor;

namespace {
int currentTile(const frmMain& w) {
    return 16 * (w.Shape4->Top() / 8) + w.Shape4->Left() / 8;
}
}  // namespace

class TestFrmMainEditors : public QObject {
    Q_OBJECT

private slots:
    void afterALoadBlockZeroAndTheFirstTileAreCurrent() {
        MainWindowFixture f;
        f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        w.SSTab1->setTab(2);
        QTest::mouseMove(w.Picture2->surface(), QPoint(3 * 32 + 4, 4));
        QTest::mouseClick(w.Picture2->surface(), Qt::LeftButton, {}, QPoint(3 * 32 + 4, 4));
        QCOMPARE(w.Shape3->Left(), 96);
        QTest::mouseMove(w.picTiles->surface(), QPoint(20, 30));
        QTest::mouseClick(w.picTiles->surface(), Qt::LeftButton, {}, QPoint(20, 30));
        QCOMPARE(w.Shape4->pos(), QPoint(16, 24));
        w.Command1_Click();  // reload
        QCOMPARE(w.Shape3->Left(), 0);
        QCOMPARE(w.Shape1->Left(), 0);
        QCOMPARE(w.Shape4->pos(), QPoint(0, 0));
        QCOMPARE(w.CurrentBlock, w.state().BlockSet[0]);
        // Picture4 shows sheet cell 0 at twice its size.
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                QCOMPARE(w.Picture4->picture().GetPixel(x, y),
                         w.picTiles->picture().GetPixel(x / 2, y / 2));
    }

    void stripReadOutAndScrolling() {
        MainWindowFixture f;
        f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        QCOMPARE(w.Label1->text(), QString("lb"));
        w.Picture2_MouseMove(0, 0, 5, 5);
        QCOMPARE(w.Label1->text(), QString("0"));
        w.Picture2_MouseMove(0, 0, 4095, 5);
        QCOMPARE(w.Label1->text(), QString("7F"));
        QCOMPARE(w.Shape1->Left(), 4064);
        w.HScroll3->setValue(100);
        QCOMPARE(w.Picture2->Left(), -100);
        QCOMPARE(w.Shape3->Left(), 0);  // scrolling changes no choice
    }

    void placingAndPickingTiles() {
        MainWindowFixture f;
        f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        w.SSTab1->setTab(2);
        // Current tile: sheet cell 18 (column 2, row 1), tile number 0x92.
        w.picTiles_MouseMove(0, 0, 17, 9);
        w.picTiles_Click();
        QCOMPARE(currentTile(w), 18);
        QWidget* block = w.Picture3->surface();
        QTest::mousePress(block, Qt::LeftButton, {}, QPoint(20, 4));  // quarter 1
        QCOMPARE(w.CurrentBlock[1], 0x92);
        QVERIFY(w.cmdSaveBlock->isEnabled());
        QVERIFY(w.PaintingBlock);
        QTest::mouseMove(block, QPoint(0, 20));  // X = 0 places nothing
        QCOMPARE(w.CurrentBlock[2], w.state().BlockSet[0][2]);
        QTest::mouseMove(block, QPoint(1, 20));  // X = 1: quarter 2
        QCOMPARE(w.CurrentBlock[2], 0x92);
        QTest::mouseRelease(block, Qt::LeftButton, {}, QPoint(1, 20));
        QVERIFY(!w.PaintingBlock);
        QTest::mouseMove(block, QPoint(20, 20));
        QCOMPARE(w.CurrentBlock[3], w.state().BlockSet[0][3]);

        // Right press on a quarter holding 0x00: sheet column 0, row 8 becomes current.
        w.CurrentBlock[0] = 0x00;
        w.Picture3_MouseDown(kRightButton, 0, 3, 3);
        QCOMPARE(w.Shape4->pos(), QPoint(0, 64));
        QCOMPARE(w.Shape5->pos(), QPoint(0, 64));
        w.CurrentBlock[0] = 0x80;
        w.Picture3_MouseDown(kRightButton, 0, 3, 3);
        QCOMPARE(w.Shape4->pos(), QPoint(0, 0));
    }

    void savingABlockWritesItsFourBytesOnly() {
        MainWindowFixture f;
        const QString path = f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        w.Picture2_MouseMove(0, 0, 127 * 32 + 3, 3);
        w.Picture2_Click();
        QCOMPARE(w.Shape3->Left(), 4064);
        w.picTiles_MouseMove(0, 0, 8 * 5, 8 * 9);  // cell 149 -> tile 0x15
        w.picTiles_Click();
        for (QPoint at : {QPoint(2, 2), QPoint(20, 2), QPoint(2, 20), QPoint(20, 20)}) {
            w.Picture3_MouseDown(kLeftButton, 0, at.x(), at.y());
            w.Picture3_MouseUp(kLeftButton, 0, at.x(), at.y());
        }
        const QByteArray before = ReadFile(path);
        w.cmdSaveBlock_Click();
        const QByteArray after = ReadFile(path);
        QByteArray expected = before;
        expected.replace(MiniRom::kBlockData + 0x1FC, 4, QByteArray(4, char(0x15)));
        QCOMPARE(after, expected);
        QCOMPARE(w.state().BlockSet[127], (BlockQuarters{0x15, 0x15, 0x15, 0x15}));
        QVERIFY(!w.cmdSaveBlock->isEnabled());
        QVERIFY(w.Command1->isEnabled());
        // The strip shows the saved block.
        QCOMPARE(w.Picture2->picture().GetPixel(4064 + 5, 5), w.Picture3->picture().GetPixel(5, 5));
    }

    void aBlockSaveThatFailsChangesNothing() {
        MainWindowFixture f;
        const QString path = f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        const BlockQuarters old = w.state().BlockSet[0];
        w.picTiles_MouseMove(0, 0, 8, 0);
        w.picTiles_Click();
        w.Picture3_MouseDown(kLeftButton, 0, 2, 2);
        w.Picture3_MouseUp(kLeftButton, 0, 2, 2);
        const Picture strip = w.Picture2->picture();
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        w.cmdSaveBlock_Click();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].text.contains(path));
        QCOMPARE(w.state().BlockSet[0], old);
        QVERIFY(w.cmdSaveBlock->isEnabled());
        QVERIFY(!w.Command1->isEnabled());
        QVERIFY(w.Picture2->picture().image() == strip.image());
    }

    void noBlockEditingBeforeAMapIsLoaded() {
        MainWindowFixture f;
        frmMain& w = f.w();
        w.Picture3_MouseDown(kLeftButton, 0, 5, 5);
        QVERIFY(!w.cmdSaveBlock->isEnabled());
        QVERIFY(!w.PaintingBlock);
    }

    void eventsReadOut() {
        MainWindowFixture f;
        frmMain& w = f.w();
        w.picEvents2_MouseMove(0, 0, 100, 50);
        QCOMPARE(w.lblKoordEv->text(), QString("x: 064(00C) y: 032(06)"));
        w.picEvents2_MouseMove(0, 0, 4095, 767);
        QCOMPARE(w.lblKoordEv->text(), QString("x: FFF(200) y: 2FF(60)"));
        w.picEvents2_MouseMove(0, 0, 0, 0);
        QCOMPARE(w.lblKoordEv->text(), QString("x: 000(000) y: 000(00)"));
        w.picEvents2_MouseMove(0, 0, -20, 4);  // -2.5 rounds to -2
        QCOMPARE(w.lblKoordEv->text(), QString("x: FEC(FFE) y: 004(00)"));
        w.picEvents2_MouseMove(0, 0, 12, 20);  // 1.5 -> 2, 2.5 -> 2
        QCOMPARE(w.lblKoordEv->text(), QString("x: 00C(002) y: 014(02)"));
    }

    void placingPickingAndDragScrollingOnTheEventsView() {
        MainWindowFixture f;
        f.open(BuildSampleCartridge(0), 3);
        frmMain& w = f.w();
        w.SSTab1->setTab(1);
        w.shpBlockMouse2->setLeft(32 * 0x21);
        QWidget* events = w.picEvents2->surface();
        QTest::mousePress(events, Qt::LeftButton, {}, QPoint(40, 20));
        QCOMPARE(w.state().MapBuffer[258], 0x21);
        QVERIFY(w.cmdSaveMap->isEnabled());
        for (const Picture* view : {&w.picMap->picture(), &w.picEvents2->picture()})
            QCOMPARE(view->GetPixel(32 + 7, 16 + 7), w.Test.GetPixel(16 * 0x21 + 7, 7));
        QTest::mouseRelease(events, Qt::LeftButton, {}, QPoint(40, 20));
        QVERIFY(!w.Painting);
        // Moves on the map view afterwards paint nothing.
        const uint8_t held = w.state().MapBuffer[256 + 20];
        w.SSTab1->setTab(0);
        QTest::mouseMove(w.picMap->surface(), QPoint(20 * 16 + 3, 20));
        QCOMPARE(w.state().MapBuffer[256 + 20], held);

        w.state().MapBuffer[2 * 256 + 3] = 0x7F;
        w.picEvents2_MouseDown(kRightButton, 0, 3 * 16, 2 * 16);
        QCOMPARE(w.shpBlockMouse2->Left(), 4064);
        QCOMPARE(w.hscrBlocks->value(), ScrollMax(w.hscrBlocks));

        // A middle drag that leaves the view to the left scrolls back down to 0.
        w.hScrEvents->setValue(30);
        w.picEvents2_MouseDown(kMiddleButton, 0, 50, 50);
        w.picEvents2_MouseMove(kMiddleButton, 0, -10, 50);
        QCOMPARE(w.lineScrollEvents->X2, -10);
        w.Timer1_Timer();
        QCOMPARE(w.hScrEvents->value(), 0);
        QCOMPARE(w.picEvents2->Left(), 0);
        w.picEvents2_MouseUp(kMiddleButton, 0, -10, 50);
        QVERIFY(!w.lineScrollEvents->Visible());
    }

    void theStartMarkerDragsWithinThePicture() {
        MainWindowFixture f;
        f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        QCOMPARE(w.imgMario->pos(), QPoint(0x30, 0x240));
        constexpr int t = ImageControl::kTwipsPerPixel;
        w.imgMario_MouseDown(kLeftButton, 0, 4 * t, 6 * t);
        w.imgMario_MouseMove(kLeftButton, 0, 14 * t, 16 * t);
        QCOMPARE(w.imgMario->pos(), QPoint(0x30 + 10, 0x240 + 10));
        w.imgMario_MouseMove(kLeftButton, 0, 9000 * t, 9000 * t);
        QCOMPARE(w.imgMario->pos(), QPoint(4080, 736));
        w.imgMario_MouseMove(kLeftButton, 0, -9000 * t, -9000 * t);
        QCOMPARE(w.imgMario->pos(), QPoint(0, 0));
        // The right button does not drag, but the limits still hold.
        w.imgMario->move(5000, -3);
        w.imgMario_MouseMove(kRightButton, 0, 100 * t, 100 * t);
        QCOMPARE(w.imgMario->pos(), QPoint(4080, 0));
        // Nothing of it is stored: a reload puts it back at the header's place.
        w.Command1_Click();
        QCOMPARE(w.imgMario->pos(), QPoint(0x30, 0x240));
    }

    void loadingKeepsScrollPositions() {
        MainWindowFixture f;
        f.open(BuildSampleCartridge(0), 5);
        frmMain& w = f.w();
        w.hscrMap->setValue(200);
        w.hScrEvents->setValue(300);
        w.vScrEvents->setValue(40);
        w.cmbMap->setCurrentIndex(6);
        w.cmbMap_Click();
        QCOMPARE(w.hscrMap->value(), 200);
        QCOMPARE(w.hScrEvents->value(), 300);
        QCOMPARE(w.picEvents2->Top(), -40);
    }
};

QTEST_MAIN(TestFrmMainEditors)
#include "tst_frmMainEditors.moc"
