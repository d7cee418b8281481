#include "TileSetWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "codec/TileCodec.h"
#include "document/LevelDocument.h"
#include "document/TileEditCommand.h"
#include "document/TileSetDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapTable.h"
#include "widgets/CellGridView.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"
#include "widgets/TilePixelView.h"

namespace zantor {

namespace {
QString settingsKeyOf(const TileSetDocument* run) {
    return QStringLiteral("tiles/sharedEditsAllowed/%1_%2")
        .arg(run->range().offset, 0, 16)
        .arg(run->range().tiles);
}

// A swatch button that tells which button was used on it.
class ShadeButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    std::function<void(Qt::MouseButton)> chosen;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (chosen)
            chosen(event->button());
        QPushButton::mousePressEvent(event);
    }
};
}  // namespace

TileSetWindow::TileSetWindow(LevelDocument* level, QWidget* parent)
    : QWidget(parent, Qt::Window), level_(level) {
    setObjectName("frmTileset");
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    restoreGeometry(QSettings().value("tiles/geometry").toByteArray());
    connect(level_, &LevelDocument::tilesChanged, this, &TileSetWindow::showTiles);
    connect(level_, &LevelDocument::levelLoaded, this, &TileSetWindow::showSwatches);
    connect(level_, &LevelDocument::levelLoaded, this, &TileSetWindow::showState);
    connect(level_, &LevelDocument::headerChanged, this, &TileSetWindow::showSwatches);
    connect(level_, &LevelDocument::headerChanged, this, &TileSetWindow::showState);
    connect(level_, &Document::modifiedChanged, this, &TileSetWindow::showState);
    showState();
}

TileSetWindow::~TileSetWindow() = default;

LevelTileSheet TileSetWindow::sheet() const {
    return level_->storedTiles();
}

