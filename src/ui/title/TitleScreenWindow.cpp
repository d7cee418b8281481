// The title screen editor: building the window and painting the tile map. The buttons that
// read and write files are in TitleScreenFiles.cpp.
#include "TitleScreenWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>

#include "document/TitleDocument.h"
#include "session/RomSession.h"
#include "widgets/CellGridView.h"
#include "widgets/ExtraShortcut.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

const QString TitleScreenWindow::kBitmapFilter =
    QStringLiteral("Bitmaps (*.dib;*.bmp)|*.dib;*.bmp|All files (*.*)|*.*");

namespace {
constexpr int kTile = TitleScreen::kTile;
const char* const kZoomKey = "titleScreen/zoom";

QPoint mapCell(const CellGridView* view, int cell) {
    return QPoint(cell % view->columns(), cell / view->columns());
}

QScrollArea* scrolled(CellGridView* view, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setWidget(view);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}
}  // namespace

TitleScreenWindow::TitleScreenWindow(RomSession* session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), document_(session->titleDocument()) {
    setObjectName(QStringLiteral("frmTitleScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildActions();
    wireViews();
    setZoom(QSettings().value(kZoomKey, 2).toInt());
    showDocument();
}

TitleScreenWindow::~TitleScreenWindow() {
    // The document outlives the window; it must not call into what is gone.
    document_->disconnect(this);
    document_->undoStack()->disconnect(this);
}

void TitleScreenWindow::buildControls() {
    auto* tilesLabel = new QLabel(tr("Tiles:"), this);
    tilesLabel->setObjectName(QStringLiteral("Label1"));
    auto* mapLabel = new QLabel(tr("Map:"), this);
    mapLabel->setObjectName(QStringLiteral("Label2"));

    sheetView_ = new CellGridView(QSize(kTile, kTile));
    sheetView_->setObjectName(QStringLiteral("picTiles"));
    mapView_ = new CellGridView(QSize(kTile, kTile));
    mapView_->setObjectName(QStringLiteral("picMap"));
    sheetView_->setFocusPolicy(Qt::StrongFocus);
    mapView_->setFocusPolicy(Qt::StrongFocus);
    sheetArea_ = scrolled(sheetView_, this);
    mapArea_ = scrolled(mapView_, this);

    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("cmbZoom"));
    for (int factor = kMinZoom; factor <= kMaxZoom; ++factor)
        zoomBox_->addItem(tr("%1 %").arg(100 * factor), factor);
    zoomBox_->setToolTip(tr("Zoom (Ctrl++ and Ctrl+-)"));
    connect(zoomBox_, &QComboBox::activated, this,
            [this](int index) { setZoom(zoomBox_->itemData(index).toInt()); });

    exportButton_ = new QPushButton(tr("Save Tiles as..."), this);
    exportButton_->setObjectName(QStringLiteral("cmdSaveTilesAs"));
    importButton_ = new QPushButton(tr("Edit Tiles"), this);
    importButton_->setObjectName(QStringLiteral("Command2"));
    importButton_->setToolTip(tr("Replaces the 256 tiles with a picture's (one undo step)"));
    saveButton_ = new QPushButton(tr("Save Map"), this);
    saveButton_->setObjectName(QStringLiteral("Command1"));
    saveButton_->setToolTip(tr("Writes the edited map and tiles into the ROM"));
    connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
    connect(importButton_, &QPushButton::clicked, this, [this] { importTiles(); });
    connect(exportButton_, &QPushButton::clicked, this, [this] { exportTiles(); });

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setSizeGripEnabled(false);

    auto* zoomRow = new QHBoxLayout;
    zoomRow->addStretch(1);
    zoomRow->addWidget(new QLabel(tr("Zoom:"), this));
    zoomRow->addWidget(zoomBox_);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 0);
    grid->addWidget(tilesLabel, 0, 0);
    grid->addWidget(mapLabel, 0, 1);
    grid->addLayout(zoomRow, 0, 2);
    grid->addWidget(sheetArea_, 1, 0);
    grid->addWidget(mapArea_, 1, 1, 1, 2);
    grid->addWidget(exportButton_, 2, 0);
    grid->addWidget(importButton_, 3, 0);
    grid->addWidget(saveButton_, 2, 1, 1, 2);
    grid->addWidget(statusBar_, 4, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 16);
    grid->setColumnStretch(1, 20);

    QWidget* const order[] = {sheetView_,    mapView_,      saveButton_,
                              importButton_, exportButton_, zoomBox_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TitleScreenWindow::buildActions() {
    QUndoStack* stack = document_->undoStack();
    QAction* undo = stack->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = stack->createRedoAction(this);
    redo->setShortcuts(WithExtraKey(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)));
    auto* saveAction = new QAction(tr("Save Map"), this);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] { save(); });
    auto* zoomIn = new QAction(tr("Zoom In"), this);
    zoomIn->setShortcuts(
        WithExtraKey(QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    connect(zoomIn, &QAction::triggered, this, [this] { setZoom(zoom_ + 1); });
    auto* zoomOut = new QAction(tr("Zoom Out"), this);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, this, [this] { setZoom(zoom_ - 1); });
    // The window has no menu; the actions live on it so that their shortcuts work anywhere in
    // it.
    addActions({undo, redo, saveAction, zoomIn, zoomOut});
}

