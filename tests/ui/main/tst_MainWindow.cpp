// The main window through real mouse and key events: painting at several zoom steps, picking,
// Ctrl+wheel, the grid, undo and save shortcuts, and the unsaved-changes question.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

#include "MainWindowFixture.h"
#include "codec/RomFile.h"
#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "sample/SampleCartridge.h"
#include "services/EmulatorLauncher.h"
#include "ui/main/MapPage.h"
#include "widgets/LevelView.h"

using namespace zantor;

namespace {
constexpr int kLevel = 6;  // stored with room to spare

LevelView* levelView(MainWindow& w) {
    return w.mapPage()->levelView();
}
QWidget* viewport(MainWindow& w) {
    return levelView(w)->viewport();
}
// The window with the sample's level kLevel open.
struct Opened : MainWindowFixture {
    QString path = open(BuildSampleCartridge(0), kLevel);
    LevelDocument* doc = w().document();
};
QPoint centreOf(MainWindow& w, QPoint cell) {
    return levelView(w)->viewportPoint(QPointF(cell * 16) + QPointF(8, 8));
}
// A left-button drag through the centres of `cells`, sent as the window system reports it.
void drag(MainWindow& w, const QList<QPoint>& cells) {
    auto send = [&](QEvent::Type type, QPoint cell, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at = centreOf(w, cell);
        QMouseEvent event(type, at, viewport(w)->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport(w), &event);
    };
    send(QEvent::MouseButtonPress, cells.first(), Qt::LeftButton, Qt::LeftButton);
    for (QPoint cell : cells.mid(1))
        send(QEvent::MouseMove, cell, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, cells.last(), Qt::LeftButton, Qt::NoButton);
}
}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void clicksHitTheCellUnderThePointerAtEveryZoom() {
        Opened f;
        const QByteArray onDisk = ReadFile(f.path);
        for (int zoom : {50, 100, 300}) {
            levelView(f.w())->setZoomPercent(zoom);
            levelView(f.w())->scrollToLevel(QPoint(160, 100));
            const QPoint cell(14 + zoom / 50, 9);
            f.doc->setPaintBlock(0x12 + zoom / 50);
            QTest::mouseClick(viewport(f.w()), Qt::LeftButton, {}, centreOf(f.w(), cell));
            QCOMPARE(f.doc->blockAt(cell), 0x12 + zoom / 50);
            // Right-click takes a cell's block.
            const QPoint other(cell.x() + 3, 2);
            QTest::mouseClick(viewport(f.w()), Qt::RightButton, {}, centreOf(f.w(), other));
            QCOMPARE(f.doc->paintBlock(), int(f.doc->blockAt(other)));
        }
        QCOMPARE(f.doc->undoStack()->count(), 3);
        // Painting, scrolling and zooming never touch the file.
        QCOMPARE(ReadFile(f.path), onDisk);
    }

    // The read-outs and the meter are laid out at most once a frame, and catch up with a stroke.
    void readoutsAndMeterFollowAStroke() {
        Opened f;
        f.doc->setPaintBlock(0x2C);
        drag(f.w(), {{4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}});
        QTRY_COMPARE(f.w().findChild<QLabel*>("Label14")->text(), QString("x: 09 y: 03"));
        QCOMPARE(f.w().findChild<QLabel*>("Label15")->text(), QString("Block: 2C"));
        const QString used = QLocale(QLocale::English).toString(f.doc->mapBytesNeeded());
        QTRY_VERIFY(f.w().findChild<QLabel*>("lblMapMeter")->text().startsWith("Map: " + used));
    }

    void ctrlWheelKeepsThePointUnderThePointer() {
        Opened f;
        LevelView* view = levelView(f.w());
        view->scrollToLevel(QPoint(800, 200));
        const QPoint pointer(137, 91);
        const QPointF before = view->levelPoint(pointer);
        QWheelEvent in(pointer, view->viewport()->mapToGlobal(pointer), {}, QPoint(0, 120),
                       Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &in);
        QCOMPARE(view->zoomPercent(), 200);
        QVERIFY((view->levelPoint(pointer) - before).manhattanLength() < 1.0);
        // Keys scroll the view that has the focus: a page is what is visible, an arrow a cell.
        view->setFocus();
        view->verticalScrollBar()->setValue(0);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->verticalScrollBar()->value(), view->viewport()->height());
        const int left = view->horizontalScrollBar()->value();
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->horizontalScrollBar()->value(), left + 16 * view->zoomPercent() / 100);
    }

    void theViewShowsWhatRenderDrawsAfterPaintsAndBlockEdits() {
        Opened f;
        f.doc->setPaintBlock(0x21);
        f.doc->paint(QPoint(3, 2));
        f.doc->setBlockQuarter(0x21, 1, 0x05);
        LevelView* view = levelView(f.w());
        view->setZoomPercent(100);
        view->scrollToLevel(QPoint(0, 0));
        const QImage shown =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage level = DrawLevel(f.doc->blockStrip(), f.doc->cells()).image();
        const QRect area(0, 0, std::min(shown.width(), 400), std::min(shown.height(), 300));
        QCOMPARE(shown.copy(area), level.copy(area));

        // The grids fall on block and screen edges.
        QAction* grid = f.w().findChild<QAction*>("mnuScreenGrid");
        grid->setChecked(true);
        const QImage gridded =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(gridded.pixel(160, 50) != level.pixel(160, 50));
        QCOMPARE(gridded.pixel(159, 50), level.pixel(159, 50));
        QCOMPARE(gridded.pixel(161, 50), level.pixel(161, 50));
        grid->setChecked(false);
    }

    void undoAndSaveShortcuts() {
        Opened f;
        const uint8_t before = f.doc->blockAt(QPoint(4, 3));
        f.doc->setPaintBlock(before == 0x30 ? 0x31 : 0x30);
        drag(f.w(), {{4, 3}, {5, 3}});
        QVERIFY(f.w().isWindowModified());
        QCOMPARE(f.doc->undoStack()->count(), 1);
        // A quick move across several cells paints every cell on the way, in the same step.
        drag(f.w(), {{2, 6}, {12, 8}});
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
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.w().isWindowModified());
        LevelDocument reread;
        reread.load(f.path, kLevel);
        QCOMPARE(reread.cells(), f.doc->cells());
    }

    void typedHeaderFieldsReachTheDocumentAndItsUndo() {
        // Which bytes a header save writes is tst_LevelDocument's.
        Opened f;
        auto* music = f.w().findChild<QLineEdit*>("txtMusic");
        auto* saveChanges = f.w().findChild<QPushButton*>("Command3");
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
        QCOMPARE(f.doc->undoStack()->undoText(), QString("Edit Music"));
        QVERIFY(saveChanges->isEnabled());
        QTest::keySequence(&f.w(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(music->text(), before);
        QTest::keySequence(&f.w(), QKeySequence(QKeySequence::Redo));
        QTest::mouseClick(saveChanges, Qt::LeftButton);
        QVERIFY(!f.doc->isModified());
    }

    void aSaveThatFailsKeepsTheEditsAndALaterSaveWorks() {
        Opened f;
        f.doc->setPaintBlock(0x22);
        f.doc->paint(QPoint(7, 7));
        const QByteArray before = ReadFile(f.path);
        QFile::setPermissions(f.path, QFile::ReadOwner | QFile::ReadGroup);
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].text.contains("rom.gb"));
        QCOMPARE(ReadFile(f.path), before);
        QVERIFY(f.w().isWindowModified());
        QCOMPARE(f.doc->blockAt(QPoint(7, 7)), 0x22);
        QFile::setPermissions(f.path, QFile::ReadOwner | QFile::WriteOwner);
        QTest::keyClick(&f.w(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.w().isWindowModified());
    }

    void runInEmulatorGetsACopyWithTheUnsavedEdits() {
        Opened f;
        const QString script = f.dir.filePath("emulator.sh");
        WriteFile(f.dir, "emulator.sh",
                  "#!/bin/sh\ncp \"$1\" \"$(dirname \"$0\")/played.tmp\" && "
                  "mv \"$(dirname \"$0\")/played.tmp\" \"$(dirname \"$0\")/played.gb\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSettings().setValue(EmulatorLauncher::kSettingsKey, script);
        f.doc->setPaintBlock(0x24);
        f.doc->paint(QPoint(9, 9));
        QTest::keyClick(&f.w(), Qt::Key_F5);
        const QString played = f.dir.filePath("played.gb");
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(played), qPrintable(f.messages.value(0).text),
                                  5000);
        LevelDocument copy;
        copy.load(played, kLevel);
        QCOMPARE(copy.cells(), f.doc->cells());
        QVERIFY(f.w().isWindowModified() && f.messages.isEmpty());
    }

    void switchingLevelsAsksFirst() {
        Opened f;
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
        Opened f;
        const QString good = f.path;
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
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
