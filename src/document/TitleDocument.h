#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "CellGrid.h"
#include "Document.h"
#include "base/Picture.h"
#include "map/TitleScreen.h"

namespace zantor {

class RomSession;

// The title screen of the open ROM: its 20 × 18 tile map, its 256 tiles, and the tile chosen
// for painting. Owned by the session, so every window shows the same one; it re-reads the file
// whenever the session opens another. Each stroke, and each tile import, is one undo step.
// Nothing reaches the ROM before save(), which writes what changed in one commit.
class TitleDocument : public Document, private CellGrid {
    Q_OBJECT

public:
    TitleDocument(RomSession* session, QObject* parent = nullptr);
    ~TitleDocument() override;

    // Reads the map and the tiles from the session's ROM, and starts a new history. When they
    // cannot be read the document is empty and loadError() says why. Never throws.
    void reload();
    bool isLoaded() const { return loaded_; }
    const QString& loadError() const { return loadError_; }

    const TitleScreen::Cells& cells() const { return cells_; }
    uint8_t cellAt(QPoint cell) const {
        return cells_[size_t(TitleScreen::cellIndex(cell.x(), cell.y()))];
    }
    const QByteArray& tiles() const { return tiles_; }
    // The tiles drawn as the 128 × 128 sheet, and the map drawn from them (160 × 144).
    const Picture& sheet() const { return sheet_; }
    const Picture& mapPicture() const { return mapPicture_; }

    int selectedTile() const { return selectedTile_; }
    void setSelectedTile(int tile);
    // The right button on the map: the cell's tile becomes the chosen one.
    void pickTile(QPoint cell);

    // A stroke: every cell painted between begin and end is one undo step. paintTo() paints
    // the chosen tile into every cell on the line from the stroke's last cell, so a quick drag
    // leaves no gaps. Cells outside the map are ignored, and a stroke that leaves the map and
    // comes back starts its line afresh.
    void beginStroke();
    void paintTo(std::optional<QPoint> cell);
    void endStroke();

    // The picture's top-left 128 × 128 pixels as the 256 tiles, one undo step. Colours that
    // are none of the four greys, and what a smaller picture leaves uncovered, become colour 0,
    // as they will be stored. Returns the number of tiles that change.
    int importTiles(const Picture& picture);

    bool isMapModified() const { return cells_ != savedCells_; }
    bool areTilesModified() const { return tiles_ != savedTiles_; }

    // Writes what changed (the map's cells, the tiles) through the session, in one commit.
    // Throws RomFileError and BackupError; the document is then unchanged.
    struct SaveResult {
        bool mapWritten = false;
        bool tilesWritten = false;
        int32_t mapOffset = 0;
        int32_t tilesOffset = 0;
    };
    SaveResult save();

signals:
    // Read anew (also when it could not be).
    void loaded();
    // Cells changed inside `cells` (in cell coordinates).
    void cellsChanged(const QRect& cells);
    void tilesChanged();
    void selectionChanged();

protected:
    bool differsFromRom() const override;

private:
    friend class TitleTilesCommand;
    void applyCellEdits(const std::vector<CellEdit>& edits, bool forward) override;
    void applyTiles(const QByteArray& tiles);
    void paintCell(QPoint cell);

    RomSession* session_;
    bool loaded_ = false;
    QString loadError_;
    TitleScreen::Cells cells_{};
    TitleScreen::Cells savedCells_{};
    QByteArray tiles_;
    QByteArray savedTiles_;
    Picture sheet_;
    Picture mapPicture_;
    int selectedTile_ = 0;
    int strokeId_ = 0;
    bool strokeOpen_ = false;
    std::optional<QPoint> lastPainted_;
};

}  // namespace zantor
