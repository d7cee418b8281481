// The "Block data and tileset" tab: pick a tile and a block, place tiles into the block's
// quarters, write the block's four tile numbers back with "Save block".
#include <cmath>

#include "codec/RomFile.h"
#include "frmMain.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "widgets/HandlerGuard.h"
#include "widgets/WrappingButton.h"

namespace zantor {

namespace {
const QColor kHoverColour(255, 128, 0);
const QColor kSelectedColour(255, 0, 0);

PictureBox* makePicture(QWidget* parent, const char* name, bool border, QRect outer, QSize inner) {
    auto* box = new PictureBox(parent, name, border);
    box->setGeometry(outer);
    box->setPicture(Picture(inner.width(), inner.height()));
    return box;
}
}  // namespace

void frmMain::buildBlockTab(QWidget* page) {
    picTiles = makePicture(page, "picTiles", true, {8, 40, 132, 132}, {128, 128});
    Shape5 = new ShapeOverlay(picTiles->surface(), "Shape5", {8, 8}, kHoverColour);
    Shape4 = new ShapeOverlay(picTiles->surface(), "Shape4", {8, 8}, kSelectedColour);
    Label11 = new QLabel("Current tile:", page);
    Label11->setObjectName("Label11");
    Label11->setGeometry(144, 40, 73, 17);
    Picture4 = makePicture(page, "Picture4", true, {144, 56, 20, 20}, {16, 16});
    Label12 = new QLabel("Current block:", page);
    Label12->setObjectName("Label12");
    Label12->setGeometry(144, 80, 89, 17);
    Picture3 = makePicture(page, "Picture3", true, {144, 96, 36, 36}, {32, 32});
    cmdSaveBlock = new QPushButton("Save block", page);
    cmdSaveBlock->setObjectName("cmdSaveBlock");
    cmdSaveBlock->setGeometry(184, 96, 81, 33);
    cmdSaveBlock->setEnabled(false);
    Command2 = new QPushButton("Edit Tileset", page);
    Command2->setObjectName("Command2");
    Command2->setGeometry(144, 136, 81, 33);
    Command1 = new WrappingButton("Refresh displayed data", page);
    Command1->setObjectName("Command1");
    Command1->setGeometry(232, 136, 81, 33);
    Command1->setEnabled(false);
    Picture1 = makePicture(page, "Picture1", true, {8, 176, 449, 36}, {445, 32});
    Picture2 = makePicture(Picture1->surface(), "Picture2", false,
                           {0, 0, kStripWidth, kStripHeight}, {kStripWidth, kStripHeight});
    Shape1 = new ShapeOverlay(Picture2->surface(), "Shape1", {32, 32}, kHoverColour);
    Shape3 = new ShapeOverlay(Picture2->surface(), "Shape3", {32, 32}, kSelectedColour);
    HScroll3 = new QScrollBar(Qt::Horizontal, page);
    HScroll3->setObjectName("HScroll3");
    HScroll3->setGeometry(8, 216, 449, 17);
    HScroll3->setSingleStep(4);
    HScroll3->setPageStep(32);
    Label1 = new QLabel("lb", page);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 240, 33, 17);
}

