// The Map tab: the level view and its scrolling, block picking and painting, saving the map.
#include <QLabel>
#include <cmath>

#include "MainLayout.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "frmMain.h"
#include "map/HeaderTexts.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapSaver.h"
#include "widgets/HandlerGuard.h"
#include "widgets/ScrollBarRange.h"

namespace zantor {

namespace {
const QColor kHoverColour(255, 128, 0);
const QColor kSelectedColour(255, 0, 0);
const QColor kLineColour(0, 255, 0);

QScrollBar* makeScrollBar(QWidget* page, const char* name, Qt::Orientation orientation, int small,
                          int large) {
    auto* bar = new QScrollBar(orientation, page);
    bar->setObjectName(name);
    bar->setSingleStep(small);
    bar->setPageStep(large);
    bar->setRange(0, 0);
    return bar;
}

QLabel* makeLabel(QWidget* page, const char* name, const QString& text, QRect pixels) {
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setGeometry(pixels);
    return label;
}
}  // namespace

void frmMain::buildMapTab(QWidget* page) {
    const MainLayout l = MainLayout::design();
    auto px = [](const QRect& t) {
        return QRect(t.left() / 15, t.top() / 15, t.width() / 15, t.height() / 15);
    };
    Label14 = makeLabel(page, "Label14", "x: 00 y: 00", px(QRect(120, 480, 1695, 255)));
    Label15 = makeLabel(page, "Label15", "Block: 00", px(QRect(960, 480, 1095, 255)));

    picMap2 = new PictureBox(page, "picMap2", true);
    picMap2->setGeometry(px(l.picMap2));
    picMap = new PictureBox(picMap2->surface(), "picMap", false);
    picMap->setGeometry(0, 0, kLevelWidth, kLevelHeight);
    picMap->setPicture(Picture(kLevelWidth, kLevelHeight));
    lineScroll = new LineOverlay(picMap->surface(), "lineScroll", kLineColour);

    vscrMap = makeScrollBar(page, "vscrMap", Qt::Vertical, 4, 16);
    vscrMap->setGeometry(px(l.vscrMap));
    hscrMap = makeScrollBar(page, "hscrMap", Qt::Horizontal, 4, 16);
    hscrMap->setGeometry(px(l.hscrMap));

    picBlocks1 = new PictureBox(page, "picBlocks1", true);
    picBlocks1->setGeometry(px(l.picBlocks1));
    picBlocks2 = new PictureBox(picBlocks1->surface(), "picBlocks2", false);
    picBlocks2->setGeometry(0, 0, kStripWidth, kStripHeight);
    picBlocks2->setPicture(Picture(kStripWidth, kStripHeight));
    shpBlockMouse =
        new ShapeOverlay(picBlocks2->surface(), "shpBlockMouse", {32, 32}, kHoverColour);
    shpBlockMouse2 =
        new ShapeOverlay(picBlocks2->surface(), "shpBlockMouse2", {32, 32}, kSelectedColour);

    hscrBlocks = makeScrollBar(page, "hscrBlocks", Qt::Horizontal, 4, 32);
    hscrBlocks->setGeometry(px(l.hscrBlocks));
    lblBlock = makeLabel(page, "lblBlock", "(00|00)", px(l.lblBlock));
    cmdSaveMap = new QPushButton("Save map", page);
    cmdSaveMap->setObjectName("cmdSaveMap");
    cmdSaveMap->setGeometry(px(l.cmdSaveMap));
    cmdSaveMap->setEnabled(false);

    Test = Picture(kStripWidth, kStripHeight);
}

void frmMain::wireMapTab() {
    connect(hscrMap, &QScrollBar::valueChanged, this, [this] { hscrMap_Change(); });
    connect(hscrMap, &QScrollBar::sliderMoved, this, [this] { hscrMap_Scroll(); });
    connect(vscrMap, &QScrollBar::valueChanged, this, [this] { vscrMap_Change(); });
    connect(vscrMap, &QScrollBar::sliderMoved, this, [this] { vscrMap_Scroll(); });
    connect(hscrBlocks, &QScrollBar::valueChanged, this, [this] { hscrBlocks_Change(); });
    connect(hscrBlocks, &QScrollBar::sliderMoved, this, [this] { hscrBlocks_Scroll(); });
    connect(cmdSaveMap, &QPushButton::clicked, this, [this] { cmdSaveMap_Click(); });
    picMap->mouse.MouseDown = [this](int b, int s, int x, int y) { picMap_MouseDown(b, s, x, y); };
    picMap->mouse.MouseMove = [this](int b, int s, int x, int y) { picMap_MouseMove(b, s, x, y); };
    picMap->mouse.MouseUp = [this](int b, int s, int x, int y) { picMap_MouseUp(b, s, x, y); };
    picBlocks2->mouse.MouseDown = [this](int b, int s, int x, int y) {
        picBlocks2_MouseDown(b, s, x, y);
    };
    picBlocks2->mouse.MouseMove = [this](int b, int s, int x, int y) {
        picBlocks2_MouseMove(b, s, x, y);
    };
}

// --- Scrolling: the pictures move inside their viewports; nothing is redrawn. ---

void frmMain::hscrMap_Change() {
    picMap->setLeft(-hscrMap->value());
}
void frmMain::hscrMap_Scroll() {
    picMap->setLeft(-hscrMap->value());
}
void frmMain::vscrMap_Change() {
    picMap->setTop(-vscrMap->value());
}
void frmMain::vscrMap_Scroll() {
    picMap->setTop(-vscrMap->value());
}
void frmMain::hscrBlocks_Change() {
    picBlocks2->setLeft(-hscrBlocks->value());
}
void frmMain::hscrBlocks_Scroll() {
    picBlocks2->setLeft(-hscrBlocks->value());
}

void frmMain::dragScroll(LineOverlay* line, QScrollBar* horizontal, QScrollBar* vertical) {
    auto step = [](int from, int to, QScrollBar* bar) {
        int v = int(std::nearbyint(double(to) - from + bar->value()));
        if (v < 0)
            v = 0;
        if (v > ScrollMax(bar))
            v = ScrollMax(bar);
        return v;
    };
    const int h = step(line->X1, line->X2, horizontal);
    line->X1 = line->X2;
    if (horizontal->isEnabled())
        horizontal->setValue(h);
    const int v = step(line->Y1, line->Y2, vertical);
    line->Y1 = line->Y2;
    if (vertical->isEnabled())
        vertical->setValue(v);
    line->refreshLine();
}

void frmMain::Timer1_Timer() {
    if (lineScroll->Visible())
        dragScroll(lineScroll, hscrMap, vscrMap);
    if (lineScrollEvents->Visible())
        dragScroll(lineScrollEvents, hScrEvents, vScrEvents);
}

void frmMain::setScrollSpeed(int interval, QAction* checked) {
    Timer1->setInterval(interval);
    for (QAction* speed : {mnuNormal, mnuFast, mnuSlow})
        speed->setChecked(speed == checked);
}

void frmMain::mnuSlow_Click() {
    setScrollSpeed(100, mnuSlow);
}
void frmMain::mnuNormal_Click() {
    setScrollSpeed(50, mnuNormal);
}
void frmMain::mnuFast_Click() {
    setScrollSpeed(25, mnuFast);
}

// --- Picking and painting ---

void frmMain::paintStep(int X, int Y) {
    const int c = FloorDiv(X, 16);
    const int r = FloorDiv(Y, 16);
    if (c < 0 || c >= kMapColumns || r < 0 || r >= kMapRows)
        return;
    const int s = shpBlockMouse2->Left();
    BitBlt(picMap->picture(), 16 * c, 16 * r, 16, 16, Test, s / 2, 0);
    state_->MapBuffer[size_t(r * kMapColumns + c)] = uint8_t(FloorDiv(s, 32));
    picMap->Refresh();
    // The events view shows the same level, so it takes the block too.
    BitBlt(picEvents2->picture(), 16 * c, 16 * r, 16, 16, Test, s / 2, 0);
    picEvents2->Refresh();
}

void frmMain::pickBlockAt(int X, int Y) {
    const int c = FloorDiv(X, 16), r = FloorDiv(Y, 16);
    if (c < 0 || c >= kMapColumns || r < 0 || r >= kMapRows)
        return;
    const int left = 32 * state_->MapBuffer[size_t(r * kMapColumns + c)];
    shpBlockMouse2->setLeft(left);
    // The picked block stands at the palette's left end, or as far as the palette goes.
    hscrBlocks->setValue(left > ScrollMax(hscrBlocks) ? ScrollMax(hscrBlocks) : left);
}

void frmMain::startDragLine(LineOverlay* line, int X, int Y) {
    line->X1 = line->X2 = X;
    line->Y1 = line->Y2 = Y;
    line->setVisible(true);
}

void frmMain::picMap_MouseDown(int Button, int, int X, int Y) {
    if (Button == kLeftButton) {
        paintStep(X, Y);
        Painting = true;
        cmdSaveMap->setEnabled(true);
    } else if (Button == kRightButton) {
        pickBlockAt(X, Y);
    } else if (Button == kMiddleButton) {
        startDragLine(lineScroll, X, Y);
    }
}

void frmMain::picMap_MouseMove(int, int, int X, int Y) {
    if (!(X >= 0 && X <= kLevelWidth - 1 && Y >= 0 && Y <= kLevelHeight - 1))
        return;
    if (lineScroll->Visible()) {
        lineScroll->X2 = X;
        lineScroll->Y2 = Y;
        lineScroll->refreshLine();
    }
    if (Painting)
        paintStep(X, Y);
    Label14->setText("x: " + HexText2(X / 16) + " y: " + HexText2(Y / 16));
    Label15->setText("Block: " +
                     HexText2(state_->MapBuffer[size_t((Y / 16) * kMapColumns + X / 16)]));
}

void frmMain::picMap_MouseUp(int Button, int, int, int) {
    if (Button == kMiddleButton)
        lineScroll->setVisible(false);
    if (Button == kLeftButton)
        Painting = false;
}

void frmMain::picBlocks2_MouseMove(int, int, int X, int) {
    // The pointer can leave the strip while a button is held; the marker stays on a block.
    const int h = std::clamp(FloorDiv(X, 32), 0, kBlockCount - 1);
    shpBlockMouse->setLeft(32 * h);
    lblBlock->setText(lblBlock->text().left(4) + HexText2(h) + ")");
}

void frmMain::picBlocks2_MouseDown(int, int, int, int) {
    shpBlockMouse2->setLeft(shpBlockMouse->Left());
    const QString hovered = lblBlock->text().mid(4, 2);
    lblBlock->setText("(" + hovered + "|" + hovered + ")");
}

// --- Saving the map ---

void frmMain::cmdSaveMap_Click() {
    if (!MapSaver::fits(state_->MapBuffer, state_->CompressedLength)) {
        Dialogs::message(this, MapSaver::tooBigMessage());
        return;
    }
    Guarded(this, [&] {
        RomFile rom = RomFile::open(state_->RomPath);
        MapSaver::write(rom, state_->MapHeader, state_->MapBuffer, state_->CompressedLength);
        rom.commit();
        cmdSaveMap->setEnabled(false);
    });
}

}  // namespace zantor
