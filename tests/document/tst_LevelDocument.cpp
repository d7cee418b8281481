// The document driven headless: strokes and their undo, block and header edits, the unsaved
// state across saves, replace-all, the comparison with an original, and failures that leave
// everything as it was.
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

    // `block` painted in one stroke at (from, y), (from + step, y), ... short of x = to.
    static void strokeRow(LevelDocument& doc, uint8_t block, int y, int from, int to, int step) {
        doc.setPaintBlock(block);
        doc.beginStroke();
        for (int x = from; x < to; x += step)
            doc.paint(QPoint(x, y));
        doc.endStroke();
    }
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
        const MapCells before = doc_->cells();
        QSignalSpy changed(doc_.get(), &LevelDocument::cellsChanged);
        doc_->setPaintBlock(0x12);
        doc_->beginStroke();
        for (int x = 0; x < 40; ++x)
            doc_->paint(QPoint(x, 2));
        doc_->paint(QPoint(3, 2));    // painted twice in one stroke
        doc_->paint(QPoint(300, 2));  // outside the level: ignored
        doc_->endStroke();
        QCOMPARE(doc_->undoStack()->count(), 1);
        QCOMPARE(doc_->cells()[2 * 256 + 39], 0x12);
        QVERIFY(doc_->isModified());
        QCOMPARE(changed.count(), 39);  // cell (16, 2) holds 0x12 already

        doc_->setPaintBlock(0x13);
        doc_->paint(QPoint(0, 0));  // a second stroke
        QCOMPARE(doc_->undoStack()->count(), 2);
        doc_->undoStack()->undo();
        doc_->undoStack()->undo();
        QCOMPARE(doc_->cells(), before);
        QVERIFY(!doc_->isModified());
        doc_->undoStack()->redo();
        QCOMPARE(doc_->cells()[2 * 256 + 3], 0x12);
        QCOMPARE(doc_->cells()[0], before[0]);
    }

    void blockEditsMergeRedrawTheStripAndUndo() {
        const BlockQuarters before = doc_->blocks()[0x3F];
        const QImage stripBefore = doc_->blockStrip().image().copy(16 * 0x3F, 0, 16, 16);
        QSignalSpy blocks(doc_.get(), &LevelDocument::blocksChanged);
        doc_->setBlockQuarter(0x3F, 0, 0x80);
        doc_->setBlockQuarter(0x3F, 3, 0x81);
        QCOMPARE(doc_->undoStack()->count(), 1);
        QCOMPARE(doc_->undoStack()->undoText(), QString("Edit Block 3F"));
        QCOMPARE(blocks.count(), 2);
        // The strip shows the new tiles at once: quarter 0 is sheet cell 0 (tile 0x80).
        QCOMPARE(doc_->blockStrip().image().copy(16 * 0x3F, 0, 8, 8),
                 doc_->tileSheet().image().copy(0, 0, 8, 8));
        doc_->setBlockQuarter(0x40, 1, 0x00);  // another block: a step of its own
        QCOMPARE(doc_->undoStack()->count(), 2);
        doc_->undoStack()->undo();
        doc_->undoStack()->undo();
        QCOMPARE(doc_->blocks()[0x3F], before);
        QCOMPARE(doc_->blockStrip().image().copy(16 * 0x3F, 0, 16, 16), stripBefore);
        QVERIFY(!doc_->isModified());
    }

    void cleanStateFollowsSavesUndoAndRedo() {
        QSignalSpy modified(doc_.get(), &LevelDocument::modifiedChanged);
        doc_->setPaintBlock(5);
        doc_->paint(QPoint(0, 0));
        doc_->setBlockQuarter(1, 2, 0x33);
        doc_->setStartPosition(QPoint(0x100, 0x80));
        doc_->setCameraPosition(QPoint(0x1A0, 0x90));
        doc_->setHeaderField(HeaderField::Music, 7);
        QVERIFY(doc_->isModified() && doc_->isMapModified() && doc_->isBlockModified(1) &&
                doc_->isHeaderModified());

        const QByteArray before = ReadFile(path_);
        const LevelDocument::SaveResult result = doc_->save();
        QVERIFY(result.written && result.headerWritten);
        QCOMPARE(result.blocksWritten, 1);
        QVERIFY(!doc_->isModified() && doc_->undoStack()->isClean());
        // What was written is exactly what a fresh load reads.
        LevelDocument again;
        again.load(path_, MiniRom::kMap);
        QCOMPARE(again.cells(), doc_->cells());
        QCOMPARE(again.blocks(), doc_->blocks());
        QCOMPARE(again.startPosition(), QPoint(0x100, 0x80));
        QCOMPARE(again.cameraPosition(), QPoint(0x1A0, 0x90));
        QCOMPARE(again.header().music(), 7);
        // Of the header, the two positions' eight bytes and the music's, nothing else.
        const QByteArray after = ReadFile(path_);
        for (int i = 8; i < 20; ++i) {
            if (i != 14)
                QCOMPARE(after[MiniRom::kHeader + i], before[MiniRom::kHeader + i]);
        }

        doc_->undoStack()->undo();  // the music
        QVERIFY(doc_->isModified());
        doc_->undoStack()->redo();
        QVERIFY(!doc_->isModified());
        QCOMPARE(modified.count(), 4);  // on, off (save), on (undo), off (redo)
    }

    void stepsMergeByWhatTheyEditAndDropWhenTheyChangeNothing() {
        // A stroke that paints a cell and paints it back leaves no step and stays clean.
        const uint8_t was = doc_->blockAt(QPoint(4, 4));
        doc_->beginStroke();
        doc_->setPaintBlock(uint8_t(was + 1));
        doc_->paint(QPoint(4, 4));
        doc_->setPaintBlock(was);
        doc_->paint(QPoint(4, 4));
        doc_->endStroke();
        QCOMPARE(doc_->undoStack()->count(), 0);
        QVERIFY(!doc_->isModified() && doc_->undoStack()->isClean());

        // One field typed twice is one step; another field is a step of its own; setting a
        // field back as it was drops its step.
        const int time = doc_->header().time();
        doc_->setHeaderField(HeaderField::Music, 1);
        doc_->setHeaderField(HeaderField::Music, 2);
        doc_->setHeaderField(HeaderField::Time, time + 1);
        QCOMPARE(doc_->undoStack()->count(), 2);
        doc_->setHeaderField(HeaderField::Time, time);
        QCOMPARE(doc_->undoStack()->count(), 1);
        QCOMPARE(doc_->undoStack()->undoText(), QString("Edit Music"));
        // Two blocks are two steps.
        doc_->setBlockQuarter(1, 0, 0x44);
        doc_->setBlockQuarter(2, 0, 0x44);
        QCOMPARE(doc_->undoStack()->count(), 3);
    }

    void partialSavesKeepTheRestUnsaved() {
        doc_->setPaintBlock(7);
        doc_->paint(QPoint(1, 1));
        doc_->setBlockQuarter(2, 0, 0x44);
        doc_->setBlockQuarter(3, 0, 0x45);
        const QByteArray original = ReadFile(path_);
        QVERIFY(doc_->saveBlock(2).written);
        const QByteArray afterBlock = ReadFile(path_);
        QCOMPARE(afterBlock[MiniRom::kBlockData + 8], char(0x44));
        QCOMPARE(afterBlock[MiniRom::kBlockData + 12], original[MiniRom::kBlockData + 12]);
        QVERIFY(doc_->isModified());
        QVERIFY(doc_->saveMap().written);
        QVERIFY(doc_->isBlockModified(3) && doc_->isModified() && !doc_->isMapModified());
        QVERIFY(doc_->saveBlock(3).written && !doc_->isModified());
    }

    void aMapTooLongForItsSlotWritesNothing() {
        // Break up the runs of block 5: every other cell of the run's part gets another block.
        strokeRow(*doc_, 6, 0, 128, 256, 2);
        doc_->setBlockQuarter(0, 0, 0x99);
        QVERIFY(doc_->mapBytesNeeded() > doc_->slotBytes());
        const QByteArray before = ReadFile(path_);
        QVERIFY(!doc_->saveMap().written);
        QVERIFY(!doc_->save().written);  // File › Save is all or nothing
        QCOMPARE(ReadFile(path_), before);
        QVERIFY(doc_->isMapModified() && doc_->isBlockModified(0));
    }

    void aFailedLoadLeavesTheDocumentAsItWas() {
        doc_->setPaintBlock(9);
        doc_->paint(QPoint(4, 4));
        const MapCells painted = doc_->cells();
        // A level whose data pointer leads before the file's start (the message naming the
        // file is tst_MainWindow's), and a file that is not there.
        MiniRom bad;
        bad.bytes[MiniRom::kHeader + 13] = 0;
        QVERIFY_THROWS_EXCEPTION(RomFileError,
                                 doc_->load(WriteFile(dir_, "bad.gb", bad.bytes), MiniRom::kMap));
        QVERIFY_THROWS_EXCEPTION(RomFileError, doc_->load(dir_.filePath("missing.gb"), 0));
        QCOMPARE(doc_->romPath(), path_);
        QCOMPARE(doc_->cells(), painted);
        QVERIFY(doc_->isModified());
        QCOMPARE(doc_->undoStack()->count(), 1);
    }

    void replaceAllIsOneStepAndTheMeterFollowsEveryEdit() {
        // How the meter counts is tst_MapSaver's; here, that every kind of change reaches it.
        LevelDocument& doc = *doc_;
        auto holds = [&] { return doc.mapBytesNeeded() == CompressMapBytes(doc.cells()).size(); };
        QVERIFY(holds());
        strokeRow(doc, 0x55, 9, 0, 256, 3);
        QVERIFY(holds());
        doc.undoStack()->undo();
        QVERIFY(holds());
        doc.undoStack()->redo();
        QVERIFY(holds());
        const MapCells before = doc.cells();
        const int uses = int(std::count(before.begin(), before.end(), uint8_t(5)));
        QCOMPARE(doc.replaceBlock(5, 9), uses);
        QVERIFY(holds());
        QCOMPARE(std::count(doc.cells().begin(), doc.cells().end(), uint8_t(5)), 0);
        QCOMPARE(doc.undoStack()->undoText(), QString("Replace Block 05 with 09"));
        doc.undoStack()->undo();  // one step
        QCOMPARE(doc.cells(), before);
        QCOMPARE(doc.replaceBlock(0x7E, 0x7E), 0);
    }

    void aGrownMapSavesByRepackingItsRegionAndKeepsItsNewSlot() {
        // Sample maps 0..31 of one bank lie back to back; level 6 is stored with room, so
        // level 5 of the same region can grow into what level 6 does not need.
        const QString path = WriteFile(dir_, "repack.gb", BuildSampleCartridge(0));
        LevelDocument doc;
        doc.load(path, 5);
        const int slot = doc.slotBytes();
        strokeRow(doc, 0x33, 1, 0, 200, 2);
        QVERIFY(!doc.mapFits());
        const LevelDocument::RepackOffer offer = doc.repackOffer();
        if (!offer.possible)
            QSKIP(qPrintable("the sample's region has no room: " + offer.whyNot));
        QVERIFY(doc.saveRepacked().written && !doc.isModified() && doc.slotBytes() > slot);
        LevelDocument again;
        again.load(path, 5);
        QCOMPARE(again.cells(), doc.cells());
        QCOMPARE(again.slotBytes(), doc.slotBytes());
    }

    void aBackupThatCannotBeWrittenStopsTheSave() {
        // A file where the backup folder should be (the earlier tests' saves made the folder).
        QDir(dir_.filePath(".zantor-backups")).removeRecursively();
        WriteFile(dir_, ".zantor-backups", "not a folder");
        doc_->setPaintBlock(9);
        doc_->paint(QPoint(0, 0));
        QVERIFY_THROWS_EXCEPTION(std::exception, doc_->save());
        QFile::remove(dir_.filePath(".zantor-backups"));
        QCOMPARE(ReadFile(path_), MiniRom().bytes);
        QVERIFY(doc_->isModified() && doc_->cells()[0] == 9);
        QVERIFY(doc_->save().written);
    }

    // Against the same level of an original: what the edited file stores differently shows
    // cell by cell and block by block (bytes the level does not use change nothing), and so do
    // the unsaved edits on top, until they are undone.
    void comparisonCountsWhatDiffersFromTheOriginal() {
        const QString original = writeMini("original.gb");
        doc_->compareWith(original);
        QCOMPARE(doc_->differingCells() + doc_->differingBlocks(), 0);

        MiniRom edited;
        // Row 0 starts with literals 0, 1, 2, ...: cells (1, 0) and (127, 0) get other blocks.
        edited.bytes[MiniRom::kMapData + 1] = char(0x40);
        edited.bytes[MiniRom::kMapData + 127] = char(0x00);
        // Row 1's run of block 5 (cells 128..255) becomes block 6.
        edited.bytes[MiniRom::kMapData + 130 + 128] = char(0x86);
        // All four quarters of block 3, one of block 127, and a byte no level reads.
        edited.setBlock(3, 0, 0, 0, 0);
        edited.bytes[MiniRom::kBlockData + 4 * 127 + 3] = char(0x12);
        edited.bytes[0x7FFFF] = char(0x55);
        LevelDocument doc;
        doc.load(WriteFile(dir_, "edited.gb", edited.bytes), MiniRom::kMap);
        doc.compareWith(original);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 256; ++x)
                QCOMPARE(doc.cellDiffers(y * 256 + x), y == 1 ? x >= 128 : x == 1 || x == 127);
        QCOMPARE(doc.differingCells(), 2 + 128);
        QVERIFY(doc.blockDiffers(3) && doc.blockDiffers(127));
        QCOMPARE(doc.differingBlocks(), 2);

        doc.setPaintBlock(0x70);
        doc.paint(QPoint(0, 0));
        doc.paint(QPoint(9, 9));
        doc.setBlockQuarter(4, 0, 0x12);
        QCOMPARE(doc.differingCells(), 2 + 128 + 2);
        QCOMPARE(doc.differingBlocks(), 3);
        doc.undoStack()->undo();
        QCOMPARE(doc.differingBlocks(), 2);
        doc.stopComparing();
        QVERIFY(!doc.cellDiffers(1));
        QCOMPARE(doc.differingCells(), 0);
    }

    void aNewBackgroundPaletteRecolours() {
        doc_->setHeaderField(HeaderField::BackgroundPalette, 0x1B);
        // The same sheet as a load in that palette draws.
        MiniRom other(0, 0x1B);
        const LoadedMap loaded = LoadMap(RomFile::fromBytes(other.bytes), MiniRom::kMap);
        QCOMPARE(doc_->tileSheet().image(), loaded.tileSheet.image());
        QCOMPARE(doc_->blockStrip().image(), loaded.blockStrip.image());
    }
};

QTEST_GUILESS_MAIN(TestLevelDocument)
#include "tst_LevelDocument.moc"
