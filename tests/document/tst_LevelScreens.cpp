// The level's screens driven headless on the sample: edges, exits, scripts and the checkpoint
// as undo steps, saved with the level in one commit and read back; arrays shared by two levels;
// levels whose arrays cannot be read.
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "document/LevelDocument.h"
#include "document/LevelScreens.h"
#include "document/ScreenArraysDocument.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "support/Bytes.h"
#include "support/MiniRom.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
const QByteArray& Sample() {
    static const QByteArray sample = BuildSampleCartridge(0);
    return sample;
}
}  // namespace

class TestLevelScreens : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Closing an edge (bits 4-7 kept), a drag of edges, an exit, the camera start, the
    // checkpoint and a script: each undoable, all saved by File › Save and read back the same.
    void editsSaveAndReadBack() {
        const QString path = WriteFile(dir_, "sample.gb", Sample());
        LevelDocument doc;
        doc.load(path, 1);
        LevelScreens* screens = doc.screens();
        QVERIFY2(screens->hasArrays(), qPrintable(screens->arraysProblem()));
        const uint8_t box20 = screens->box(20);
        screens->setEdge(20, EdgeTop, true);
        QCOMPARE(screens->box(20), box20 | EdgeTop);
        QVERIFY(doc.isModified());
        doc.undoStack()->undo();
        QCOMPARE(screens->box(20), box20);
        QVERIFY(!doc.isModified());
        doc.undoStack()->redo();

        const int steps = doc.undoStack()->count();
        screens->beginStroke();
        for (int screen = 32; screen < 40; ++screen)
            screens->setEdge(screen, EdgeTop, true);
        screens->endStroke();
        QCOMPARE(doc.undoStack()->count(), steps + 1);
        screens->setExit(5, 1);
        doc.setCameraPosition(QPoint(400, 500));
        screens->setCheckpointPlayer(QPoint(1000, 200));
        screens->setCheckpointPlayer(QPoint(1010, 210));  // one drag: one step
        QCOMPARE(doc.undoStack()->count(), steps + 4);

        const std::vector<LevelScreens::UsedScript> scripts = screens->scripts();
        QCOMPARE(scripts.size(), size_t(1));
        QVERIFY(scripts[0].usedBy.contains("Tree Zone 2"));  // the others that run script 1
        QByteArray edited = scripts[0].script->bytes;
        QVERIFY(!screens->setScriptBytes(1, edited + char(0xFF)));  // the length stays
        edited[4] = char(0x2E);
        QVERIFY(screens->setScriptBytes(1, edited));
        const QRegion before = screens->neverShown();
        screens->setEdge(16, EdgeTop, false);
        screens->setEdge(0, EdgeBottom, false);  // the walled-off corner opens
        QVERIFY(screens->neverShown() != before);

        const LevelDocument::SaveResult result = doc.save();
        QVERIFY(result.written && result.screensWritten);
        QVERIFY(!doc.isModified());
        const ScreenArrays saved = screens->arrays();

        LevelDocument reread;
        reread.load(path, 1);
        QCOMPARE(reread.screens()->arrays(), saved);
        QCOMPARE(reread.screens()->box(20), box20 | EdgeTop);
        QCOMPARE(reread.cameraPosition(), QPoint(400, 500));
        QCOMPARE(reread.screens()->checkpoint().player, QPoint(1010, 210));
        QCOMPARE(reread.screens()->scripts()[0].script->bytes, edited);
        // Nothing else moved: only the arrays, the header, the checkpoint and the script.
        const RomFile rom = RomFile::fromBytes(ReadFile(path));
        const ScreenArraysPlace place = reread.screens()->place();
        for (int32_t at : ChangedOffsets(Sample(), ReadFile(path))) {
            const bool known = (at >= place.boxesOffset && at < place.boxesOffset + 48) ||
                               (at >= place.exitsOffset && at < place.exitsOffset + 48) ||
                               (at >= HeaderOffset(rom, 1) && at < HeaderOffset(rom, 1) + 20) ||
                               (at >= 0x377B + 8 && at < 0x377B + 16) || at == 0x14204 ||
                               at == 0x14E || at == 0x14F;
            QVERIFY2(known, qPrintable(QString::number(at, 16)));
        }
    }

    // Two levels of one bank and index show one pair of arrays: an edit saved from one is the
    // other's. An edit dropped with its level (Discard) is gone from the session.
    void sharedArraysAndDiscard() {
        QByteArray bytes = Sample();
        {
            const RomFile rom = RomFile::fromBytes(bytes);
            const int32_t header3 = HeaderOffset(rom, 3);
            const MapHeader two = MapHeader::read(rom, HeaderOffset(rom, 2));
            bytes[header3 + 13] = char(two.mapBank());
            bytes[header3 + 18] = char(0x30 | two.mapNumber2());  // high nibble: not the index
        }
        const QString path = WriteFile(dir_, "shared.gb", bytes);
        LevelDocument doc;
        doc.load(path, 2);
        QCOMPARE(doc.screens()->levelsSharingArrays(), QList<int>{3});
        doc.screens()->setExit(10, 7);
        doc.loadLevel(3);  // the window asked first; the answer was Discard
        QCOMPARE(doc.screens()->exit(10), 0);
        QVERIFY(!doc.isModified());
        doc.screens()->setExit(10, 7);
        QVERIFY(doc.save().written);
        doc.loadLevel(2);
        QCOMPARE(doc.screens()->exit(10), 7);
    }

    // No arrays (the bases of a bank outside it), no checkpoint on another version: the level
    // still loads, says why, and refuses the edits.
    void missingArraysAndCheckpoints() {
        LevelDocument doc;
        doc.load(WriteFile(dir_, "mini.gb", MiniRom(2).bytes), MiniRom::kMap);
        LevelScreens* screens = doc.screens();
        QVERIFY(!screens->hasArrays());
        QVERIFY(screens->arraysProblem().contains("$0000"));
        QVERIFY(screens->checkpointProblem().contains("version 2"));
        screens->setEdge(0, EdgeLeft, true);
        screens->setCheckpointPlayer(QPoint(5, 5));
        QCOMPARE(doc.undoStack()->count(), 0);
        QVERIFY(screens->neverShown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLevelScreens)
#include "tst_LevelScreens.moc"