void TitleScreenWindow::wireViews() {
    sheetView_->source = [this] { return document_->sheet().image(); };
    sheetView_->chosen = [this] { return document_->selectedTile(); };
    sheetView_->pressed = [this](int cell, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            document_->setSelectedTile(cell);
    };

    mapView_->source = [this] { return document_->mapPicture().image(); };
    mapView_->chosen = [] { return -1; };
    mapView_->pressed = [this](int cell, Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            document_->beginStroke();
            document_->paintTo(mapCell(mapView_, cell));
        } else if (button == Qt::RightButton) {
            document_->pickTile(mapCell(mapView_, cell));
        }
    };
    // Only the left button alone paints; with the right one held too, nothing happens.
    mapView_->dragged = [this](int cell, Qt::MouseButtons buttons) {
        if (buttons == Qt::LeftButton)
            document_->paintTo(mapCell(mapView_, cell));
    };
    mapView_->draggedOff = [this] { document_->paintTo(std::nullopt); };
    mapView_->released = [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            document_->endStroke();
    };

    connect(document_, &TitleDocument::cellsChanged, this, [this](const QRect& cells) {
        const int pixels = kTile * zoom_;
        mapView_->update(QRect(cells.topLeft() * pixels, cells.size() * pixels));
    });
    connect(document_, &TitleDocument::tilesChanged, this, [this] {
        sheetView_->refresh();
        mapView_->refresh();
    });
    connect(document_, &TitleDocument::selectionChanged, sheetView_, &CellGridView::refresh);
    connect(document_, &TitleDocument::loaded, this, [this] {
        if (!document_->isLoaded()) {
            // The session's new ROM has no title screen we can read: nothing to edit here.
            Dialogs::message(this, document_->loadError(), {}, Dialogs::Icon::Critical);
            close();
            return;
        }
        showDocument();
    });
    connect(document_, &TitleDocument::modifiedChanged, this, [this](bool modified) {
        setWindowModified(modified);
        saveButton_->setEnabled(modified);
    });
}

void TitleScreenWindow::showDocument() {
    // Which ROM's title screen this is, as the main window names its file.
    setWindowTitle(tr("%1[*] — Title screen editor").arg(QFileInfo(session_->path()).fileName()));
    sheetView_->refresh();
    mapView_->refresh();
    setWindowModified(document_->isModified());
    saveButton_->setEnabled(document_->isModified());
}

void TitleScreenWindow::setZoom(int factor) {
    zoom_ = std::clamp(factor, kMinZoom, kMaxZoom);
    zoomBox_->setCurrentIndex(zoom_ - kMinZoom);
    sheetView_->setZoom(zoom_);
    mapView_->setZoom(zoom_);
    // Room for both pictures at this zoom where the screen allows; the user may resize.
    const int frame = 2 * sheetArea_->frameWidth() + 2;
    sheetArea_->setMinimumSize(std::min(sheetView_->sizeHint().width(), 512) + frame,
                               std::min(sheetView_->sizeHint().height(), 512) + frame);
    mapArea_->setMinimumSize(std::min(mapView_->sizeHint().width(), 640) + frame,
                             std::min(mapView_->sizeHint().height(), 576) + frame);
    QSettings().setValue(kZoomKey, zoom_);
}

bool TitleScreenWindow::maybeSave() {
    const bool goOn =
        Dialogs::maybeSave(this, document_->isModified(), tr("the changes to the title screen"),
                           [this] { return save(); });
    // Discarded: the document is shared with the session and must not keep edits no window
    // shows.
    if (goOn && document_->isModified())
        document_->reload();
    return goOn;
}

void TitleScreenWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace zantor