void TileSetWindow::buildControls() {
    sheetView_ = new CellGridView(QSize(8, 8), this);
    sheetView_->setObjectName("picTileSheet");
    sheetView_->source = [this] {
        return raw_ ? level_->level().rawTileSheet.image() : level_->tileSheet().image();
    };
    sheetView_->chosen = [this] { return SheetCellOfTile(uint8_t(chosenTile_)); };
    sheetView_->chosenArea = [this] { return chosenCells(); };
    sheetView_->toolTipFor = [](int cell) {
        return tr("Tile %1").arg(HexText2(SheetCellOfTile(uint8_t(cell))));
    };
    sheetView_->pressed = [this](int cell, Qt::MouseButton) {
        areaAnchor_ = SheetCellOfTile(uint8_t(cell));
        chooseTiles(*areaAnchor_, *areaAnchor_);
    };
    sheetView_->dragged = [this](int cell, Qt::MouseButtons) {
        if (areaAnchor_)
            chooseTiles(*areaAnchor_, SheetCellOfTile(uint8_t(cell)));
    };
    auto* sheetArea = new QScrollArea(this);
    sheetArea->setWidget(sheetView_);
    sheetArea->setWidgetResizable(false);
    sheetArea->setMinimumSize(260, 260);

    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName("cmbZoom");
    for (int f = 1; f <= 8; ++f)
        zoomBox_->addItem(tr("%1×").arg(f), f);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoom(index + 1); });

    pixelView_ = new TilePixelView(this);
    pixelView_->setObjectName("picTilePixels");
    pixelView_->source = [this] { return neighbourhood(); };
    pixelView_->numberAt = [this](QPoint pixel) -> std::optional<int> {
        if (!raw_)
            return std::nullopt;
        return TilePixel(sheet().tile(uint8_t(chosenTile_)), pixel.x(), pixel.y());
    };
    pixelView_->pressed = [this](QPoint pixel, Qt::MouseButton button) {
        pressPixel(pixel, button);
    };
    pixelView_->dragged = [this](QPoint pixel) { dragPixel(pixel); };
    pixelView_->released = [this] { releasePixel(); };

    tools_ = new QButtonGroup(this);
    auto* toolRow = new QHBoxLayout;
    const std::pair<Tool, QString> toolNames[] = {{Tool::Pencil, tr("Pencil")},
                                                  {Tool::Bucket, tr("Bucket")},
                                                  {Tool::Picker, tr("Picker")},
                                                  {Tool::Line, tr("Line")},
                                                  {Tool::Rectangle, tr("Rectangle")}};
    for (const auto& [tool, name] : toolNames) {
        auto* button = new QToolButton(this);
        button->setText(name);
        button->setCheckable(true);
        button->setChecked(tool == Tool::Pencil);
        tools_->addButton(button, int(tool));
        toolRow->addWidget(button);
    }
    connect(tools_, &QButtonGroup::idClicked, this, [this](int id) { setTool(Tool(id)); });

    auto* shadeRow = new QHBoxLayout;
    for (int n = 0; n < 4; ++n) {
        auto* button = new ShadeButton(this);
        button->setFixedSize(32, 32);
        button->setToolTip(tr("Colour %1: the left button chooses it for the left button, the "
                              "right button for the right one")
                               .arg(n));
        button->chosen = [this, n](Qt::MouseButton which) {
            if (which == Qt::RightButton)
                setColours(colours_[0], n);
            else
                setColours(n, colours_[1]);
        };
        shades_[n] = button;
        shadeRow->addWidget(button);
    }
    coloursLabel_ = new QLabel(this);
    shadeRow->addWidget(coloursLabel_);
    shadeRow->addStretch(1);

    rawBox_ = new QCheckBox(tr("Raw colour numbers"), this);
    rawBox_->setObjectName("chkRawColours");
    rawBox_->setToolTip(
        tr("Show the stored colour numbers 0-3 as white to black instead of the level's palette"));
    connect(rawBox_, &QCheckBox::toggled, this, [this](bool on) {
        raw_ = on;
        showSwatches();
        showState();
    });

    auto button = [this](const QString& text, const char* name, auto handler) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto* flipH = button(tr("Flip ↔"), "cmdFlipH", [this] { flipTile(true); });
    auto* flipV = button(tr("Flip ↕"), "cmdFlipV", [this] { flipTile(false); });
    auto* rotate = button(tr("Rotate"), "cmdRotate", [this] { rotateTile(); });
    auto* copy = button(tr("Copy"), "cmdCopyTiles", [this] { copyTiles(); });
    auto* paste = button(tr("Paste"), "cmdPasteTiles", [this] { pasteTiles(); });
    undoButton_ = button(tr("Undo"), "cmdUndo", [this] {
        LevelTileSheet s = sheet();
        s.undo();
    });
    redoButton_ = button(tr("Redo"), "cmdRedo", [this] {
        LevelTileSheet s = sheet();
        s.redo();
    });
    saveButton_ = button(tr("Save"), "cmdSaveTiles", [this] { save(); });
    auto* exportButton =
        button(tr("Export tile sheet…"), "cmdExportSheet", [this] { exportSheet(); });
    auto* importButton =
        button(tr("Import tile sheet…"), "cmdImportSheet", [this] { importSheet(); });
    copy->setToolTip(tr("Copies the chosen tile, or the rectangle of tiles dragged on the sheet"));
    paste->setToolTip(tr("Pastes the copied tiles with their top-left on the chosen tile"));

    for (auto [key, handler] :
         std::initializer_list<std::pair<QKeySequence, void (TileSetWindow::*)()>>{
             {QKeySequence::Copy, &TileSetWindow::copyTiles},
             {QKeySequence::Paste, &TileSetWindow::pasteTiles}}) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    }
    auto* undoAction = new QAction(this);
    undoAction->setShortcut(QKeySequence::Undo);
    connect(undoAction, &QAction::triggered, undoButton_, &QPushButton::click);
    addAction(undoAction);
    auto* redoAction = new QAction(this);
    redoAction->setShortcut(QKeySequence::Redo);
    connect(redoAction, &QAction::triggered, redoButton_, &QPushButton::click);
    addAction(redoAction);
    auto* saveAction = new QAction(this);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] { save(); });
    addAction(saveAction);

    tileLabel_ = new QLabel(this);
    sharingLabel_ = new QLabel(this);
    sharingLabel_->setWordWrap(true);
    auto* animationNote =
        new QLabel(tr("Tiles 20-23 may be replaced by animation while the level runs."), this);
    animationNote->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(tileLabel_);
    side->addWidget(pixelView_);
    side->addLayout(toolRow);
    side->addLayout(shadeRow);
    side->addWidget(rawBox_);
    auto* edits = new QGridLayout;
    edits->addWidget(flipH, 0, 0);
    edits->addWidget(flipV, 0, 1);
    edits->addWidget(rotate, 0, 2);
    edits->addWidget(copy, 1, 0);
    edits->addWidget(paste, 1, 1);
    edits->addWidget(undoButton_, 2, 0);
    edits->addWidget(redoButton_, 2, 1);
    edits->addWidget(saveButton_, 2, 2);
    edits->addWidget(exportButton, 3, 0, 1, 2);
    edits->addWidget(importButton, 4, 0, 1, 2);
    side->addLayout(edits);
    side->addWidget(sharingLabel_);
    side->addWidget(animationNote);
    side->addStretch(1);

    auto* left = new QVBoxLayout;
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(tr("Zoom:"), this));
    zoomRow->addWidget(zoomBox_);
    zoomRow->addStretch(1);
    left->addLayout(zoomRow);
    left->addWidget(sheetArea, 1);

    statusBar_ = new QStatusBar(this);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(statusBar_);

    zoomBox_->setCurrentIndex(zoom_ - 1);
    setZoom(QSettings().value("tiles/zoom", 2).toInt());
    setColours(3, 0);
}

