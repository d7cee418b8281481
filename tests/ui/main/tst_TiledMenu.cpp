// File › Export to Tiled… and Import from Tiled… on an open level: unsaved edits go out, a map
// comes back as one undo step, and a map that cannot be a level leaves the level alone.
#include <QComboBox>

#include "MainWindowFixture.h"
#include "document/ObjectListDocument.h"
#include "session/RomSession.h"

using namespace zantor;

class TestTiledMenu : public QObject {
    Q_OBJECT

private slots:
    void anEditedLevelGoesOutAndComesBackAsOneStep() {
        OpenedLevel f;
        const MapCells loaded = f.doc->cells();
        f.doc->setPaintBlock(0x33);
        f.doc->paint(QPoint(10, 20));
        const MapCells edited = f.doc->cells();
        QVERIFY(edited != loaded);
        ObjectListDocument* objects = f.doc->session()->objectList(kLevel);
        QVERIFY(objects && objects->count() > 1);
        const std::vector<LevelObject> storedObjects = objects->objects();
        objects->deleteObjects({0});
        const std::vector<LevelObject> editedObjects = objects->objects();

        f.nextFile = f.dir.filePath("level");
        f.w().findChild<QAction*>("mnuExportTiled")->trigger();
        QVERIFY(QFile::exists(f.dir.filePath("level.tmx")));
        QVERIFY(QFile::exists(f.dir.filePath("level-blocks.png")));
        QVERIFY(f.messages.isEmpty());

        f.doc->undoStack()->undo();
        QVERIFY(f.doc->cells() == loaded);
        objects->undoStack()->undo();
        QVERIFY(objects->objects() == storedObjects);
        const int steps = f.doc->undoStack()->count();
        f.nextFile = f.dir.filePath("level.tmx");
        f.w().findChild<QAction*>("mnuImportTiled")->trigger();
        QVERIFY(f.doc->cells() == edited);
        QCOMPARE(f.doc->undoStack()->count(), steps);  // the undone paint's place, taken
        QCOMPARE(f.doc->undoStack()->undoText(), QString("Import from Tiled"));
        // The objects come back as one step of the objects' own history.
        QVERIFY(objects->objects() == editedObjects);
        QCOMPARE(objects->undoStack()->undoText(), QString("Import from Tiled"));
        f.doc->undoStack()->undo();
        QVERIFY(f.doc->cells() == loaded);

        // A layer of another size: a message naming the file, and no step.
        QByteArray other = ReadFile(f.dir.filePath("level.tmx"));
        other.replace("height=\"48\"", "height=\"40\"");
        f.nextFile = WriteFile(f.dir, "other.tmx", other);
        f.w().findChild<QAction*>("mnuImportTiled")->trigger();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].text.contains("other.tmx"), qPrintable(f.messages[0].text));
        QVERIFY(f.doc->cells() == loaded);
        QVERIFY(f.doc->undoStack()->canRedo());
    }
};

QTEST_MAIN(TestTiledMenu)
#include "tst_TiledMenu.moc"
