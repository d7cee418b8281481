#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "widgets/CoalescedCall.h"

class QAction;
class QActionGroup;
class QComboBox;
class QDockWidget;
class QLabel;
class QTabWidget;
class QUndoGroup;

namespace zantor {

class LevelDocument;
class RomSession;
class MapPage;
class EventsPage;
class LazyPage;
class LevelView;
class BlockEditorPage;
class HeaderPage;
class TitleScreenWindow;
class TileSetWindow;
class AboutBox;
class EmulatorLauncher;
class CurrentObjectList;
class ObjectListPanel;
class ObjectNames;

// The main window: the level list, the four tabs, the menus and the status bar, all observing
// one document. It asks before anything would drop unsaved work, and reports a file that
// cannot be opened, read or written without ending the program.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    LevelDocument* document() const { return document_; }
    RomSession* session() const { return session_; }
    // The title screen editor while it is open, else null.
    TitleScreenWindow* titleScreenWindow() const;
    // Opens a ROM (after the unsaved-changes question), as "Open ROM..." does once a file is
    // chosen. Returns whether it was opened.
    bool openRom(const QString& path);
    // Loads another level of the open ROM, after the question. Returns whether it was loaded.
    bool showLevel(int mapIndex);
    // Asks Save / Discard / Cancel when the level has unsaved work; true when the caller may go
    // on.
    bool maybeSave();
    // The same for every editor of the session (the level, the title screen), before the ROM
    // is replaced or closed.
    bool maybeSaveAll();
    // File › Save. True when everything was written.
    bool save();

    MapPage* mapPage() const { return mapPage_; }
    // The level's object list, which the views, the objects panel and saving follow.
    CurrentObjectList* objectList() const { return objects_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    // File and Tools menu entries beyond opening and saving (MainWindowFile.cpp).
    void addExportActions(QMenu* file);
    void addToolsMenu();
    // Edit › Tools, the tool bar, the clipboard, the selection and the stamp
    // (MainWindowTools.cpp).
    void addEditingActions(QMenu* edit);
    void copySelection(bool cut);
    void pasteStamp();
    void escape();
    void setBackgroundFromChosen();
    void restoreBackground();
    void showToolStatus();
    void fillRecentMenu();
    void rememberOpened();
    void exportPicture(const QString& title, const QString& suggested, int which);
    void runInEmulator();
    // Patches, backups and the comparison (MainWindowShare.cpp).
    void addShareActions(QMenu* file);
    void createPatch();
    void applyPatch();
    void restoreBackup();
    void toggleComparison();
    // The map does not fit its slot: says by how much and offers a repack when one helps.
    // True when the save went through by repacking.
    bool offerRepack();
    // The level's objects (MainWindowObjects.cpp). The clipboard's and Delete's part returns
    // false when the Objects tool is not the one in use.
    void addObjectEditing(QMenu* view, QAction* spriteEditor);
    // What Edit › Undo and Redo act on: the level's history, or with the Objects tool the
    // objects' history.
    QUndoGroup* editHistory();
    void followEditHistory();
    void addObjectNamesAction(QMenu* tools);
    void editObjectNames();
    void showObjectNames();
    std::function<QString(int level, int type)> objectNameLookUp() const;
    // The objects panel's dock, built when first shown: most starts never show it.
    QDockWidget* objectsDock();
    void followObjectList();
    void showObjectsModified();
    bool objectsModified() const;
    // The level's objects as the ROM holds them, after the question let unsaved work go.
    void discardUnsavedObjects();
    bool objectToolActive() const;
    bool copyObjects(bool cut);
    bool pasteObjects();
    bool deleteObjects();
    // Saves the level's object list when it has unsaved edits (asking before a repack); false
    // when it could not be saved.
    bool saveObjects(bool* written = nullptr);
    void openPreferences();
    void buildStatusBar();
    void chooseRom();
    void saveMap();
    void saveBlock();
    void saveHeader();
    void reload();
    void showStart();
    void openTitleEditor();
    void openTileSetEditor();
    void openAbout();
    void setScrollSpeed(int milliseconds);
    void applyOverlays();
    // The level views: the map's, and the events' once its page is built.
    QList<LevelView*> levelViews() const;
    LevelView* shownLevelView() const;
    void setUpEventsView();
    static void scrollToStart(LevelView* view, QPoint start);
    void showStatus();
    void reportSave(const QString& what, int bytes, int32_t offset);
    QString levelName() const;
    // The file and the level in front of the program's name, with [*] for unsaved work.
    void showWindowTitle();

    RomSession* session_;
    LevelDocument* document_;
    QComboBox* levelList_;
    QTabWidget* tabs_;
    MapPage* mapPage_;
    LazyPage* eventsTab_;
    EventsPage* eventsPage_ = nullptr;      // built when first shown
    BlockEditorPage* blockPage_ = nullptr;  // built when first shown
    HeaderPage* headerPage_ = nullptr;      // built when first shown
    QLabel* pathLabel_ = nullptr;
    QLabel* meterLabel_ = nullptr;
    QLabel* usesLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* toolLabel_ = nullptr;
    QLabel* selectionLabel_ = nullptr;
    QActionGroup* toolActions_ = nullptr;

    QAction* titleEditorAction_ = nullptr;
    QAction* blockGridAction_ = nullptr;
    QAction* screenGridAction_ = nullptr;
    QAction* highlightAction_ = nullptr;
    QAction* compareAction_ = nullptr;
    QList<QAction*> speedActions_;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<EmulatorLauncher> launcher_;

    CurrentObjectList* objects_ = nullptr;
    QDockWidget* objectsDock_ = nullptr;
    QUndoGroup* history_ = nullptr;
    ObjectListPanel* objectsPanel_ = nullptr;
    std::shared_ptr<ObjectNames> objectNames_;

    QPointer<TitleScreenWindow> titleScreen_;
    QPointer<TileSetWindow> tileSet_;
    QPointer<AboutBox> info_;
    // The meter and counts follow painting at most once a frame.
    CoalescedCall statusOnEdit_{this, [this] { showStatus(); }};
};

}  // namespace zantor
