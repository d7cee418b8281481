#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "widgets/Dialogs.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;

namespace zantor {

class CellGridView;
class RomSession;
class TitleDocument;

// The title screen editor: the title's tile sheet and its 20 × 18 tile map, both views of the
// session's title document at a zoom of 1× to 8× (remembered). A tile chosen in the sheet is
// painted into the map with the left button; the right button takes a cell's tile. "Save Map"
// (Ctrl+S) writes what changed; painting and tile imports are undone a step at a time. When
// the session opens another ROM the window shows its title screen, or closes when it has none
// that can be read. The window keeps nothing the document knows.
class TitleScreenWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;
    // The dialog filter of both the import and the export.
    static const QString kBitmapFilter;

    explicit TitleScreenWindow(RomSession* session, QWidget* parent = nullptr);
    ~TitleScreenWindow() override;

    TitleDocument* document() const { return document_; }

    // Writes what changed into the ROM. False when that failed (the user has been told why);
    // the edits are then still unsaved.
    bool save();
    // Before the window closes or the session opens another ROM: with unsaved edits, asks
    // Save, Discard or Cancel. Discarding puts the document back as the ROM holds it. True when
    // the caller may go on.
    bool maybeSave();

    int zoom() const { return zoom_; }
    void setZoom(int factor);

    // Handlers of the three buttons.
    void importTiles();
    void exportTiles();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildActions();
    void wireViews();
    void showDocument();
    std::optional<QString> chooseBitmapFile(Dialogs::FileKind kind, const QString& title);

    RomSession* session_;
    TitleDocument* document_;
    int zoom_ = 2;
    // The file dialog's name, kept between the import and the export like one shared dialog.
    QString lastBitmap_;

    CellGridView* sheetView_;
    CellGridView* mapView_;
    QScrollArea* sheetArea_;
    QScrollArea* mapArea_;
    QComboBox* zoomBox_;
    QPushButton* exportButton_;
    QPushButton* importButton_;
    QPushButton* saveButton_;
    QStatusBar* statusBar_;
};

}  // namespace zantor
