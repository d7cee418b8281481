// The objects on a level view: hit-testing and drags with real mouse events at several zooms,
// and adding by double-click.
#include <QTemporaryDir>
#include <QtTest>

#include "document/CurrentObjectList.h"
#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "widgets/LevelView.h"
#include "widgets/ObjectLayer.h"
#include "widgets/tools/ToolBox.h"

using namespace zantor;

namespace {
void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held,
           Qt::KeyboardModifiers modifiers = {}) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}
// Sample level 4 in a shown 640 × 480 view, with its objects on the view's layer.
struct ShownLevel {
    QTemporaryDir dir;
    LevelDocument level;
    CurrentObjectList current{&level};
    LevelView view{&level};
    ShownLevel() {
        level.load(WriteFile(dir, "rom.gb", BuildSampleCartridge(0)), 4);
        view.resize(640, 480);
        view.show();
        view.objectLayer()->setSource(&current);
    }
};
}  // namespace

class TestObjectLayer : public QObject {
    Q_OBJECT

private slots:
    // A change repaints only as far as names reach: what is on the screen after drags, a
    // shorter name and a deletion is what a full repaint draws, with no name left behind.
    void changesLeaveNoNameBehind() {
        ShownLevel f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        LevelView& view = f.view;
        CurrentObjectList& current = f.current;
        ObjectLayer* layer = view.objectLayer();
        ObjectListDocument* list = current.document();
        const LevelObject object = list->objects()[2];
        layer->setNames([&](int, int type) {
            return type == object.type ? QStringLiteral("A rather long name for this type")
                                       : QStringLiteral("Short");
        });
        view.setZoomPercent(200);
        view.scrollToLevel(QPoint(object.x - 100, object.y - 60));
        QApplication::processEvents();
        auto shown = [&] {
            QApplication::processEvents();
            return view.screen()->grabWindow(view.winId()).toImage();
        };
        auto repainted = [&] {
            view.viewport()->repaint();
            return shown();
        };
        for (int step = 0; step < 6; ++step) {
            list->moveObjects({2}, QPoint(-8, 8), 1);
            shown();
        }
        QImage before = shown();
        QCOMPARE(before, repainted());
        list->setType({2}, (object.type + 1) & 0x7F);
        before = shown();
        QCOMPARE(before, repainted());
        list->deleteObjects({2});
        before = shown();
        QCOMPARE(before, repainted());
    }

    void hitTestingAndDragsFollowTheZoom_data() {
        QTest::addColumn<int>("zoom");
        QTest::newRow("50 %") << 50;
        QTest::newRow("100 %") << 100;
        QTest::newRow("300 %") << 300;
    }

    void hitTestingAndDragsFollowTheZoom() {
        QFETCH(int, zoom);
        ShownLevel f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        LevelView& view = f.view;
        CurrentObjectList& current = f.current;
        ObjectLayer* layer = view.objectLayer();
        view.toolBox()->setKind(ToolBox::Kind::Objects);
        view.setZoomPercent(zoom);
        ObjectListDocument* list = current.document();
        QVERIFY(list && list->count() > 3);
        const int chosen = 2;
        const LevelObject object = list->objects()[chosen];
        view.scrollToLevel(QPoint(object.x - 64, object.y - 64));

        auto at = [&](double x, double y) { return view.viewportPoint(QPointF(x, y)); };
        QCOMPARE(layer->objectAt(at(object.x + 8, object.y + 8)), chosen);
        // The box's own corners hit at every zoom; a pixel outside does not.
        QCOMPARE(layer->objectAt(at(object.x + 0.5, object.y + 0.5)), chosen);
        QCOMPARE(layer->objectAt(at(object.x + 15.5, object.y + 15.5)), chosen);
        QVERIFY(layer->objectAt(at(object.x - 1.5, object.y + 8)) != chosen);
        QVERIFY(layer->objectAt(at(object.x + 8, object.y + 16.5)) != chosen);
        QCOMPARE(layer->viewportRectOf(object).width(), 16 * zoom / 100);

        // Press on the box, drag 19 px right and 30 down in level pixels: it snaps to 16, 32.
        QWidget* port = view.viewport();
        const QPoint grab = at(object.x + 4, object.y + 4);
        mouse(port, QEvent::MouseButtonPress, grab, Qt::LeftButton);
        QCOMPARE(list->selection(), QList<int>({chosen}));
        mouse(port, QEvent::MouseMove, at(object.x + 10, object.y + 20), Qt::LeftButton);
        mouse(port, QEvent::MouseMove, at(object.x + 23, object.y + 34), Qt::LeftButton);
        mouse(port, QEvent::MouseButtonRelease, at(object.x + 23, object.y + 34), Qt::NoButton);
        QCOMPARE(list->objects()[chosen].x, object.x + 16);
        QCOMPARE(list->objects()[chosen].y, object.y + 32);
        QCOMPARE(list->undoStack()->count(), 1);
        // The cells under the drag were not painted.
        QVERIFY(!f.level.isModified());

        // Ctrl adds to the selection; a click on nothing empties it; a double-click there adds
        // an object of the chosen type centred on the pointer.
        const LevelObject other = list->objects()[0];
        mouse(port, QEvent::MouseButtonPress, at(other.x + 8, other.y + 8), Qt::LeftButton,
              Qt::ControlModifier);
        mouse(port, QEvent::MouseButtonRelease, at(other.x + 8, other.y + 8), Qt::NoButton);
        QCOMPARE(list->selection(), QList<int>({0, chosen}));
        const QPoint empty = at(object.x + 80, object.y + 4);
        QCOMPARE(layer->objectAt(empty), -1);
        mouse(port, QEvent::MouseButtonPress, empty, Qt::LeftButton);
        QVERIFY(list->selection().isEmpty());
        mouse(port, QEvent::MouseButtonRelease, empty, Qt::NoButton);
        const int before = list->count();
        mouse(port, QEvent::MouseButtonDblClick, empty, Qt::LeftButton);
        QCOMPARE(list->count(), before + 1);
        const LevelObject added = list->objects().back();
        QCOMPARE(layer->objectAt(empty), list->count() - 1);
        QCOMPARE(added.x % 8, 0);
        QCOMPARE(list->selection(), QList<int>({list->count() - 1}));
    }
};

QTEST_MAIN(TestObjectLayer)
#include "tst_ObjectLayer.moc"