void TileSetWindow::setZoom(int factor) {
    zoom_ = std::clamp(factor, 1, 8);
    sheetView_->setZoom(zoom_);
    if (zoomBox_->currentIndex() != zoom_ - 1)
        zoomBox_->setCurrentIndex(zoom_ - 1);
    QSettings().setValue("tiles/zoom", zoom_);
}

void TileSetWindow::setTool(Tool tool) {
    tool_ = tool;
    if (QAbstractButton* button = tools_->button(int(tool)))
        button->setChecked(true);
}

void TileSetWindow::setColours(int left, int right) {
    colours_[0] = std::clamp(left, 0, 3);
    colours_[1] = std::clamp(right, 0, 3);
    showSwatches();
}

void TileSetWindow::chooseTile(int tile) {
    chosenTile_ = std::clamp(tile, 0, 255);
    showState();
}

void TileSetWindow::chooseTiles(int from, int to) {
    const int a = SheetCellOfTile(uint8_t(from));
    const int b = SheetCellOfTile(uint8_t(to));
    area_ = QRect(QPoint(a % 16, a / 16), QPoint(b % 16, b / 16)).normalized();
    chooseTile(to);
}

QRect TileSetWindow::chosenCells() const {
    const int cell = SheetCellOfTile(uint8_t(chosenTile_));
    const QPoint chosen(cell % 16, cell / 16);
    return area_.contains(chosen) ? area_ : QRect(chosen, QSize(1, 1));
}

QImage TileSetWindow::neighbourhood() const {
    const QImage& sheetImage =
        raw_ ? level_->level().rawTileSheet.image() : level_->tileSheet().image();
    const QPoint at = SheetPixelOfTile(uint8_t(chosenTile_));
    QImage around(24, 24, QImage::Format_RGB32);
    around.fill(QColor(96, 96, 112));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRect from(at.x() + 8 * dx, at.y() + 8 * dy, 8, 8);
            if (!sheetImage.rect().contains(from))
                continue;
            for (int y = 0; y < 8; ++y) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(sheetImage.constScanLine(from.y() + y));
                auto* to = reinterpret_cast<QRgb*>(around.scanLine(8 + 8 * dy + y));
                std::copy(line + from.x(), line + from.x() + 8, to + 8 + 8 * dx);
            }
        }
    }
    return around;
}

void TileSetWindow::showSwatches() {
    // Style sheets cost a restyle each: set only when the colours or the palette change, not
    // on every pencil move.
    const uint8_t palette = level_->header().backgroundPalette();
    for (int n = 0; n < 4; ++n) {
        const uint32_t grey = raw_ ? shade::kColours[size_t(n)] : ShadeColour(palette, n);
        shades_[n]->setStyleSheet(QStringLiteral("background-color: #%1; border: %2px solid red;")
                                      .arg(grey, 6, 16, QLatin1Char('0'))
                                      .arg(n == colours_[0] ? 3 : (n == colours_[1] ? 1 : 0)));
        shades_[n]->setText(QString::number(n));
    }
    coloursLabel_->setText(tr("Left: %1  Right: %2").arg(colours_[0]).arg(colours_[1]));
}

