#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

#include "codec/TilePixels.h"
#include "document/LevelTileSheet.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;

namespace zantor {

class CellGridView;
class LevelDocument;
class TilePixelView;

// The tileset editor of the main window's level: the 256-tile sheet at 1× to 8×, the chosen
// tile as a large pixel grid with its neighbours, and the tools (pencil, bucket within the
// tile, picker, line, rectangle; flip and rotate; copy and paste of a tile or a rectangle of
// tiles). It edits the session's tile set documents through the level, so the level's blocks
// and views, and every other level that shares the bytes, follow at once. A stroke is one
// undo step; nothing reaches the ROM before a save. Keeps nothing the documents know.
class TileSetWindow : public QWidget {
    Q_OBJECT

public:
    enum class Tool { Pencil, Bucket, Picker, Line, Rectangle };

    explicit TileSetWindow(LevelDocument* level, QWidget* parent = nullptr);
    ~TileSetWindow() override;

    LevelTileSheet sheet() const;
    int chosenTile() const { return chosenTile_; }
    void chooseTile(int tile);
    // The rectangle of the sheet between two tiles, for copying (the chosen tile is `to`).
    void chooseTiles(int from, int to);
    void setTool(Tool tool);
    // The colour numbers the left and the right button draw with.
    void setColours(int left, int right);
    int zoom() const { return zoom_; }
    void setZoom(int factor);

    // The editing steps, also for tests: a press, drags and a release on the tile's pixels.
    void pressPixel(QPoint pixel, Qt::MouseButton button);
    void dragPixel(QPoint pixel);
    void releasePixel();
    void flipTile(bool horizontally);
    void rotateTile();
    void copyTiles();
    void pasteTiles();

    // Writes the changed tiles. False when that failed (the user has been told why).
    bool save();
    void importSheet();
    void exportSheet();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showState();
    void showSwatches();
    void showTiles(const QList<int>& tiles);
    // Before the first edit of runs other levels share: asks, unless told not to.
    bool mayEdit(const QList<int>& tiles);
    void setTile(const TileBytes& tile, const QString& text, int strokeId = 0);
    // The sheet's cells chosen for copying, in sheet cells (16 × 16).
    QRect chosenCells() const;
    QImage neighbourhood() const;

    LevelDocument* level_;
    int chosenTile_ = 0x80;
    Tool tool_ = Tool::Pencil;
    int colours_[2] = {3, 0};
    int zoom_ = 2;
    bool raw_ = false;
    // The stroke under way: its id, the button's colour, where it started and last was, and
    // the tile before it (the line and the rectangle are drawn afresh from it on each move).
    int strokeId_ = 0;
    int strokeColour_ = 0;
    QPoint strokeStart_;
    QPoint strokeLast_;
    TileBytes strokeBefore_{};
    std::optional<int> areaAnchor_;  // the tile a drag on the sheet started on
    QRect area_;
    // Copied tiles: columns × rows tiles of 16 bytes, row by row.
    QByteArray copied_;
    QSize copiedSize_;
    QString lastPicture_;

    CellGridView* sheetView_;
    TilePixelView* pixelView_;
    QComboBox* zoomBox_;
    QButtonGroup* tools_;
    QPushButton* shades_[4];
    QLabel* coloursLabel_;
    QLabel* tileLabel_;
    QLabel* sharingLabel_;
    QCheckBox* rawBox_;
    QPushButton* undoButton_;
    QPushButton* redoButton_;
    QPushButton* saveButton_;
    QStatusBar* statusBar_;
};

}  // namespace zantor
