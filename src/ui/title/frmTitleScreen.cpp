// The title screen editor: building the window, loading, and painting the tile map. The three
// buttons are in frmTitleScreenFiles.cpp.
#include "frmTitleScreen.h"

#include <QAction>
#include <QCloseEvent>
#include <algorithm>

#include "TitlePaintCommand.h"
#include "codec/RomFile.h"
#include "widgets/HandlerGuard.h"
#include "widgets/MouseEvent.h"

namespace zantor {

const QString frmTitleScreen::kBitmapFilter =
    QStringLiteral("Bitmaps (*.dib;*.bmp)|*.dib;*.bmp|All files (*.*)|*.*");

namespace {
constexpr int kTile = TitleScreen::kTile;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

bool InsideMap(int X, int Y) {
    return X >= 0 && X < TitleScreen::kMapWidth && Y >= 0 && Y < TitleScreen::kMapHeight;
}
}  // namespace

frmTitleScreen::frmTitleScreen(QString romPath, uint8_t romVersion, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      romPath_(std::move(romPath)),
      romVersion_(romVersion) {
    setObjectName(QStringLiteral("frmTitleScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Title screen editor[*]"));
    setFixedSize(314, 236);
    buildControls();
    buildActions();
    wireMouse();
}

frmTitleScreen::~frmTitleScreen() {
    // The stack says "clean" as it goes, when the buttons it would enable may be gone already.
    undoStack->disconnect(this);
}

void frmTitleScreen::buildControls() {
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Tiles:"));
    Label1->setGeometry(8, 8, 129, 17);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Map:"));
    Label2->setGeometry(144, 8, 73, 17);

    picTiles = new PictureBox(this, QStringLiteral("picTiles"), true);
    picTiles->place(8, 24, 132, 132);
    picTiles->setPicture(Picture(TitleScreen::kSheetSize, TitleScreen::kSheetSize));
    // The selection is stacked above the pointer marker, so it stays visible under it.
    Shape2 = new ShapeOverlay(picTiles->surface(), QStringLiteral("Shape2"), QSize(kTile, kTile),
                              QColor(255, 128, 0));
    Shape1 = new ShapeOverlay(picTiles->surface(), QStringLiteral("Shape1"), QSize(kTile, kTile),
                              QColor(255, 0, 0));

    picMap = new PictureBox(this, QStringLiteral("picMap"), true);
    picMap->place(144, 24, 164, 148);
    picMap->setPicture(Picture(TitleScreen::kMapWidth, TitleScreen::kMapHeight));

    cmdSaveTilesAs =
        MakeButton(this, QStringLiteral("cmdSaveTilesAs"), QStringLiteral("Save Tiles as..."));
    cmdSaveTilesAs->setGeometry(8, 160, 132, 25);
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("Edit Tiles"));
    Command2->setGeometry(8, 184, 132, 25);
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("Save Map"));
    Command1->setGeometry(144, 176, 164, 25);
    Command1->setEnabled(false);  // nothing painted yet

    // Below the controls, where the import and the save say what they wrote.
    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    statusBar->setGeometry(0, 214, 314, 22);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(cmdSaveTilesAs, &QPushButton::clicked, this, [this] { cmdSaveTilesAs_Click(); });

    // The order is Label1, picTiles, picMap, Command1, Command2, Label2, cmdSaveTilesAs; labels
    // take no focus (and have no access keys), so the chain holds the other five. The pictures
    // take the focus like the buttons do.
    picTiles->setFocusPolicy(Qt::StrongFocus);
    picMap->setFocusPolicy(Qt::StrongFocus);
    QWidget* const order[] = {picTiles, picMap, Command1, Command2, cmdSaveTilesAs};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void frmTitleScreen::buildActions() {
    undoStack = new QUndoStack(this);
    connect(undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        setWindowModified(!clean);
        Command1->setEnabled(!clean);
    });
    QAction* undo = undoStack->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undoStack->createRedoAction(this);
    redo->setShortcut(QKeySequence::Redo);
    auto* saveAction = new QAction(QStringLiteral("Save Map"), this);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] { save(); });
    // The window has no menu; the actions live on it so that their shortcuts work anywhere in
    // it.
    addActions({undo, redo, saveAction});
}

