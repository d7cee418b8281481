#pragma once

class QMainWindow;
class QMenu;

namespace zantor {

class LevelDocument;

// File › Export to Tiled… and Import from Tiled…: the open level, unsaved edits included, as a
// Tiled map and back. An import is one undo step on the level; nothing reaches the ROM until
// it is saved.
class TiledTransfer {
public:
    // Adds both entries to `file`; they act on `document` and report in `window`'s status bar.
    static void addActions(QMenu* file, QMainWindow* window, LevelDocument* document);

    static void exportLevel(QMainWindow* window, LevelDocument& document);
    static void importLevel(QMainWindow* window, LevelDocument& document);
};

}  // namespace zantor
