#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <optional>
#include <vector>

#include "CellGrid.h"
#include "Document.h"
#include "LevelTileSheet.h"
#include "Stamp.h"
#include "map/LoadedMap.h"
#include "map/MapSizeMeter.h"

namespace zantor {

class RomFile;
class RomSession;
class LevelScreens;

// The open level: the loaded data, the user's current choices and the undo history. It reads
// and writes through the ROM session it is given (or, headless, one of its own). Views observe
// it through its signals and change it only through its edit calls, every one of which is an
// undo command. It holds no widgets, so the command line, the tests and the benchmarks drive it
// headless.
class LevelDocument : public Document, private CellGrid {
    Q_OBJECT

public:
    // A document with a session of its own (the command line, tests, benchmarks).
    explicit LevelDocument(QObject* parent = nullptr);
    // A document of a session that other windows share.
    explicit LevelDocument(RomSession* session, QObject* parent = nullptr);
    ~LevelDocument() override;

    RomSession* session() const { return session_; }
    // The level's screens: scroll boxes, exits, exit scripts, checkpoint.
    LevelScreens* screens() const { return screens_; }

    // --- The ROM and the level ---
    const QString& romPath() const;
    bool hasLevel() const { return level_.has_value(); }
    int mapIndex() const { return level_ ? level_->mapIndex : 0; }
    // Valid while hasLevel(); an empty level before the first load.
    const LoadedMap& level() const;
    const MapCells& cells() const { return level().cells; }
    const BlockTable& blocks() const { return level().blocks; }
    const MapHeader& header() const { return level().header; }
    const Picture& tileSheet() const { return level().tileSheet; }
    // The session's documents of the runs the sheet's tiles are stored in: edits of them show
    // in the sheet, the blocks and the level at once. Invalid before a level is loaded.
    LevelTileSheet storedTiles() const { return LevelTileSheet(tileSets_); }
    bool areTilesModified() const;
    // Puts the level's tiles back as the ROM holds them (the user discarded their edits):
    // they are the session's, so they would otherwise stay unsaved in every level using them.
    void discardTileEdits();
    // The 128 blocks at 16 × 16, block b at (16b, 0): what every view draws the level from.
    const Picture& blockStrip() const { return level().blockStrip; }
    uint8_t blockAt(QPoint cell) const {
        return cells()[size_t(cell.y() * kMapColumns + cell.x())];
    }
    // The bytes the map's stored form may take: what it took when it was loaded (or what a
    // repack gave it since).
    int slotBytes() const { return level_ ? slot_ : 0; }

    // Opens the ROM at `path` for the session (every window of it then shows that ROM), reads
    // its level `mapIndex` whole, puts it in place and starts a new history. Throws RomFileError
    // (the file cannot be opened or read); the document and the session are then exactly as
    // they were.
    void load(const QString& path, int mapIndex);
    // The same from an image already open.
    void load(const RomFile& rom, int mapIndex);
    // Reads level `mapIndex` of the session's open ROM (another level, or the same one anew).
    // Throws RomFileError; the document is then as it was.
    void loadLevel(int mapIndex);

    // --- Choices ---
    int paintBlock() const { return paintBlock_; }
    void setPaintBlock(int block);
    int editedBlock() const { return editedBlock_; }
    void setEditedBlock(int block);
    int chosenTile() const { return chosenTile_; }
    void setChosenTile(int tile);
    // The cell under the pointer on a level view, or nullopt.
    std::optional<QPoint> hoveredCell() const { return hoveredCell_; }
    void setHoveredCell(std::optional<QPoint> cell);

    // --- The editing tools' state: what the views draw and the tools act on ---
    // The selected cells (inside the level); empty when nothing is selected. A new level
    // starts with none.
    const QRegion& selection() const { return selection_; }
    void setSelection(const QRegion& cells);
    // The stamp the brush places instead of the chosen block, while one is held. It stays
    // across levels and ROMs: it is block numbers only.
    bool hasStamp() const { return !stamp_.isEmpty(); }
    const Stamp& stamp() const { return stamp_; }
    void setStamp(const Stamp& stamp);
    void dropStamp() { setStamp({}); }
    void flipStamp(bool horizontally);
    // What cutting, deleting and moving leave behind. A new level starts with its most used
    // block (usually the sky).
    int backgroundBlock() const { return backgroundBlock_; }
    void setBackgroundBlock(int block);
    int mostUsedBlock() const;
    int usesOf(int block) const;