void frmMain::wireBlockTab() {
    picTiles->mouse.MouseMove = [this](int b, int s, int x, int y) {
        picTiles_MouseMove(b, s, x, y);
    };
    picTiles->mouse.Click = [this] { picTiles_Click(); };
    Picture2->mouse.MouseMove = [this](int b, int s, int x, int y) {
        Picture2_MouseMove(b, s, x, y);
    };
    Picture2->mouse.Click = [this] { Picture2_Click(); };
    Picture3->mouse.MouseDown = [this](int b, int s, int x, int y) {
        Picture3_MouseDown(b, s, x, y);
    };
    Picture3->mouse.MouseMove = [this](int b, int s, int x, int y) {
        Picture3_MouseMove(b, s, x, y);
    };
    Picture3->mouse.MouseUp = [this](int b, int s, int x, int y) { Picture3_MouseUp(b, s, x, y); };
    connect(HScroll3, &QScrollBar::valueChanged, this, [this] { HScroll3_Change(); });
    connect(HScroll3, &QScrollBar::sliderMoved, this, [this] { HScroll3_Scroll(); });
    connect(cmdSaveBlock, &QPushButton::clicked, this, [this] { cmdSaveBlock_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frmMain::picTiles_MouseMove(int, int, int X, int Y) {
    // Held buttons keep the moves coming outside the sheet; the marker stays on a tile.
    Shape5->move(8 * std::clamp(FloorDiv(X, 8), 0, 15), 8 * std::clamp(FloorDiv(Y, 8), 0, 15));
}

void frmMain::picTiles_Click() {
    StretchBlt(Picture4->picture(), 0, 0, 16, 16, picTiles->picture(), Shape5->Left(),
               Shape5->Top(), 8, 8);
    Shape4->move(Shape5->pos());
    Picture4->Refresh();
}

void frmMain::Picture2_MouseMove(int, int, int X, int) {
    const int block = std::clamp(FloorDiv(X, 32), 0, kBlockCount - 1);
    Shape1->setLeft(32 * block);
    Label1->setText(HexText(block));
}

void frmMain::Picture2_Click() {
    BitBlt(Picture3->picture(), 0, 0, 32, 32, Picture2->picture(), Shape1->Left(), 0);
    Shape3->setLeft(Shape1->Left());
    Picture3->Refresh();
    CurrentBlock = state_->BlockSet[size_t(Shape1->Left() / 32)];
}

namespace {
// The quarter under (X, Y) of the 32 × 32 block view: 0 top-left .. 3 bottom-right.
struct Quarter {
    int column, row;
    int index() const { return 2 * row + column; }
    bool valid() const { return column >= 0 && column < 2 && row >= 0 && row < 2; }
};
Quarter quarterAt(int X, int Y) {
    return {FloorDiv(X, 16), FloorDiv(Y, 16)};
}
}  // namespace

void frmMain::Picture3_MouseDown(int Button, int, int X, int Y) {
    const Quarter q = quarterAt(X, Y);
    if (!q.valid())
        return;
    if (Button == kLeftButton) {
        // Nothing to edit before a map is loaded: the block would belong to no map.
        if (!state_->mapLoaded)
            return;
        BitBlt(Picture3->picture(), 16 * q.column, 16 * q.row, 16, 16, Picture4->picture(), 0, 0);
        Picture3->Refresh();
        PaintingBlock = true;
        CurrentBlock[size_t(q.index())] =
            uint8_t((16 * (Shape4->Top() / 8) + Shape4->Left() / 8) ^ 0x80);
        cmdSaveBlock->setEnabled(true);
    } else if (Button == kRightButton) {
        const int s = CurrentBlock[size_t(q.index())] ^ 0x80;
        picTiles_MouseMove(0, 0, 8 * (s % 16), 8 * (s / 16));
        picTiles_Click();
    }
}

void frmMain::Picture3_MouseMove(int, int, int X, int Y) {
    if (!PaintingBlock || !(X > 0 && X < 32 && Y > 0 && Y < 32))
        return;
    const Quarter q = quarterAt(X, Y);
    BitBlt(Picture3->picture(), 16 * q.column, 16 * q.row, 16, 16, Picture4->picture(), 0, 0);
    Picture3->Refresh();
    CurrentBlock[size_t(q.index())] =
        uint8_t((16 * (Shape4->Top() / 8) + Shape4->Left() / 8) ^ 0x80);
}

void frmMain::Picture3_MouseUp(int, int, int, int) {
    PaintingBlock = false;
}

void frmMain::HScroll3_Change() {
    Picture2->setLeft(-HScroll3->value());
}
void frmMain::HScroll3_Scroll() {
    Picture2->setLeft(-HScroll3->value());
}

void frmMain::cmdSaveBlock_Click() {
    Guarded(this, [&] {
        RomFile rom = RomFile::open(state_->RomPath);
        const int i = Shape3->Left() / 32;
        const int32_t blockData = state_->MapHeader.BlockDataOffset();
        for (int q = 0; q < 4; ++q) {
            rom.WriteRomByte(blockData + 4 * i + q, CurrentBlock[size_t(q)]);
        }
        rom.commit();
        // Only a block that reached the file changes the model and the strip.
        state_->BlockSet[size_t(i)] = CurrentBlock;
        BitBlt(Picture2->picture(), Shape3->Left(), 0, 32, 32, Picture3->picture(), 0, 0);
        Picture2->Refresh();
        cmdSaveBlock->setEnabled(false);
        Command1->setEnabled(true);
    });
}

}  // namespace zantor
