#include "BlockEditorPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "widgets/CellGridView.h"
#include "widgets/Dialogs.h"

namespace zantor {

namespace {
// The sheet cell that shows a tile, and back (the mapping is its own inverse).
int tileOfSheetCell(int cell) {
    return SheetCellOfTile(uint8_t(cell));
}
QRect sheetRectOfTile(int tile) {
    const int cell = SheetCellOfTile(uint8_t(tile));
    return QRect((cell % 16) * 8, (cell / 16) * 8, 8, 8);
}
}  // namespace

BlockEditorPage::BlockEditorPage(LevelDocument* document, QWidget* parent)
    : QWidget(parent), document_(document) {
    sheet_ = new CellGridView(QSize(8, 8), this);
    sheet_->setObjectName("picTiles");
    sheet_->source = [document] { return document->tileSheet().image(); };
    sheet_->chosen = [document] { return SheetCellOfTile(uint8_t(document->chosenTile())); };
    sheet_->pressed = [this](int cell, Qt::MouseButton) {
        document_->setChosenTile(tileOfSheetCell(cell));
    };

    auto* zoom = new QComboBox(this);
    zoom->setObjectName("cmbTileZoom");
    zoom->addItems({"1×", "2×", "4×"});
    zoom->setToolTip(tr("Zoom of the tile sheet and the block"));
    connect(zoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { setSheetZoom(1 << index); });

    tile_ = new CellGridView(QSize(8, 8), this);
    tile_->setObjectName("Picture4");
    tile_->source = [document] {
        return document->tileSheet().image().copy(sheetRectOfTile(document->chosenTile()));
    };

    block_ = new CellGridView(QSize(8, 8), this);
    block_->setObjectName("Picture3");
    block_->source = [document] {
        return document->blockStrip().image().copy(16 * document->editedBlock(), 0, 16, 16);
    };
    auto place = [this](int quarter, Qt::MouseButtons buttons) {
        if (buttons & Qt::LeftButton)
            document_->setBlockQuarter(document_->editedBlock(), quarter,
                                       uint8_t(document_->chosenTile()));
        else if (buttons & Qt::RightButton)
            document_->setChosenTile(
                document_->blocks()[size_t(document_->editedBlock())][size_t(quarter)]);
    };
    block_->pressed = [place](int quarter, Qt::MouseButton button) { place(quarter, button); };
    block_->dragged = place;

    strip_ = new CellGridView(QSize(16, 16), this);
    strip_->setObjectName("Picture2");
    strip_->source = [document] { return document->blockStrip().image(); };
    strip_->chosen = [document] { return document->editedBlock(); };
    strip_->pressed = [this](int cell, Qt::MouseButton) { document_->setEditedBlock(cell); };
    strip_->setZoom(2);
    QScrollArea* stripArea = CellGridView::inStripArea(strip_, "Picture1", "HScroll3", this);

    blockNumber_ = new QLabel(QStringLiteral("00"), this);
    blockNumber_->setObjectName("Label1");
    saveBlock_ = new QPushButton(tr("Save block"), this);
    saveBlock_->setObjectName("cmdSaveBlock");
    saveBlock_->setEnabled(false);
    connect(saveBlock_, &QPushButton::clicked, this, &BlockEditorPage::saveBlockRequested);
    auto* editTileset = new QPushButton(tr("Edit Tileset"), this);
    editTileset->setObjectName("Command2");
    connect(editTileset, &QPushButton::clicked, this, &BlockEditorPage::editTilesetRequested);
    auto* refresh = new QPushButton(tr("Refresh displayed data"), this);
    refresh->setObjectName("Command1");
    connect(refresh, &QPushButton::clicked, this, &BlockEditorPage::refreshRequested);

    auto* sheetArea = new QScrollArea(this);
    sheetArea->setWidget(sheet_);
    sheetArea->setWidgetResizable(false);

    auto* side = new QGridLayout;
    side->addWidget(new QLabel(tr("Current tile:"), this), 0, 0);
    side->addWidget(tile_, 0, 1);
    side->addWidget(new QLabel(tr("Current block:"), this), 1, 0);
    side->addWidget(block_, 1, 1);
    side->addWidget(blockNumber_, 1, 2);
    side->addWidget(new QLabel(tr("Zoom:"), this), 2, 0);
    side->addWidget(zoom, 2, 1);
    side->addWidget(saveBlock_, 3, 0, 1, 3);
    side->addWidget(editTileset, 4, 0, 1, 3);
    side->addWidget(refresh, 5, 0, 1, 3);
    side->setRowStretch(6, 1);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(sheetArea, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(stripArea, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);

    zoom->setCurrentIndex(1);  // 8-pixel tiles are not clicked at 1×
    setSheetZoom(2);

    connect(document, &LevelDocument::levelLoaded, this, &BlockEditorPage::updateState);
    connect(document, &LevelDocument::blocksChanged, this, &BlockEditorPage::updateState);
    connect(document, &LevelDocument::tilesChanged, this, &BlockEditorPage::updateState);
    connect(document, &LevelDocument::choiceChanged, this, &BlockEditorPage::updateState);
    connect(document, &LevelDocument::saved, this, &BlockEditorPage::updateState);
    connect(document, &LevelDocument::modifiedChanged, this, &BlockEditorPage::updateState);
    updateState();  // the page may be built after the level was loaded
}

void BlockEditorPage::setSheetZoom(int factor) {
    sheet_->setZoom(factor);
    tile_->setZoom(2 * factor);
    block_->setZoom(2 * factor);
}

void BlockEditorPage::updateState() {
    for (CellGridView* view : {sheet_, tile_, block_, strip_})
        view->refresh();
    blockNumber_->setText(HexText2(document_->editedBlock()));
    saveBlock_->setEnabled(document_->isBlockModified(document_->editedBlock()));
}

}  // namespace zantor
