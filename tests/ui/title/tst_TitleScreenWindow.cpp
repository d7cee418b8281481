#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "codec/RomFile.h"
#include "document/TitleDocument.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "support/SavedImage.h"
#include "ui/main/MainWindowFixture.h"
#include "ui/title/TitleScreenWindow.h"
#include "widgets/CellGridView.h"

using namespace zantor;

class TestTitleScreenWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    QString rom_;
    QByteArray original_;
    QPointer<TitleScreenWindow> w_;

    TitleDocument* doc() const { return w_->document(); }
    CellGridView* view(const char* name) const { return w_->findChild<CellGridView*>(name); }
    // The centre of a map cell, in the view's pixels at its zoom.
    QPoint at(QPoint cell) const {
        const int pixels = 8 * w_->zoom();
        return cell * pixels + QPoint(pixels / 2, pixels / 2);
    }
    QPoint otherCell(QPoint after = {-1, 0}) const {
        for (int i = after.x() + 1 + 20 * after.y(); i < TitleScreen::kCells; ++i)
            if (doc()->cells()[size_t(i)] != doc()->selectedTile())
                return {i % 20, i / 20};
        qFatal("every cell holds the selected tile");
    }
    void openEditor() {
        QAction* action = f_->w().findChild<QAction*>("mnuTitle");
        QVERIFY(action->isEnabled());
        action->trigger();
        w_ = f_->w().titleScreenWindow();
        QVERIFY(w_);
        QVERIFY(QTest::qWaitForWindowExposed(w_.data()));
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        original_ = BuildSampleCartridge(0);
        rom_ = f_->open(original_, 0);
        openEditor();
    }
    void cleanup() {
        if (w_)
            w_->document()->reload();  // nothing left to ask about
        delete w_.data();
        f_.reset();
    }

    void theSheetSelectsAndTheMapPaintsAtAnyZoom() {
        for (int zoom : {1, 3}) {
            w_->setZoom(zoom);
            QTest::mouseClick(view("picTiles"), Qt::LeftButton, {}, QPoint(37, 90) * zoom);
            QCOMPARE(doc()->selectedTile(), 16 * 11 + 4);
            const QPoint cell = otherCell();
            QTest::mouseClick(view("picMap"), Qt::LeftButton, {}, at(cell));
            QCOMPARE(doc()->cellAt(cell), uint8_t(16 * 11 + 4));
            // The right button takes a cell's tile.
            const QPoint source = otherCell(cell);
            const uint8_t tile = doc()->cellAt(source);
            QTest::mouseClick(view("picMap"), Qt::RightButton, {}, at(source));
            QCOMPARE(doc()->selectedTile(), int(tile));
            doc()->setSelectedTile(16 * 11 + 3);
        }
        QCOMPARE(view("picMap")->size(), QSize(480, 432));
        QCOMPARE(QSettings().value("titleScreen/zoom").toInt(), 3);  // the next window's zoom
        QCOMPARE(doc()->mapPicture().image(),
                 TitleScreen::DrawMap(doc()->sheet(), doc()->cells()).image());
        QCOMPARE(ReadFile(rom_), original_);  // painting never writes
    }

    void aFastDragPaintsEveryCellOnItsWayAndBothButtonsPaintNothing() {
        doc()->setSelectedTile(0x10);
        CellGridView* map = view("picMap");
        QTest::mousePress(map, Qt::LeftButton, {}, at({0, 0}));
        QTest::mouseMove(map, at({9, 3}));  // one event across nine cells
        QTest::mouseRelease(map, Qt::LeftButton, {}, at({9, 3}));
        for (int x = 0; x <= 9; ++x)
            QCOMPARE(doc()->cellAt({x, int(std::lround(x / 3.0))}), uint8_t(0x10));
        QCOMPARE(doc()->undoStack()->count(), 1);

        const TitleScreen::Cells before = doc()->cells();
        QMouseEvent both(QEvent::MouseMove, at({5, 10}), map->mapToGlobal(at({5, 10})),
                         Qt::NoButton, Qt::LeftButton | Qt::RightButton, {});
        QApplication::sendEvent(map, &both);
        QCOMPARE(doc()->cells(), before);
    }

    void aStrokeIsOneStepAndSavingWritesOnlyTheMap() {
        const QPoint a = otherCell(), b = otherCell(a);
        CellGridView* map = view("picMap");
        QTest::mousePress(map, Qt::LeftButton, {}, at(a));
        QTest::mouseMove(map, at(b));
        QTest::mouseRelease(map, Qt::LeftButton, {}, at(b));
        const TitleScreen::Cells painted = doc()->cells();
        QCOMPARE(doc()->undoStack()->count(), 1);
        QVERIFY(w_->isWindowModified() && w_->findChild<QPushButton*>("Command1")->isEnabled());
        QTest::keySequence(w_.data(), QKeySequence::Undo);
        QVERIFY(!w_->isWindowModified());
        QTest::keyClick(w_.data(), Qt::Key_Y, Qt::ControlModifier);  // redo, as in the main window
        QCOMPARE(doc()->cells(), painted);

        QTest::keySequence(w_.data(), QKeySequence::Save);
        QVERIFY(!w_->isWindowModified() && !w_->findChild<QPushButton*>("Command1")->isEnabled());
        RomFile expected = RomFile::fromBytes(original_);
        TitleScreen::WriteMap(expected, painted);
        QCOMPARE(ReadFile(rom_), SavedImage(expected.bytes(), original_));
    }

    void anImportAsksFirstIsOneStepAndIsWrittenBySaving() {
        QImage black(128, 128, QImage::Format_RGB32);
        black.fill(Qt::black);
        const QString bmp = f_->dir.filePath("black.bmp");
        QVERIFY(black.save(bmp, "BMP"));
        f_->nextFile = bmp;
        f_->nextAnswer = Dialogs::Answer::No;
        w_->importTiles();
        QCOMPARE(f_->questions.size(), 1);
        QCOMPARE(doc()->undoStack()->count(), 0);

        f_->nextAnswer = Dialogs::Answer::Yes;
        w_->importTiles();
        QCOMPARE(doc()->sheet().GetPixel(64, 64), shade::kBlack);
        QCOMPARE(doc()->mapPicture().GetPixel(4, 4), shade::kBlack);
        QCOMPARE(ReadFile(rom_), original_);  // not before the save
        doc()->undoStack()->undo();
        QVERIFY(!doc()->isModified());
        doc()->undoStack()->redo();
        QVERIFY(w_->save());
        QCOMPARE(TitleScreen::ReadTiles(RomFile::open(rom_), 0), QByteArray(4096, char(0xFF)));
        f_->nextFile = f_->dir.filePath("again.bmp");  // exported, it imports as no change
        w_->exportTiles();
        QCOMPARE(doc()->importTiles(Picture::fromImage(QImage(*f_->nextFile))), 0);
    }

    void closingAsksAndDiscardingPutsTheDocumentBack() {
        QTest::mouseClick(view("picMap"), Qt::LeftButton, {}, at(otherCell()));
        f_->nextAnswer = Dialogs::Answer::Cancel;
        QVERIFY(!w_->close());
        QVERIFY(doc()->isModified());
        {
            const auto fault = FailingStep(AtomicFileWriter::Step::Rename);
            f_->nextAnswer = Dialogs::Answer::Save;
            QVERIFY(!w_->close());
        }
        QCOMPARE(ReadFile(rom_), original_);
        f_->nextAnswer = Dialogs::Answer::Discard;
        TitleDocument* title = doc();
        QVERIFY(w_->close());
        QTRY_VERIFY(!w_);
        QVERIFY(!title->isModified());
        QCOMPARE(title->cells(), TitleScreen::ReadCells(RomFile::open(rom_)));
    }

    void afterARomSwitchEditsGoToTheNewRom() {
        QTest::mouseClick(view("picMap"), Qt::LeftButton, {}, at(otherCell()));
        // The other ROM: the same sample with another title map.
        QByteArray other = original_;
        RomFile changed = RomFile::fromBytes(other);
        TitleScreen::Cells cells = TitleScreen::ReadCells(changed);
        cells.fill(0x42);
        TitleScreen::WriteMap(changed, cells);
        const QString second = WriteFile(f_->dir, "second.gb", changed.bytes());

        f_->nextAnswer = Dialogs::Answer::Cancel;  // the title editor's question
        QVERIFY(!f_->w().openRom(second));
        QCOMPARE(f_->w().session()->path(), rom_);

        f_->nextAnswer = Dialogs::Answer::Discard;
        QVERIFY(f_->w().openRom(second));
        QVERIFY(w_);  // still open, now on the second ROM (saving there is tst_RomSession's)
        QCOMPARE(doc()->cells(), cells);
        QCOMPARE(ReadFile(rom_), original_);
    }
};

QTEST_MAIN(TestTitleScreenWindow)
#include "tst_TitleScreenWindow.moc"
