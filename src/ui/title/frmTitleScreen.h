#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "map/TitleScreen.h"
#include "widgets/Dialogs.h"
#include "widgets/PictureBox.h"
#include "widgets/ShapeOverlay.h"

namespace zantor {

// The title screen editor: the title's tile sheet and its 20 × 18 tile map. A tile picked in
// the sheet is painted into the map with the left button; the right button picks a cell's
// tile. The map is written back with "Save Map" (Ctrl+S); painting is undone one stroke at a
// time. The tiles are exchanged with bitmap files and go straight into the ROM. It keeps its
// own state and knows of the main window only the ROM's path and version.
class frmTitleScreen : public QWidget {
    Q_OBJECT

public:
    // The dialog filter of both the import and the export.
    static const QString kBitmapFilter;

    // Builds the controls; reads nothing until Form_Load.
    frmTitleScreen(QString romPath, uint8_t romVersion, QWidget* parent = nullptr);
    ~frmTitleScreen() override;

    // Reads the sheet and the map from the ROM and draws both. False when the ROM could not
    // be read; the user has been told why.
    bool Form_Load();

    // Writes the map into the ROM. False when that failed (the user has been told why); the
    // painting is then still unsaved.
    bool save();
    // Before the window or the program closes: with unsaved painting, asks Save, Discard or
    // Cancel. True when the caller may go on (nothing unsaved, saved, or discarded).
    bool maybeSave();
    bool isModified() const { return !undoStack->isClean(); }

    void picTiles_MouseMove(int Button, int Shift, int X, int Y);
    void picTiles_Click();
    void picMap_MouseDown(int Button, int Shift, int X, int Y);
    void picMap_MouseMove(int Button, int Shift, int X, int Y);
    void Command1_Click();
    void Command2_Click();
    void cmdSaveTilesAs_Click();

    // The selected sheet tile, worked out from the red marker.
    int selectedTile() const;

    // --- Controls (objectName = member name), in the order they are stacked ---
    QLabel* Label1;
    QLabel* Label2;
    PictureBox* picTiles;
    ShapeOverlay* Shape2;  // the tile under the pointer
    ShapeOverlay* Shape1;  // the selected tile
    PictureBox* picMap;
    QPushButton* cmdSaveTilesAs;
    QPushButton* Command2;
    QPushButton* Command1;
    QStatusBar* statusBar;
    QUndoStack* undoStack;  // the painting; clean when the map equals the ROM's

    // The map as sheet indices; only "Save Map" puts it into the ROM.
    TitleScreen::Cells TitleMap{};
    // The file dialog's name, kept between the import and the export like one shared dialog.
    QString CommonDialog1FileName;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildActions();
    void wireMouse();
    // The map changes only here, so that the cell and its picture always agree.
    void setCell(int cell, uint8_t tile);
    // The sheet as the ROM holds it, and the map redrawn from it.
    void showSheet(Picture sheet);
    // Paints the selected tile into the cell under (X, Y); outside the map nothing happens.
    void paintAt(int X, int Y);
    // The import's or export's file dialog; the chosen name is kept for the next one.
    std::optional<QString> chooseBitmapFile(Dialogs::FileKind kind, const QString& title);

    QString romPath_;
    uint8_t romVersion_;
    int stroke_ = 0;  // counts left presses on the map: the paint steps of one merge
};

}  // namespace zantor
