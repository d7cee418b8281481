// The editing tools as a user meets them, through real keys and mouse events: select, copy,
// paste, place, drop, fill and save, then undo step by step; the keys with the focus on the
// palette; the keyboard cursor; and clipboard text that is no grid of blocks.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <set>

#include "MainWindowFixture.h"
#include "document/CellShapes.h"
#include "ui/main/MapPage.h"
#include "widgets/CellGridView.h"
#include "widgets/tools/ToolBox.h"

using namespace zantor;

namespace {
struct Opened : OpenedLevel {
    Opened() {
        view->scrollToLevel(QPoint(0, 0));
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("window not active");
        view->setFocus();
    }
    // A key as the window system sends it, to the widget with the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "no focus");
        QTest::keyClick(focus, key, modifiers);
    }
    int cell(QPoint at) const { return doc->blockAt(at); }
};
}  // namespace

class TestEditingTools : public QObject {
    Q_OBJECT

private slots:
    void selectCopyPastePlaceDropFillSaveAndUndo() {
        Opened f;
        const MapCells loaded = f.doc->cells();

        // A 4 × 3 piece of the ground to copy: the lowest rows that are not all one block.
        QPoint source(5, kMapRows - 3);
        auto varied = [&](QPoint at) {
            std::set<int> blocks;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x)
                    blocks.insert(loaded[size_t((at.y() + y) * kMapColumns + at.x() + x)]);
            return blocks.size() > 1;
        };
        while (source.y() > 8 && !varied(source))
            source.ry() -= 1;
        QVERIFY(varied(source));

