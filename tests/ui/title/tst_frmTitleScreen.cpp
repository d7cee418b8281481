#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "codec/RomFile.h"
#include "base/AtomicFileWriter.h"
#include "widgets/Dialogs.h"
#include "widgets/MouseEvent.h"
#include "sample/SampleCartridge.h"
#include "support/SavedImage.h"
#include "support/TempRom.h"
#include "ui/title/frmTitleScreen.h"

using namespace zantor;

namespace {
constexpr int32_t kTilesAt = 0x149E5;  // the sample of version 0
const QString kSaved =
    QStringLiteral("Tiles saved|Tiles saved successfully!|%1").arg(int(Dialogs::Icon::Information));

QImage CellImage(const Picture& picture, QPoint at) {
    return picture.image().copy(at.x(), at.y(), 8, 8);
}

AtomicFileWriter::ScopedFault FailingRename() {
    return AtomicFileWriter::ScopedFault(
        [](AtomicFileWriter::Step step, int) { return step == AtomicFileWriter::Step::Rename; });
}
}  // namespace

class TestFrmTitleScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::shared_ptr<EditorState> state_;
    QString rom_;
    QByteArray original_;
    std::optional<QString> answer_;  // what the file dialog gives; nullopt: cancelled
    QStringList messages_;           // "title|text|icon"
    QStringList dialogs_;            // "open|save title|preset"
    std::unique_ptr<Dialogs::ScopedScript> script_;
    std::unique_ptr<frmTitleScreen> w;

    QString bitmap(const QString& name, QColor colour) {
        QImage image(128, 128, QImage::Format_RGB32);
        image.fill(colour);
        image.save(dir_->filePath(name), "BMP");
        return dir_->filePath(name);
    }
    Picture sheetInRom() const { return TitleScreen::load(RomFile::open(rom_), 0).picTiles; }
    void select(int tile) {
        w->picTiles_MouseMove(0, 0, TitleScreen::sheetCell(tile).x(),
                              TitleScreen::sheetCell(tile).y());
        w->picTiles_Click();
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        original_ = BuildSampleCartridge(0);
        rom_ = WriteFile(*dir_, "sample.gb", original_);
        state_ = std::make_shared<EditorState>();
        state_->RomPath = rom_;
        state_->mapLoaded = true;
        answer_.reset();
        messages_.clear();
        dialogs_.clear();
        script_ = std::make_unique<Dialogs::ScopedScript>(Dialogs::Script{
            [this](const QString& text, const QString& title, Dialogs::Icon icon) {
                messages_ << QStringLiteral("%1|%2|%3").arg(title, text).arg(int(icon));
            },
            [this](Dialogs::FileKind kind, const QString& title, const QString& filter,
                   const QString& preset) {
                const bool bitmaps =
                    filter == "Bitmaps (*.dib;*.bmp)|*.dib;*.bmp|All files (*.*)|*.*";
                dialogs_ << QString(kind == Dialogs::FileKind::Open ? "open " : "save ") +
                                (bitmaps ? title : "wrong filter") + '|' + preset;
                return answer_;
            },
            [](int) { QFAIL("the program ended"); }});
        w = std::make_unique<frmTitleScreen>(state_);
        QVERIFY(w->Form_Load());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        script_.reset();
    }

    void controlsAndLoad() {
        QCOMPARE(w->windowTitle(), QString("Title screen editor"));
        QCOMPARE(w->size(), QSize(314, 214));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const QList<std::tuple<QWidget*, QString, QRect, QString>> controls{
            {w->Label1, "Label1", {8, 8, 129, 17}, "Tiles:"},
            {w->Label2, "Label2", {144, 8, 73, 17}, "Map:"},
            {w->picTiles, "picTiles", {8, 24, 132, 132}, {}},
            {w->picMap, "picMap", {144, 24, 164, 148}, {}},
            {w->cmdSaveTilesAs, "cmdSaveTilesAs", {8, 160, 132, 25}, "Save Tiles as..."},
            {w->Command2, "Command2", {8, 184, 132, 25}, "Edit Tiles"},
            {w->Command1, "Command1", {144, 176, 164, 25}, "Save Map"}};
        for (const auto& [widget, name, geometry, text] : controls) {
            QCOMPARE(widget->objectName(), name);
            QCOMPARE(widget->geometry(), geometry);
            QCOMPARE(widget->property("text").toString(), text);
        }
        QCOMPARE(w->picMap->surface()->size(), QSize(160, 144));
        QWidget* next = w->picTiles;  // the tab order, labels taking no focus
        for (QWidget* expected : std::initializer_list<QWidget*>{w->picMap, w->Command1,
                                                                 w->Command2, w->cmdSaveTilesAs}) {
            do {
                next = next->nextInFocusChain();
            } while (next->focusPolicy() == Qt::NoFocus);
            QCOMPARE(next, expected);
        }
        QVERIFY(!w->Command1->isEnabled());
        const TitleScreen expected = TitleScreen::load(RomFile::open(rom_), 0);
        QCOMPARE(w->picTiles->picture().image(), expected.picTiles.image());
        QCOMPARE(w->picMap->picture().image(), expected.picMap.image());
        QCOMPARE(w->TitleMap, expected.TitleMap);

        state_->RomPath = dir_->filePath("gone.gb");
        frmTitleScreen failing(state_);
        QVERIFY(!failing.Form_Load());
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains("gone.gb"));
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
        QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(43, 39));  // tile 0 on opening
        QCOMPARE(w->TitleMap[size_t(TitleScreen::cellIndex(5, 4))], uint8_t(0));
        QCOMPARE(CellImage(w->picMap->picture(), {40, 32}), CellImage(sheet, {0, 0}));
        QVERIFY(w->Command1->isEnabled());

        const uint8_t picked = w->TitleMap[size_t(TitleScreen::cellIndex(9, 3))];
        QTest::mouseClick(map, Qt::RightButton, {}, QPoint(72, 24));
        QCOMPARE(w->selectedTile(), picked);
        QCOMPARE(w->Shape2->pos(), QPoint(0, 0));
        QVERIFY(picked != w->TitleMap[1] && picked != w->TitleMap[359]);
        // A drag paints every cell it reports inside the map; outside it nothing happens.
        TitleScreen::Cells expected = w->TitleMap;
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(3, 3));
        for (QPoint p : {QPoint(12, 3), QPoint(-5, 20), QPoint(170, 20), QPoint(159, 143)}) {
            QTest::mouseMove(map, p);
        }
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
        QList<int> others;  // cells that show another tile, so that a paint would show
        for (int i = 0; i < 360 && others.size() < 2; ++i) {
            if (w->TitleMap[size_t(i)] != picked)
                others << i;
        }
        auto at = [](int cell) { return QPoint(8 * (cell % 20) + 4, 8 * (cell / 20) + 4); };
        const TitleScreen::Cells before = w->TitleMap;
        QTest::mouseMove(map, at(others[0]));
        QCOMPARE(w->TitleMap, before);
        // A left press under the held right button paints once; moving with both does not.
        QTest::mousePress(map, Qt::LeftButton, {}, at(others[0]));
        QTest::mouseMove(map, at(others[1]));
        QTest::mouseRelease(map, Qt::LeftButton, {}, at(others[1]));
        QTest::mouseRelease(map, Qt::RightButton, {}, at(others[1]));
        TitleScreen::Cells expected = before;
        expected[size_t(others[0])] = picked;
        QCOMPARE(w->TitleMap, expected);
        // A right press beside the map (the pointer left it during a drag) picks nothing,
        // though its cell numbers would land on cell 20.
        w->TitleMap[20] = uint8_t(picked + 1);
        w->picMap_MouseDown(kRightButton, 0, 160, 0);
        QCOMPARE(w->selectedTile(), int(picked));
    }

    void saveMapWritesOneByteAndSurvivesAFailedCommit() {
        const int32_t at = TitleScreen::MapBase(RomFile::open(rom_)) + 6 + 32 * 8;
        const uint8_t tile = uint8_t((w->TitleMap[size_t(TitleScreen::cellIndex(6, 8))] + 1) % 256);
        select(tile);
        w->picMap_MouseDown(kLeftButton, 0, 48, 64);
        {
            const auto fault = FailingRename();
            w->Command1_Click();
        }
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains("sample.gb"));
        QVERIFY(w->Command1->isEnabled());
        QCOMPARE(w->TitleMap[size_t(TitleScreen::cellIndex(6, 8))], tile);
        QCOMPARE(ReadFile(rom_), original_);

        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QVERIFY(!w->Command1->isEnabled());
        QCOMPARE(messages_.size(), 1);  // saving says nothing
        QByteArray expected = original_;
        expected[at] = char(tile ^ 0x80);
        QCOMPARE(ReadFile(rom_), SavedImage(expected, original_));
    }

    void cancelledDialogsWriteNothing() {
        w->Command2_Click();
        w->cmdSaveTilesAs_Click();
        QCOMPARE(dialogs_, (QStringList{"open Open Tiles|", "save Save Tiles as|"}));
        QVERIFY(messages_.isEmpty());
        QCOMPARE(ReadFile(rom_), original_);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"sample.gb"});
    }

    void exportThenImportWritesTheSameTiles() {
        select(40);  // the markers must not reach the file
        answer_ = WriteFile(*dir_, "tiles.bmp", "an older file");
        w->cmdSaveTilesAs_Click();
        QCOMPARE(QImage(*answer_, "BMP").convertToFormat(QImage::Format_RGB32),
                 w->picTiles->picture().image());
        w->Command2_Click();
        QCOMPARE(messages_, QStringList{kSaved});
        QCOMPARE(ReadFile(rom_), original_);
        QCOMPARE(dialogs_.last(), "open Open Tiles|" + *answer_);  // one dialog keeps its name
    }

    void importingRedWritesZerosAndPaintsFromTheNewSheet() {
        const QImage mapBefore = w->picMap->picture().image();
        answer_ = bitmap("red.bmp", Qt::red);
        w->Command2_Click();
        QCOMPARE(messages_, QStringList{kSaved});
        QByteArray expected = original_;
        expected.replace(kTilesAt, 4096, QByteArray(4096, '\0'));
        QCOMPARE(ReadFile(rom_), SavedImage(expected, original_));
        QCOMPARE(w->picMap->picture().image(), mapBefore);
        QVERIFY(!w->Command1->isEnabled());
        QTest::mouseClick(w->picMap->surface(), Qt::LeftButton, {}, QPoint(80, 80));
        QCOMPARE(w->picMap->picture().GetPixel(83, 83), 0xFF0000u);
    }

    void aFailedImportChangesNothing() {
        const QImage sheet = w->picTiles->picture().image();
        answer_ = WriteFile(*dir_, "notes.bmp", "text, not a bitmap");
        w->Command2_Click();
        answer_ = bitmap("black.bmp", Qt::black);
        {
            const auto fault = FailingRename();
            w->Command2_Click();
        }
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[0].contains("notes.bmp"));
        QVERIFY(messages_[1].contains("sample.gb"));
        QCOMPARE(ReadFile(rom_), original_);
        QCOMPARE(w->picTiles->picture().image(), sheet);
    }
};

QTEST_MAIN(TestFrmTitleScreen)
#include "tst_frmTitleScreen.moc"
