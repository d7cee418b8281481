#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoGroup>
#include <QVBoxLayout>
#include <algorithm>

#include "BlockEditorPage.h"
#include "EventsPage.h"
#include "HeaderPage.h"
#include "MapPage.h"
#include "base/AppInfo.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "document/CartridgeCheck.h"
#include "document/LevelDocument.h"
#include "document/TitleDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapSaver.h"
#include "map/MapTable.h"
#include "services/EmulatorLauncher.h"
#include "services/RecentFiles.h"
#include "session/RomSession.h"
#include "ui/about/AboutBox.h"
#include "ui/tiles/TileSetWindow.h"
#include "ui/title/TitleScreenWindow.h"
#include "widgets/Dialogs.h"
#include "widgets/EventsView.h"
#include "widgets/ExtraShortcut.h"
#include "widgets/FixedLabel.h"
#include "widgets/HandlerGuard.h"
#include "widgets/LazyPage.h"
#include "widgets/LevelView.h"
#include "widgets/MarkerImage.h"
#include "widgets/ObjectLayer.h"
#include "widgets/ScreensLayer.h"

namespace zantor {

namespace {
const QString kRomFilter = QStringLiteral("Gameboy roms(*.gb;*.gbc)|*.gb;*.gbc|All Files(*.*)|*.*");

// A status bar label as wide as `widest`, the longest text it shows in its present state, and
// hidden while it has nothing to say, so that the messages get the room. The size changes only
// with that state, not with every figure, so painting does not lay the status bar out again.
void showInStatusLabel(QLabel* label, const QString& text, const QString& widest) {
    if (text.isEmpty()) {
        if (!label->isHidden())
            label->hide();
        label->setText({});  // unlike clear(), nothing happens when it is empty already
        return;
    }
    const QFontMetrics metrics = label->fontMetrics();
    const int width = metrics.horizontalAdvance(widest) + 2 * metrics.averageCharWidth();
    if (label->minimumWidth() != width || label->maximumWidth() != width)
        label->setFixedWidth(width);
    label->setText(text);
    if (label->isHidden())
        label->show();
}
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowIcon(QIcon(QPixmap::fromImage(WindowIconImage())));
    session_ = new RomSession(this);
    document_ = new LevelDocument(session_, this);
    showWindowTitle();

    auto* client = new QWidget(this);
    client->setObjectName("client");
    levelList_ = new QComboBox(client);
    levelList_->setObjectName("cmbMap");
    levelList_->addItems(MapNames());
    // The list shows the level on screen; a change the question cancels goes back.
    connect(levelList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showLevel(index)) {
            const QSignalBlocker block(levelList_);
            levelList_->setCurrentIndex(document_->mapIndex());
        }
    });

    tabs_ = new QTabWidget(client);
    tabs_->setObjectName("SSTab1");
    mapPage_ = new MapPage(document_, tabs_);
    // The other pages are built when first shown.
    eventsTab_ = new LazyPage([this](QWidget* parent) {
        eventsPage_ = new EventsPage(document_, parent);
        connect(eventsPage_, &EventsPage::saveHeaderRequested, this, &MainWindow::saveHeader);
        setUpEventsView();
        return eventsPage_;
    });
    auto* blockTab = new LazyPage([this](QWidget* parent) {
        blockPage_ = new BlockEditorPage(document_, parent);
        connect(blockPage_, &BlockEditorPage::saveBlockRequested, this, &MainWindow::saveBlock);
        connect(blockPage_, &BlockEditorPage::editTilesetRequested, this,
                &MainWindow::openTileSetEditor);
        connect(blockPage_, &BlockEditorPage::refreshRequested, this, &MainWindow::reload);
        return blockPage_;
    });
    auto* headerTab = new LazyPage([this](QWidget* parent) {
        headerPage_ = new HeaderPage(document_, parent);
        return headerPage_;
    });
    tabs_->addTab(mapPage_, tr("&Map"));
    tabs_->addTab(eventsTab_, tr("&Events"));
    tabs_->addTab(blockTab, tr("&Block data and tileset"));
    tabs_->addTab(headerTab, tr("&Header"));

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(levelList_);
    layout->addWidget(tabs_, 1);
    setCentralWidget(client);

    connect(mapPage_, &MapPage::saveMapRequested, this, &MainWindow::saveMap);

    buildStatusBar();
    buildMenus();
    connect(document_, &LevelDocument::modifiedChanged, this, &MainWindow::showObjectsModified);
    connect(document_, &LevelDocument::levelLoaded, this, &MainWindow::showStatus);
    connect(document_, &LevelDocument::saved, this, &MainWindow::showStatus);
    connect(document_, &LevelDocument::choiceChanged, this, &MainWindow::showStatus);
    connect(document_, &LevelDocument::cellsChanged, this, [this] { statusOnEdit_.request(); });
    connect(document_, &LevelDocument::blocksChanged, this, &MainWindow::showStatus);
    connect(document_, &LevelDocument::levelLoaded, this, [this] {
        const QSignalBlocker block(levelList_);
        levelList_->setCurrentIndex(document_->mapIndex());
        rememberOpened();
        // A disabled menu never gets aboutToShow, so the list is filled again here.
        fillRecentMenu();
        showWindowTitle();
    });
    setAcceptDrops(true);

    QSettings settings;
    if (!restoreGeometry(settings.value("window/geometry").toByteArray()))
        resize(760, 620);
    showStatus();
}