void frmTitleScreen::wireMouse() {
    picTiles->mouse.MouseMove = [this](int b, int s, int x, int y) {
        picTiles_MouseMove(b, s, x, y);
    };
    picTiles->mouse.Click = [this] { picTiles_Click(); };
    picMap->mouse.MouseDown = [this](int b, int s, int x, int y) { picMap_MouseDown(b, s, x, y); };
    picMap->mouse.MouseMove = [this](int b, int s, int x, int y) { picMap_MouseMove(b, s, x, y); };
}

bool frmTitleScreen::Form_Load() {
    // Until the window is shown, its messages belong to whoever opens it.
    QWidget* owner = isVisible() ? this : parentWidget();
    return Guarded(owner, [&] {
        const RomFile rom = RomFile::open(romPath_);
        TitleScreen screen = TitleScreen::load(rom, romVersion_);
        TitleMap = screen.TitleMap;
        picTiles->setPicture(std::move(screen.picTiles));
        picMap->setPicture(std::move(screen.picMap));
        Shape1->move(0, 0);
        Shape2->move(0, 0);
        undoStack->clear();
        undoStack->setClean();
        Command1->setEnabled(false);
    });
}

void frmTitleScreen::setCell(int cell, uint8_t tile) {
    TitleMap[size_t(cell)] = tile;
    TitleScreen::PaintCell(picMap->picture(), picTiles->picture(), tile,
                           cell % TitleScreen::kColumns, cell / TitleScreen::kColumns);
    picMap->Refresh();
}

void frmTitleScreen::showSheet(Picture sheet) {
    picTiles->setPicture(std::move(sheet));
    picMap->setPicture(TitleScreen::DrawMap(picTiles->picture(), TitleMap));
}

bool frmTitleScreen::maybeSave() {
    return Dialogs::maybeSave(this, isModified(), QStringLiteral("the changes to the title screen"),
                              [this] { return save(); });
}

void frmTitleScreen::closeEvent(QCloseEvent* event) {
    if (maybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

int frmTitleScreen::selectedTile() const {
    return 16 * (Shape1->Top() / kTile) + Shape1->Left() / kTile;
}

void frmTitleScreen::picTiles_MouseMove(int, int, int X, int Y) {
    // While a button is held the pointer may leave the sheet; the marker stops at its edge,
    // so that a click never selects a tile beyond 255.
    const int last = TitleScreen::kSheetSize - 1;
    Shape2->setLeft(kTile * (std::clamp(X, 0, last) / kTile));
    Shape2->setTop(kTile * (std::clamp(Y, 0, last) / kTile));
}

void frmTitleScreen::picTiles_Click() {
    Shape1->setTop(Shape2->Top());
    Shape1->setLeft(Shape2->Left());
}

void frmTitleScreen::picMap_MouseDown(int Button, int, int X, int Y) {
    if (Button == kLeftButton) {
        ++stroke_;
        paintAt(X, Y);
    } else if (Button == kRightButton && InsideMap(X, Y)) {
        // A right press during a left drag arrives wherever the pointer is; only a cell picks.
        const QPoint at =
            TitleScreen::sheetCell(TitleMap[size_t(TitleScreen::cellIndex(X / kTile, Y / kTile))]);
        Shape1->setTop(at.y());
        Shape1->setLeft(at.x());
    }
}

void frmTitleScreen::picMap_MouseMove(int Button, int, int X, int Y) {
    if (Button == kLeftButton) {
        paintAt(X, Y);
    }
}

void frmTitleScreen::paintAt(int X, int Y) {
    if (!InsideMap(X, Y)) {
        return;
    }
    const int cell = TitleScreen::cellIndex(X / kTile, Y / kTile);
    const uint8_t tile = uint8_t(selectedTile());
    const uint8_t before = TitleMap[size_t(cell)];
    if (tile == before) {
        return;  // nothing to undo, and the map stays as clean as it was
    }
    undoStack->push(new TitlePaintCommand([this](int c, uint8_t t) { setCell(c, t); }, stroke_,
                                          cell, before, tile));
}

}  // namespace zantor
