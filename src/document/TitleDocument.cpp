#include "TitleDocument.h"

#include "CellLine.h"
#include "GridEditCommand.h"
#include "TitleTilesCommand.h"
#include "codec/RomFile.h"
#include "session/RomSession.h"

namespace zantor {

namespace {
const QRect kMapCells(0, 0, TitleScreen::kColumns, TitleScreen::kRows);
}

TitleDocument::TitleDocument(RomSession* session, QObject* parent)
    : Document(parent),
      session_(session),
      sheet_(TitleScreen::kSheetSize, TitleScreen::kSheetSize),
      mapPicture_(TitleScreen::kMapWidth, TitleScreen::kMapHeight) {}

TitleDocument::~TitleDocument() {
    // The commands point at this document's grid; they go before it does.
    undo_.clear();
}

void TitleDocument::reload() {
    TitleScreen::Cells cells{};
    QByteArray tiles;
    try {
        const RomFile rom = session_->read();
        RomSession::onRom(rom.path(), [&] {
            cells = TitleScreen::ReadCells(rom);
            tiles = TitleScreen::ReadTiles(rom, session_->version());
        });
        loaded_ = true;
        loadError_.clear();
    } catch (const RomFileError& error) {
        loaded_ = false;
        loadError_ = error.text();
        tiles = QByteArray(TitleScreen::kTileBytes, '\0');
    }
    strokeOpen_ = false;
    lastPainted_.reset();
    cells_ = savedCells_ = cells;
    tiles_ = savedTiles_ = tiles;
    sheet_ = TitleScreen::DrawSheet(tiles_);
    mapPicture_ = TitleScreen::DrawMap(sheet_, cells_);
    selectedTile_ = 0;
    startHistory();
    emit loaded();
    emit selectionChanged();
}

void TitleDocument::setSelectedTile(int tile) {
    tile = std::clamp(tile, 0, 255);
    if (tile != selectedTile_) {
        selectedTile_ = tile;
        emit selectionChanged();
    }
}

void TitleDocument::pickTile(QPoint cell) {
    if (loaded_ && kMapCells.contains(cell))
        setSelectedTile(cellAt(cell));
}

void TitleDocument::beginStroke() {
    strokeOpen_ = true;
    ++strokeId_;
    lastPainted_.reset();
}

void TitleDocument::paintTo(std::optional<QPoint> cell) {
    if (!loaded_)
        return;
    if (!cell || !kMapCells.contains(*cell)) {
        // Left the map: coming back must not draw a line across what the pointer skipped.
        lastPainted_.reset();
        return;
    }
    if (!strokeOpen_)
        ++strokeId_;  // a stroke of its own
    for (QPoint on : CellsAfterOnLine(lastPainted_.value_or(*cell), *cell))
        paintCell(on);
    lastPainted_ = cell;
}

void TitleDocument::paintCell(QPoint cell) {
    const int index = TitleScreen::cellIndex(cell.x(), cell.y());
    const uint8_t before = cells_[size_t(index)];
    const uint8_t after = uint8_t(selectedTile_);
    if (before != after) {
        undo_.push(
            new GridEditCommand(this, tr("Paint Title"), {{index, before, after}}, strokeId_));
    }
}

void TitleDocument::endStroke() {
    strokeOpen_ = false;
    lastPainted_.reset();
    ++strokeId_;  // the next paint never merges into this stroke
}

int TitleDocument::importTiles(const Picture& picture) {
    if (!loaded_)
        return 0;
    const QByteArray after = TitleScreen::EncodeSheet(picture);
    int changed = 0;
    for (int t = 0; t < TitleScreen::kTileBytes / 16; ++t)
        changed += after.mid(16 * t, 16) != tiles_.mid(16 * t, 16) ? 1 : 0;
    if (changed > 0)
        undo_.push(new TitleTilesCommand(this, tr("Import Tiles"), tiles_, after));
    return changed;
}

void TitleDocument::applyCellEdits(const std::vector<CellEdit>& edits, bool forward) {
    QRect changed;
    for (const CellEdit& edit : edits) {
        const uint8_t tile = forward ? edit.after : edit.before;
        cells_[size_t(edit.index)] = tile;
        const int column = edit.index % TitleScreen::kColumns;
        const int row = edit.index / TitleScreen::kColumns;
        TitleScreen::PaintCell(mapPicture_, sheet_, tile, column, row);
        changed |= QRect(column, row, 1, 1);
    }
    emit cellsChanged(changed);
}

void TitleDocument::applyTiles(const QByteArray& tiles) {
    tiles_ = tiles;
    sheet_ = TitleScreen::DrawSheet(tiles_);
    mapPicture_ = TitleScreen::DrawMap(sheet_, cells_);
    emit tilesChanged();
    emit cellsChanged(kMapCells);
}

bool TitleDocument::differsFromRom() const {
    return isMapModified() || areTilesModified();
}

TitleDocument::SaveResult TitleDocument::save() {
    SaveResult result;
    if (!loaded_ || !differsFromRom())
        return result;
    const bool map = isMapModified();
    const bool tiles = areTilesModified();
    session_->write([&](RomFile& rom) {
        if (map) {
            result.mapOffset = TitleScreen::MapBase(rom);
            TitleScreen::WriteMap(rom, cells_);
        }
        if (tiles) {
            result.tilesOffset = TitleScreen::TilesOffset(session_->version());
            rom.WriteRomBytes(result.tilesOffset, tiles_.constData(), int32_t(tiles_.size()));
        }
    });
    // Committed: the ROM now holds these.
    result.mapWritten = map;
    result.tilesWritten = tiles;
    savedCells_ = cells_;
    savedTiles_ = tiles_;
    markSaved();
    return result;
}

}  // namespace zantor