MainWindow::~MainWindow() {
    delete titleScreen_.data();
    delete tileSet_.data();
    delete info_.data();
}

void MainWindow::buildMenus() {
    QSettings settings;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* open = file->addAction(tr("&Open ROM..."), this, &MainWindow::chooseRom);
    open->setObjectName("mnuOpen");
    open->setShortcut(QKeySequence::Open);
    QAction* saveAll = file->addAction(tr("&Save"), this, [this] { save(); });
    saveAll->setObjectName("mnuSave");
    saveAll->setShortcut(QKeySequence::Save);
    QAction* refresh = file->addAction(tr("&Refresh displayed data"), this, &MainWindow::reload);
    refresh->setObjectName("mnuRefresh");
    refresh->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));  // F5 runs the emulator
    addExportActions(file);
    addShareActions(file);
    file->addSeparator()->setObjectName("mnuTrennung");
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName("mnuEnd");
    exit->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("mnuEdit");
    QAction* undo = editHistory()->createUndoAction(this, tr("Undo"));
    undo->setObjectName("mnuUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = editHistory()->createRedoAction(this, tr("Redo"));
    redo->setObjectName("mnuRedo");
    redo->setShortcuts(WithExtraKey(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)));
    edit->addAction(undo);
    edit->addAction(redo);
    addEditingActions(edit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("mnuView");
    QAction* zoomIn =
        view->addAction(tr("Zoom &In"), this, [this] { shownLevelView()->zoomBy(1); });
    zoomIn->setObjectName("mnuZoomIn");
    // Ctrl+= as well: "+" takes Shift on most keyboards.
    zoomIn->setShortcuts(
        WithExtraKey(QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    QAction* zoomOut =
        view->addAction(tr("Zoom &Out"), this, [this] { shownLevelView()->zoomBy(-1); });
    zoomOut->setObjectName("mnuZoomOut");
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* actual = view->addAction(tr("&Actual Size"), this,
                                      [this] { shownLevelView()->setZoomPercent(100); });
    actual->setObjectName("mnuZoomReset");
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    auto toggle = [&](const QString& caption, const char* name, const char* key) {
        QAction* action = view->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(settings.value(key, false).toBool());
        connect(action, &QAction::toggled, this, [this, key](bool on) {
            QSettings().setValue(key, on);
            applyOverlays();
        });
        return action;
    };
    blockGridAction_ = toggle(tr("&Block Grid"), "mnuBlockGrid", "view/blockGrid");
    blockGridAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    screenGridAction_ = toggle(tr("&Screen Grid"), "mnuScreenGrid", "view/screenGrid");
    highlightAction_ = toggle(tr("&Highlight Every Use of the Chosen Block"), "mnuHighlight",
                              "view/highlightChosen");
    // The screens' edges and exits over the map, to check them while reshaping the level.
    auto* screensLayer = new ScreensLayer(mapPage_->levelView(), document_->screens());
    mapPage_->levelView()->addLayer(screensLayer);
    QAction* screens = toggle(tr("S&creens"), "mnuScreens", "view/screens");
    screensLayer->setShown(screens->isChecked());
    connect(screens, &QAction::toggled, screensLayer, &ScreensLayer::setShown);
    view->addSeparator();
    compareAction_ =
        view->addAction(tr("&Compare with original…"), this, &MainWindow::toggleComparison);
    compareAction_->setObjectName("mnuCompare");
    compareAction_->setCheckable(true);
    connect(document_, &LevelDocument::comparisonChanged, this, [this] {
        compareAction_->setChecked(document_->isComparing());
        showStatus();
    });
    applyOverlays();

    QMenu* editors = menuBar()->addMenu(tr("E&ditors"));
    editors->setObjectName("mnuEditor");
    // The editors still to come are listed, disabled, and say so when pointed at.
    editors->setToolTipsVisible(true);
    auto editor = [editors](const char* name, const QString& caption) {
        QAction* action = editors->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(false);
        return action;
    };
    auto notYet = [editor](const char* name, const QString& caption) {
        editor(name, caption)->setToolTip(tr("Not available yet"));
    };
    notYet("mnuOverworld", tr("Overworld editor"));
    titleEditorAction_ = editor("mnuTitle", tr("&Titlescreen editor"));
    connect(titleEditorAction_, &QAction::triggered, this, &MainWindow::openTitleEditor);
    QAction* tileSetAction = editor("mnuTileset", tr("Tileset editor"));
    connect(tileSetAction, &QAction::triggered, this, &MainWindow::openTileSetEditor);
    connect(document_, &LevelDocument::levelLoaded, tileSetAction,
            [this, tileSetAction] { tileSetAction->setEnabled(document_->hasLevel()); });
    addObjectEditing(view, editor("mnuSprite", tr("Sprite editor")));
    notYet("mnuSound", tr("Sound editor"));
    notYet("mnuCredits", tr("Credits editor"));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName("mnuOptions");
    QMenu* speed = options->addMenu(tr("&Scrollspeed"));
    speed->setObjectName("mnuScrollspeed");
    const std::pair<const char*, std::pair<QString, int>> speeds[] = {
        {"mnuSlow", {tr("Slow"), 100}},
        {"mnuNormal", {tr("Normal"), 50}},
        {"mnuFast", {tr("Fast"), 25}},
    };
    for (const auto& [name, entry] : speeds) {
        const int interval = entry.second;
        QAction* action =
            speed->addAction(entry.first, this, [this, interval] { setScrollSpeed(interval); });
        action->setObjectName(name);
        action->setCheckable(true);
        action->setData(interval);
        speedActions_.append(action);
    }
    setScrollSpeed(50);

    addToolsMenu();
    QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
    help->setObjectName("mnuQuestion");
    help->addAction(tr("About %1").arg(AppInfo::descriptiveName()), this, &MainWindow::openAbout)
        ->setObjectName("mnuAbout");
}

void MainWindow::buildStatusBar() {
    statusBar()->setObjectName("StatusBar1");
    pathLabel_ = new QLabel(this);
    pathLabel_->setObjectName("StatusPanel1");
    meterLabel_ = new QLabel(this);
    meterLabel_->setObjectName("lblMapMeter");
    usesLabel_ = new QLabel(this);
    usesLabel_->setObjectName("lblBlockUses");
    // Fixed sizes: a new figure must not lay the status bar out again on every edit. The widths
    // follow what the labels show (showInStatusLabel); they start hidden, as nothing is open.
    for (QLabel* label : {meterLabel_, usesLabel_}) {
        FixLabelSize(label, {});
        label->hide();
    }
    meterLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addWidget(pathLabel_, 1);
    statusBar()->addPermanentWidget(usesLabel_);
    statusBar()->addPermanentWidget(meterLabel_);
}

QString MainWindow::levelName() const {
    return MapNames().value(document_->mapIndex());
}

void MainWindow::showWindowTitle() {
    const QString caption = tr("Zantor - %1 - Public Pre Alpha").arg(AppInfo::versionText());
    if (document_->romPath().isEmpty()) {
        setWindowTitle(caption + QStringLiteral("[*]"));
        return;
    }
    setWindowTitle(QStringLiteral("%1[*] — %2 — %3")
                       .arg(QFileInfo(document_->romPath()).fileName(), levelName(), caption));
}

void MainWindow::showStatus() {
    pathLabel_->setText(document_->romPath());
    if (!document_->hasLevel()) {
        showInStatusLabel(meterLabel_, {}, {});
        showInStatusLabel(usesLabel_, {}, {});
        return;
    }
    const QLocale locale(QLocale::English);
    const int used = document_->mapBytesNeeded();
    const int slot = document_->slotBytes();
    QString meter = tr("Map: %1 / %2 bytes").arg(locale.toString(used), locale.toString(slot));
    // Within the slot the meter is never wider than with the slot's figure twice.
    QString widest = tr("Map: %1 / %1 bytes").arg(locale.toString(slot));
    if (used > slot) {
        meter += tr(" (%1 over)").arg(locale.toString(used - slot));
        widest = meter;
    }
    // Only on a change: setting a style sheet restyles the label every time. First, as the
    // bold face is wider.
    const QString style =
        used > slot ? QStringLiteral("color: #c00000; font-weight: bold") : QString();
    if (meterLabel_->styleSheet() != style)
        meterLabel_->setStyleSheet(style);
    showInStatusLabel(meterLabel_, meter, widest);
    if (document_->isComparing()) {
        const QString changes = tr("Changed from the original: %1 cells, %2 blocks");
        showInStatusLabel(usesLabel_,
                          changes.arg(locale.toString(document_->differingCells()))
                              .arg(locale.toString(document_->differingBlocks())),
                          changes.arg(locale.toString(kMapCells)).arg(128));
    } else if (highlightAction_->isChecked()) {
        const auto& cells = document_->cells();
        const auto uses = std::count(cells.begin(), cells.end(), uint8_t(document_->paintBlock()));
        const QString count = tr("Block %1: %2 uses");
        showInStatusLabel(
            usesLabel_,
            count.arg(HexText2(document_->paintBlock()), locale.toString(qlonglong(uses))),
            count.arg(QStringLiteral("7F"), locale.toString(kMapCells)));
    } else {
        showInStatusLabel(usesLabel_, {}, {});
    }
}

void MainWindow::applyOverlays() {
    if (!blockGridAction_ || !screenGridAction_ || !highlightAction_)
        return;
    const LevelView::Overlays overlays{blockGridAction_->isChecked(),
                                       screenGridAction_->isChecked(),
                                       highlightAction_->isChecked()};
    for (LevelView* each : levelViews())
        each->setOverlays(overlays);
    showStatus();
}

void MainWindow::setScrollSpeed(int milliseconds) {
    for (QAction* action : speedActions_)
        action->setChecked(action->data().toInt() == milliseconds);
    for (LevelView* each : levelViews())
        each->setDragInterval(milliseconds);
}

bool MainWindow::maybeSave() {
    const bool goOn =
        Dialogs::maybeSave(this, document_->isModified() || objectsModified(),
                           tr("the changes to %1").arg(levelName()), [this] { return save(); });
    if (goOn) {
        discardUnsavedObjects();
        document_->discardTileEdits();
    }
    return goOn;
}

TitleScreenWindow* MainWindow::titleScreenWindow() const {
    return titleScreen_.data();
}

bool MainWindow::maybeSaveAll() {
    return maybeSave() && (!titleScreen_ || titleScreen_->maybeSave());
}

bool MainWindow::openRom(const QString& path) {
    if (path.isEmpty() || !maybeSaveAll())
        return false;
    bool opened = false;
    Guarded(this, [&] {
        const RomFile rom = RomFile::open(path);
        const QString problems = CartridgeCheck::problems(rom);
        if (!problems.isEmpty() &&
            Dialogs::ask(this,
                         tr("\"%1\" does not look like a Super Mario Land 2 "
                            "cartridge:\n%2\n\nOpen it anyway?")
                             .arg(QDir::toNativeSeparators(path), problems),
                         {}, {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes)
            return;
        // The level last shown for this ROM, when there is one.
        QSettings settings;
        const int index = RecentFiles(settings).lastMap(path).value_or(levelList_->currentIndex());
        // The session opens it for every window; the title screen editor shows its title.
        document_->load(rom, std::clamp(index, 0, kMapCount - 1));
        showStart();
        titleEditorAction_->setEnabled(true);
        opened = true;
    });
    return opened;
}

bool MainWindow::showLevel(int mapIndex) {
    if (document_->romPath().isEmpty())
        return true;  // nothing open: the list only chooses what the next open shows
    if (mapIndex == document_->mapIndex() && document_->hasLevel())
        return true;
    if (!maybeSave())
        return false;
    return Guarded(this, [&] {
        document_->loadLevel(mapIndex);
        showStart();
    });
}

void MainWindow::showStart() {
    // A new level opens around the player's start, not in the sky above the first screen.
    const QPoint start = document_->startPosition();
    for (LevelView* view : levelViews())
        scrollToStart(view, start);
}

void MainWindow::scrollToStart(LevelView* view, QPoint start) {
    const QSize visible = view->viewport()->size() * 100 / view->zoomPercent();
    view->scrollToLevel(start - QPoint(visible.width() / 3, visible.height() / 2));
}

QList<LevelView*> MainWindow::levelViews() const {
    QList<LevelView*> views{mapPage_->levelView()};
    if (eventsPage_)
        views.append(eventsPage_->view());
    return views;
}

LevelView* MainWindow::shownLevelView() const {
    return eventsPage_ && tabs_->currentWidget() == eventsTab_
               ? static_cast<LevelView*>(eventsPage_->view())
               : mapPage_->levelView();
}

void MainWindow::setUpEventsView() {
    // The events view shows what the map's view shows, as if it had been there from the start.
    LevelView* view = eventsPage_->view();
    const LevelView* map = mapPage_->levelView();
    view->setOverlays(map->overlays());
    view->setDragInterval(map->dragInterval());
    view->objectLayer()->setSource(objects_);
    view->objectLayer()->setShown(map->objectLayer()->isShown());
    view->objectLayer()->setNames(objectNameLookUp());
    if (document_->hasLevel())
        scrollToStart(view, document_->startPosition());
}

void MainWindow::reload() {
    if (document_->romPath().isEmpty() || !maybeSave())
        return;
    const int edited = document_->editedBlock();
    const int tile = document_->chosenTile();
    const int paint = document_->paintBlock();
    if (Guarded(this, [&] { document_->loadLevel(document_->mapIndex()); })) {
        // A refresh shows what the ROM holds; what the user was working on stays chosen.
        document_->setEditedBlock(edited);
        document_->setChosenTile(tile);
        document_->setPaintBlock(paint);
    }
}

void MainWindow::chooseRom() {
    const std::optional<QString> chosen = Dialogs::chooseFile(
        this, Dialogs::FileKind::Open, tr("Open ROM"), kRomFilter, document_->romPath());
    if (chosen)
        openRom(*chosen);
}

void MainWindow::reportSave(const QString& what, int bytes, int32_t offset) {
    statusBar()->showMessage(tr("Saved %1: %2 bytes at 0x%3")
                                 .arg(what, QLocale(QLocale::English).toString(bytes),
                                      QString::number(offset, 16).toUpper()),
                             8000);
}

bool MainWindow::offerRepack() {
    const int excess = document_->mapBytesNeeded() - document_->slotBytes();
    LevelDocument::RepackOffer offer;
    Guarded(this, [&] { offer = document_->repackOffer(); });
    if (!offer.possible) {
        Dialogs::message(this, MapSaver::tooBigMessage(excess, false));
        return false;
    }
    const QString moved = offer.movedMaps.isEmpty()
                              ? tr("No other map moves.")
                              : tr("These maps move: %1.").arg(offer.movedMaps.join(", "));
    const QString question = MapSaver::tooBigMessage(excess, true) +
                             tr("\n\nRepack the maps of its region now? %1 %2 then gets %3 bytes. "
                                "Everything is saved in one go.")
                                 .arg(moved, levelName())
                                 .arg(offer.newSlot);
    if (Dialogs::ask(this, question, tr("Repack"), {Dialogs::Answer::Yes, Dialogs::Answer::No}) !=
        Dialogs::Answer::Yes) {
        // Said, so that the question's end is not taken for a save.
        Dialogs::message(
            this,
            tr("Nothing was saved: the map of %1 is %2 over its slot, and "
               "without the repack it cannot be written. Simplify the map, "
               "or save again and answer Yes to repack.")
                .arg(levelName(),
                     excess == 1 ? tr("1 byte")
                                 : tr("%1 bytes").arg(QLocale(QLocale::English).toString(excess))));
        return false;
    }
    return Guarded(this, [&] {
        const LevelDocument::SaveResult result = document_->saveRepacked();
        reportSave(levelName() + tr(" (repacked)"), result.mapBytes, result.mapOffset);
    });
}

bool MainWindow::save() {
    if (!document_->hasLevel())
        return true;
    bool objectsWritten = false;
    if (!saveObjects(&objectsWritten))
        return false;
    if (objectsWritten && !document_->isModified())
        return true;
    if (document_->isMapModified() && !document_->mapFits())
        return offerRepack();
    bool written = false;
    Guarded(this, [&] {
        const LevelDocument::SaveResult result = document_->save();
        written = result.written;
        QStringList parts;
        if (result.mapBytes > 0)
            parts << tr("map %1 bytes at 0x%2")
                         .arg(QLocale(QLocale::English).toString(result.mapBytes),
                              QString::number(result.mapOffset, 16).toUpper());
        if (result.blocksWritten > 0)
            parts << tr("%1 block(s)").arg(result.blocksWritten);
        if (result.headerWritten)
            parts << tr("header");
        if (result.screensWritten)
            parts << tr("screens");
        statusBar()->showMessage(parts.isEmpty()
                                     ? tr("Nothing to save")
                                     : tr("Saved %1: %2").arg(levelName(), parts.join(", ")),
                                 8000);
    });
    return written;
}

void MainWindow::saveMap() {
    if (!document_->hasLevel())
        return;
    if (!document_->mapFits()) {
        offerRepack();
        return;
    }
    Guarded(this, [&] {
        const LevelDocument::SaveResult result = document_->saveMap();
        if (result.written)
            reportSave(levelName(), result.mapBytes, result.mapOffset);
    });
}

void MainWindow::saveBlock() {
    Guarded(this, [&] {
        const int block = document_->editedBlock();
        const LevelDocument::SaveResult result = document_->saveBlock(block);
        if (result.written)
            statusBar()->showMessage(
                tr("Saved block %1: 4 bytes at 0x%2")
                    .arg(QString::number(block, 16).toUpper().rightJustified(2, '0'),
                         QString::number(document_->header().BlockDataOffset() + 4 * block, 16)
                             .toUpper()),
                8000);
    });
}

void MainWindow::saveHeader() {
    Guarded(this, [&] {
        if (document_->saveHeader().written)
            statusBar()->showMessage(tr("Saved the header of %1").arg(levelName()), 8000);
    });
}

void MainWindow::openTitleEditor() {
    if (titleScreen_) {
        titleScreen_->show();
        titleScreen_->raise();
        titleScreen_->activateWindow();
        return;
    }
    TitleDocument* title = session_->titleDocument();
    if (!title)
        return;
    if (!title->isLoaded()) {
        Dialogs::message(this, title->loadError(), {}, Dialogs::Icon::Critical);
        return;
    }
    auto* window = new TitleScreenWindow(session_);
    window->setWindowIcon(windowIcon());
    titleScreen_ = window;
    window->show();
}

void MainWindow::openAbout() {
    if (!info_) {
        info_ = new AboutBox();
        info_->setWindowIcon(windowIcon());
    }
    info_->show();
    info_->raise();
    info_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // The title screen editor asks about its own unsaved work as it closes.
    if (titleScreen_ && !titleScreen_->close()) {
        event->ignore();
        return;
    }
    if (info_)
        info_->close();
    QSettings().setValue("window/geometry", saveGeometry());
    event->accept();
}

}  // namespace zantor
