// The main window through real mouse and key events: painting at several zoom steps, picking,
// Ctrl+wheel, the grid, undo and save shortcuts, and the unsaved-changes question; the title,
// the recent files, the status bar's room, patches and play-testing as the user meets them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

#include "MainWindowFixture.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "patch/Patch.h"
#include "services/EmulatorLauncher.h"
#include "services/RecentFiles.h"

using namespace zantor;

namespace {
QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
// Whether the status bar's message is shown whole: QStatusBar gives it the room up to the first
// permanent label it shows.
bool messageFits(MainWindow& w) {
    QStatusBar* bar = w.statusBar();
    int right = bar->width() - 12;
    for (auto* label : bar->findChildren<QLabel*>()) {
        if (label->isVisible() && label->objectName() != "StatusPanel1")
            right = std::min(right, label->x() - 2);
    }
    return bar->fontMetrics().horizontalAdvance(bar->currentMessage()) <= right - 6;
}
// The sample cartridge under the game's title: a ROM that may be run.
QByteArray gameLike() {
    QByteArray bytes = BuildSampleCartridge(0);
    bytes.replace(0x134, 13, QByteArray("MARIOLAND2\0\0\0", 13));
    return bytes;
}
}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void clicksHitTheCellUnderThePointerAtEveryZoom() {
        OpenedLevel f;
        const QByteArray onDisk = ReadFile(f.path);
        for (int zoom : {50, 100, 300}) {
            f.view->setZoomPercent(zoom);
            f.view->scrollToLevel(QPoint(160, 100));
            const QPoint cell(14 + zoom / 50, 9);
            f.doc->setPaintBlock(0x12 + zoom / 50);
            QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.centreOf(cell));
            QCOMPARE(f.doc->blockAt(cell), 0x12 + zoom / 50);
            // Right-click takes a cell's block.
            const QPoint other(cell.x() + 3, 2);
            QTest::mouseClick(f.view->viewport(), Qt::RightButton, {}, f.centreOf(other));
            QCOMPARE(f.doc->paintBlock(), int(f.doc->blockAt(other)));
        }
        QCOMPARE(f.doc->undoStack()->count(), 3);
        // Painting, scrolling and zooming never touch the file.
        QCOMPARE(ReadFile(f.path), onDisk);
    }

    // The read-outs and the meter are laid out at most once a frame, and catch up with a stroke.
    void readoutsAndMeterFollowAStroke() {
        OpenedLevel f;
        f.doc->setPaintBlock(0x2C);
        f.drag({{4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}});
        QTRY_COMPARE(f.w().findChild<QLabel*>("Label14")->text(), QString("x: 09 y: 03"));
        QCOMPARE(f.w().findChild<QLabel*>("Label15")->text(), QString("Block: 2C"));
        const QString used = QLocale(QLocale::English).toString(f.doc->mapBytesNeeded());
        QTRY_VERIFY(f.w().findChild<QLabel*>("lblMapMeter")->text().startsWith("Map: " + used));
    }

    void ctrlWheelKeepsThePointUnderThePointer() {
        OpenedLevel f;
        LevelView* view = f.view;
        view->scrollToLevel(QPoint(800, 200));
        const QPoint pointer(137, 91);
        const QPointF before = view->levelPoint(pointer);
        QWheelEvent in(pointer, view->viewport()->mapToGlobal(pointer), {}, QPoint(0, 120),
                       Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &in);
        QCOMPARE(view->zoomPercent(), 200);
        QVERIFY((view->levelPoint(pointer) - before).manhattanLength() < 1.0);
        // Ctrl+= zooms in as Ctrl++ does, without Shift.
        QTest::keyClick(&f.w(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 300);
        // Keys scroll the view that has the focus: a page is what is visible, Ctrl+arrow a cell.
        view->setFocus();
        view->verticalScrollBar()->setValue(0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->verticalScrollBar()->value(), view->viewport()->height());
        const int left = view->horizontalScrollBar()->value();
        QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view->horizontalScrollBar()->value(), left + 16 * view->zoomPercent() / 100);
    }

    void theViewShowsWhatRenderDrawsAfterPaintsAndBlockEdits() {
        OpenedLevel f;
        f.doc->setPaintBlock(0x21);
        f.doc->paint(QPoint(3, 2));
        f.doc->setBlockQuarter(0x21, 1, 0x05);
        LevelView* view = f.view;
        view->setZoomPercent(100);
        view->scrollToLevel(QPoint(0, 0));
        const QImage shown = grabbed(view->viewport());
        const QImage level = DrawLevel(f.doc->blockStrip(), f.doc->cells()).image();
        const QRect area(0, 0, std::min(shown.width(), 400), std::min(shown.height(), 300));
        QCOMPARE(shown.copy(area), level.copy(area));
        // Zoomed in, from a row between cell edges: the view paints in bands of rows.
        view->setZoomPercent(200);
        view->verticalScrollBar()->setValue(2 * 37);
        view->horizontalScrollBar()->setValue(0);
        const QImage zoomed = grabbed(view->viewport());
        const QRect zoomedArea(0, 0, std::min(zoomed.width(), 400), std::min(zoomed.height(), 300));
        QCOMPARE(zoomed.copy(zoomedArea),
                 level.copy(0, 37, 200, 150).scaled(400, 300).copy(zoomedArea));
        view->setZoomPercent(100);
        view->scrollToLevel(QPoint(0, 0));

        // The grids fall on screen and block edges; the block grid shows on all black and all
        // white alike, which one grid colour could not.
        QAction* grid = f.w().findChild<QAction*>("mnuScreenGrid");
        grid->setChecked(true);
        const QImage gridded = grabbed(view->viewport());
        QVERIFY(gridded.pixel(160, 50) != level.pixel(160, 50));
        QCOMPARE(gridded.pixel(159, 50), level.pixel(159, 50));
        QCOMPARE(gridded.pixel(161, 50), level.pixel(161, 50));
        grid->setChecked(false);
        grid = f.w().findChild<QAction*>("mnuBlockGrid");
        for (const char palette : {'\xFF', '\x00'}) {
            f.doc->setHeaderField(HeaderField::BackgroundPalette, uint8_t(palette));
            grid->setChecked(false);
            const QImage plain = grabbed(view->viewport());
            grid->setChecked(true);
            const QImage blocks = grabbed(view->viewport());
            QVERIFY2(std::abs(qGray(blocks.pixel(32, 40)) - qGray(plain.pixel(32, 40))) >= 48,
                     qPrintable(QString::number(uint8_t(palette), 16)));
            QCOMPARE(blocks.pixel(33, 40), plain.pixel(33, 40));
        }
    }

    void undoAndSaveShortcuts() {
        OpenedLevel f;
        const uint8_t before = f.doc->blockAt(QPoint(4, 3));
        f.doc->setPaintBlock(before == 0x30 ? 0x31 : 0x30);
        f.drag({{4, 3}, {5, 3}});
        QVERIFY(f.w().isWindowModified());
        // A quick move across several cells paints every cell on the way, in the same step.
        f.drag({{2, 6}, {12, 8}});
        for (int x = 2; x <= 12; ++x)
            QCOMPARE(f.doc->blockAt(QPoint(x, 6 + int(std::lround(0.2 * (x - 2))))),
                     f.doc->paintBlock());
        QCOMPARE(f.doc->undoStack()->count(), 2);
        f.doc->undoStack()->undo();
        auto* saveMap = f.w().findChild<QPushButton*>("cmdSaveMap");
        QVERIFY(saveMap->isEnabled());
        QTest::keyClick(&f.w(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.doc->blockAt(QPoint(4, 3)), before);
        QVERIFY(!f.w().isWindowModified() && !saveMap->isEnabled());
        QTest::keySequence(&f.w(), QKeySequence(QKeySequence::Redo));
        QVERIFY(f.w().isWindowModified());
        QTest::keyClick(&f.w(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&f.w(), Qt::Key_Y, Qt::ControlModifier);  // the other redo
        QVERIFY(f.w().isWindowModified());
        // Everything saved at once says the most, and it fits beside the meter.
        f.w().resize(760, 620);
        f.doc->setBlockQuarter(0x0C, 2, 0x06);
        f.doc->setHeaderField(HeaderField::Music, 0x21);
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.w().isWindowModified());
        const QString said = f.w().statusBar()->currentMessage();
        QVERIFY(said.contains("map ") && said.contains("header"));
        QTRY_VERIFY2(messageFits(f.w()), qPrintable(f.w().statusBar()->currentMessage()));
        LevelDocument reread;
        reread.load(f.path, kLevel);
        QCOMPARE(reread.cells(), f.doc->cells());
    }

    void typedHeaderFieldsReachTheDocumentAndItsUndo() {
        // Which bytes a header save writes is tst_LevelDocument's.
        OpenedLevel f;
        // "Save Changes" is the Events tab's; the fields are the Header tab's.
        auto* tabs = f.w().findChild<QTabWidget*>("SSTab1");
        tabs->setCurrentIndex(1);
        auto* saveChanges = f.w().findChild<QPushButton*>("Command3");
        tabs->setCurrentIndex(3);
        auto* music = f.w().findChild<QLineEdit*>("txtMusic");
        const QString before = music->text();
        QVERIFY(!saveChanges->isEnabled());
        // Letters beyond F never reach the field; two good digits and Enter make one step.
        music->selectAll();
        QTest::keyClicks(music, "G");
        QVERIFY(music->text() != "G");
        music->selectAll();
        QTest::keyClicks(music, "3f");
        QTest::keyClick(music, Qt::Key_Return);
        QCOMPARE(f.doc->header().music(), 0x3F);
        QVERIFY(saveChanges->isEnabled());
        QTest::keySequence(&f.w(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(music->text(), before);
        QTest::keySequence(&f.w(), QKeySequence(QKeySequence::Redo));
        QTest::mouseClick(saveChanges, Qt::LeftButton);
        QVERIFY(!f.doc->isModified());
    }

    void runInEmulatorGetsACopyWithTheUnsavedEditsButNotTheSample() {
        OpenedLevel f;
        const QString script = f.dir.filePath("emulator.sh");
        WriteFile(f.dir, "emulator.sh",
                  "#!/bin/sh\ncp \"$1\" \"$(dirname \"$0\")/played.tmp\" && "
                  "mv \"$(dirname \"$0\")/played.tmp\" \"$(dirname \"$0\")/played.gb\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSettings().setValue(EmulatorLauncher::kSettingsKey, script);
        // The sample has no game in it: said, and no emulator is started on it.
        QTest::keyClick(&f.w(), Qt::Key_F5);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].text.contains("sample cartridge"), qPrintable(f.messages[0].text));
        f.messages.clear();

        f.open(gameLike(), kLevel, "game.gb");
        f.doc->setPaintBlock(0x24);
        f.doc->paint(QPoint(9, 9));
        QTest::keyClick(&f.w(), Qt::Key_F5);
        const QString played = f.dir.filePath("played.gb");
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(played), qPrintable(f.messages.value(0).text),
                                  5000);
        f.w().resize(760, 620);
        QTRY_VERIFY2(messageFits(f.w()), qPrintable(f.w().statusBar()->currentMessage()));
        LevelDocument copy;
        copy.load(played, kLevel);
        QCOMPARE(copy.cells(), f.doc->cells());
        QVERIFY(f.w().isWindowModified() && f.messages.isEmpty());
        QCOMPARE(ReadFile(f.dir.filePath("game.gb")), gameLike());  // a copy, never the file
    }

    void switchingLevelsAsksFirst() {
        OpenedLevel f;
        auto* list = f.w().findChild<QComboBox*>("cmbMap");
        f.doc->setPaintBlock(0x40);
        f.doc->paint(QPoint(0, 0));
        const MapCells painted = f.doc->cells();

        f.nextAnswer = Dialogs::Answer::Cancel;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(list->currentIndex(), kLevel);
        QCOMPARE(f.doc->mapIndex(), kLevel);
        QCOMPARE(f.doc->cells(), painted);

        f.nextAnswer = Dialogs::Answer::Save;
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.doc->mapIndex(), kLevel + 1);
        LevelDocument reread;
        reread.load(f.path, kLevel);
        QCOMPARE(reread.cells(), painted);

        f.doc->paint(QPoint(1, 1));
        f.nextAnswer = Dialogs::Answer::Discard;
        const QByteArray before = ReadFile(f.path);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(f.doc->mapIndex(), kLevel);
        QCOMPARE(ReadFile(f.path), before);
        QVERIFY(!f.doc->isModified());
    }

    void aFileThatIsNoCartridgeIsQuestionedAndNeverEndsTheProgram() {
        OpenedLevel f;
        const QString good = f.path;
        // The question says what is wrong: only what is, bytes in upper-case hex, and a title
        // byte that is no character as its value.
        f.nextAnswer = Dialogs::Answer::No;
        QByteArray oddByte = gameLike();
        oddByte.replace(0x134, 11, QByteArray("MARIO\x01LAND2", 11));
        oddByte[0x148] = char(0xCF);
        const QByteArray cut = gameLike().first(256 * 1024);
        const struct {
            QByteArray bytes;
            QStringList said;
            QString unsaid;
        } cases[] = {
            {oddByte, {"\"MARIO<01>LAND2\"", "size byte is 0xCF", "has 0x04"}, "bytes long"},
            {cut, {"262,144 bytes long", "524,288"}, "size byte"},
        };
        for (const auto& c : cases) {
            QVERIFY(!f.w().openRom(WriteFile(f.dir, "odd.gb", c.bytes)));
            for (const QString& part : c.said)
                QVERIFY2(f.questions.last().contains(part), qPrintable(f.questions.last()));
            QVERIFY2(!f.questions.last().contains(c.unsaid), qPrintable(f.questions.last()));
        }
        QCOMPARE(f.doc->romPath(), good);

        f.doc->setPaintBlock(0x41);
        f.doc->paint(QPoint(2, 2));

        const QString text = WriteFile(f.dir, "notes.txt", QByteArray("just some text\n"));
        f.nextAnswer = Dialogs::Answer::Discard;  // to the unsaved-changes question
        // The unsaved question comes first; its Discard answers the cartridge question too,
        // which is not Yes, so nothing opens.
        QVERIFY(!f.w().openRom(text));
        QCOMPARE(f.doc->romPath(), good);
        QVERIFY(f.questions.last().contains("does not look like"));

        // A file whose pointers lead before its start, answered Yes: the read error is
        // reported with the file's name, and the open level stays.
        QByteArray bad = BuildSampleCartridge(0);
        bad[0x134] = 'X';  // another title
        bad.replace(0x55CB + 2 * (kLevel + 1), 2, QByteArray(2, '\0'));
        const QString badPath = WriteFile(f.dir, "bad.gb", bad);
        f.w().findChild<QComboBox*>("cmbMap")->setCurrentIndex(kLevel + 1);
        f.nextAnswer = Dialogs::Answer::Yes;
        f.messages.clear();
        QVERIFY(!f.w().openRom(badPath));
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.last().text.contains("bad.gb"));
        QCOMPARE(f.doc->romPath(), good);
        QCOMPARE(f.w().findChild<QLabel*>("StatusPanel1")->text(), good);
    }

    void theTitleAndOpenRecentFollowWhatIsOpen() {
        MainWindowFixture f;
        const QString caption = "Zantor - v 0.1.45 - Public Pre Alpha";
        QCOMPARE(f.w().windowTitle(), caption + "[*]");
        QMenu* recent = f.w().findChild<QMenu*>("mnuRecent");
        QVERIFY(!recent->isEnabled());

        const QString first = f.open(BuildSampleCartridge(0), kLevel, "first.gb");
        QCOMPARE(f.w().windowTitle(), "first.gb[*] — " + MapNames()[kLevel] + " — " + caption);
        // Enabled and listing it at once, not after a restart.
        QVERIFY(recent->isEnabled());
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(recent->actions()[0]->text().endsWith(RecentFiles::canonical(first)));

        f.w().findChild<QComboBox*>("cmbMap")->setCurrentIndex(kLevel + 1);
        QVERIFY(f.w().windowTitle().startsWith("first.gb[*] — " + MapNames()[kLevel + 1] + " — "));
        f.open(BuildSampleCartridge(0), kLevel, "second.gb");
        QCOMPARE(recent->actions().size(), 2);
        QVERIFY(recent->actions()[0]->text().endsWith("second.gb"));
        // An entry opens its ROM, and the list, filled again meanwhile, puts it first.
        recent->actions()[1]->trigger();
        QCOMPARE(f.w().document()->romPath(), first);
        QVERIFY(recent->actions()[0]->text().endsWith("first.gb"));
    }

    // A save declined or refused keeps the file and the edits, says so, and a later one works.
    void aSaveDeclinedOrRefusedKeepsTheFileAndTheEdits() {
        MainWindowFixture f;
        // Level 5 can grow into what level 6 of its region does not need.
        const QString path = f.open(BuildSampleCartridge(0), 5);
        const QByteArray before = ReadFile(path);
        LevelDocument* doc = f.w().document();
        doc->setPaintBlock(0x33);
        doc->beginStroke();
        for (int x = 0; x < 200; x += 2)
            doc->paint(QPoint(x, 1));
        doc->endStroke();
        QVERIFY(!doc->mapFits());
        f.nextAnswer = Dialogs::Answer::No;
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.questions.size(), 1);
        QVERIFY(f.questions[0].contains("Repack"));
        const QString over =
            QLocale(QLocale::English).toString(doc->mapBytesNeeded() - doc->slotBytes());
        QVERIFY2(f.messages.size() == 1 && f.messages[0].text.startsWith("Nothing was saved") &&
                     f.messages[0].text.contains(over + " bytes over its slot"),
                 qPrintable(f.messages.value(0).text));
        QCOMPARE(ReadFile(path), before);
        QVERIFY(f.w().isWindowModified());

        // Within its slot again (it is stored tight), but the file is read-only: the message
        // names it.
        doc->undoStack()->undo();
        doc->setHeaderField(HeaderField::Music, 0x21);
        f.messages.clear();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(f.messages.size() == 1 && f.messages[0].text.contains("rom.gb"),
                 qPrintable(f.messages.value(0).text));
        QCOMPARE(ReadFile(path), before);
        QVERIFY(f.w().isWindowModified() && doc->header().music() == 0x21);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.w().isWindowModified());
    }

    void aPatchIsCheckedAgainstTheRomBeforeTheOutputIsAskedFor() {
        OpenedLevel f;
        const QByteArray rom = ReadFile(f.path);
        QByteArray changed = rom;
        changed[0x4000] = char(~changed[0x4000]);
        const QString forOther =
            WriteFile(f.dir, "other.bps", Patch::create(gameLike(), changed, PatchFormat::Bps));
        const QString forThis =
            WriteFile(f.dir, "this.bps", Patch::create(rom, changed, PatchFormat::Bps));
        QAction* apply = f.w().findChild<QAction*>("mnuApplyPatch");

        f.fileAnswers = {forOther, f.dir.filePath("never.gb")};
        apply->trigger();
        QCOMPARE(f.fileDialogs, QStringList{"Apply patch"});
        QCOMPARE(f.messages.size(), 1);
        const QString said = f.messages[0].text;
        QVERIFY2(said.contains("\"other.bps\"") && said.contains("\"rom.gb\""), qPrintable(said));
        QVERIFY(!QFile::exists(f.dir.filePath("never.gb")));

        f.fileDialogs.clear();
        f.fileAnswers = {forThis, f.dir.filePath("patched.gb")};
        f.nextAnswer = Dialogs::Answer::No;  // not opened
        apply->trigger();
        QCOMPARE(f.fileDialogs, (QStringList{"Apply patch", "Write the patched cartridge as"}));
        QCOMPARE(ReadFile(f.dir.filePath("patched.gb")), changed);
        QCOMPARE(f.messages.size(), 1);
    }

    void escClosesTheAboutBox() {
        MainWindowFixture f;
        f.w().findChild<QAction*>("mnuAbout")->trigger();
        QPointer<QWidget> about;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmInfo" && widget->isVisible())
                about = widget;
        }
        QVERIFY(about && QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!about || !about->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
