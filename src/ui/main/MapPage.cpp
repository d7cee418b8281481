#include "MapPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>

#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "widgets/CellGridView.h"
#include "widgets/FixedLabel.h"
#include "widgets/LevelView.h"
#include "widgets/tools/ToolBox.h"

namespace zantor {

namespace {
constexpr int kPaletteColumns = 16;
}  // namespace

MapPage::MapPage(LevelDocument* document, QWidget* parent) : QWidget(parent), document_(document) {
    cellLabel_ = new QLabel(QStringLiteral("x: 00 y: 00"), this);
    cellLabel_->setObjectName("Label14");
    blockLabel_ = new QLabel(tr("Block: 00"), this);
    blockLabel_->setObjectName("Label15");

    // Read-outs change with every pointer move: fixed widths keep the layout (and so the
    // whole page) from being redone each time.
    for (QLabel* label : {cellLabel_, blockLabel_})
        FixLabelSize(label, QStringLiteral("x: WW y: WW  "), true);

    levelView_ = new LevelView(document, this);
    levelView_->setObjectName("picMap");
    tools_ = new ToolBox(document, this);
    levelView_->setToolBox(tools_);

    palette_ = new CellGridView(QSize(16, 16), this);
    palette_->setObjectName("picBlocks2");
    palette_->source = [this] { return paletteGrid_; };
    palette_->chosen = [document] { return document->paintBlock(); };
    palette_->chosenArea = [this] { return paletteChoice_; };
    palette_->marked = [document](int block) { return document->blockDiffers(block); };
    palette_->toolTipFor = [document](int block) {
        const int uses = document->usesOf(block);
        return tr("Block %1: used %2")
            .arg(HexText2(block), uses == 1 ? tr("1 time") : tr("%1 times").arg(uses));
    };
    palette_->pressed = [this](int cell, Qt::MouseButton button) {
        if (button != Qt::LeftButton)
            return;  // the right button is the context menu's
        paletteAnchor_ = cell;
        choosePaletteArea(cell, cell);
    };
    palette_->dragged = [this](int cell, Qt::MouseButtons buttons) {
        if ((buttons & Qt::LeftButton) && paletteAnchor_ >= 0)
            choosePaletteArea(paletteAnchor_, cell);
    };
    palette_->released = [this](Qt::MouseButton) { paletteAnchor_ = -1; };
    palette_->setFocusPolicy(Qt::StrongFocus);
    drawPaletteGrid();
    palette_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(palette_, &QWidget::customContextMenuRequested, this, &MapPage::showPaletteMenu);
    connect(palette_, &CellGridView::hoveredChanged, this, &MapPage::showPaletteLabel);

    paletteArea_ = new QScrollArea(this);
    paletteArea_->setObjectName("picBlocks1");
    paletteArea_->setWidget(palette_);
    paletteArea_->horizontalScrollBar()->setObjectName("hscrBlocks");
    paletteZoom_ = new QComboBox(this);
    paletteZoom_->setObjectName("cmbPaletteZoom");
    paletteZoom_->setToolTip(tr("Zoom of the block palette"));
    for (int factor = 1; factor <= 4; ++factor)
        paletteZoom_->addItem(QStringLiteral("%1×").arg(factor), factor);
    connect(paletteZoom_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setPaletteZoom(index + 1); });

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(levelView_);
    splitter_->addWidget(paletteArea_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setChildrenCollapsible(false);

    paletteLabel_ = new QLabel(QStringLiteral("(00|00)"), this);
    paletteLabel_->setObjectName("lblBlock");
    FixLabelSize(paletteLabel_, QStringLiteral("(WW|WW)  "), true);
    saveMap_ = new QPushButton(tr("Save map"), this);
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
    layout->addWidget(splitter_, 1, 0, 2, 3);
    auto* paletteRow = new QHBoxLayout;
    paletteRow->addWidget(paletteLabel_);
    paletteRow->addWidget(paletteZoom_);
    layout->addLayout(paletteRow, 3, 0);
    layout->addWidget(saveMap_, 3, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    auto refreshPalette = [this] {
        palette_->refresh();
        showPaletteLabel();
    };
    auto redrawPalette = [this, refreshPalette] {
        drawPaletteGrid();
        refreshPalette();
    };
    connect(document, &LevelDocument::levelLoaded, this, redrawPalette);
    connect(document, &LevelDocument::blocksChanged, this, redrawPalette);
    connect(document, &LevelDocument::comparisonChanged, this, refreshPalette);
    connect(document, &LevelDocument::choiceChanged, this, [this, refreshPalette] {
        refreshPalette();
        showChosenBlock();
    });
    connect(document, &LevelDocument::stampChanged, this, [this] {
        // A stamp from elsewhere (a paste, a flip) is no longer the palette's rectangle.
        if (!paletteChoice_.isEmpty() && !document_->hasStamp())
            paletteChoice_ = QRect();
        palette_->update();
    });
    setPaletteZoom(QSettings().value("view/paletteZoom", 2).toInt());
    connect(document, &LevelDocument::hoveredCellChanged, this, [this] { readouts_.request(); });
    connect(document, &LevelDocument::cellsChanged, this, [this] { readouts_.request(); });
    connect(document, &LevelDocument::modifiedChanged, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
    connect(document, &LevelDocument::cellsChanged, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
    connect(document, &LevelDocument::saved, this,
            [this] { saveMap_->setEnabled(document_->isMapModified()); });
}

void MapPage::setPaletteZoom(int factor) {
    factor = std::clamp(factor, 1, 4);
    // Written only when it changes: every write syncs the settings file to disk, and the
    // page's own start (and the list answering it) would write it twice before the first frame.
    QSettings settings;
    if (settings.value("view/paletteZoom").toInt() != factor)
        settings.setValue("view/paletteZoom", factor);
    paletteZoom_->setCurrentIndex(factor - 1);
    palette_->setZoom(factor);
    // All 128 blocks without scrolling, as far as the page allows: the splitter gives the
    // palette its whole height, the level view the rest.
    const int frame = 2 * paletteArea_->frameWidth();
    const int bar = paletteArea_->horizontalScrollBar()->sizeHint().height();
    paletteArea_->setMaximumHeight(palette_->height() + frame + bar);
    paletteArea_->setMinimumHeight(std::min(palette_->height(), 16 * factor * 2) + frame + bar);
    const int total = std::max(splitter_->height(), 400);
    const int wanted = std::min(palette_->height() + frame + bar, total / 2);
    splitter_->setSizes({total - wanted, wanted});
    showChosenBlock();
}

void MapPage::drawPaletteGrid() {
    const int rows = (kBlockCount + kPaletteColumns - 1) / kPaletteColumns;
    if (paletteGrid_.size() != QSize(16 * kPaletteColumns, 16 * rows))
        paletteGrid_ = QImage(16 * kPaletteColumns, 16 * rows, QImage::Format_RGB32);
    if (!document_->hasLevel()) {
        // Without a level every block is blank; its pictures need not be made to say so.
        paletteGrid_.fill(Qt::white);
        return;
    }
    const QImage& strip = document_->blockStrip().image();
    QPainter painter(&paletteGrid_);
    for (int b = 0; b < kBlockCount; ++b)
        painter.drawImage(QPoint(16 * (b % kPaletteColumns), 16 * (b / kPaletteColumns)), strip,
                          QRect(16 * b, 0, 16, 16));
}

void MapPage::choosePaletteArea(int from, int to) {
    const QRect cells(QPoint(std::min(from % kPaletteColumns, to % kPaletteColumns),
                             std::min(from / kPaletteColumns, to / kPaletteColumns)),
                      QPoint(std::max(from % kPaletteColumns, to % kPaletteColumns),
                             std::max(from / kPaletteColumns, to / kPaletteColumns)));
    if (cells.width() * cells.height() == 1) {
        paletteChoice_ = QRect();
        document_->dropStamp();
        document_->setPaintBlock(from);
        palette_->update();
        return;
    }
    std::vector<int> blocks;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x)
            blocks.push_back(y * kPaletteColumns + x);
    }
    paletteChoice_ = cells;
    document_->setStamp(Stamp(cells.size(), std::move(blocks)));
    palette_->update();
}

void MapPage::showChosenBlock() {
    // The chosen block stays in sight, as after a pick on the level.
    const int b = document_->paintBlock();
    const int size = 16 * palette_->zoom();
    paletteArea_->ensureVisible((b % kPaletteColumns) * size + size / 2,
                                (b / kPaletteColumns) * size + size / 2, size / 2, size / 2);
}

void MapPage::showReadouts() {
    const std::optional<QPoint> cell = document_->hoveredCell();
    if (!cell)
        return;  // the labels keep the last cell, as the pointer leaves
    cellLabel_->setText("x: " + HexText2(cell->x()) + " y: " + HexText2(cell->y()));
    blockLabel_->setText(tr("Block: %1").arg(HexText2(document_->blockAt(*cell))));
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
    QAction* use = menu.addAction(tr("Paint with block %1").arg(HexText2(block)));
    QAction* replace = menu.addAction(
        tr("Replace every use of block %1 with block %2").arg(HexText2(block), HexText2(chosen)));
    replace->setEnabled(block != chosen);
    QAction* picked = menu.exec(palette_->mapToGlobal(at));
    if (picked == use)
        document_->setPaintBlock(block);
    else if (picked == replace)
        document_->replaceBlock(uint8_t(block), uint8_t(chosen));
}

}  // namespace zantor
