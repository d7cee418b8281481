// The document driven headless: strokes and their undo, block and header edits, the unsaved
// state across saves, replace-all, and failures that leave everything as it was.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "document/LevelDocument.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/MiniRom.h"
#include "support/TempRom.h"

using namespace zantor;

class TestLevelDocument : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;                        // MiniRom, fresh for every test
    std::unique_ptr<LevelDocument> doc_;  // with its level open

    QString writeMini(const QString& name = "mini.gb") {
        return WriteFile(dir_, name, MiniRom().bytes);
    }

private slots:
    void init() {
        path_ = writeMini();
        doc_ = std::make_unique<LevelDocument>();
        doc_->load(path_, MiniRom::kMap);
    }

    void aStrokeIsOneStepAndUndoRestoresTheCells() {
        LevelDocument& doc = *doc_;
        const MapCells before = doc.cells();
        QSignalSpy changed(&doc, &LevelDocument::cellsChanged);
        doc.setPaintBlock(0x12);
        doc.beginStroke();
        for (int x = 0; x < 40; ++x)
            doc.paint(QPoint(x, 2));
        doc.paint(QPoint(3, 2));    // painted twice in one stroke
        doc.paint(QPoint(300, 2));  // outside the level: ignored
        doc.endStroke();
        QCOMPARE(doc.undoStack()->count(), 1);
        QCOMPARE(doc.undoStack()->undoText(), QString("Paint"));
        QCOMPARE(doc.cells()[2 * 256 + 39], 0x12);
        QVERIFY(doc.isModified());
        QCOMPARE(changed.count(), 39);  // cell (16, 2) holds 0x12 already

        doc.setPaintBlock(0x13);
        doc.paint(QPoint(0, 0));  // a second stroke
        QCOMPARE(doc.undoStack()->count(), 2);
        doc.undoStack()->undo();
        doc.undoStack()->undo();
        QCOMPARE(doc.cells(), before);
        QVERIFY(!doc.isModified());
        doc.undoStack()->redo();
        QCOMPARE(doc.cells()[2 * 256 + 3], 0x12);
        QCOMPARE(doc.cells()[0], before[0]);
    }

    void blockEditsMergeRedrawTheStripAndUndo() {
        LevelDocument& doc = *doc_;
        const BlockQuarters before = doc.blocks()[0x3F];
        const QImage stripBefore = doc.blockStrip().image().copy(16 * 0x3F, 0, 16, 16);
        QSignalSpy blocks(&doc, &LevelDocument::blocksChanged);
        doc.setBlockQuarter(0x3F, 0, 0x80);
        doc.setBlockQuarter(0x3F, 3, 0x81);
        QCOMPARE(doc.undoStack()->count(), 1);
        QCOMPARE(doc.undoStack()->undoText(), QString("Edit Block 3F"));
        QCOMPARE(blocks.count(), 2);
        // The strip shows the new tiles at once: quarter 0 is sheet cell 0 (tile 0x80).
        QCOMPARE(doc.blockStrip().image().copy(16 * 0x3F, 0, 8, 8),
                 doc.tileSheet().image().copy(0, 0, 8, 8));
        doc.setBlockQuarter(0x40, 1, 0x00);  // another block: a step of its own
        QCOMPARE(doc.undoStack()->count(), 2);
        doc.undoStack()->undo();
        doc.undoStack()->undo();
        QCOMPARE(doc.blocks()[0x3F], before);
        QCOMPARE(doc.blockStrip().image().copy(16 * 0x3F, 0, 16, 16), stripBefore);
        QVERIFY(!doc.isModified());
    }

    void replaceAllIsOneStep() {
        LevelDocument& doc = *doc_;
        const MapCells before = doc.cells();
        const int uses = int(std::count(before.begin(), before.end(), uint8_t(5)));
        QCOMPARE(doc.replaceBlock(5, 9), uses);
        QCOMPARE(std::count(doc.cells().begin(), doc.cells().end(), uint8_t(5)), 0);
        QCOMPARE(doc.undoStack()->count(), 1);
        QCOMPARE(doc.undoStack()->undoText(), QString("Replace Block 05 with 09"));
        doc.undoStack()->undo();
        QCOMPARE(doc.cells(), before);
        QCOMPARE(doc.replaceBlock(0x7E, 0x7E), 0);
    }

    void cleanStateFollowsSavesUndoAndRedo() {
        LevelDocument& doc = *doc_;
        QSignalSpy modified(&doc, &LevelDocument::modifiedChanged);
        doc.setPaintBlock(5);
        doc.paint(QPoint(0, 0));
        doc.setBlockQuarter(1, 2, 0x33);
        doc.setStartPosition(QPoint(0x100, 0x80));
        QVERIFY(doc.isModified() && doc.isMapModified() && doc.isBlockModified(1) &&
                doc.isHeaderModified());

        const QByteArray before = ReadFile(path_);
        const LevelDocument::SaveResult result = doc.save();
        QVERIFY(result.written);
        QCOMPARE(result.blocksWritten, 1);
        QVERIFY(result.headerWritten);
        QVERIFY(!doc.isModified());
        QVERIFY(doc.undoStack()->isClean());
        // What was written is exactly what a fresh load reads.
        LevelDocument again;
        again.load(path_, MiniRom::kMap);
        QCOMPARE(again.cells(), doc.cells());
        QCOMPARE(again.blocks(), doc.blocks());
        QCOMPARE(again.startPosition(), QPoint(0x100, 0x80));
        // Of the header, the start position's four bytes and nothing else.
        const QByteArray after = ReadFile(path_);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(after[MiniRom::kHeader + i] != before[MiniRom::kHeader + i], i < 4);

        doc.undoStack()->undo();  // the start position
        QVERIFY(doc.isModified());
        doc.undoStack()->redo();
        QVERIFY(!doc.isModified());
        QCOMPARE(modified.count(), 4);  // on, off (save), on (undo), off (redo)
    }

    void partialSavesKeepTheRestUnsaved() {
        LevelDocument& doc = *doc_;
        doc.setPaintBlock(7);
        doc.paint(QPoint(1, 1));
        doc.setBlockQuarter(2, 0, 0x44);
        doc.setBlockQuarter(3, 0, 0x45);
        const QByteArray original = ReadFile(path_);
        QVERIFY(doc.saveBlock(2).written);
        const QByteArray afterBlock = ReadFile(path_);
        QCOMPARE(afterBlock[MiniRom::kBlockData + 8], char(0x44));
        QCOMPARE(afterBlock[MiniRom::kBlockData + 12], original[MiniRom::kBlockData + 12]);
        QVERIFY(doc.isModified());
        QVERIFY(doc.saveMap().written);
        QVERIFY(doc.isBlockModified(3) && doc.isModified() && !doc.isMapModified());
        QVERIFY(doc.saveBlock(3).written);
        QVERIFY(!doc.isModified());
    }

    void aMapTooLongForItsSlotWritesNothing() {
        LevelDocument& doc = *doc_;
        // Break up the runs of block 5: every other cell of the run's part gets another block.
        doc.setPaintBlock(6);
        doc.beginStroke();
        for (int x = 128; x < 256; x += 2)
            doc.paint(QPoint(x, 0));
        doc.endStroke();
        doc.setBlockQuarter(0, 0, 0x99);
        QVERIFY(doc.mapBytesNeeded() > doc.slotBytes());
        const QByteArray before = ReadFile(path_);
        QVERIFY(!doc.saveMap().written);
        QVERIFY(!doc.save().written);  // File › Save is all or nothing
        QCOMPARE(ReadFile(path_), before);
        QVERIFY(doc.isMapModified() && doc.isBlockModified(0));
    }

    void aFailedLoadLeavesTheDocumentAsItWas() {
        LevelDocument& doc = *doc_;
        doc.setPaintBlock(9);
        doc.paint(QPoint(4, 4));
        const MapCells painted = doc.cells();
        // A level whose data pointer leads before the file's start (the message naming the
        // file is tst_MainWindow's), and a file that is not there.
        MiniRom bad;
        bad.bytes[MiniRom::kHeader + 13] = 0;
        QVERIFY_THROWS_EXCEPTION(RomFileError,
                                 doc.load(WriteFile(dir_, "bad.gb", bad.bytes), MiniRom::kMap));
        QVERIFY_THROWS_EXCEPTION(RomFileError, doc.load(dir_.filePath("missing.gb"), 0));
        QCOMPARE(doc.romPath(), path_);
        QCOMPARE(doc.cells(), painted);
        QVERIFY(doc.isModified());
        QCOMPARE(doc.undoStack()->count(), 1);
    }

    void theMeterFollowsEditsUndoAndRedo() {
        // How the meter counts is tst_MapSaver's; here, that every kind of change reaches it.
        LevelDocument& doc = *doc_;
        auto holds = [&] { return doc.mapBytesNeeded() == CompressMapBytes(doc.cells()).size(); };
        QVERIFY(holds());
        doc.setPaintBlock(0x55);
        doc.beginStroke();
        for (int x = 0; x < 256; x += 3)
            doc.paint(QPoint(x, 9));
        doc.endStroke();
        QVERIFY(holds());
        doc.undoStack()->undo();
        QVERIFY(holds());
        doc.undoStack()->redo();
        QVERIFY(holds());
        doc.replaceBlock(5, 0x55);
        QVERIFY(holds());
    }

    void aGrownMapSavesByRepackingItsRegionAndKeepsItsNewSlot() {
        // Sample maps 0..31 of one bank lie back to back; level 6 is stored with room, so
        // level 5 of the same region can grow into what level 6 does not need.
        const QString path = WriteFile(dir_, "repack.gb", BuildSampleCartridge(0));
        LevelDocument doc;
        doc.load(path, 5);
        doc.backups().opened(path);
        const int slot = doc.slotBytes();
        doc.setPaintBlock(0x33);
        doc.beginStroke();
        for (int x = 0; x < 200; x += 2)
            doc.paint(QPoint(x, 1));
        doc.endStroke();
        QVERIFY(!doc.mapFits());
        const LevelDocument::RepackOffer offer = doc.repackOffer();
        if (!offer.possible)
            QSKIP(qPrintable("the sample's region has no room: " + offer.whyNot));
        QVERIFY(doc.saveRepacked().written);
        QVERIFY(!doc.isModified());
        QVERIFY(doc.slotBytes() > slot);
        LevelDocument again;
        again.load(path, 5);
        QCOMPARE(again.cells(), doc.cells());
        QCOMPARE(again.slotBytes(), doc.slotBytes());
        LevelDocument before, after;  // its neighbour, moved
        before.load(WriteFile(dir_, "fresh.gb", BuildSampleCartridge(0)), 6);
        after.load(path, 6);
        QCOMPARE(after.cells(), before.cells());
        // The first save made one backup of the file as it was.
        QCOMPARE(doc.backups().list(path).size(), 1);
    }

    void aBackupThatCannotBeWrittenStopsTheSave() {
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "guarded.gb", MiniRom().bytes);
        LevelDocument doc;
        doc.load(path, MiniRom::kMap);
        doc.backups().opened(path);
        // A file where the backup folder should be.
        WriteFile(dir, ".zantor-backups", "not a folder");
        doc.setPaintBlock(9);
        doc.paint(QPoint(0, 0));
        const QByteArray before = ReadFile(path);
        QVERIFY_THROWS_EXCEPTION(std::exception, doc.save());
        QCOMPARE(ReadFile(path), before);
        QVERIFY(doc.isModified());
        QCOMPARE(doc.cells()[0], 9);
        QFile::remove(dir.filePath(".zantor-backups"));
        QVERIFY(doc.save().written);
    }

    void comparisonCountsWhatDiffersFromTheOriginal() {
        const QString original = writeMini("original.gb");
        LevelDocument doc;
        doc.load(writeMini("edited.gb"), MiniRom::kMap);
        doc.compareWith(original);
        QCOMPARE(doc.differingCells(), 0);
        doc.setPaintBlock(0x70);
        doc.paint(QPoint(0, 0));
        doc.paint(QPoint(9, 9));
        doc.setBlockQuarter(4, 0, 0x12);
        QCOMPARE(doc.differingCells(), 2);
        QVERIFY(doc.cellDiffers(9 * 256 + 9));
        QCOMPARE(doc.differingBlocks(), 1);
        QVERIFY(doc.blockDiffers(4));
        doc.undoStack()->undo();
        QCOMPARE(doc.differingBlocks(), 0);
        doc.stopComparing();
        QVERIFY(!doc.cellDiffers(0));
    }

    void aNewBackgroundPaletteRecolours() {
        LevelDocument& doc = *doc_;
        doc.setHeaderBytes(15, QByteArray(1, char(0x1B)), "Edit Background Palette");
        // The same sheet as a load in that palette draws.
        MiniRom other(0, 0x1B);
        const LoadedMap loaded = LoadMap(RomFile::fromBytes(other.bytes), MiniRom::kMap);
        QCOMPARE(doc.tileSheet().image(), loaded.tileSheet.image());
        QCOMPARE(doc.blockStrip().image(), loaded.blockStrip.image());
    }

    void imageWithChangesLeavesTheFileAlone() {
        LevelDocument& doc = *doc_;
        doc.setPaintBlock(3);
        doc.paint(QPoint(0, 47));
        const QByteArray before = ReadFile(path_);
        const QByteArray image = doc.imageWithChanges();
        QCOMPARE(ReadFile(path_), before);
        LevelDocument copy;
        copy.load(WriteFile(dir_, "copy.gb", image), MiniRom::kMap);
        QCOMPARE(copy.cells(), doc.cells());
    }
};

QTEST_GUILESS_MAIN(TestLevelDocument)
#include "tst_LevelDocument.moc"
