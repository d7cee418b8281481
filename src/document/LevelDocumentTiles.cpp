// The level's side of its stored tiles: the sheet and the blocks follow every edit of the
// session's tile set documents at once, tile by tile.
#include <bitset>

#include "LevelDocument.h"
#include "TileSetDocument.h"
#include "codec/TileCodec.h"
#include "map/MapLoader.h"
#include "session/RomSession.h"

namespace zantor {

bool LevelDocument::areTilesModified() const {
    return std::any_of(tileSets_.begin(), tileSets_.end(),
                       [](TileSetDocument* run) { return run && run->isModified(); });
}

void LevelDocument::discardTileEdits() {
    for (TileSetDocument* run : tileSets_) {
        if (run && run->isModified())
            run->reload();
    }
}

void LevelDocument::attachTileSets() {
    for (TileSetDocument* run : tileSets_) {
        if (run)
            disconnect(run, nullptr, this, nullptr);
    }
    tileSets_ = {};
    if (!level_ || !session_->isOpen())
        return;
    const auto ranges = TileRangesOf(level_->tileSources);
    for (int g = 0; g < kTileGroupCount; ++g) {
        TileSetDocument* run = session_->tileSet(ranges[size_t(g)]);
        tileSets_[size_t(g)] = run;
        const TileGroup group = TileGroup(g);
        connect(run, &TileSetDocument::tilesChanged, this,
                [this, group](const QList<int>& indices) { redrawTiles(group, indices); });
        // A run read anew announces the tiles that changed (tilesChanged): only those are drawn.
        connect(run, &Document::modifiedChanged, this, [this] { updateModified(); });
        // The session goes first when the main window closes.
        connect(run, &QObject::destroyed, this, [this, g] { tileSets_[size_t(g)] = nullptr; });
    }
    // Edits another level made and has not saved show here too. The load drew the sheet from
    // the ROM, so only those tiles are drawn again; the level is announced whole after this.
    for (int g = 0; g < kTileGroupCount; ++g) {
        TileSetDocument* run = tileSets_[size_t(g)];
        const uint8_t palette = level_->header.backgroundPalette();
        bool drawn = false;
        for (int i : run->modifiedTiles()) {
            const uint8_t t = TileAt(TileGroup(g), i);
            const QPoint at = SheetPixelOfTile(t);
            DrawTile(level_->rawTileSheet, at.x(), at.y(), run->tile(i), kIdentityPalette);
            DrawTile(level_->tileSheet, at.x(), at.y(), run->tile(i), palette);
            drawn = true;
        }
        if (drawn)
            level_->blockStrip = DrawBlockStrip(level_->tileSheet, level_->blocks);
    }
    level_->tileSheet.takeDirty();
    level_->rawTileSheet.takeDirty();
}

void LevelDocument::redrawTiles(TileGroup group, const QList<int>& indices) {
    if (!level_ || indices.isEmpty())
        return;
    TileSetDocument* run = tileSets_[size_t(group)];
    const uint8_t palette = level_->header.backgroundPalette();
    std::bitset<256> changed;
    QList<int> tiles;
    for (int i : indices) {
        const uint8_t t = TileAt(group, i);
        const QPoint at = SheetPixelOfTile(t);
        const TileBytes bytes = run->tile(i);
        DrawTile(level_->rawTileSheet, at.x(), at.y(), bytes, kIdentityPalette);
        DrawTile(level_->tileSheet, at.x(), at.y(), bytes, palette);
        changed.set(t);
        tiles.append(t);
    }
    QList<int> blocks;
    for (int b = 0; b < kBlockCount; ++b) {
        const BlockQuarters& quarters = level_->blocks[size_t(b)];
        if (changed[quarters[0]] || changed[quarters[1]] || changed[quarters[2]] ||
            changed[quarters[3]]) {
            DrawBlock(level_->blockStrip, level_->tileSheet, b, quarters);
            blocks.append(b);
        }
    }
    level_->blockStrip.takeDirty();
    emit tilesChanged(tiles);
    if (!blocks.isEmpty())
        emit blocksChanged(blocks);
}

}  // namespace zantor
