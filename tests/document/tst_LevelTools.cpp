// The editing tools' edits on the document, headless: each checked against a plain model of
// the cells it should reach, one undo step each, named for what it did, and clean again after
// undoing back; the stamp's placement, flips and clipboard text, malformed text included.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"
#include "support/MiniRom.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
int indexOf(QPoint cell) {
    return cell.y() * kMapColumns + cell.x();
}

// The 4-connected fill the slow way: grow the set until no neighbour joins.
std::set<int> slowConnected(const MapCells& cells, QPoint start, const QRect& limit) {
    std::set<int> in{indexOf(start)};
    const uint8_t block = cells[size_t(indexOf(start))];
    for (bool grew = true; grew;) {
        grew = false;
        for (int y = limit.top(); y <= limit.bottom(); ++y) {
            for (int x = limit.left(); x <= limit.right(); ++x) {
                const int i = indexOf(QPoint(x, y));
                if (in.count(i) || cells[size_t(i)] != block)
                    continue;
                for (QPoint n :
                     {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                    if (limit.contains(n) && in.count(indexOf(n))) {
                        in.insert(i);
                        grew = true;
                        break;
                    }
                }
            }
        }
    }
    return in;
}
}  // namespace

class TestLevelTools : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<LevelDocument> doc_;

    QUndoStack& undo() { return *doc_->undoStack(); }
    // Undoes every step and checks that the level is as loaded and clean.
    void undoAllAndCheck(const MapCells& loaded) {
        while (undo().canUndo())
            undo().undo();
        QCOMPARE(doc_->cells(), loaded);
        QVERIFY(!doc_->isModified());
    }
    void paintLine(uint8_t block, QPoint from, QPoint to) {
        doc_->setPaintBlock(block);
        doc_->beginStroke();
        for (QPoint cell : CellShapes::line(from, to))
            doc_->paint(cell);
        doc_->endStroke();
    }