    // --- Edits (each an undo step) ---
    // A stroke: everything painted between begin and end is one undo step. paint() outside a
    // stroke is a stroke of its own. Cells outside the level are ignored.
    void beginStroke();
    void paint(QPoint cell);
    void endStroke();
    bool inStroke() const { return strokeOpen_; }
    // Sets quarter q (0..3) of a block to a tile; consecutive edits of one block merge.
    void setBlockQuarter(int block, int quarter, uint8_t tile);
    // Every cell holding `from` gets `to`, as one step. Returns the number of cells changed.
    int replaceBlock(uint8_t from, uint8_t to);
    // Every cell set to `cells` (blocks 0..127), as one step named `text`: a whole map brought
    // in from a file. Returns the number of cells changed.
    int replaceCells(const MapCells& cells, const QString& text);
    // The tools' edits. Each is one step named for what it did and returns the number of
    // cells it changed; where a stamp is held it is used instead of the chosen block, tiled
    // from the rectangle's top-left or the clicked cell.
    // The rectangle (clipped to the level) filled: the shape fill.
    int fillRectangle(const QRect& cells);
    // The bucket: the cells 4-connected to `cell` that hold its block, or with `everyUse`
    // every cell of that block; inside the selection when there is one.
    int fillFrom(QPoint cell, bool everyUse);
    // The stamp placed with its top-left on `topLeft` (holes and cells off the level left as
    // they are). Inside a stroke, every placement of the stroke is one step.
    int placeStamp(QPoint topLeft);
    // The selected cells as a stamp of their bounding rectangle, unselected cells as holes.
    Stamp selectedStamp() const;
    // The selected cells filled with the background block, as "Delete" or "Cut".
    int clearSelection(bool cut = false);
    // The selected cells moved by `offset` (those moved off the level are dropped), the
    // cells left behind given the background block; the selection moves with them.
    int moveSelection(QPoint offset);
    // Sets a header field (cut to its size) as one step; consecutive edits of one field merge.
    // A new background palette redraws the tile sheet and the blocks.
    void setHeaderField(HeaderField field, int value);
    // The player's start position, in level pixels (one step for both words).
    QPoint startPosition() const { return QPoint(header().playerX(), header().playerY()); }
    void setStartPosition(QPoint position);
    // The camera's start: the centre of the first screen shown, in level pixels.
    QPoint cameraPosition() const { return QPoint(header().cameraX(), header().cameraY()); }
    void setCameraPosition(QPoint position);

    // --- Unsaved state (isModified() is the document's) ---
    bool isMapModified() const;
    bool isBlockModified(int block) const;
    bool isHeaderModified() const;
    int modifiedBlockCount() const;

    // --- Saving; each is one atomic commit and throws RomFileError when the file cannot be
    // opened, read or written, leaving the document as it was. ---
    struct SaveResult {
        bool written = false;
        int mapBytes = 0;       // the map's stored bytes when the map was written
        int32_t mapOffset = 0;  // where they were written
        int blocksWritten = 0;
        bool headerWritten = false;
        bool screensWritten = false;
    };
    // "Save map": the map alone. Not written (result.written false) when its encoding does not
    // fit its slot; mapBytesNeeded() then says by how much.
    SaveResult saveMap();
    // "Save block": one block's four bytes.
    SaveResult saveBlock(int block);
    // The header's changed bytes (the Events tab's "Save Changes").
    SaveResult saveHeader();
    // File › Save: the map (when changed), every changed block and the header, in one commit.
    // Writes nothing when the map does not fit.
    SaveResult save();
    // The bytes the current cells need stored (kept up to date edit by edit).
    int mapBytesNeeded() const { return meter_.bytesNeeded(); }
    bool mapFits() const { return mapBytesNeeded() <= slotBytes(); }

