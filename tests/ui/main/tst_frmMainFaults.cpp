// The main window when the ROM is not what it was: changed, cut short, replaced or deleted by
// another program between two actions, or a save that the system refuses (a read-only
// folder, a full disk: injected at the steps where they fail). The next action sees the new
// file or says why it cannot; the edits stay in the window until a save gets through.
#include <QDir>
#include <QtTest>

#include "MainWindowFixture.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "base/AtomicFileWriter.h"
#include "widgets/MouseEvent.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
// Map 2 of the sample is stored with room to spare, so a painted cell still fits.
constexpr int kMap = 2;

// Paints block `block` into cell (column, row), the way a user does it.
void Paint(frmMain& w, int block, int column, int row) {
    w.picBlocks2_MouseMove(0, 0, 32 * block + 5, 10);
    w.picBlocks2_MouseDown(kLeftButton, 0, 32 * block + 5, 10);
    w.picMap_MouseDown(kLeftButton, 0, 16 * column + 3, 16 * row + 3);
    w.picMap_MouseUp(kLeftButton, 0, 16 * column + 3, 16 * row + 3);
}

// Places the second sheet tile into the top-left quarter of block 0 in the block editor.
void EditBlock(frmMain& w) {
    w.picTiles_MouseMove(0, 0, 8, 0);
    w.picTiles_Click();
    w.Picture3_MouseDown(kLeftButton, 0, 2, 2);
    w.Picture3_MouseUp(kLeftButton, 0, 2, 2);
}

// The image as a save of the window's map writes it into `bytes`.
QByteArray WithMap(const QByteArray& bytes, const EditorState& state) {
    RomFile rom = RomFile::fromBytes(bytes);
    if (!MapSaver::write(rom, state.MapHeader, state.MapBuffer, state.CompressedLength))
        qFatal("the painted map should fit");
    return rom.bytes();
}

QByteArray WithBlock(const QByteArray& bytes, const EditorState& state, BlockQuarters block) {
    QByteArray out = bytes;
    for (int q = 0; q < 4; ++q)
        out[state.MapHeader.BlockDataOffset() + q] = char(block[size_t(q)]);
    return out;
}

AtomicFileWriter::FaultHook Failing(AtomicFileWriter::Step failing) {
    return [failing](AtomicFileWriter::Step step, int) { return step == failing; };
}
}  // namespace

class TestFrmMainFaults : public QObject {
    Q_OBJECT

private slots:
    void aChangedRomIsWhatTheNextActionSees() {
        MainWindowFixture f;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString path = f.open(sample, kMap);
        frmMain& w = f.w();

        // Another program writes a level of one block into the map: "Refresh" shows it.
        MapCells cells{};
        cells.fill(9);
        EditorState other = w.state();
        other.MapBuffer = cells;
        WriteFile(f.dir, "rom.gb", WithMap(sample, other));
        w.Command1_Click();
        QCOMPARE(w.state().MapBuffer, cells);
        // It was stored filling the map's slot, so the slot is the same as before.
        QCOMPARE(w.state().CompressedLength, other.CompressedLength);

        // It changes a byte elsewhere; a save of the map keeps that byte.
        QByteArray changed = WithMap(sample, other);
        changed[0x150] = char(0x5A);
        WriteFile(f.dir, "rom.gb", changed);
        Paint(w, 9, 3, 4);
        w.cmdSaveMap_Click();
        QCOMPARE(f.messages.size(), 0);
        QCOMPARE(ReadFile(path), WithMap(changed, w.state()));
        QVERIFY(!w.cmdSaveMap->isEnabled());
    }

    void aDeletedRomIsReportedAndTheEditsStay() {
        MainWindowFixture f;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString path = f.open(sample, kMap);
        frmMain& w = f.w();
        Paint(w, 17, 10, 20);
        EditBlock(w);
        const MapCells painted = w.state().MapBuffer;
        const BlockTable blocks = w.state().BlockSet;
        const BlockQuarters block = w.CurrentBlock;
        QVERIFY(QFile::remove(path));

        w.cmdSaveMap_Click();
        w.cmdSaveBlock_Click();
        w.Command1_Click();  // "Refresh displayed data"
        QCOMPARE(f.messages.size(), 3);
        for (const auto& message : f.messages) {
            QVERIFY2(message.text.contains(path) && message.text.contains("No such file"),
                     qPrintable(message.text));
            QCOMPARE(message.icon, Dialogs::Icon::Critical);
        }
        QCOMPARE(f.programEnded, 0);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(w.state().MapBuffer, painted);
        QCOMPARE(w.state().BlockSet, blocks);
        QVERIFY(w.cmdSaveMap->isEnabled());
        QVERIFY(w.cmdSaveBlock->isEnabled());

        // The file comes back: both saves go through and write what was kept.
        WriteFile(f.dir, "rom.gb", sample);
        w.cmdSaveMap_Click();
        w.cmdSaveBlock_Click();
        QCOMPARE(f.messages.size(), 3);
        QCOMPARE(ReadFile(path), WithBlock(WithMap(sample, w.state()), w.state(), block));
        QCOMPARE(w.state().BlockSet[0], block);
    }

