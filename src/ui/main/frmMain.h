#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <array>
#include <memory>

#include "map/EditorState.h"
#include "base/Picture.h"
#include "widgets/ImageControl.h"
#include "widgets/LineOverlay.h"
#include "widgets/PictureBox.h"
#include "widgets/ShapeOverlay.h"
#include "widgets/TabControl.h"

class QAction;
class QMenu;

namespace zantor {

class frmTitleScreen;
class frmInfo;

// The main window: the map list, the four tabs (map view, events view, block editor, header),
// the menus and the status bar. Handlers carry the names of the controls and events they
// serve; the Qt events only translate and call them.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(std::shared_ptr<EditorState> state, QWidget* parent = nullptr);
    ~frmMain() override;

    EditorState& state() { return *state_; }
    // Opens a ROM as "Open ROM..." does once the dialog has chosen it.
    void openRom(const QString& path);

    // --- Window, menus, opening (main window) ---
    void Form_Load();
    void Form_Resize();
    void cmbMap_Click();
    void cmbMap_Change();
    void Command1_Click();
    void Command2_Click();
    void SSTab1_Click(int previousTab);
    void mnuOpen_Click();
    void mnuEnd_Click();
    void mnuTitle_Click();
    void mnuAbout_Click();

    // --- Map view and scrolling ---
    void hscrMap_Change();
    void hscrMap_Scroll();
    void vscrMap_Change();
    void vscrMap_Scroll();
    void hscrBlocks_Change();
    void hscrBlocks_Scroll();
    void Timer1_Timer();
    void mnuSlow_Click();
    void mnuNormal_Click();
    void mnuFast_Click();

    // --- Block picking and painting ---
    void picBlocks2_MouseMove(int Button, int Shift, int X, int Y);
    void picBlocks2_MouseDown(int Button, int Shift, int X, int Y);
    void picMap_MouseDown(int Button, int Shift, int X, int Y);
    void picMap_MouseMove(int Button, int Shift, int X, int Y);
    void picMap_MouseUp(int Button, int Shift, int X, int Y);

    // --- Map saving ---
    void cmdSaveMap_Click();

    // --- Block editor ---
    void picTiles_MouseMove(int Button, int Shift, int X, int Y);
    void picTiles_Click();
    void Picture2_MouseMove(int Button, int Shift, int X, int Y);
    void Picture2_Click();
    void Picture3_MouseDown(int Button, int Shift, int X, int Y);
    void Picture3_MouseMove(int Button, int Shift, int X, int Y);
    void Picture3_MouseUp(int Button, int Shift, int X, int Y);
    void HScroll3_Change();
    void HScroll3_Scroll();
    void cmdSaveBlock_Click();

    // --- Events view ---
    void hScrEvents_Change();
    void hScrEvents_Scroll();
    void vScrEvents_Change();
    void vScrEvents_Scroll();
    void picEvents2_MouseDown(int Button, int Shift, int X, int Y);
    void picEvents2_MouseMove(int Button, int Shift, int X, int Y);
    void picEvents2_MouseUp(int Button, int Shift, int X, int Y);
    void imgMario_MouseDown(int Button, int Shift, int X, int Y);
    void imgMario_MouseMove(int Button, int Shift, int X, int Y);

    // --- Controls (objectName = member name) ---
    QComboBox* cmbMap;
    TabControl* SSTab1;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel1;  // the status bar's first panel
    QTimer* Timer1;
    Picture Test;  // the hidden block strip at 16 × 16 per block

    // Map tab
    QLabel* Label14;
    QLabel* Label15;
    PictureBox* picMap2;
    PictureBox* picMap;
    LineOverlay* lineScroll;
    QScrollBar* vscrMap;
    QScrollBar* hscrMap;
    PictureBox* picBlocks1;
    PictureBox* picBlocks2;
    ShapeOverlay* shpBlockMouse;
    ShapeOverlay* shpBlockMouse2;
    QScrollBar* hscrBlocks;
    QLabel* lblBlock;
    QPushButton* cmdSaveMap;

    // Events tab
    QPushButton* Command3;
    QLabel* lblKoordEv;
    QLabel* Label13;
    PictureBox* picEvents1;
    PictureBox* picEvents2;
    ImageControl* imgMario;
    LineOverlay* lineScrollEvents;
    QScrollBar* hScrEvents;
    QScrollBar* vScrEvents;

    // Block data and tileset tab
    PictureBox* picTiles;
    ShapeOverlay* Shape5;
    ShapeOverlay* Shape4;
    QLabel* Label11;
    PictureBox* Picture4;
    QLabel* Label12;
    PictureBox* Picture3;
    QPushButton* cmdSaveBlock;
    QPushButton* Command2;
    QPushButton* Command1;
    PictureBox* Picture1;
    PictureBox* Picture2;
    ShapeOverlay* Shape1;
    ShapeOverlay* Shape3;
    QScrollBar* HScroll3;
    QLabel* Label1;

    // Header tab
    QLabel* Label7;
    QLabel* Label10;
    QLineEdit* txtBlockdata;
    QLabel* Label9;
    QLineEdit* txtMapbank;
    QLabel* Label8;
    QLineEdit* txtMusic;
    QLabel* Label3;
    QLineEdit* txtBGPal;
    QLabel* Label4;
    QLineEdit* txtFGPal0;
    QLabel* Label5;
    QLineEdit* txtFGPal1;
    QLabel* Label6;
    QLineEdit* txtMapNr2;
    QLabel* Label2;
    QComboBox* cmbTime;

    // Menus
    QMenu* mnuFile;
    QAction* mnuOpen;
    QAction* mnuTrennung;
    QAction* mnuEnd;
    QMenu* mnuEditor;
    QAction* mnuOverworld;
    QAction* mnuTitle;
    QAction* mnuTileset;
    QAction* mnuSprite;
    QAction* mnuSound;
    QAction* mnuCredits;
    QMenu* mnuOptions;
    QMenu* mnuScrollspeed;
    QAction* mnuSlow;
    QAction* mnuNormal;
    QAction* mnuFast;
    QMenu* mnuQuestion;
    QAction* mnuAbout;

    // Form-level state
    bool Painting = false;
    bool PaintingBlock = false;
    std::array<uint8_t, 4> CurrentBlock{};
    float GrabOffsetX = 0;
    float GrabOffsetY = 0;

    // The secondary windows, while open.
    QPointer<frmTitleScreen> titleScreen;
    QPointer<frmInfo> info;

    // The outer size in twips, as the layout rules see it.
    int outerWidthTwips() const;
    int outerHeightTwips() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Closing the main window ends the program, secondary windows included, with no question.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildMapTab(QWidget* page);
    void buildEventsTab(QWidget* page);
    void buildBlockTab(QWidget* page);
    void buildHeaderTab(QWidget* page);
    void wireMapTab();
    void wireEventsTab();
    void wireBlockTab();

    // Shows a loaded map: state, pictures, texts (the load's steps that touch controls).
    void showLoadedMap(const LoadedMap& map);
    void showHeader(const LoadedMap& map);
    void setScrollRanges(bool withHScroll3);
    void paintStep(int X, int Y);
    // Right press on a level view: the cell's block becomes the selected one.
    void pickBlockAt(int X, int Y);
    void startDragLine(LineOverlay* line, int X, int Y);
    // Timer1's steps for one view's drag line.
    void dragScroll(LineOverlay* line, QScrollBar* horizontal, QScrollBar* vertical);
    void setScrollSpeed(int interval, QAction* checked);

    std::shared_ptr<EditorState> state_;
};

}  // namespace zantor