void TileSetWindow::showTiles(const QList<int>& tiles) {
    // A pencil move: only the changed tiles of the sheet are drawn again.
    for (int t : tiles) {
        const QPoint at = SheetPixelOfTile(uint8_t(t));
        sheetView_->update(QRect(at * zoom_, QSize(8, 8) * zoom_));
    }
    pixelView_->refresh();
    // The tiles change while the undo stack carries out its command, before the command is on
    // the stack: what can be undone is asked once the edit is done.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const LevelTileSheet s = sheet();
            undoButton_->setEnabled(s.isValid() && s.canUndo());
            redoButton_->setEnabled(s.isValid() && s.canRedo());
        },
        Qt::QueuedConnection);
}

void TileSetWindow::showState() {
    const LevelTileSheet s = sheet();
    setWindowTitle(tr("Tileset editor — %1%2")
                       .arg(MapNames().value(level_->mapIndex()),
                            s.isValid() && s.isModified() ? QStringLiteral(" *") : QString()));
    tileLabel_->setText(tr("Tile %1").arg(HexText2(chosenTile_)));
    QString sharing;
    if (s.isValid()) {
        TileSetDocument* run = s.runOf(uint8_t(chosenTile_));
        QStringList others;
        for (int m : run->sharingLevels()) {
            if (m != level_->mapIndex())
                others << MapNames().value(m);
        }
        sharing =
            others.isEmpty()
                ? tr("These tiles are used by this level only.")
                : tr("These tiles are also used by %1.").arg(others.join(QStringLiteral(", ")));
    }
    sharingLabel_->setText(sharing);
    undoButton_->setEnabled(s.isValid() && s.canUndo());
    redoButton_->setEnabled(s.isValid() && s.canRedo());
    saveButton_->setEnabled(s.isValid() && s.isModified());
    sheetView_->refresh();
    pixelView_->refresh();
}

bool TileSetWindow::mayEdit(const QList<int>& tiles) {
    const LevelTileSheet s = sheet();
    if (!s.isValid())
        return false;
    QSettings settings;
    for (TileSetDocument* run : s.runsOf(tiles)) {
        if (run->sharingConfirmed() || settings.value(settingsKeyOf(run)).toBool())
            continue;
        QStringList others;
        for (int m : run->sharingLevels()) {
            if (m != level_->mapIndex())
                others << MapNames().value(m);
        }
        if (others.isEmpty()) {
            run->confirmSharing();
            continue;
        }
        const QString names =
            others.size() <= 2 ? others.join(tr(" and "))
                               : tr("%1, %2 and %n more level(s)", nullptr, int(others.size()) - 2)
                                     .arg(others[0], others[1]);
        bool dontAsk = false;
        if (Dialogs::ask(this,
                         tr("These tiles are also used by %1. An edit shows in all of them. Go "
                            "on?")
                             .arg(names),
                         tr("Edit shared tiles"), {Dialogs::Answer::Yes, Dialogs::Answer::No},
                         tr("Do not ask again for these tiles"), &dontAsk) != Dialogs::Answer::Yes)
            return false;
        run->confirmSharing();
        if (dontAsk)
            settings.setValue(settingsKeyOf(run), true);
    }
    return true;
}

void TileSetWindow::setTile(const TileBytes& tile, const QString& text, int strokeId) {
    LevelTileSheet s = sheet();
    s.setTiles({{uint8_t(chosenTile_), tile}}, text, strokeId);
}

void TileSetWindow::pressPixel(QPoint pixel, Qt::MouseButton button) {
    const LevelTileSheet s = sheet();
    if (!s.isValid())
        return;
    const int colour = colours_[button == Qt::RightButton ? 1 : 0];
    if (tool_ == Tool::Picker) {
        if (QRect(0, 0, 8, 8).contains(pixel)) {
            const int picked = TilePixel(s.tile(uint8_t(chosenTile_)), pixel.x(), pixel.y());
            setColours(button == Qt::RightButton ? colours_[0] : picked,
                       button == Qt::RightButton ? picked : colours_[1]);
        }
        return;
    }
    if (!mayEdit({chosenTile_}))
        return;
    strokeId_ = TileEditCommand::newStrokeId();
    strokeColour_ = colour;
    strokeStart_ = strokeLast_ = pixel;
    strokeBefore_ = s.tile(uint8_t(chosenTile_));
    switch (tool_) {
        case Tool::Pencil:
            setTile(DrawTileLine(strokeBefore_, pixel.x(), pixel.y(), pixel.x(), pixel.y(), colour),
                    tr("Pencil"), strokeId_);
            break;
        case Tool::Bucket:
            setTile(FillTile(strokeBefore_, pixel.x(), pixel.y(), colour), tr("Fill"));
            strokeId_ = 0;
            break;
        case Tool::Line:
        case Tool::Rectangle:
            dragPixel(pixel);
            break;
        case Tool::Picker:
            break;
    }
}