        f.key(Qt::Key_R);
        // 4 × 3, pressed and released cells included
        f.drag({source + QPoint(3, 2), source});
        QCOMPARE(f.doc->selection(), QRegion(QRect(source, QSize(4, 3))));
        QVERIFY(f.w().findChild<QLabel*>("lblSelection")->isVisible());
        f.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), f.doc->selectedStamp().toText());
        f.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(f.w().findChild<QLabel*>("lblTool")->text().startsWith("Brush (stamp 4 × 3)"));
        f.click(QPoint(12, 5));
        QCOMPARE(f.doc->undoStack()->undoText(), QString("Paste 4 × 3"));
        f.key(Qt::Key_Escape);
        QVERIFY(!f.doc->hasStamp() && !f.doc->selection().isEmpty());
        f.key(Qt::Key_Escape);
        QVERIFY(f.doc->selection().isEmpty());

        // The copy landed at the clicked cell.
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x)
                QCOMPARE(f.cell(QPoint(12 + x, 5 + y)),
                         loaded[size_t((source.y() + y) * kMapColumns + source.x() + x)]);
        }
        // Which cells the bucket reaches is tst_LevelTools'; here, that F and a click fill
        // from the clicked cell.
        const QPoint sky(20, 2);
        f.doc->setPaintBlock(f.cell(sky) == 0x33 ? 0x34 : 0x33);
        f.key(Qt::Key_F);
        f.click(sky);
        QCOMPARE(f.cell(sky), f.doc->paintBlock());
        const MapCells filled = f.doc->cells();

        f.key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.w().isWindowModified());
        LevelDocument reread;
        reread.load(f.path, kLevel);
        QCOMPARE(reread.cells(), filled);

        QCOMPARE(f.doc->undoStack()->count(), 2);
        f.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.doc->cells() != filled && f.doc->cells() != loaded);
        f.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.doc->cells(), loaded);
    }

    void keysWorkFromThePaletteAndTheCursorMovesWithArrows() {
        Opened f;
        ToolBox* tools = f.w().mapPage()->toolBox();
        CellGridView* palette = f.w().mapPage()->palette();
        // A drag over the palette's blocks 01..12 (two rows of two) makes them the stamp.
        const int size = 16 * palette->zoom();
        QTest::mousePress(palette, Qt::LeftButton, {}, QPoint(size + 4, 4));
        QMouseEvent move(QEvent::MouseMove, QPointF(2 * size + 4, size + 4),
                         palette->mapToGlobal(QPointF(2 * size + 4, size + 4)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(palette, &move);
        QTest::mouseRelease(palette, Qt::LeftButton, {}, QPoint(2 * size + 4, size + 4));
        QCOMPARE(f.doc->stamp(), Stamp(QSize(2, 2), {0x01, 0x02, 0x11, 0x12}));
        palette->setFocus();
        f.key(Qt::Key_X);
        QCOMPARE(f.doc->stamp(), Stamp(QSize(2, 2), {0x02, 0x01, 0x12, 0x11}));
        f.key(Qt::Key_P);
        QCOMPARE(tools->kind(), ToolBox::Kind::ShapeFill);
        f.key(Qt::Key_B);

        // The keyboard: arrows move the cursor, Space places the stamp there, Shift+arrows
        // select, Ctrl+A and Ctrl+Shift+A select all and nothing.
        f.view->setFocus();
        f.doc->setHoveredCell(QPoint(10, 10));
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Down);
        QCOMPARE(f.doc->hoveredCell(), std::optional<QPoint>(QPoint(11, 11)));
        f.key(Qt::Key_Space);
        QCOMPARE(f.cell(QPoint(11, 11)), 0x02);
        QCOMPARE(f.cell(QPoint(12, 12)), 0x11);
        f.key(Qt::Key_Escape);
        f.key(Qt::Key_Right, Qt::ShiftModifier);
        f.key(Qt::Key_Right, Qt::ShiftModifier);
        f.key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(f.doc->selection(), QRegion(11, 10, 3, 2));
        f.key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f.doc->selection().isEmpty());
        f.key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f.doc->selection(), QRegion(0, 0, kMapColumns, kMapRows));

        // A text field on another tab keeps its letters and its Ctrl+A.
        f.key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        f.w().findChild<QTabWidget*>("SSTab1")->setCurrentIndex(3);
        auto* music = f.w().findChild<QLineEdit*>("txtMusic");
        music->setFocus();
        music->clear();
        f.key(Qt::Key_F);
        f.key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(music->text().toUpper(), QString("F"));
        QCOMPARE(tools->kind(), ToolBox::Kind::Brush);
        QVERIFY(f.doc->selection().isEmpty());
    }

    void shiftDrawsLinesWithTheBrushAndSquaresWithTheShapeFill() {
        Opened f;
        f.doc->setPaintBlock(0x2D);
        f.click(QPoint(3, 30));
        f.click(QPoint(9, 33), Qt::ShiftModifier);
        for (QPoint cell : CellShapes::line(QPoint(3, 30), QPoint(9, 33)))
            QCOMPARE(f.cell(cell), 0x2D);
        QCOMPARE(f.doc->undoStack()->count(), 2);

        // The cells a square fills are tst_LevelTools'; here, that Shift makes the drag one.
        f.key(Qt::Key_P);
        f.doc->setPaintBlock(0x2E);
        f.drag({QPoint(20, 30), QPoint(23, 31)}, Qt::ShiftModifier);
        QCOMPARE(f.doc->undoStack()->undoText(), QString("Fill 16 cells"));
        QCOMPARE(f.cell(QPoint(23, 33)), 0x2E);
    }

    void aDragInsideTheSelectionMovesItAndLeavesTheKeptBackgroundAndTextIsRefused() {
        Opened f;
        const MapCells loaded = f.doc->cells();
        f.doc->setPaintBlock(0x2A);
        f.w().findChild<QAction*>("mnuSetBackground")->trigger();
        QCOMPARE(f.doc->backgroundBlock(), 0x2A);
        f.key(Qt::Key_R);
        f.drag({QPoint(4, 10), QPoint(5, 11)});
        f.drag({QPoint(4, 10), QPoint(7, 10)});  // pressed inside: a move by 3 to the right
        QCOMPARE(f.doc->undoStack()->undoText(), QString("Move 4 cells"));
        QCOMPARE(f.doc->selection(), QRegion(7, 10, 2, 2));
        QCOMPARE(f.cell(QPoint(8, 11)), loaded[size_t(11 * kMapColumns + 5)]);
        QCOMPARE(f.cell(QPoint(4, 11)), 0x2A);
        // The background block is kept for this ROM and level, not for another level.
        f.nextAnswer = Dialogs::Answer::Discard;
        QVERIFY(f.w().showLevel(kLevel + 1));
        QCOMPARE(f.doc->backgroundBlock(), f.doc->mostUsedBlock());
        QVERIFY(f.w().showLevel(kLevel));
        QCOMPARE(f.doc->backgroundBlock(), 0x2A);
        // Clipboard text that is no grid of blocks is refused and changes nothing.
        const int steps = f.doc->undoStack()->count();
        f.view->setFocus();
        QGuiApplication::clipboard()->setText("Hello\tworld");
        f.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!f.doc->hasStamp());
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.first().text.contains("\"Hello\" is not a block number"));
        QCOMPARE(f.doc->undoStack()->count(), steps);
    }
};

QTEST_MAIN(TestEditingTools)
#include "tst_EditingTools.moc"
