#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QtTest>

#include "MainWindowFixture.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "widgets/ScrollBarRange.h"
#include "sample/SampleCartridge.h"
#include "support/MiniRom.h"
#include "ui/about/frmInfo.h"
#include "ui/main/MainLayout.h"
#include "ui/title/frmTitleScreen.h"

using namespace zantor;

namespace {
bool sameSquare(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int size) {
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (a.GetPixel(ax + x, ay + y) != b.GetPixel(bx + x, by + y))
                return false;
    return true;
}

// Selects palette block `block` the way a user does: scroll it into view, hover, click.
void selectBlock(frmMain& w, int block) {
    w.hscrBlocks->setValue(std::min(32 * block, ScrollMax(w.hscrBlocks)));
    const QPoint at(32 * block + 5, 10);
    QTest::mouseMove(w.picBlocks2->surface(), at);
    QTest::mouseClick(w.picBlocks2->surface(), Qt::LeftButton, {}, at);
}
}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void layoutRulesAtTheDesignSizeAndBeyond() {
        const MainLayout l = MainLayout::compute(7635, 8555);
        QCOMPARE(l.SSTab1.size(), QSize(7335, 6855));
        QCOMPARE(l.picMap2.size(), QSize(6735, 4620));
        QCOMPARE(l.hscrMap.top(), 5460);
        QCOMPARE(l.picBlocks1.width(), 6135);
        QCOMPARE(l.picBlocks1.top(), 5820);
        QCOMPARE(l.hscrBlocks.top(), 6420);
        QCOMPARE(l.picEvents1.size(), QSize(6735, 5580));
        QCOMPARE(l.lblBlock.left(), 6370);
        QCOMPARE(l.cmdSaveMap.left(), 6370);
        QCOMPARE(l.cmdSaveMap.top(), 6180);
        QCOMPARE(l.vscrMap.height(), 4620);
        QCOMPARE(MainLayout::compute(2000, 1000).outerHeight, 3935);
        QCOMPARE(MainLayout::compute(2000, 1000).SSTab1.width(), 1700);  // any width is taken
        QCOMPARE(ScrollMaximum(4096, 6735), 3651);
    }

    void theWindowAtStart() {
        MainWindowFixture f;
        frmMain& w = f.w();
        QCOMPARE(w.windowTitle(), QString("Zantor - v 0.1.45 - Public Pre Alpha"));
        QCOMPARE(w.StatusPanel1->text(), QString());
        QCOMPARE(w.cmbMap->count(), 32);
        QCOMPARE(w.cmbMap->currentText(), QString("Intro"));
        QVERIFY(!w.mnuTitle->isEnabled());
        QVERIFY(!w.cmdSaveMap->isEnabled());
        QVERIFY(!w.cmdSaveBlock->isEnabled());
        QVERIFY(!w.Command1->isEnabled());
        QVERIFY(w.mnuNormal->isChecked() && !w.mnuSlow->isChecked() && !w.mnuFast->isChecked());
        for (QAction* item : {w.mnuOverworld, w.mnuTileset, w.mnuSprite, w.mnuSound, w.mnuCredits})
            QVERIFY(!item->isEnabled());
        QCOMPARE(w.Timer1->interval(), 50);
        for (const char* name :
             {"cmbMap",         "SSTab1",       "picMap2",    "picMap",     "lineScroll",
              "vscrMap",        "hscrMap",      "picBlocks1", "picBlocks2", "shpBlockMouse",
              "shpBlockMouse2", "hscrBlocks",   "lblBlock",   "cmdSaveMap", "Label14",
              "Label15",        "picEvents2",   "imgMario",   "picTiles",   "Picture2",
              "Picture3",       "txtBlockdata", "cmbTime",    "Label7"})
            QVERIFY2(w.findChild<QObject*>(name), name);
        QVERIFY(w.findChild<QAction*>("mnuOpen"));
        // The map view at the design size: 445 × 304 inside the border.
        QCOMPARE(w.picMap2->innerWidth(), 445);
        QCOMPARE(ScrollMax(w.hscrMap), 4096 - 445);
        QCOMPARE(ScrollMax(w.HScroll3), 3651);
    }

    void resizingFollowsTheRulesAndSnapsTheHeight() {
        MainWindowFixture f;
        frmMain& w = f.w();
        w.resize(5000, w.height());  // wider than the level
        QTRY_VERIFY(!w.hscrMap->isEnabled());
        QCOMPARE(w.hscrMap->value(), 0);
        QCOMPARE(w.picMap2->width(), (w.outerWidthTwips() - 900) / 15);
        w.resize(600, 300);
        QTRY_VERIFY(w.hscrMap->isEnabled());
        QVERIFY(ScrollMax(w.hscrMap) > 0);
        QVERIFY(w.outerHeightTwips() >= MainLayout::kMinimumHeight);
        w.resize(600, 2000);  // taller than the level on the events tab
        QTRY_VERIFY(!w.vScrEvents->isEnabled());
    }

    void tabsShowTheirOwnScrollbarsAndButtons() {
        MainWindowFixture f;
        frmMain& w = f.w();
        QVERIFY(w.vscrMap->isVisibleTo(&w) && w.cmdSaveMap->isVisibleTo(&w));
        w.SSTab1->setTab(1);
        QVERIFY(!w.vscrMap->isVisibleTo(&w) && !w.cmdSaveMap->isVisibleTo(&w) &&
                !w.lblBlock->isVisibleTo(&w));
        QVERIFY(w.vScrEvents->isVisibleTo(&w));
        w.SSTab1->setTab(3);
        QVERIFY(!w.vScrEvents->isVisibleTo(&w));
        w.SSTab1->setTab(0);
        QVERIFY(w.vscrMap->isVisibleTo(&w) && w.lblBlock->isVisibleTo(&w));
    }

    void openingARomLoadsTheSelectedMapAndFillsTheHeader() {
        MainWindowFixture f;
        const QString path = f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        QCOMPARE(w.state().RomPath, path);
        QCOMPARE(w.StatusPanel1->text(), path);
        QVERIFY(w.mnuTitle->isEnabled());
        QCOMPARE(w.Label7->text(), QString("Offset des Mapheaders: 0x5000"));
        QCOMPARE(w.txtBlockdata->text(), QString("020000"));
        QCOMPARE(w.txtMapbank->text(), QString("0C"));
        QCOMPARE(w.txtMusic->text(), QString("07"));
        QCOMPARE(w.txtBGPal->text(), QString("E4"));
        QCOMPARE(w.txtMapNr2->text(), QString("01"));
        QCOMPARE(w.cmbTime->currentIndex(), 4);
        QCOMPARE(w.imgMario->pos(), QPoint(0x30, 0x240));
        QCOMPARE(w.state().MapBuffer[256 * 3 + 200], 5);

        // Cancelling the dialog keeps the ROM and loads the map again.
        f.nextFile.reset();
        w.mnuOpen_Click();
        QCOMPARE(w.state().RomPath, path);

        // A file that cannot be opened: a message naming it, and the editor as it was.
        f.nextFile = f.dir.filePath("gone.gb");
        w.mnuOpen_Click();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].text.contains("gone.gb"));
        QCOMPARE(w.state().RomPath, path);
        QCOMPARE(w.StatusPanel1->text(), path);
        QCOMPARE(f.programEnded, 0);
    }

    void aFailedReadShowsTheFatalMessageAndEndsTheProgram() {
        MainWindowFixture f;
        MiniRom rom;
        rom.bytes[MiniRom::kHeader + 13] = 0;  // map bank 0: the map lies below offset 0
        f.open(rom.bytes, MiniRom::kMap);
        QCOMPARE(f.programEnded, 1);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].text,
                 QString("Fehler beim Lesen der Datei.\r\nAnwendung wird beendet."));
        QCOMPARE(f.messages[0].title, QString("Fehler"));
        QCOMPARE(f.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY(!f.w().state().mapLoaded);
    }

    void paletteHoverClickAndPaintingWithRealMouseEvents() {
        MainWindowFixture f;
        f.open(BuildSampleCartridge(0), 1);
        frmMain& w = f.w();
        QWidget* strip = w.picBlocks2->surface();
        QTest::mouseMove(strip, QPoint(100, 10));
        QCOMPARE(w.shpBlockMouse->Left(), 96);
        QCOMPARE(w.lblBlock->text(), QString("(00|03)"));
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(w.lblBlock->text(), QString("(03|03)"));
        QCOMPARE(w.shpBlockMouse2->Left(), 96);

        selectBlock(w, 0x12);
        QCOMPARE(w.shpBlockMouse2->Left(), 0x12 * 32);
        QWidget* map = w.picMap->surface();
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(40, 20));
        QCOMPARE(w.state().MapBuffer[258], 0x12);
        QVERIFY(sameSquare(w.picMap->picture(), 32, 16, w.Test, 288, 0, 16));
        QVERIFY(w.cmdSaveMap->isEnabled());
        QVERIFY(w.Painting);
        // Dragging paints every reported cell; leaving the map paints nothing more.
        QTest::mouseMove(map, QPoint(70, 20));
        QCOMPARE(w.state().MapBuffer[256 + 4], 0x12);
        QCOMPARE(w.Label14->text(), QString("x: 04 y: 01"));
        QCOMPARE(w.Label15->text(), QString("Block: 12"));
        QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(70, 20));
        QVERIFY(!w.Painting);
        QTest::mouseMove(map, QPoint(200, 20));
        QCOMPARE(w.Label14->text(), QString("x: 0C y: 01"));
        // The events view shows the painted block too.
        QVERIFY(sameSquare(w.picEvents2->picture(), 32, 16, w.Test, 288, 0, 16));
    }

    void readOutsAndPickingOnTheMap() {
        MainWindowFixture f;
        f.open(BuildSampleCartridge(0), 2);
        frmMain& w = f.w();
        w.picMap_MouseMove(0, 0, 4095, 767);
        QCOMPARE(w.Label14->text(), QString("x: FF y: 2F"));
        w.picMap_MouseMove(0, 0, 10 * 16 + 3, 3 * 16);
        QCOMPARE(w.Label14->text(), QString("x: 0A y: 03"));
        w.picMap_MouseMove(0, 0, 4096, 10);  // outside: nothing changes
        QCOMPARE(w.Label14->text(), QString("x: 0A y: 03"));

        // Right press on a cell holding 0x7F: the red marker at 4064, the palette at its end,
        // "Save map" and the label as they were.
        w.state().MapBuffer[5 * 256 + 7] = 0x7F;
        w.picMap_MouseDown(kRightButton, 0, 7 * 16 + 1, 5 * 16 + 1);
        QCOMPARE(w.shpBlockMouse2->Left(), 4064);
        QCOMPARE(w.hscrBlocks->value(), ScrollMax(w.hscrBlocks));
        QCOMPARE(w.picBlocks2->Left(), -ScrollMax(w.hscrBlocks));
        QVERIFY(!w.cmdSaveMap->isEnabled());
        QCOMPARE(w.lblBlock->text(), QString("(00|00)"));
    }

    void middleDragScrollsAtEachTick() {
        MainWindowFixture f;
        frmMain& w = f.w();
        w.hscrMap->setValue(100);
        QCOMPARE(w.picMap->Left(), -100);
        w.picMap_MouseDown(kMiddleButton, 0, 300, 100);
        QVERIFY(w.lineScroll->Visible());
        w.picMap_MouseMove(kMiddleButton, 0, 310, 100);
        w.Timer1_Timer();
        QCOMPARE(w.hscrMap->value(), 110);
        QCOMPARE(w.picMap->Left(), -110);
        QCOMPARE(w.lineScroll->X1, 310);
        w.picMap_MouseMove(kMiddleButton, 0, 0, 150);  // far left and down
        w.Timer1_Timer();
        QCOMPARE(w.hscrMap->value(), 0);
        QCOMPARE(w.vscrMap->value(), 50);
        w.picMap_MouseUp(kMiddleButton, 0, 0, 150);
        QVERIFY(!w.lineScroll->Visible());
        w.Timer1_Timer();
        QCOMPARE(w.vscrMap->value(), 50);

        // With the horizontal bar disabled only the vertical one moves; the start still moves.
        w.hscrMap->setEnabled(false);
        w.picMap_MouseDown(kMiddleButton, 0, 100, 100);
        w.picMap_MouseMove(0, 0, 120, 110);
        w.Timer1_Timer();
        QCOMPARE(w.hscrMap->value(), 0);
        QCOMPARE(w.vscrMap->value(), 60);
        QCOMPARE(w.lineScroll->X1, 120);

        w.mnuSlow_Click();
        QCOMPARE(w.Timer1->interval(), 100);
        QVERIFY(w.mnuSlow->isChecked() && !w.mnuNormal->isChecked() && !w.mnuFast->isChecked());
        w.mnuFast_Click();
        QCOMPARE(w.Timer1->interval(), 25);
        QVERIFY(w.mnuFast->isChecked() && !w.mnuSlow->isChecked());
    }

    void savingWritesInPlaceOnlyWhatFits() {
        MainWindowFixture f;
        const QString path = f.open(MiniRom().bytes, MiniRom::kMap);
        frmMain& w = f.w();
        const QByteArray before = ReadFile(path);
        const int stored = w.state().CompressedLength - 1;
        // Row 6 is stored as a literal 5 and a fill code where one run would do: one spare byte.
        QCOMPARE(CompressMapBytes(w.state().MapBuffer).size(), stored - 1);

        // A 9 at the start of row 0's run of 5s costs that byte: exactly as long, so written.
        selectBlock(w, 9);
        w.picMap_MouseDown(kLeftButton, 0, 128 * 16, 0);
        w.picMap_MouseUp(kLeftButton, 0, 128 * 16, 0);
        const QByteArray encoded = CompressMapBytes(w.state().MapBuffer);
        QCOMPARE(encoded.size(), stored);
        w.cmdSaveMap_Click();
        QVERIFY(f.messages.isEmpty());
        QVERIFY(!w.cmdSaveMap->isEnabled());
        QByteArray expected = before;
        expected.replace(MiniRom::kMapData, encoded.size(), encoded);
        const QByteArray saved = ReadFile(path);
        QCOMPARE(saved, expected);  // the map's bytes and nothing else

        // One byte more is refused, and the file stays as it was.
        w.picMap_MouseDown(kLeftButton, 0, 128 * 16, 16);
        w.picMap_MouseUp(kLeftButton, 0, 128 * 16, 16);
        QCOMPARE(CompressMapBytes(w.state().MapBuffer).size(), stored + 1);
        w.cmdSaveMap_Click();
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].text, QString("Map is too big and repoint code isn't coded yet..."));
        QCOMPARE(f.messages[0].title, QString("Zantor"));
        QCOMPARE(f.messages[0].icon, Dialogs::Icon::None);
        QVERIFY(w.cmdSaveMap->isEnabled());
        QCOMPARE(ReadFile(path), saved);
        QCOMPARE(w.state().MapBuffer[256 + 128], 9);  // the edit is kept

        // Loading again shows the saved map, not the refused edit.
        w.Command1_Click();
        QCOMPARE(w.state().MapBuffer[128], 9);
        QCOMPARE(w.state().MapBuffer[256 + 128], 5);
        QCOMPARE(w.state().CompressedLength, stored + 1);
    }

    void aSaveThatCannotBeWrittenKeepsTheEdits() {
        MainWindowFixture f;
        // Tree Zone 2 is stored with room to spare, so a changed cell fits. (An unchanged map
        // would not be written at all.)
        const QString path = f.open(BuildSampleCartridge(0), 2);
        frmMain& w = f.w();
        const uint8_t held = w.state().MapBuffer[0];
        selectBlock(w, uint8_t((held + 1) % 128));
        w.picMap_MouseDown(kLeftButton, 0, 1, 1);
        w.picMap_MouseUp(kLeftButton, 0, 1, 1);
        const QByteArray before = ReadFile(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        w.cmdSaveMap_Click();
        QCOMPARE(f.programEnded, 0);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].text.contains(path));
        QVERIFY(w.cmdSaveMap->isEnabled());
        QCOMPARE(ReadFile(path), before);
        // Writable again: the same edit saves.
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        w.cmdSaveMap_Click();
        QVERIFY(!w.cmdSaveMap->isEnabled());
    }

    void secondaryWindowsOpenOnceAndComeToTheFront() {
        MainWindowFixture f;
        frmMain& w = f.w();
        f.open(BuildSampleCartridge(0), 0);
        w.mnuTitle_Click();
        QPointer<frmTitleScreen> first = w.titleScreen;
        QVERIFY(first && first->isVisible());
        first->TitleMap[0] ^= 1;  // unsaved state that a reload would lose
        const auto painted = first->TitleMap;
        w.mnuTitle_Click();
        QCOMPARE(w.titleScreen.data(), first.data());
        QCOMPARE(first->TitleMap, painted);
        first->close();
        QTRY_VERIFY(!first);  // closing drops it
        w.mnuTitle_Click();
        QVERIFY(w.titleScreen && w.titleScreen->TitleMap != painted);

        w.mnuAbout_Click();
        QPointer<frmInfo> about = w.info;
        QVERIFY(about && about->isVisible());
        w.mnuAbout_Click();
        QCOMPARE(w.info.data(), about.data());
        QCOMPARE(about->windowTitle(), QString("About Zantor"));
        QCOMPARE(w.mnuAbout->text(), QString("About Zantor"));
    }

    void editTilesetOnlyTalks() {
        MainWindowFixture f;
        f.w().Command2_Click();
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].text, QString("Tileset-editing not included yet!"));
        QCOMPARE(f.messages[0].icon, Dialogs::Icon::None);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
