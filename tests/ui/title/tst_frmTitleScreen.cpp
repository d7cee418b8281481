#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "codec/RomFile.h"
#include "sample/SampleCartridge.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "ui/title/frmTitleScreen.h"
#include "widgets/Dialogs.h"
#include "widgets/MouseEvent.h"

using namespace zantor;

class TestFrmTitleScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString rom_;
    QByteArray original_;
    std::optional<QString> answer_;   // what the file dialog gives; nullopt: cancelled
    QList<Dialogs::Answer> answers_;  // what questions get, in turn
    QStringList messages_, questions_;
    QStringList dialogs_;  // "open|save title|preset"
    std::unique_ptr<Dialogs::ScopedScript> script_;
    std::unique_ptr<frmTitleScreen> w;

    static QImage CellImage(const Picture& p, QPoint a) { return p.image().copy({a, QSize(8, 8)}); }
    static QPoint CellCentre(int cell) { return QPoint(8 * (cell % 20) + 4, 8 * (cell / 20) + 4); }
    QString bitmap(const QString& name, QColor colour) {
        QImage image(128, 128, QImage::Format_RGB32);
        image.fill(colour);
        return image.save(dir_->filePath(name), "BMP") ? dir_->filePath(name) : QString();
    }
    Picture sheetInRom() const { return TitleScreen::load(RomFile::open(rom_), 0).picTiles; }
    // A cell whose tile differs from the selected one, so that painting it shows.
    int otherCell(int after = -1) const {
        for (int i = after + 1; i < TitleScreen::kCells; ++i)
            if (w->TitleMap[size_t(i)] != w->selectedTile())
                return i;
        qFatal("every cell holds the selected tile");
    }
    void stroke(QWidget* map, const QList<int>& cells) {
        QTest::mousePress(map, Qt::LeftButton, {}, CellCentre(cells.first()));
        for (int cell : cells.mid(1))
            QTest::mouseMove(map, CellCentre(cell));
        QTest::mouseRelease(map, Qt::LeftButton, {}, CellCentre(cells.last()));
    }
    // The window's own, for the tests that close it (it deletes itself then).
    QPointer<frmTitleScreen> released() { return QPointer<frmTitleScreen>(w.release()); }
    void open() {
        w = std::make_unique<frmTitleScreen>(rom_, uint8_t(0));
        QVERIFY(w->Form_Load());
        w->show();
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        original_ = BuildSampleCartridge(0);
        rom_ = WriteFile(*dir_, "sample.gb", original_);
        answer_.reset();
        answers_.clear();
        messages_ = dialogs_ = questions_ = {};
        script_ = std::make_unique<Dialogs::ScopedScript>(Dialogs::Script{
            [this](const QString& text, const QString&, Dialogs::Icon) { messages_ << text; },
            [this](Dialogs::FileKind kind, const QString& title, const QString& filter,
                   const QString& preset) {
                dialogs_ << QString(kind == Dialogs::FileKind::Open ? "open " : "save ") +
                                (filter == frmTitleScreen::kBitmapFilter ? title : "wrong filter") +
                                '|' + preset;
                return answer_;
            },
            [this](const QString& text, const QString&, const QList<Dialogs::Answer>& answers) {
                questions_ << text;
                return answers_.isEmpty() ? answers.last() : answers_.takeFirst();
            }});
        open();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() {
        w.reset();
        script_.reset();
    }

    void loadShowsTheRomAndAFailedLoadIsReported() {
        const TitleScreen expected = TitleScreen::load(RomFile::open(rom_), 0);
        QCOMPARE(w->picTiles->picture().image(), expected.picTiles.image());
        QCOMPARE(w->picMap->picture().image(), expected.picMap.image());
        QCOMPARE(w->TitleMap, expected.TitleMap);
        QVERIFY(!w->isWindowModified() && !w->Command1->isEnabled());

        frmTitleScreen failing(dir_->filePath("gone.gb"), 0);
        QVERIFY(!failing.Form_Load());
        QVERIFY(messages_.size() == 1 && messages_[0].contains("gone.gb"));
    }

    void pointerMarkerFollowsAndAClickSelects() {
        QWidget* sheet = w->picTiles->surface();
        QTest::mouseMove(sheet, QPoint(37, 90));
        QTRY_COMPARE(w->Shape2->pos(), QPoint(32, 88));
        QCOMPARE(w->selectedTile(), 0);  // moving alone selects nothing
        QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(37, 90));
        QCOMPARE(w->selectedTile(), 16 * 11 + 4);
        // Dragged far beyond the sheet, the marker stays on its last cell.
        w->picTiles_MouseMove(kLeftButton, 0, 4000, -4000);
        QCOMPARE(w->Shape2->pos(), QPoint(120, 0));
        w->picTiles_MouseMove(kLeftButton, 0, 4000, 4000);
        w->picTiles_Click();
        QCOMPARE(w->selectedTile(), 255);
    }

    void paintPickAndDrag() {
        QWidget* map = w->picMap->surface();
        const Picture sheet = sheetInRom();
        QVERIFY(w->TitleMap[size_t(TitleScreen::cellIndex(5, 4))] != 0);
        QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(43, 39));  // tile 0 on opening
        QCOMPARE(w->TitleMap[size_t(TitleScreen::cellIndex(5, 4))], uint8_t(0));
        QCOMPARE(CellImage(w->picMap->picture(), {40, 32}), CellImage(sheet, {0, 0}));
        QVERIFY(w->Command1->isEnabled() && w->isWindowModified());

        const uint8_t picked = w->TitleMap[size_t(TitleScreen::cellIndex(9, 3))];
        QTest::mouseClick(map, Qt::RightButton, {}, QPoint(72, 24));
        QCOMPARE(w->selectedTile(), picked);
        QCOMPARE(w->Shape2->pos(), QPoint(0, 0));
        QVERIFY(picked != w->TitleMap[1] && picked != w->TitleMap[359]);
        // A drag paints every cell it reports inside the map; outside it nothing happens.
        TitleScreen::Cells expected = w->TitleMap;
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(3, 3));
        for (QPoint p : {QPoint(12, 3), QPoint(-5, 20), QPoint(170, 20), QPoint(159, 143)})
            QTest::mouseMove(map, p);
        QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(159, 143));
        for (int cell : {0, 1, 359})
            expected[size_t(cell)] = picked;
        QCOMPARE(w->TitleMap, expected);
        QCOMPARE(CellImage(w->picMap->picture(), {152, 136}),
                 CellImage(sheet, TitleScreen::sheetCell(picked)));
        QCOMPARE(ReadFile(rom_), original_);  // painting never writes
    }

    void leftAndRightTogetherPaintNothing() {
        QWidget* map = w->picMap->surface();
        QTest::mousePress(map, Qt::RightButton, {}, QPoint(20, 20));
        const uint8_t picked = uint8_t(w->selectedTile());
        const int first = otherCell();
        const int second = otherCell(first);
        const TitleScreen::Cells before = w->TitleMap;
        QTest::mouseMove(map, CellCentre(first));
        QCOMPARE(w->TitleMap, before);
        // A left press under the held right button paints once; moving with both does not.
        stroke(map, {first, second});
        QTest::mouseRelease(map, Qt::RightButton, {}, CellCentre(second));
        TitleScreen::Cells expected = before;
        expected[size_t(first)] = picked;
        QCOMPARE(w->TitleMap, expected);
        // A right press beside the map (the pointer left it during a drag) picks nothing,
        // though its cell numbers would land on cell 20.
        w->TitleMap[20] = uint8_t(picked + 1);
        w->picMap_MouseDown(kRightButton, 0, 160, 0);
        QCOMPARE(w->selectedTile(), int(picked));
    }

    void aStrokeIsOneUndoStepAndCtrlSSavesTheCells() {
        QWidget* map = w->picMap->surface();
        const TitleScreen::Cells opened = w->TitleMap;
        const QImage openedPicture = w->picMap->picture().image();
        const int a = otherCell(), b = otherCell(a), c = otherCell(b);
        stroke(map, {a, b});
        const TitleScreen::Cells afterFirst = w->TitleMap;
        stroke(map, {c});
        stroke(map, {c});  // the tile the cell holds: no step at all
        QCOMPARE(w->undoStack->count(), 2);
        const TitleScreen::Cells painted = w->TitleMap;

        QTest::keySequence(w.get(), QKeySequence::Undo);
        QCOMPARE(w->TitleMap, afterFirst);
        QTest::keySequence(w.get(), QKeySequence::Undo);
        QCOMPARE(w->TitleMap, opened);
        QCOMPARE(w->picMap->picture().image(), openedPicture);
        QVERIFY(!w->isWindowModified() && !w->Command1->isEnabled());
        QTest::keySequence(w.get(), QKeySequence::Redo);
        QTest::keySequence(w.get(), QKeySequence::Redo);
        QCOMPARE(w->TitleMap, painted);
        QCOMPARE(w->picMap->picture().image(), TitleScreen::DrawMap(sheetInRom(), painted).image());

        // The save writes the cells and nothing else; undoing away from it and back is clean.
        QTest::keySequence(w.get(), QKeySequence::Save);
        QVERIFY(!w->isWindowModified() && !w->Command1->isEnabled());
        RomFile expected = RomFile::fromBytes(original_);
        TitleScreen::WriteMap(expected, painted);
        QCOMPARE(ReadFile(rom_), SavedImage(expected.bytes(), original_));
        QTest::keySequence(w.get(), QKeySequence::Undo);
        QVERIFY(w->isWindowModified());
        QTest::keySequence(w.get(), QKeySequence::Redo);
        QVERIFY(!w->isWindowModified() && messages_.isEmpty());
    }

    void closingAsksAboutUnsavedChanges() {
        QPointer<frmTitleScreen> clean = released();
        clean->close();
        QTRY_VERIFY(!clean);
        QVERIFY(questions_.isEmpty());

        open();
        stroke(w->picMap->surface(), {otherCell()});
        const TitleScreen::Cells painted = w->TitleMap;
        // Cancel, or a save that fails, keeps the window and its edits.
        answers_ = {Dialogs::Answer::Cancel};
        QVERIFY(!w->close());
        {
            const auto fault = FailingStep(AtomicFileWriter::Step::Rename);
            answers_ = {Dialogs::Answer::Save};
            QVERIFY(!w->close());
        }
        QCOMPARE(questions_.size(), 2);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(w->isVisible() && w->isWindowModified());
        QCOMPARE(w->TitleMap, painted);
        QCOMPARE(ReadFile(rom_), original_);

        answers_ = {Dialogs::Answer::Save};
        QPointer<frmTitleScreen> saved = released();
        QVERIFY(saved->close());
        QTRY_VERIFY(!saved);
        QCOMPARE(TitleScreen::load(RomFile::open(rom_), 0).TitleMap, painted);
    }

    void cancelledDialogsAndAFileThatIsNoBitmapChangeNothing() {
        w->Command2_Click();
        w->cmdSaveTilesAs_Click();
        QCOMPARE(dialogs_, (QStringList{"open Open Tiles|", "save Save Tiles as|"}));
        QVERIFY(messages_.isEmpty());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"sample.gb"});

        const QImage sheet = w->picTiles->picture().image();
        answer_ = WriteFile(*dir_, "notes.bmp", "text, not a bitmap");
        w->Command2_Click();
        QVERIFY(messages_.size() == 1 && messages_[0].contains("notes.bmp"));
        QCOMPARE(ReadFile(rom_), original_);
        QCOMPARE(w->picTiles->picture().image(), sheet);
    }

    void exportThenImportWritesTheSameTiles() {
        w->picTiles_MouseMove(0, 0, 64, 16);  // tile 40; the markers must not reach the file
        w->picTiles_Click();
        answer_ = dir_->filePath("tiles");
        w->cmdSaveTilesAs_Click();
        // ".bmp" is added to a name without a suffix.
        const QString bmp = dir_->filePath("tiles.bmp");
        QCOMPARE(QImage(bmp, "BMP").convertToFormat(QImage::Format_RGB32),
                 w->picTiles->picture().image());
        answer_ = bmp;
        w->Command2_Click();
        QVERIFY(messages_.isEmpty());  // no modal box
        QCOMPARE(ReadFile(rom_), original_);
        QCOMPARE(dialogs_.last(), "open Open Tiles|" + bmp);  // one dialog keeps its name

        // The dialog asked about "tiles", not "tiles.bmp": replacing that is asked here.
        WriteFile(*dir_, "tiles.bmp", "kept");
        answer_ = dir_->filePath("tiles");
        answers_ = {Dialogs::Answer::No};
        w->cmdSaveTilesAs_Click();
        QCOMPARE(questions_.size(), 1);
        QVERIFY(questions_[0].contains("tiles.bmp"));
        QCOMPARE(ReadFile(bmp), QByteArray("kept"));
        // A name with a suffix of its own is kept as chosen.
        answer_ = dir_->filePath("tiles.dib");
        w->cmdSaveTilesAs_Click();
        QVERIFY(QFile::exists(dir_->filePath("tiles.dib")));
    }

    void anImportShowsWhatTheRomHolds() {
        // Painted and saved before the import: the cell must show the new tile. Unsaved
        // painting after it is drawn from the new tiles too.
        stroke(w->picMap->surface(), {otherCell()});
        QVERIFY(w->save());
        answer_ = bitmap("black.bmp", Qt::black);
        w->Command2_Click();
        QCOMPARE(sheetInRom().GetPixel(64, 64), shade::kBlack);
        QCOMPARE(w->picTiles->picture().image(), sheetInRom().image());
        QCOMPARE(w->picMap->picture().image(),
                 TitleScreen::load(RomFile::open(rom_), 0).picMap.image());
        QVERIFY(!w->isWindowModified());  // the tiles went straight into the ROM

        stroke(w->picMap->surface(), {otherCell()});
        answer_ = bitmap("grey.bmp", QColor(0xAA, 0xAA, 0xAA));
        w->Command2_Click();
        QCOMPARE(w->picMap->picture().image(),
                 TitleScreen::DrawMap(sheetInRom(), w->TitleMap).image());
        QCOMPARE(w->picMap->picture().GetPixel(4, 4), shade::kLight);
        QVERIFY(w->isWindowModified() && messages_.isEmpty());
    }
};

QTEST_MAIN(TestFrmTitleScreen)
#include "tst_frmTitleScreen.moc"
