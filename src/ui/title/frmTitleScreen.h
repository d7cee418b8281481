#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <optional>

#include "map/EditorState.h"
#include "map/TitleScreen.h"
#include "widgets/Dialogs.h"
#include "widgets/PictureBox.h"
#include "widgets/ShapeOverlay.h"

namespace zantor {

// The title screen editor: the title's tile sheet and its 20 × 18 tile map. A tile picked in
// the sheet is painted into the map with the left button; the right button picks a cell's
// tile. The map is written back with "Save Map"; the tiles are exchanged with bitmap files.
// It keeps its own state and shares only the ROM's path and version with the main window.
class frmTitleScreen : public QWidget {
    Q_OBJECT

public:
    // The dialog filter of both the import and the export.
    static const QString kBitmapFilter;

    // Builds the controls; reads nothing until Form_Load.
    explicit frmTitleScreen(std::shared_ptr<EditorState> state, QWidget* parent = nullptr);

    // Reads the sheet and the map from the ROM and draws both. False when the ROM could not
    // be read; the user has been told why.
    bool Form_Load();

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

    // The map as sheet indices; only "Save Map" puts it into the ROM.
    TitleScreen::Cells TitleMap{};
    // The file dialog's name, kept between the import and the export like one shared dialog.
    QString CommonDialog1FileName;

private:
    void buildControls();
    void wireMouse();
    // Paints the selected tile into the cell under (X, Y); outside the map nothing happens.
    void paintAt(int X, int Y);
    // The import's or export's file dialog; the chosen name is kept for the next one.
    std::optional<QString> chooseBitmapFile(Dialogs::FileKind kind, const QString& title);

    std::shared_ptr<EditorState> state_;
};

}  // namespace zantor