    void aRomReplacedByAFolderIsReported() {
        MainWindowFixture f;
        const QString path = f.open(BuildSampleCartridge(0), kMap);
        frmMain& w = f.w();
        Paint(w, 3, 0, 0);
        const MapCells painted = w.state().MapBuffer;
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        w.cmdSaveMap_Click();
        w.Command1_Click();
        QCOMPARE(f.messages.size(), 2);
        for (const auto& message : f.messages)
            QVERIFY2(message.text.contains("folder"), qPrintable(message.text));
        QCOMPARE(w.state().MapBuffer, painted);
        QVERIFY(QFileInfo(path).isDir());
    }

    void aRomCutShortShowsWhatItHoldsOrEndsWithTheReadError() {
        MainWindowFixture f;
        const QString path = f.open(BuildSampleCartridge(0), kMap);
        frmMain& w = f.w();
        // Cut after its tables: the map and the tiles lie beyond the end and read as zeros.
        QVERIFY(QFile::resize(path, 0x8000));
        w.Command1_Click();
        QCOMPARE(f.messages.size(), 0);
        QCOMPARE(w.state().MapBuffer, MapCells{});
        QCOMPARE(w.picMap->picture().GetPixel(100, 100), 0xFFFFFFu);  // tile 0 of zeros

        // Cut to nothing: the tile pointers read as zeros lie before the file's start, the
        // fatal read error, which ends the program after saying so.
        QVERIFY(QFile::resize(path, 0));
        w.Command1_Click();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].text.startsWith("Fehler beim Lesen der Datei."));
        QCOMPARE(f.messages[0].title, QString("Fehler"));
        QCOMPARE(f.programEnded, 1);
    }

    void aSaveTheSystemRefusesKeepsTheEditsAndALaterSaveWorks_data() {
        QTest::addColumn<int>("step");
        // A read-only folder refuses the temporary; a full disk fails a write or the flush.
        QTest::newRow("read-only folder") << int(AtomicFileWriter::Step::CreateTemporary);
        QTest::newRow("full disk on write") << int(AtomicFileWriter::Step::Write);
        QTest::newRow("full disk on flush") << int(AtomicFileWriter::Step::Flush);
        QTest::newRow("rename refused") << int(AtomicFileWriter::Step::Rename);
    }
    void aSaveTheSystemRefusesKeepsTheEditsAndALaterSaveWorks() {
        QFETCH(int, step);
        MainWindowFixture f;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString path = f.open(sample, kMap);
        frmMain& w = f.w();
        Paint(w, 21, 40, 30);
        EditBlock(w);
        const MapCells painted = w.state().MapBuffer;
        const BlockTable blocks = w.state().BlockSet;
        const BlockQuarters block = w.CurrentBlock;
        {
            AtomicFileWriter::ScopedFault fault(Failing(AtomicFileWriter::Step(step)));
            w.cmdSaveMap_Click();
            w.cmdSaveBlock_Click();
        }
        QCOMPARE(f.messages.size(), 2);
        for (const auto& message : f.messages) {
            QVERIFY2(message.text.startsWith("Could not save") && message.text.contains(path),
                     qPrintable(message.text));
        }
        QCOMPARE(ReadFile(path), sample);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"rom.gb"});
        QCOMPARE(w.state().MapBuffer, painted);
        QCOMPARE(w.state().BlockSet, blocks);
        QVERIFY(w.cmdSaveMap->isEnabled());
        QVERIFY(w.cmdSaveBlock->isEnabled());

        w.cmdSaveMap_Click();
        w.cmdSaveBlock_Click();
        QCOMPARE(f.messages.size(), 2);
        QCOMPARE(ReadFile(path), WithBlock(WithMap(sample, w.state()), w.state(), block));
        QVERIFY(!w.cmdSaveMap->isEnabled());
        QVERIFY(!w.cmdSaveBlock->isEnabled());
        // Loading again shows what was saved.
        w.Command1_Click();
        QCOMPARE(w.state().MapBuffer, painted);
        QCOMPARE(w.state().BlockSet[0], block);
    }
};

QTEST_MAIN(TestFrmMainFaults)
#include "tst_frmMainFaults.moc"