void TileSetWindow::dragPixel(QPoint pixel) {
    if (strokeId_ == 0)
        return;
    const TileBytes now = sheet().tile(uint8_t(chosenTile_));
    switch (tool_) {
        case Tool::Pencil:
            setTile(DrawTileLine(now, strokeLast_.x(), strokeLast_.y(), pixel.x(), pixel.y(),
                                 strokeColour_),
                    tr("Pencil"), strokeId_);
            break;
        case Tool::Line:
            // Drawn afresh from the tile as it was, so the line follows the pointer.
            setTile(DrawTileLine(strokeBefore_, strokeStart_.x(), strokeStart_.y(), pixel.x(),
                                 pixel.y(), strokeColour_),
                    tr("Line"), strokeId_);
            break;
        case Tool::Rectangle:
            setTile(DrawTileRectangle(strokeBefore_, strokeStart_.x(), strokeStart_.y(), pixel.x(),
                                      pixel.y(), strokeColour_),
                    tr("Rectangle"), strokeId_);
            break;
        default:
            break;
    }
    strokeLast_ = pixel;
}

void TileSetWindow::releasePixel() {
    strokeId_ = 0;  // the next press is a step of its own
}

void TileSetWindow::flipTile(bool horizontally) {
    if (!mayEdit({chosenTile_}))
        return;
    setTile(FlipTile(sheet().tile(uint8_t(chosenTile_)), horizontally),
            horizontally ? tr("Flip Tile Horizontally") : tr("Flip Tile Vertically"));
}

void TileSetWindow::rotateTile() {
    if (!mayEdit({chosenTile_}))
        return;
    setTile(RotateTile(sheet().tile(uint8_t(chosenTile_))), tr("Rotate Tile"));
}

void TileSetWindow::copyTiles() {
    const LevelTileSheet s = sheet();
    if (!s.isValid())
        return;
    const QRect cells = chosenCells();
    copied_.clear();
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            const TileBytes tile = s.tile(uint8_t(SheetCellOfTile(uint8_t(16 * y + x))));
            copied_.append(reinterpret_cast<const char*>(tile.data()), int(tile.size()));
        }
    }
    copiedSize_ = cells.size();
    statusBar_->showMessage(tr("Copied %n tile(s)", nullptr, cells.width() * cells.height()), 5000);
}

void TileSetWindow::pasteTiles() {
    if (copied_.isEmpty())
        return;
    const int cell = SheetCellOfTile(uint8_t(chosenTile_));
    std::vector<LevelTileSheet::TileChange> changes;
    QList<int> tiles;
    for (int y = 0; y < copiedSize_.height(); ++y) {
        for (int x = 0; x < copiedSize_.width(); ++x) {
            const int column = cell % 16 + x;
            const int row = cell / 16 + y;
            if (column > 15 || row > 15)
                continue;  // cut at the sheet's edge
            const uint8_t t = uint8_t(SheetCellOfTile(uint8_t(16 * row + column)));
            changes.emplace_back(
                t, TileFromBytes(copied_.constData() + 16 * (y * copiedSize_.width() + x)));
            tiles.append(t);
        }
    }
    if (!mayEdit(tiles))
        return;
    LevelTileSheet s = sheet();
    const int changed = s.setTiles(changes, tr("Paste Tiles"));
    statusBar_->showMessage(tr("Pasted: %n tile(s) changed", nullptr, changed), 5000);
}

bool TileSetWindow::save() {
    const LevelTileSheet s = sheet();
    if (!s.isValid() || !s.isModified())
        return true;
    return Guarded(this, [&] {
        s.save(*level_->session());
        statusBar_->showMessage(tr("Saved the changed tiles"), 5000);
        showState();
    });
}

void TileSetWindow::closeEvent(QCloseEvent* event) {
    // The edits stay in the session's documents: File › Save of the level writes them too.
    QSettings().setValue("tiles/geometry", saveGeometry());
    event->accept();
}

}  // namespace zantor
