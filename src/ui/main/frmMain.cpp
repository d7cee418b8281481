#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <optional>

#include "MainLayout.h"
#include "MarkerImage.h"
#include "codec/RomFile.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "base/AppInfo.h"
#include "widgets/HandlerGuard.h"
#include "widgets/ScrollBarRange.h"
#include "ui/about/frmInfo.h"
#include "ui/title/frmTitleScreen.h"

namespace zantor {

namespace {
constexpr int kTwips = MainLayout::kTwipsPerPixel;

int px(int twips) {
    return int(std::lround(double(twips) / kTwips));
}
QRect pxRect(const QRect& twips) {
    return QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
}
}  // namespace

frmMain::frmMain(std::shared_ptr<EditorState> state, QWidget* parent)
    : QMainWindow(parent), state_(std::move(state)) {
    setObjectName("frmMain");
    setWindowIcon(QIcon(QPixmap::fromImage(WindowIconImage())));
    // The layout is measured for a small dialog font; larger fonts would overrun the labels.
    QFont small = font();
    small.setFamilies({"MS Sans Serif", "DejaVu Sans Condensed", "Liberation Sans Narrow"});
    small.setPixelSize(11);
    setFont(small);
    buildWindow();
    buildMenus();
    buildMapTab(SSTab1->page(0));
    buildEventsTab(SSTab1->page(1));
    buildBlockTab(SSTab1->page(2));
    buildHeaderTab(SSTab1->page(3));
    wireMapTab();
    wireEventsTab();
    wireBlockTab();

    // The design's client area is 501 × 517 pixels.
    resize(501, 517 + menuBar()->sizeHint().height());
    setMinimumHeight(px(MainLayout::kMinimumHeight - MainLayout::kFrameHeight) +
                     menuBar()->sizeHint().height());
    Form_Load();
}

frmMain::~frmMain() {
    delete titleScreen.data();
    delete info.data();
}

void frmMain::buildWindow() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    cmbMap = new QComboBox(client);
    cmbMap->setObjectName("cmbMap");
    cmbMap->addItems(MapNames());
    cmbMap->setGeometry(pxRect(QRect(120, 120, 4935, 315)));
    connect(cmbMap, &QComboBox::activated, this, [this] { cmbMap_Click(); });

    SSTab1 =
        new TabControl(client, "SSTab1", {"Map", "Events", "Block data and tileset", "Header"});
    SSTab1->setGeometry(pxRect(MainLayout::design().SSTab1));
    SSTab1->TabClick = [this](int previous) { SSTab1_Click(previous); };

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName("StatusPanel1");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();
}