    // Making room by repacking the map's region of its bank (the other maps of the region
    // move up, their table entries follow). Read from the ROM as it is now.
    struct RepackOffer {
        bool possible = false;
        QString whyNot;         // when not possible
        QStringList movedMaps;  // the names of the maps that move
        int newSlot = 0;
    };
    RepackOffer repackOffer() const;
    // File › Save with the region repacked: every unsaved change and the repack in one
    // commit. Throws RomFileError, and RepackError when the region cannot be repacked.
    SaveResult saveRepacked();

    // --- Comparing with an original cartridge ---
    // Reads the same level of `originalPath`; from then on (also after loading another level)
    // cellDiffers/blockDiffers tell what differs. Throws RomFileError.
    void compareWith(const QString& originalPath);
    void stopComparing();
    bool isComparing() const { return originalCells_.has_value(); }
    const QString& originalPath() const { return originalPath_; }
    bool cellDiffers(int index) const {
        return originalCells_ && (*originalCells_)[size_t(index)] != cells()[size_t(index)];
    }
    bool blockDiffers(int block) const {
        return originalBlocks_ && (*originalBlocks_)[size_t(block)] != blocks()[size_t(block)];
    }
    int differingCells() const;
    int differingBlocks() const;

    // The whole image with every unsaved change applied, for a test run or a patch; the file
    // itself is not touched.
    QByteArray imageWithChanges() const;

signals:
    // A new level (or ROM) was put in place: every view redraws.
    void levelLoaded();
    // Cells changed inside `cells` (in cell coordinates).
    void cellsChanged(const QRect& cells);
    // These blocks' quarters changed; the strip is redrawn already.
    void blocksChanged(const QList<int>& blocks);
    // These tile numbers were drawn anew on the sheet (an edit of their stored bytes).
    void tilesChanged(const QList<int>& tiles);
    void choiceChanged();
    void hoveredCellChanged();
    void headerChanged();
    void comparisonChanged();
    void selectionChanged();
    void stampChanged();

protected:
    bool differsFromRom() const override;

private:
    friend class BlockQuartersCommand;
    friend class HeaderFieldCommand;

    // Used by the undo commands.
    void applyCellEdits(const std::vector<CellEdit>& edits, bool forward) override;
    void applyBlock(int block, const BlockQuarters& quarters);
    void applyHeader(const MapHeader& header);
    void pushHeader(const MapHeader& after, unsigned fields, const QString& text);
    // Both words of a position as one step.
    void setPosition(HeaderField x, HeaderField y, QPoint position, const QString& text);
    // `rom` is the file the level was read from, for what is read with it.
    void putInPlace(LoadedMap loaded, const RomFile& rom);
    // Follows the session's documents of the level's tile runs, and shows their unsaved edits.
    void attachTileSets();
    void redrawTiles(TileGroup group, const QList<int>& indices);
    // A new level: no selection, its most used block as the background.
    void resetToolState();
    // Pushes the edits that change a cell as one step; returns how many there were.
    int pushCellEdits(std::vector<CellEdit> edits, const QString& text, int strokeId = 0);
    struct Changes {
        bool map = false;
        bool header = false;
        std::vector<int> blocks;
        bool screens = false;
        bool tiles = false;
    };
    Changes unsavedChanges() const;
    void writeChanges(RomFile& rom, const Changes& changes, SaveResult& result) const;
    SaveResult saveChanges(const Changes& changes);
    // What `changes` wrote is now what the ROM holds.
    void markWritten(const Changes& changes);

    RomSession* session_;
    LevelScreens* screens_ = nullptr;
    std::optional<LoadedMap> level_;
    LevelTileSheet::Runs tileSets_{};
    MapCells savedCells_{};
    BlockTable savedBlocks_{};
    MapHeader savedHeader_;

    int paintBlock_ = 0;
    int editedBlock_ = 0;
    int chosenTile_ = 0;
    std::optional<QPoint> hoveredCell_;
    QRegion selection_;
    Stamp stamp_;
    int backgroundBlock_ = 0;

    void loadOriginal();

    MapSizeMeter meter_{MapCells{}};
    int slot_ = 0;
    QString originalPath_;
    std::optional<MapCells> originalCells_;
    std::optional<BlockTable> originalBlocks_;

    bool strokeOpen_ = false;
    int strokeId_ = 0;
};

}  // namespace zantor
