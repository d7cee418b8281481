// The Events tab's screens under real mouse events: an edge clicked and a row of edges dragged,
// a screen's exit typed, the camera start dragged, a shared script's warp target picked; then
// "Save Changes" and the level read back.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>

#include "MainWindowFixture.h"
#include "document/LevelScreens.h"
#include "widgets/EventsView.h"
#include "widgets/ObjectLayer.h"

using namespace zantor;

class TestEventsScreens : public QObject {
    Q_OBJECT

private slots:
    void editScreensWithTheMouse() {
        MainWindowFixture f;
        const QString path = f.open(BuildSampleCartridge(0), 1);
        LevelDocument* doc = f.w().document();
        LevelScreens* screens = doc->screens();
        f.w().findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);  // the Events tab
        auto* view = f.w().findChild<EventsView*>("picEvents2");
        QVERIFY(QTest::qWaitForWindowExposed(view));
        view->setZoomPercent(50);
        view->scrollToLevel(QPoint(900, 200));
        QWidget* viewport = view->viewport();
        auto at = [&](QPoint level) { return view->viewportPoint(QPointF(level)); };

        // Screen 20 is row 1, column 4: a click just inside its top closes that edge alone.
        const uint8_t box21 = screens->box(21), box4 = screens->box(4);
        QVERIFY(!(screens->box(20) & EdgeTop));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at(QPoint(4 * 256 + 128, 256 + 4)));
        QCOMPARE(screens->box(20) & (EdgeTop | EdgeBottom), int(EdgeTop));
        QCOMPARE(screens->box(4), box4);  // the other side of the boundary stays
        const int steps = doc->undoStack()->count();

        // A drag along the bottoms of screens 20 and 21: both closed, one step.
        QTest::mousePress(viewport, Qt::LeftButton, {}, at(QPoint(4 * 256 + 100, 511 - 4)));
        QTest::mouseMove(viewport, at(QPoint(5 * 256 + 20, 511 - 4)));
        QTest::mouseMove(viewport, at(QPoint(5 * 256 + 200, 511 - 4)));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(QPoint(5 * 256 + 200, 511 - 4)));
        QVERIFY(screens->box(20) & EdgeBottom);
        QCOMPARE(screens->box(21), box21 | EdgeBottom);
        QCOMPARE(doc->undoStack()->count(), steps + 1);

        // A click in a screen's middle chooses it; its exit is typed in the panel.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at(QPoint(5 * 256 + 128, 256 + 60)));
        auto* exit = f.w().findChild<QSpinBox*>("spnExit");
        QVERIFY(exit->isEnabled());
        exit->selectAll();
        QTest::keyClicks(exit, "13");
        QCOMPARE(screens->exit(21), 13);
        QCOMPARE(doc->undoStack()->count(), steps + 2);  // typed digit by digit: one step

        // The camera start dragged by its centre.
        view->scrollToLevel(doc->cameraPosition() - QPoint(100, 100));
        const QPoint camera = doc->cameraPosition();
        QTest::mousePress(viewport, Qt::LeftButton, {}, at(camera));
        QTest::mouseMove(viewport, at(camera + QPoint(40, -30)));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(camera + QPoint(40, -30)));
        QCOMPARE(doc->cameraPosition(), camera + QPoint(40, -30));

        // Script 1's warp sent to row 2, column 3 by a click; other levels run it: asked first.
        auto* list = f.w().findChild<QListWidget*>("lstScripts");
        QVERIFY(list->item(0)->text().contains("warp to row 1, column 7"));
        list->setCurrentRow(0);
        f.nextAnswer = Dialogs::Answer::No;
        QTest::mouseClick(f.w().findChild<QPushButton*>("cmdPickTarget"), Qt::LeftButton);
        view->scrollToLevel(QPoint(600, 400));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at(QPoint(3 * 256 + 100, 512 + 100)));
        QCOMPARE(f.questions.size(), 1);
        QVERIFY(list->item(0)->text().contains("column 7"));
        f.nextAnswer = Dialogs::Answer::Yes;
        QTest::mouseClick(f.w().findChild<QPushButton*>("cmdPickTarget"), Qt::LeftButton);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at(QPoint(3 * 256 + 100, 512 + 100)));
        QVERIFY2(list->item(0)->text().contains("warp to row 2, column 3"),
                 qPrintable(list->item(0)->text()));
        const ScreenArrays edited = screens->arrays();

        QTest::mouseClick(f.w().findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QVERIFY(!doc->isModified());
        LevelDocument reread;
        reread.load(path, 1);
        QCOMPARE(reread.screens()->arrays(), edited);
        QCOMPARE(reread.cameraPosition(), camera + QPoint(40, -30));
        QVERIFY(DescribeExitScript(reread.screens()->scripts()[0].script->bytes)
                    .contains("warp to row 2, column 3"));
    }

    void pageBuiltLateShowsWhatWasChosenBefore() {
        // The Events page is built when first shown: what was chosen and edited before must be
        // there as if it had been built at the start.
        MainWindowFixture f;
        f.open(BuildSampleCartridge(0), 1);
        LevelDocument* doc = f.w().document();
        f.w().findChild<QAction*>("mnuScreenGrid")->toggle();
        f.w().findChild<QAction*>("mnuObjects")->toggle();
        f.w().findChild<QAction*>("mnuSlow")->trigger();
        doc->setHeaderField(HeaderField::Music, uint8_t(doc->header().music() ^ 1));

        f.w().findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
        auto* view = f.w().findChild<EventsView*>("picEvents2");
        QVERIFY(view);
        const LevelView* map = f.w().mapPage()->levelView();
        QCOMPARE(view->overlays().screenGrid, map->overlays().screenGrid);
        QCOMPARE(view->objectLayer()->isShown(), map->objectLayer()->isShown());
        QCOMPARE(view->dragInterval(), 100);
        QVERIFY(f.w().findChild<QPushButton*>("Command3")->isEnabled());
        // Scrolled to the player's start, as the map's view was when the level opened.
        QVERIFY(view->horizontalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(TestEventsScreens)
#include "tst_EventsScreens.moc"
