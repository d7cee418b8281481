// The main window with the level's objects: the keys of the Objects tool, the panel in step
// with the view, File › Save and the unsaved-work question, View › Objects remembered.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QTableView>

#include "MainWindowFixture.h"
#include "codec/RomFile.h"
#include "document/CurrentObjectList.h"
#include "document/ObjectListDocument.h"
#include "widgets/ObjectLayer.h"
#include "widgets/tools/ToolBox.h"

using namespace zantor;

namespace {
struct Opened : OpenedLevel {
    ObjectListDocument* list = w().objectList()->document();

    Opened() {
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("window not active");
        view->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O);
    }
    void trigger(const char* action) { w().findChild<QAction*>(action)->trigger(); }
    std::vector<LevelObject> stored() const {
        return ReadLevelObjects(RomFile::open(path), kLevel).objects;
    }
};
}  // namespace

class TestMainWindowObjects : public QObject {
    Q_OBJECT

private slots:
    void toolKeysPanelAndSave() {
        Opened f;
        QCOMPARE(f.w().mapPage()->toolBox()->kind(), ToolBox::Kind::Objects);
        QVERIFY(f.w().findChild<QDockWidget*>("dockObjects")->isVisible());
        const std::vector<LevelObject> loaded = f.list->objects();

        // A row chosen in the panel selects the object and brings it into the view.
        auto* table = f.w().findChild<QTableView*>("tblObjects");
        table->selectRow(3);
        QCOMPARE(f.list->selection(), QList<int>({3}));
        QVERIFY(f.view->viewport()->rect().contains(
            f.view->objectLayer()->viewportRectOf(loaded[3]).center()));

        // Copy and paste through the Edit menu's keys: a copy lands at the pointer.
        f.trigger("mnuCopy");
        f.trigger("mnuPaste");
        QCOMPARE(f.list->count(), int(loaded.size()) + 1);
        // Edit › Undo takes back the objects' edits while the tool is in use.
        f.trigger("mnuUndo");
        QCOMPARE(f.list->count(), int(loaded.size()));
        f.trigger("mnuRedo");
        QCOMPARE(f.list->selection(), QList<int>({int(loaded.size())}));
        // Editing the pasted row's type edits the object.
        const QModelIndex type = table->model()->index(int(loaded.size()), 2);
        QVERIFY(table->model()->setData(type, "1d"));
        QCOMPARE(f.list->objects().back().type, 0x1D);
        QCOMPARE(table->model()->index(int(loaded.size()), 3).data().toString(), "Object 1D");
        QVERIFY(f.w().isWindowModified());
        // Delete removes the selected objects, not cells.
        const MapCells cells = f.doc->cells();
        f.list->setSelection({0});
        f.trigger("mnuDelete");
        QCOMPARE(f.list->count(), int(loaded.size()));
        QCOMPARE(f.doc->cells(), cells);

        // File › Save writes the objects, sorted by X; the window is clean again.
        QVERIFY(f.w().save());
        QVERIFY(!f.list->isModified());
        QVERIFY(!f.w().isWindowModified());
        QCOMPARE(f.stored(), SortedForWriting(f.list->objects()));
    }

    void unsavedObjectsAreAskedAboutAndDiscardedWithTheLevel() {
        Opened f;
        const std::vector<LevelObject> loaded = f.list->objects();
        f.list->toggleHiddenInEasyMode({0});
        f.nextAnswer = Dialogs::Answer::Cancel;
        QVERIFY(!f.w().showLevel(kLevel + 1));
        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(f.list->objects()[0].hiddenInEasyMode, !loaded[0].hiddenInEasyMode);

        f.nextAnswer = Dialogs::Answer::Discard;
        QVERIFY(f.w().showLevel(kLevel + 1));
        QVERIFY(f.w().showLevel(kLevel));
        QCOMPARE(f.w().objectList()->document()->objects(), loaded);
        QCOMPARE(f.stored(), loaded);
    }

    void viewObjectsIsRemembered() {
        Opened f;
        f.trigger("mnuObjects");
        QVERIFY(!f.view->objectLayer()->isShown());
        MainWindow next;
        QVERIFY(!next.mapPage()->levelView()->objectLayer()->isShown());
        QVERIFY(!next.findChild<QAction*>("mnuObjects")->isChecked());
    }
};

QTEST_MAIN(TestMainWindowObjects)
#include "tst_MainWindowObjects.moc"
