// The main window's editing tools: the tool bar and Edit › Tools with Tiled's keys, the
// clipboard, the selection, the stamp, the background block, and their status bar read-outs.
// The keys act while the focus is on the map tab (its view or its palette), so that text
// fields elsewhere keep their letters and their Ctrl+C.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "MainWindow.h"
#include "MapPage.h"
#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "widgets/Dialogs.h"
#include "widgets/FixedLabel.h"
#include "widgets/LevelView.h"
#include "widgets/tools/ToolBox.h"

namespace zantor {

namespace {
// The background block's setting for a ROM file and one of its levels.
QString backgroundKey(const QString& romPath, int mapIndex) {
    const QByteArray file = QFileInfo(romPath).absoluteFilePath().toUtf8();
    return QStringLiteral("background/%1/%2")
        .arg(QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha1).toHex()))
        .arg(mapIndex);
}
}  // namespace

void MainWindow::addEditingActions(QMenu* edit) {
    // Keys for the map tab only: its view, its palette and the tab itself.
    auto onMapPage = [this](QAction* action, const QKeySequence& key) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        mapPage_->addAction(action);
        return action;
    };
    edit->addSeparator();
    QMenu* toolsMenu = edit->addMenu(tr("&Tools"));
    toolsMenu->setObjectName("mnuEditTools");
    QToolBar* bar = addToolBar(tr("Tools"));
    bar->setObjectName("tbTools");
    toolActions_ = new QActionGroup(this);
    ToolBox* tools = mapPage_->toolBox();
    const struct {
        ToolBox::Kind kind;
        const char* name;
        QString caption;
        Qt::Key key;
    } entries[] = {
        {ToolBox::Kind::Brush, "mnuBrush", tr("&Brush"), Qt::Key_B},
        {ToolBox::Kind::RectangleSelect, "mnuRectSelect", tr("&Rectangle Select"), Qt::Key_R},
        {ToolBox::Kind::BucketFill, "mnuBucketFill", tr("Bucket &Fill"), Qt::Key_F},
        {ToolBox::Kind::ShapeFill, "mnuShapeFill", tr("Sha&pe Fill"), Qt::Key_P},
        {ToolBox::Kind::Objects, "mnuObjectTool", tr("&Objects"), Qt::Key_O},
    };
    for (const auto& entry : entries) {
        QAction* action = toolsMenu->addAction(entry.caption);
        action->setObjectName(entry.name);
        action->setCheckable(true);
        action->setChecked(tools->kind() == entry.kind);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString(entry.caption).remove('&'),
                                                         QKeySequence(entry.key).toString()));
        onMapPage(action, QKeySequence(entry.key));
        toolActions_->addAction(action);
        bar->addAction(action);
        const ToolBox::Kind kind = entry.kind;
        connect(action, &QAction::triggered, this, [tools, kind] { tools->setKind(kind); });
        connect(tools, &ToolBox::toolChanged, action,
                [action, tools, kind] { action->setChecked(tools->kind() == kind); });
    }
    connect(tools, &ToolBox::toolChanged, this, &MainWindow::showToolStatus);

    edit->addSeparator();
    auto add = [&](const char* name, const QString& caption, const QKeySequence& key, auto slot) {
        QAction* action = edit->addAction(caption, this, slot);
        action->setObjectName(name);
        return onMapPage(action, key);
    };
    add("mnuCut", tr("Cu&t"), QKeySequence::Cut, [this] {
        if (!copyObjects(true))
            copySelection(true);
    });
    add("mnuCopy", tr("&Copy"), QKeySequence::Copy, [this] {
        if (!copyObjects(false))
            copySelection(false);
    });
    add("mnuPaste", tr("&Paste"), QKeySequence::Paste, [this] {
        if (!pasteObjects())
            pasteStamp();
    });
    add("mnuDelete", tr("&Delete"), QKeySequence(Qt::Key_Delete), [this] {
        if (!deleteObjects())
            document_->clearSelection();
    });
    edit->addSeparator();
    add("mnuSelectAll", tr("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
        [this] { document_->setSelection(QRegion(0, 0, kMapColumns, kMapRows)); });
    add("mnuSelectNone", tr("Select &None"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
        [this] { document_->setSelection(QRegion()); });
    add("mnuEscape", tr("Drop Stamp or Selection"), QKeySequence(Qt::Key_Escape),
        [this] { escape(); });
    add("mnuFlipX", tr("Flip Stamp &Horizontally"), QKeySequence(Qt::Key_X),
        [this] { document_->flipStamp(true); });
    add("mnuFlipY", tr("Flip Stamp &Vertically"), QKeySequence(Qt::Key_Y),
        [this] { document_->flipStamp(false); });
    edit->addSeparator();
    edit->addAction(tr("Set as &background block"), this,
                    &MainWindow::setBackgroundFromChosen)
        ->setObjectName("mnuSetBackground");

    connect(document_, &LevelDocument::levelLoaded, this, &MainWindow::restoreBackground);
    connect(document_, &LevelDocument::selectionChanged, this, &MainWindow::showToolStatus);
    connect(document_, &LevelDocument::stampChanged, this, &MainWindow::showToolStatus);
    connect(mapPage_->levelView(), &LevelView::zoomChanged, this, &MainWindow::showToolStatus);

    zoomLabel_ = new QLabel(this);
    zoomLabel_->setObjectName("lblZoom");
    FixLabelSize(zoomLabel_, QStringLiteral("800 %  "));
    toolLabel_ = new QLabel(this);
    toolLabel_->setObjectName("lblTool");
    selectionLabel_ = new QLabel(this);
    selectionLabel_->setObjectName("lblSelection");
    selectionLabel_->hide();
    statusBar()->addPermanentWidget(selectionLabel_);
    statusBar()->addPermanentWidget(toolLabel_);
    statusBar()->addPermanentWidget(zoomLabel_);
    showToolStatus();
}

void MainWindow::showToolStatus() {
    if (!zoomLabel_)
        return;
    zoomLabel_->setText(QStringLiteral("%1 %").arg(mapPage_->levelView()->zoomPercent()));
    QString tool = mapPage_->toolBox()->current()->name();
    if (document_->hasStamp())
        tool +=
            tr(" (stamp %1 × %2)").arg(document_->stamp().width()).arg(document_->stamp().height());
    toolLabel_->setText(tool);
    const QRegion& selection = document_->selection();
    int cells = 0;
    for (const QRect& r : selection)
        cells += r.width() * r.height();
    const QRect bounds = selection.boundingRect();
    // Hidden while nothing is selected, so that status messages get the room.
    if (selectionLabel_->isHidden() != selection.isEmpty())
        selectionLabel_->setHidden(selection.isEmpty());
    selectionLabel_->setText(
        selection.isEmpty() ? QString()
        : selection.rectCount() == 1
            ? tr("Selection: %1 × %2").arg(bounds.width()).arg(bounds.height())
            : tr("Selection: %1 cells").arg(QLocale(QLocale::English).toString(cells)));
}

void MainWindow::copySelection(bool cut) {
    const Stamp stamp = document_->selectedStamp();
    if (stamp.isEmpty()) {
        statusBar()->showMessage(tr("Nothing is selected: press R and drag over the "
                                    "cells to copy first."),
                                 5000);
        return;
    }
    QGuiApplication::clipboard()->setText(stamp.toText());
    if (cut)
        document_->clearSelection(true);
    statusBar()->showMessage(tr("%1 %2 × %3 cells")
                                 .arg(cut ? tr("Cut") : tr("Copied"))
                                 .arg(stamp.width())
                                 .arg(stamp.height()),
                             5000);
}

void MainWindow::pasteStamp() {
    const Stamp::Parsed parsed = Stamp::fromText(QGuiApplication::clipboard()->text());
    if (!parsed.stamp) {
        Dialogs::message(this, tr("The clipboard cannot be pasted as blocks: %1\n\n"
                                  "Copy cells, or a grid of two-digit hex block "
                                  "numbers separated by tabs, one line per row.")
                                   .arg(parsed.error));
        return;
    }
    document_->setStamp(*parsed.stamp);
    // The stamp is the brush's: it follows the pointer from here.
    mapPage_->toolBox()->setKind(ToolBox::Kind::Brush);
}

void MainWindow::escape() {
    if (document_->hasStamp())
        document_->dropStamp();
    else
        document_->setSelection(QRegion());
}

void MainWindow::setBackgroundFromChosen() {
    if (!document_->hasLevel())
        return;
    document_->setBackgroundBlock(document_->paintBlock());
    QSettings().setValue(backgroundKey(document_->romPath(), document_->mapIndex()),
                         document_->backgroundBlock());
    statusBar()->showMessage(tr("Background block: %1").arg(HexText2(document_->backgroundBlock())),
                             5000);
}

void MainWindow::restoreBackground() {
    const QVariant kept =
        QSettings().value(backgroundKey(document_->romPath(), document_->mapIndex()));
    if (kept.isValid())
        document_->setBackgroundBlock(kept.toInt());
}

}  // namespace zantor