private slots:
    void init() {
        doc_ = std::make_unique<LevelDocument>();
        doc_->load(WriteFile(dir_, "mini.gb", MiniRom().bytes), MiniRom::kMap);
    }

    void linesRectanglesAndSquaresReachTheCellsBetween() {
        // A line has no gaps and no doubled cells, and ends where it was aimed.
        for (QPoint to : {QPoint(9, 3), QPoint(-4, 7), QPoint(2, -11), QPoint(0, 0)}) {
            const std::vector<QPoint> cells = CellShapes::line(QPoint(0, 0), to);
            QCOMPARE(cells.front(), QPoint(0, 0));
            QCOMPARE(cells.back(), to);
            QCOMPARE(int(cells.size()), std::max(std::abs(to.x()), std::abs(to.y())) + 1);
            for (size_t i = 1; i < cells.size(); ++i) {
                const QPoint step = cells[i] - cells[i - 1];
                QVERIFY(std::abs(step.x()) <= 1 && std::abs(step.y()) <= 1 && !step.isNull());
            }
        }
        // Pressed and released cells are both in, whichever way the drag went.
        QCOMPARE(CellShapes::between(QPoint(5, 4), QPoint(2, 9)), QRect(2, 4, 4, 6));
        QCOMPARE(CellShapes::between(QPoint(3, 3), QPoint(3, 3)), QRect(3, 3, 1, 1));
        QCOMPARE(CellShapes::squareBetween(QPoint(5, 5), QPoint(8, 6)), QRect(5, 5, 4, 4));
        QCOMPARE(CellShapes::squareBetween(QPoint(5, 5), QPoint(4, 1)), QRect(1, 1, 5, 5));
    }

    void theBucketFillsTheConnectedCellsInsideTheSelection() {
        const MapCells loaded = doc_->cells();
        // A wall of block 9 through the block-5 area, open at the bottom, and one at the top.
        paintLine(9, QPoint(200, 0), QPoint(200, 40));
        paintLine(9, QPoint(140, 10), QPoint(160, 10));
        const MapCells walled = doc_->cells();
        const QRect level(0, 0, kMapColumns, kMapRows);
        for (const auto& [start, limit] :
             {std::pair{QPoint(230, 5), level}, std::pair{QPoint(150, 5), QRect(130, 2, 90, 30)},
              std::pair{QPoint(3, 4), level}}) {
            const std::set<int> expected = slowConnected(walled, start, limit);
            doc_->setSelection(limit == level ? QRegion() : QRegion(limit));
            doc_->setPaintBlock(0x44);
            const int before = undo().index();
            QCOMPARE(doc_->fillFrom(start, false), int(expected.size()));
            QCOMPARE(undo().index(), before + 1);
            for (int i = 0; i < kMapCells; ++i)
                QCOMPARE(doc_->cells()[size_t(i)], expected.count(i) ? 0x44 : walled[size_t(i)]);
            undo().undo();
            QCOMPARE(doc_->cells(), walled);
        }
        // Clicked outside the selection: nothing.
        doc_->setSelection(QRegion(0, 0, 4, 4));
        QCOMPARE(doc_->fillFrom(QPoint(200, 30), false), 0);
        // Shift: every use of the block, here only inside the selection.
        doc_->setSelection(QRegion(150, 0, 100, 20));
        const int inSelection = 100 * 20 - 11 - 20;  // less the two walls' cells in it
        QCOMPARE(doc_->fillFrom(QPoint(150, 0), true), inSelection);
        QCOMPARE(undo().undoText(), QString("Replace Block 05 with 44"));
        undoAllAndCheck(loaded);
    }

    void shapeFillsAndStampsTileFromTheirCorner() {
        const MapCells loaded = doc_->cells();
        doc_->setPaintBlock(0x21);
        QCOMPARE(doc_->fillRectangle(QRect(250, 40, 20, 20)), 6 * 8);  // clipped to the level
        QCOMPARE(undo().undoText(), QString("Fill 48 cells"));
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(255, 47)))], 0x21);
        // A 2 × 2 stamp with a hole tiles the rectangle from its top-left.
        doc_->setStamp(Stamp(QSize(2, 2), {1, 2, 3, Stamp::kHole}));
        const MapCells before = doc_->cells();
        doc_->fillRectangle(QRect(11, 21, 5, 3));
        for (int y = 21; y < 24; ++y) {
            for (int x = 11; x < 16; ++x) {
                const int want =
                    (y - 21) % 2 == 0 ? ((x - 11) % 2 == 0 ? 1 : 2) : ((x - 11) % 2 == 0 ? 3 : -1);
                QCOMPARE(int(doc_->cells()[size_t(indexOf(QPoint(x, y)))]),
                         want < 0 ? int(before[size_t(indexOf(QPoint(x, y)))]) : want);
            }
        }
        QCOMPARE(undo().count(), 2);
        undoAllAndCheck(loaded);
    }

    void stampsPlaceFlipAndMergeWithinAStroke() {
        const MapCells loaded = doc_->cells();
        const Stamp stamp = Stamp(QSize(3, 2), {1, 2, 3, 4, Stamp::kHole, 6});
        QCOMPARE(stamp.flipped(true), Stamp(QSize(3, 2), {3, 2, 1, 6, Stamp::kHole, 4}));
        QCOMPARE(stamp.flipped(false), Stamp(QSize(3, 2), {4, Stamp::kHole, 6, 1, 2, 3}));
        QSignalSpy changed(doc_.get(), &LevelDocument::stampChanged);
        doc_->setStamp(stamp);
        doc_->flipStamp(true);
        QCOMPARE(doc_->stamp(), stamp.flipped(true));
        QCOMPARE(changed.count(), 2);

        // Placed at the level's right edge: what falls off is dropped, the hole kept.
        doc_->placeStamp(QPoint(254, 10));
        QCOMPARE(undo().undoText(), QString("Paste 3 × 2"));
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(254, 10)))], 3);
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(255, 11)))],
                 loaded[size_t(indexOf(QPoint(255, 11)))]);
        // A drag places it again and again, as one step.
        doc_->beginStroke();
        for (int x = 0; x < 30; x += 3)
            doc_->placeStamp(QPoint(x, 30));
        doc_->endStroke();
        QCOMPARE(undo().count(), 2);
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(27, 30)))], 3);
        undoAllAndCheck(loaded);
        // Copies stay across levels: a load keeps the stamp, drops the selection.
        doc_->setSelection(QRegion(1, 1, 2, 2));
        doc_->loadLevel(MiniRom::kMap);
        QVERIFY(doc_->hasStamp() && doc_->selection().isEmpty());
    }

    void selectionsCopyCutDeleteAndMove() {
        const MapCells loaded = doc_->cells();
        QCOMPARE(doc_->backgroundBlock(), 5);  // the most used block
        // An L-shaped selection copies with a hole where nothing was selected.
        doc_->setSelection(QRegion(10, 10, 2, 1) + QRegion(10, 11, 1, 1));
        const Stamp copy = doc_->selectedStamp();
        QCOMPARE(copy, Stamp(QSize(2, 2), {20, 21, 21, Stamp::kHole}));

        QCOMPARE(doc_->clearSelection(true), 3);
        QCOMPARE(undo().undoText(), QString("Cut 3 cells"));
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(11, 10)))], 5);
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(11, 11)))], 22);
        undo().undo();
        doc_->setBackgroundBlock(0x30);
        doc_->clearSelection();
        QCOMPARE(undo().undoText(), QString("Delete 3 cells"));
        QCOMPARE(doc_->cells()[size_t(indexOf(QPoint(10, 11)))], 0x30);
        undo().undo();

        // A move overlapping where it was: the moved cells win, the rest get the background.
        doc_->setSelection(QRegion(20, 5, 3, 2));
        QCOMPARE(doc_->moveSelection(QPoint(1, 1)), 3 * 2 + 3 + 1);
        QCOMPARE(undo().undoText(), QString("Move 6 cells"));
        QCOMPARE(doc_->selection(), QRegion(21, 6, 3, 2));
        for (int y = 5; y < 8; ++y) {
            for (int x = 20; x < 24; ++x) {
                const QPoint from(x - 1, y - 1);
                const bool movedHere = QRect(20, 5, 3, 2).contains(from);
                const bool leftBehind = QRect(20, 5, 3, 2).contains(QPoint(x, y));
                const int want = movedHere    ? loaded[size_t(indexOf(from))]
                                 : leftBehind ? 0x30
                                              : loaded[size_t(indexOf(QPoint(x, y)))];
                QCOMPARE(int(doc_->cells()[size_t(indexOf(QPoint(x, y)))]), want);
            }
        }
        // Moved off the level's edge: those cells are gone, as one more step.
        doc_->setSelection(QRegion(0, 0, 2, 1));
        doc_->moveSelection(QPoint(-1, 0));
        QCOMPARE(undo().undoText(), QString("Move 1 cell"));
        QCOMPARE(undo().count(), 2);
        undoAllAndCheck(loaded);
    }

    void clipboardTextBothWaysAndMalformedRefused() {
        const Stamp stamp = Stamp(QSize(3, 2), {0x00, 0x7F, 0x3A, 0x05, Stamp::kHole, 0x10});
        QCOMPARE(stamp.toText(), QString("00\t7F\t3A\n05\t\t10\n"));
        const Stamp::Parsed back = Stamp::fromText(stamp.toText());
        QVERIFY(back.stamp && back.error.isEmpty());
        QCOMPARE(*back.stamp, stamp);
        // As a spreadsheet writes it: CR LF, a short last row, lower case, one digit.
        const Stamp::Parsed sheet = Stamp::fromText("3a\t 5 \r\nf\r\n\r\n");
        QVERIFY(sheet.stamp);
        QCOMPARE(*sheet.stamp, Stamp(QSize(2, 2), {0x3A, 5, 0xF, Stamp::kHole}));

        for (const QString& text :
             {QString(), QString("\n\n"), QString("\t\n\t"), QString("01\t80"), QString("01\tzz"),
              QString("123"), QString("01,02,03"), QString("01\t02\n-1")}) {
            const Stamp::Parsed parsed = Stamp::fromText(text);
            QVERIFY2(!parsed.stamp && !parsed.error.isEmpty(), qPrintable(text));
        }
        QVERIFY(Stamp::fromText("01\t80").error.contains("Row 1, cell 2"));
        QVERIFY(!Stamp::fromText(QString("00\n").repeated(49)).stamp);
        QVERIFY(!Stamp::fromText(QString("00\t").repeated(257)).stamp);
    }
};

QTEST_GUILESS_MAIN(TestLevelTools)
#include "tst_LevelTools.moc"
