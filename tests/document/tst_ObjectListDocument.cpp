// The object list documents of a session: shared between levels, their edits and history, and
// saving them in their slot or by repacking.
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "document/ObjectListDocument.h"
#include "map/ObjectSpace.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
struct Opened {
    QTemporaryDir dir;
    QString path = WriteFile(dir, "rom.gb", BuildSampleCartridge(0));
    RomSession session;
    Opened() { session.open(RomFile::open(path)); }
    std::vector<LevelObject> stored(int level) const {
        return ReadLevelObjects(RomFile::open(path), level).objects;
    }
};
}  // namespace

class TestObjectListDocument : public QObject {
    Q_OBJECT

private slots:
    void levelsWithEqualPointersShareOneDocument() {
        Opened rom;
        ObjectListDocument* first = rom.session.objectList(0);
        QVERIFY(first->isLoaded());
        QCOMPARE(first->objects(), rom.stored(0));
        QVERIFY(!first->isShared());
        QVERIFY(rom.session.objectList(1) != first);
        // The sample's levels from 14 on share one empty list.
        ObjectListDocument* empty = rom.session.objectList(14);
        QCOMPARE(rom.session.objectList(31), empty);
        QVERIFY(empty->isShared());
        QVERIFY(empty->levels().contains(20));
        // Another ROM (or new contents): documents made anew, holders ask again.
        QSignalSpy opened(&rom.session, &RomSession::opened);
        rom.session.open(RomFile::open(rom.path));
        QCOMPARE(opened.count(), 1);
        QVERIFY(rom.session.objectList(0) != first);
    }

    void editsAreUndoableStepsAndNoOpsLeaveNone() {
        Opened rom;
        ObjectListDocument* list = rom.session.objectList(2);
        const std::vector<LevelObject> original = list->objects();
        QUndoStack* undo = list->undoStack();

        // A drag: many moves, one step; against the level's left edge the group keeps its shape.
        list->setSelection({0, 1});
        const int key = list->newDragKey();
        list->moveObjects(list->selection(), QPoint(8, 0), key);
        list->moveObjects(list->selection(), QPoint(8, 8), key);
        list->moveObjects(list->selection(), QPoint(-100000, 0), key);
        QCOMPARE(undo->count(), 1);
        const int left = std::min(original[0].x, original[1].x);
        QCOMPARE(list->objects()[0].x, original[0].x - left);
        QCOMPARE(list->objects()[1].x, original[1].x - left);
        QCOMPARE(list->objects()[1].y, original[1].y + 8);
        QVERIFY(list->isModified());
        // Already at the edge: nothing moves, no step.
        list->moveObjects(list->selection(), QPoint(-8, 0));
        QCOMPARE(undo->count(), 1);

        list->setType({0, 1}, 0x1D);
        list->setType({0, 1}, 0x1D);
        QCOMPARE(undo->count(), 2);
        list->toggleHiddenInEasyMode({0, 1});
        const bool hidden = list->objects()[0].hiddenInEasyMode;
        QCOMPARE(list->objects()[1].hiddenInEasyMode, hidden);
        list->addObjects({{64, 64, 3, false}});
        QCOMPARE(list->selection(), QList<int>({list->count() - 1}));
        list->deleteObjects({0, 2, 99});
        QCOMPARE(list->count(), int(original.size()) - 1);
        QVERIFY(list->selection().isEmpty());
        QCOMPARE(undo->count(), 5);

        // Undo restores objects and selection; back to the load is clean again.
        undo->undo();
        QCOMPARE(list->count(), int(original.size()) + 1);
        while (undo->canUndo())
            undo->undo();
        QCOMPARE(list->objects(), original);
        QVERIFY(!list->isModified());
        undo->redo();
        QVERIFY(list->isModified());
    }

    void saveKeepsTheSlotAndRepacksOnlyWhenAsked() {
        Opened rom;
        ObjectListDocument* shrunk = rom.session.objectList(1);
        ObjectListDocument* grown = rom.session.objectList(0);
        const std::vector<LevelObject> untouched = rom.session.objectList(3)->objects();

        // Fewer objects: written in its slot, which keeps its room.
        const int removed = 3;
        shrunk->deleteObjects({0, 1, 2});
        const int32_t before = ObjectListOffset(RomFile::open(rom.path), 1);
        QVERIFY(!shrunk->needsRepack());
        QVERIFY(shrunk->save().written);
        QVERIFY(!shrunk->isModified());
        QCOMPARE(rom.stored(1), SortedForWriting(shrunk->objects()));
        QCOMPARE(ObjectListOffset(RomFile::open(rom.path), 1), before);

        // Level 0 takes that room by a repack, and only when asked.
        std::vector<LevelObject> more;
        for (int i = 0; i < removed; ++i)
            more.push_back({8 * i, 16, 7, false});
        grown->addObjects(more);
        QVERIFY(grown->needsRepack());
        const QByteArray file = ReadFile(rom.path);
        QVERIFY_THROWS_EXCEPTION(ObjectListError, grown->save(false));
        QCOMPARE(ReadFile(rom.path), file);
        QVERIFY(grown->isModified());
        const ObjectListDocument::SaveResult result = grown->save(true);
        QVERIFY(result.repacked);
        QVERIFY(result.movedLevels.contains(1));
        QCOMPARE(rom.stored(0), SortedForWriting(grown->objects()));
        QCOMPARE(rom.stored(1), SortedForWriting(shrunk->objects()));
        QCOMPARE(rom.stored(3), untouched);
        QCOMPARE(ObjectListOffset(RomFile::open(rom.path), 20),
                 ObjectListOffset(RomFile::open(rom.path), 31));

        // Unstorable objects are refused before anything is written.
        grown->addObjects({{3840, 0, 0x7A, false}});
        QVERIFY(!grown->saveProblem().isEmpty());
        QVERIFY_THROWS_EXCEPTION(ObjectListError, grown->save(true));
        QCOMPARE(rom.stored(0).size(), size_t(grown->count() - 1));
    }
};

QTEST_GUILESS_MAIN(TestObjectListDocument)
#include "tst_ObjectListDocument.moc"
