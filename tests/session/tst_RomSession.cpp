// The session under every writer: the restore point before its first write whichever writer
// comes first, and the title screen following the session to another ROM.
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "document/GridEditCommand.h"
#include "document/LevelDocument.h"
#include "document/TitleDocument.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
struct Grid : CellGrid {
    void applyCellEdits(const std::vector<CellEdit>&, bool) override {}
};
}  // namespace

class TestRomSession : public QObject {
    Q_OBJECT

private slots:
    void everyWriterMakesTheRestorePointBeforeTheSessionsFirstWrite() {
        const QByteArray original = BuildSampleCartridge(0);
        using Writer = std::function<void(RomSession&)>;
        const QList<std::pair<const char*, Writer>> writers = {
            {"level",
             [](RomSession& session) {
                 LevelDocument level(&session);
                 level.loadLevel(3);
                 level.setBlockQuarter(0, 0, level.blocks()[0][0] ^ 1);
                 QVERIFY(level.save().written);
             }},
            {"title",
             [](RomSession& session) {
                 TitleDocument* title = session.titleDocument();
                 title->setSelectedTile(title->cellAt({0, 0}) ^ 1);
                 title->paintTo(QPoint(0, 0));
                 QVERIFY(title->save().mapWritten);
             }},
            {"tiles",
             [](RomSession& session) {
                 TitleDocument* title = session.titleDocument();
                 const uint32_t now = title->sheet().GetPixel(0, 0);
                 QVERIFY(title->importTiles(Picture(
                             64, 64, now == shade::kBlack ? shade::kWhite : shade::kBlack)) > 0);
                 QVERIFY(title->save().tilesWritten);
             }},
            {"patch",
             [&](RomSession& session) {
                 QByteArray patched = original;
                 patched[0x4000] = char(patched[0x4000] ^ 1);
                 session.replaceContents(patched);
             }},
        };
        for (const auto& [name, write] : writers) {
            QTemporaryDir dir;
            const QString path = WriteFile(dir, "rom.gb", original);
            RomSession session;
            session.open(RomFile::open(path));
            write(session);
            const QList<BackupStore::Backup> points = session.restorePoints();
            QVERIFY2(points.size() == 1, name);
            QVERIFY2(ReadFile(points[0].path) == original, name);
            QVERIFY2(ReadFile(path) != original, name);
            // Later writes of the same session need none.
            write(session);
            QVERIFY2(session.restorePoints().size() == 1, name);
            // Opened again, the next write makes one anew.
            session.open(RomFile::open(path));
            write(session);
            QVERIFY2(session.restorePoints().size() == 2, name);
        }
    }

    void theTitleScreenFollowsTheSessionToAnotherRom() {
        QTemporaryDir dir;
        const QByteArray sample = BuildSampleCartridge(0);
        const QString first = WriteFile(dir, "first.gb", sample);
        RomFile other = RomFile::fromBytes(sample);
        TitleScreen::Cells cells{};
        cells.fill(0x42);
        TitleScreen::WriteMap(other, cells);
        const QString second = WriteFile(dir, "second.gb", other.bytes());

        RomSession session;
        session.open(RomFile::open(first));
        TitleDocument* title = session.titleDocument();
        title->paintTo(QPoint(1, 1));
        session.open(RomFile::open(second));
        QCOMPARE(session.titleDocument(), title);  // the same document, read anew
        QCOMPARE(title->cells(), cells);
        QVERIFY(!title->isModified() && title->undoStack()->count() == 0);
        title->setSelectedTile(7);
        title->paintTo(QPoint(2, 2));
        title->save();
        cells[size_t(TitleScreen::cellIndex(2, 2))] = 7;
        QCOMPARE(TitleScreen::ReadCells(RomFile::open(second)), cells);
        QCOMPARE(ReadFile(first), sample);

        // A ROM whose title cannot be read leaves the document empty, with the reason.
        const QString gone = WriteFile(dir, "gone.gb", sample);
        const RomFile goneRom = RomFile::open(gone);
        QFile::remove(gone);
        session.open(goneRom);
        QVERIFY(!title->isLoaded() && title->loadError().contains("gone.gb"));
    }

    void gridStepsMergeOnlyWithinOneStrokeOfOneGrid() {
        Grid a, b;
        QUndoStack stack;
        stack.push(new GridEditCommand(&a, "Paint", {{0, 0, 1}}, 5));
        stack.push(new GridEditCommand(&a, "Paint", {{1, 0, 1}}, 5));
        stack.push(new GridEditCommand(&b, "Paint", {{1, 0, 1}}, 5));
        stack.push(new GridEditCommand(&b, "Paint", {{1, 0, 1}}, 6));
        QCOMPARE(stack.count(), 3);
        // A rectangle that sets what is there already is no step.
        const uint8_t current[4] = {1, 2, 3, 4};
        stack.push(GridEditCommand::rectangle(&a, "Fill", QRect(0, 0, 2, 2), 2, current, current));
        QCOMPARE(stack.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestRomSession)
#include "tst_RomSession.moc"