void frmMain::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption, bool enabled) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(enabled);
        return a;
    };
    mnuFile = menuBar()->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    mnuOpen = action(mnuFile, "mnuOpen", "Open ROM...", true);
    mnuTrennung = mnuFile->addSeparator();
    mnuTrennung->setObjectName("mnuTrennung");
    mnuEnd = action(mnuFile, "mnuEnd", "Exit", true);

    mnuEditor = menuBar()->addMenu("Editors");
    mnuEditor->setObjectName("mnuEditor");
    mnuOverworld = action(mnuEditor, "mnuOverworld", "Overworld editor", false);
    mnuTitle = action(mnuEditor, "mnuTitle", "Titlescreen editor", false);
    mnuTileset = action(mnuEditor, "mnuTileset", "Tileset editor", false);
    mnuSprite = action(mnuEditor, "mnuSprite", "Sprite editor", false);
    mnuSound = action(mnuEditor, "mnuSound", "Sound editor", false);
    mnuCredits = action(mnuEditor, "mnuCredits", "Credits editor", false);

    mnuOptions = menuBar()->addMenu("Options");
    mnuOptions->setObjectName("mnuOptions");
    mnuScrollspeed = mnuOptions->addMenu("Scrollspeed");
    mnuScrollspeed->setObjectName("mnuScrollspeed");
    mnuSlow = action(mnuScrollspeed, "mnuSlow", "Slow", true);
    mnuNormal = action(mnuScrollspeed, "mnuNormal", "Normal", true);
    mnuFast = action(mnuScrollspeed, "mnuFast", "Fast", true);
    for (QAction* speed : {mnuSlow, mnuNormal, mnuFast})
        speed->setCheckable(true);
    mnuNormal->setChecked(true);

    mnuQuestion = menuBar()->addMenu("?");
    mnuQuestion->setObjectName("mnuQuestion");
    mnuAbout = action(mnuQuestion, "mnuAbout", "About " + AppInfo::descriptiveName(), true);

    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuEnd, &QAction::triggered, this, [this] { mnuEnd_Click(); });
    connect(mnuTitle, &QAction::triggered, this, [this] { mnuTitle_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    // A checkable action flips its own mark on a click; the handlers set all three marks.
    connect(mnuSlow, &QAction::triggered, this, [this] { mnuSlow_Click(); });
    connect(mnuNormal, &QAction::triggered, this, [this] { mnuNormal_Click(); });
    connect(mnuFast, &QAction::triggered, this, [this] { mnuFast_Click(); });
}

int frmMain::outerWidthTwips() const {
    return centralWidget()->width() * kTwips + MainLayout::kFrameWidth;
}

int frmMain::outerHeightTwips() const {
    return centralWidget()->height() * kTwips + MainLayout::kFrameHeight;
}

void frmMain::Form_Load() {
    cmbMap->setCurrentIndex(0);
    cmbMap_Click();
    StatusPanel1->setText(state_->RomPath);
    setScrollRanges(true);
    setWindowTitle(QStringLiteral("Zantor - v %1.%2.%3 - Public Pre Alpha")
                       .arg(AppInfo::kMajor)
                       .arg(AppInfo::kMinor)
                       .arg(AppInfo::kRevision));
    SSTab1_Click(0);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (titleScreen)
        titleScreen->close();
    if (info)
        info->close();
    QMainWindow::closeEvent(event);
}

void frmMain::Form_Resize() {
    if (isMinimized())
        return;
    const MainLayout l = MainLayout::compute(outerWidthTwips(), outerHeightTwips());
    QWidget* client = centralWidget();
    // The status bar is docked at the bottom of the client area.
    StatusBar1->setGeometry(0, client->height() - px(255), client->width(), px(255));
    StatusPanel1->setGeometry(2, 0, std::max(0, client->width() - 4), px(255));

    SSTab1->resize(px(l.SSTab1.width()), px(l.SSTab1.height()));
    picMap2->setGeometry(pxRect(l.picMap2));
    vscrMap->setGeometry(pxRect(l.vscrMap));
    hscrMap->setGeometry(pxRect(l.hscrMap));
    picBlocks1->setGeometry(pxRect(l.picBlocks1));
    hscrBlocks->setGeometry(pxRect(l.hscrBlocks));
    lblBlock->setGeometry(pxRect(l.lblBlock));
    cmdSaveMap->setGeometry(pxRect(l.cmdSaveMap));
    picEvents1->setGeometry(pxRect(l.picEvents1));
    vScrEvents->setGeometry(pxRect(l.vScrEvents));
    hScrEvents->setGeometry(pxRect(l.hScrEvents));

    // Ranges, then which bars are needed at all.
    SetScrollMax(hscrBlocks, ScrollMaximum(kStripWidth, l.picBlocks1.width()));
    SetScrollMax(hscrMap, ScrollMaximum(kLevelWidth, l.picMap2.width()));
    SetScrollMax(vscrMap, ScrollMaximum(kLevelHeight, l.picMap2.height()));
    SetScrollMax(vScrEvents, ScrollMaximum(kLevelHeight, l.picEvents1.height()));
    SetScrollMax(hScrEvents, ScrollMaximum(kLevelWidth, l.picEvents1.width()));
    const std::pair<QScrollBar*, bool> tooLarge[] = {
        {hscrBlocks, InnerPixels(l.picBlocks1.width()) > kStripWidth},
        {hScrEvents, InnerPixels(l.picEvents1.width()) > kLevelWidth},
        {hscrMap, InnerPixels(l.picMap2.width()) > kLevelWidth},
        {vscrMap, InnerPixels(l.picMap2.height()) > kLevelHeight},
        {vScrEvents, InnerPixels(l.picEvents1.height()) > kLevelHeight},
    };
    for (const auto& [bar, viewLarger] : tooLarge) {
        if (viewLarger) {
            bar->setEnabled(false);
            bar->setValue(0);
        } else {
            bar->setEnabled(true);
        }
    }
}

void frmMain::setScrollRanges(bool withHScroll3) {
    auto twips = [](const QWidget* w, bool horizontal) {
        return (horizontal ? w->width() : w->height()) * kTwips;
    };
    SetScrollMax(hscrBlocks, ScrollMaximum(kStripWidth, twips(picBlocks1, true)));
    SetScrollMax(hscrMap, ScrollMaximum(kLevelWidth, twips(picMap2, true)));
    SetScrollMax(vscrMap, ScrollMaximum(kLevelHeight, twips(picMap2, false)));
    SetScrollMax(hScrEvents, ScrollMaximum(kLevelWidth, twips(picEvents1, true)));
    SetScrollMax(vScrEvents, ScrollMaximum(kLevelHeight, twips(picEvents1, false)));
    if (withHScroll3) {
        SetScrollMax(HScroll3, ScrollMaximum(kStripWidth, twips(Picture1, true)));
    }
}

void frmMain::cmbMap_Click() {
    cmbMap_Change();
}

void frmMain::cmbMap_Change() {
    if (state_->RomPath.isEmpty())
        return;
    Guarded(this, [&] {
        const RomFile rom = RomFile::open(state_->RomPath);
        const LoadedMap map = LoadMap(rom, cmbMap->currentIndex());
        showLoadedMap(map);
    });
}

void frmMain::showLoadedMap(const LoadedMap& map) {
    state_->apply(map);
    picTiles->setPicture(map.picTiles);
    Test = map.Test;
    picBlocks2->setPicture(map.picBlocks2);
    Picture2->setPicture(map.Picture2);
    picMap->setPicture(map.picMap);
    Label7->setText(map.label7Caption);
    showHeader(map);
    imgMario->move(map.markerLeft, map.markerTop);
    picEvents2->setPicture(map.picEvents2);
    Shape5->move(0, 0);
    Shape1->setLeft(0);
    shpBlockMouse2->setLeft(0);
    mnuTitle->setEnabled(true);
    Picture2_Click();
    picTiles_Click();
}

void frmMain::openRom(const QString& path) {
    const QString previous = state_->RomPath;
    state_->RomPath = path;
    StatusPanel1->setText(path);
    if (path.isEmpty())
        return;
    Guarded(this, [&] {
        std::optional<RomFile> rom;
        try {
            rom.emplace(RomFile::open(path));
        } catch (const RomFileError&) {
            // A file that cannot be opened leaves the editor as it was, old ROM included.
            state_->RomPath = previous;
            StatusPanel1->setText(previous);
            throw;
        }
        showLoadedMap(LoadMap(*rom, cmbMap->currentIndex()));
    });
}

void frmMain::mnuOpen_Click() {
    const std::optional<QString> chosen = Dialogs::chooseFile(
        this, Dialogs::FileKind::Open, "Open ROM",
        "Gameboy roms(*.gb;*.gbc)|*.gb;*.gbc|All Files(*.*)|*.*", state_->RomPath);
    // A cancelled dialog keeps the name it was given, and the map is loaded again.
    openRom(chosen.value_or(state_->RomPath));
}

void frmMain::Command1_Click() {
    cmbMap_Click();
}

void frmMain::Command2_Click() {
    Dialogs::message(this, "Tileset-editing not included yet!");
}

void frmMain::SSTab1_Click(int) {
    const int tab = SSTab1->Tab();
    vscrMap->setVisible(tab == 0);
    cmdSaveMap->setVisible(tab == 0);
    lblBlock->setVisible(tab == 0);
    vScrEvents->setVisible(tab == 1);
}

void frmMain::mnuEnd_Click() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void frmMain::mnuTitle_Click() {
    if (titleScreen) {
        titleScreen->show();
        titleScreen->raise();
        titleScreen->activateWindow();
        return;
    }
    auto* window = new frmTitleScreen(state_->RomPath, state_->RomVersion);
    window->setWindowIcon(windowIcon());
    if (!window->Form_Load()) {
        delete window;
        return;
    }
    titleScreen = window;
    window->show();
}

void frmMain::mnuAbout_Click() {
    if (!info) {
        info = new frmInfo();
        info->setWindowIcon(windowIcon());
    }
    info->show();
    info->raise();
    info->activateWindow();
}

}  // namespace zantor
