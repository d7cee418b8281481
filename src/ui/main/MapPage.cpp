#include "MapPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "widgets/CellGridView.h"
#include "widgets/FixedLabel.h"
#include "widgets/LevelView.h"

namespace zantor {

MapPage::MapPage(LevelDocument* document, QWidget* parent) : QWidget(parent), document_(document) {
    cellLabel_ = new QLabel(QStringLiteral("x: 00 y: 00"), this);
    cellLabel_->setObjectName("Label14");
    blockLabel_ = new QLabel(QStringLiteral("Block: 00"), this);
    blockLabel_->setObjectName("Label15");

    // Read-outs change with every pointer move: fixed widths keep the layout (and so the
    // whole page) from being redone each time.
    for (QLabel* label : {cellLabel_, blockLabel_})
        FixLabelSize(label, QStringLiteral("x: WW y: WW  "), true);

    levelView_ = new LevelView(document, this);
    levelView_->setObjectName("picMap");

    palette_ = new CellGridView(QSize(16, 16), this);
    palette_->setObjectName("picBlocks2");
    palette_->source = [document] { return document->blockStrip().image(); };
    palette_->chosen = [document] { return document->paintBlock(); };
    palette_->marked = [document](int block) { return document->blockDiffers(block); };
    palette_->pressed = [this](int cell, Qt::MouseButton button) {
        if (button == Qt::RightButton)
            return;  // the context menu's
        document_->setPaintBlock(cell);
    };
    palette_->setZoom(2);
    palette_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(palette_, &QWidget::customContextMenuRequested, this, &MapPage::showPaletteMenu);
    connect(palette_, &CellGridView::hoveredChanged, this, &MapPage::showPaletteLabel);

    paletteArea_ = CellGridView::inStripArea(palette_, "picBlocks1", "hscrBlocks", this);

    paletteLabel_ = new QLabel(QStringLiteral("(00|00)"), this);
    paletteLabel_->setObjectName("lblBlock");
    FixLabelSize(paletteLabel_, QStringLiteral("(WW|WW)  "), true);
    saveMap_ = new QPushButton(QStringLiteral("Save map"), this);
    saveMap_->setObjectName("cmdSaveMap");
    saveMap_->setEnabled(false);
    connect(saveMap_, &QPushButton::clicked, this, &MapPage::saveMapRequested);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* readouts = new QHBoxLayout;
    readouts->addWidget(cellLabel_);
    readouts->addWidget(blockLabel_);
    readouts->addStretch();
    layout->addLayout(readouts, 0, 0, 1, 3);
    layout->addWidget(levelView_, 1, 0, 1, 3);
    layout->addWidget(paletteArea_, 2, 0, 1, 3);
    layout->addWidget(paletteLabel_, 3, 0);
    layout->addWidget(saveMap_, 3, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    auto refreshPalette = [this] {
        palette_->refresh();
        showPaletteLabel();
    };
    connect(document, &LevelDocument::levelLoaded, this, refreshPalette);
    connect(document, &LevelDocument::blocksChanged, this, refreshPalette);
    connect(document, &LevelDocument::comparisonChanged, this, refreshPalette);
    connect(document, &LevelDocument::choiceChanged, this, [this, refreshPalette] {
        refreshPalette();
        // The chosen block stays in sight, as after a pick on the level.
        paletteArea_->ensureVisible(document_->paintBlock() * 32 + 16, 16, 16, 0);
    });
    connect(document, &LevelDocument::hoveredCellChanged, this, [this] { readouts_.request(); });
    connect(document, &LevelDocument::cellsChanged, this, [this] { readouts_.request(); });
    connect(document, &LevelDocument::modifiedChanged, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
    connect(document, &LevelDocument::cellsChanged, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
    connect(document, &LevelDocument::saved, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
}

void MapPage::showReadouts() {
    const std::optional<QPoint> cell = document_->hoveredCell();
    if (!cell)
        return;  // the labels keep the last cell, as the pointer leaves
    cellLabel_->setText("x: " + HexText2(cell->x()) + " y: " + HexText2(cell->y()));
    blockLabel_->setText("Block: " + HexText2(document_->blockAt(*cell)));
}

void MapPage::showPaletteLabel() {
    // The hovered half keeps the last block under the pointer.
    if (palette_->hoveredCell() >= 0)
        lastHovered_ = palette_->hoveredCell();
    paletteLabel_->setText("(" + HexText2(document_->paintBlock()) + "|" + HexText2(lastHovered_) +
                           ")");
}

void MapPage::showPaletteMenu(QPoint at) {
    const int block = palette_->hoveredCell();
    if (block < 0 || !document_->hasLevel())
        return;
    const int chosen = document_->paintBlock();
    QMenu menu(this);
    QAction* use = menu.addAction(QStringLiteral("Paint with block %1").arg(HexText2(block)));
    QAction* replace = menu.addAction(QStringLiteral("Replace every use of block %1 with block %2")
                                          .arg(HexText2(block), HexText2(chosen)));
    replace->setEnabled(block != chosen);
    QAction* picked = menu.exec(palette_->mapToGlobal(at));
    if (picked == use)
        document_->setPaintBlock(block);
    else if (picked == replace)
        document_->replaceBlock(uint8_t(block), uint8_t(chosen));
}

}  // namespace zantor
