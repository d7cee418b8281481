// The main window's part in editing the level's objects: the objects panel (a dock, "Sprite
// editor" brings it up), View › Objects, the Objects tool's clipboard and Delete, and saving the
// level's object list with File › Save.
#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QUndoGroup>

#include "EventsPage.h"
#include "MainWindow.h"
#include "MapPage.h"
#include "document/CurrentObjectList.h"
#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "map/ObjectListJson.h"
#include "services/ObjectNames.h"
#include "widgets/Dialogs.h"
#include "widgets/EventsView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/LevelView.h"
#include "widgets/ObjectLayer.h"
#include "widgets/ObjectListPanel.h"
#include "widgets/ObjectNamesDialog.h"
#include "widgets/tools/ObjectTool.h"
#include "widgets/tools/ToolBox.h"

namespace zantor {

namespace {
constexpr auto kObjectsMime = "application/x-zantor-objects";
constexpr auto kShowObjectsKey = "view/objects";
}  // namespace

void MainWindow::addObjectEditing(QMenu* view, QAction* spriteEditor) {
    objects_ = new CurrentObjectList(document_, this);
    const bool shown = QSettings().value(kShowObjectsKey, true).toBool();
    for (LevelView* each : levelViews()) {
        each->objectLayer()->setSource(objects_);
        each->objectLayer()->setShown(shown);
    }

    view->addSeparator();
    QAction* showObjects = view->addAction(tr("&Objects"));
    showObjects->setObjectName("mnuObjects");
    showObjects->setCheckable(true);
    showObjects->setChecked(shown);
    connect(showObjects, &QAction::toggled, this, [this](bool on) {
        QSettings().setValue(kShowObjectsKey, on);
        for (LevelView* each : levelViews())
            each->objectLayer()->setShown(on);
    });

    objectNames_ = std::make_shared<ObjectNames>();
    QString unreadable;
    if (!objectNames_->load(ObjectNames::defaultPath(), &unreadable))
        statusBar()->showMessage(tr("The object names cannot be read: %1").arg(unreadable), 8000);
    showObjectNames();
    spriteEditor->setEnabled(true);
    connect(spriteEditor, &QAction::triggered, this, [this] {
        objectsDock()->show();
        objectsDock_->raise();
        objectsDock_->widget()->setFocus();
    });
    // The Objects tool edits objects: the panel comes with it.
    connect(mapPage_->toolBox(), &ToolBox::toolChanged, this, [this] {
        if (objectToolActive())
            objectsDock()->show();
        followEditHistory();
    });
    connect(objects_, &CurrentObjectList::changed, this, &MainWindow::followObjectList);
    followObjectList();
}

QDockWidget* MainWindow::objectsDock() {
    if (objectsDock_)
        return objectsDock_;
    auto* tool = static_cast<ObjectTool*>(mapPage_->toolBox()->tool(ToolBox::Kind::Objects));
    objectsPanel_ = new ObjectListPanel(objects_, tool, this);
    showObjectNames();
    objectsDock_ = new QDockWidget(tr("Objects"), this);
    objectsDock_->setObjectName("dockObjects");
    objectsDock_->setWidget(objectsPanel_);
    objectsDock_->hide();
    addDockWidget(Qt::RightDockWidgetArea, objectsDock_);
    connect(objectsPanel_, &ObjectListPanel::objectChosen, this,
            [this](int index) { shownLevelView()->objectLayer()->scrollTo(index); });
    return objectsDock_;
}

QUndoGroup* MainWindow::editHistory() {
    if (!history_) {
        history_ = new QUndoGroup(this);
        history_->addStack(document_->undoStack());
        history_->setActiveStack(document_->undoStack());
    }
    return history_;
}

void MainWindow::followEditHistory() {
    QUndoStack* objects = objectToolActive() ? objects_->document()->undoStack() : nullptr;
    if (objects && !history_->stacks().contains(objects))
        history_->addStack(objects);
    history_->setActiveStack(objects ? objects : document_->undoStack());
}

void MainWindow::addObjectNamesAction(QMenu* tools) {
    tools->addAction(tr("Object &names…"), this, &MainWindow::editObjectNames)
        ->setObjectName("mnuObjectNames");
}

std::function<QString(int, int)> MainWindow::objectNameLookUp() const {
    const std::shared_ptr<ObjectNames> names = objectNames_;
    return [names](int level, int type) { return names->name(level, type); };
}

void MainWindow::showObjectNames() {
    const auto lookUp = objectNameLookUp();
    for (LevelView* each : levelViews())
        each->objectLayer()->setNames(lookUp);
    if (objectsPanel_)
        objectsPanel_->setNames(lookUp);
}

void MainWindow::editObjectNames() {
    ObjectNamesDialog dialog(*objectNames_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    *objectNames_ = dialog.names();
    QString error;
    if (!objectNames_->save(ObjectNames::defaultPath(), &error))
        Dialogs::message(this, tr("The object names cannot be kept: %1").arg(error), {},
                         Dialogs::Icon::Critical);
    showObjectNames();
}

void MainWindow::followObjectList() {
    if (ObjectListDocument* list = objects_->document()) {
        connect(list, &Document::modifiedChanged, this, &MainWindow::showObjectsModified,
                Qt::UniqueConnection);
    }
    showObjectsModified();
    followEditHistory();
}

void MainWindow::showObjectsModified() {
    setWindowModified(document_->isModified() || objectsModified());
}

bool MainWindow::objectsModified() const {
    const ObjectListDocument* list = objects_ ? objects_->document() : nullptr;
    return list && list->isModified();
}

void MainWindow::discardUnsavedObjects() {
    if (objectsModified())
        objects_->document()->reload();
}

bool MainWindow::objectToolActive() const {
    return mapPage_->toolBox()->kind() == ToolBox::Kind::Objects && objects_->document() &&
           objects_->document()->isLoaded();
}

bool MainWindow::copyObjects(bool cut) {
    if (!objectToolActive())
        return false;
    ObjectListDocument* list = objects_->document();
    const std::vector<LevelObject> chosen = ObjectTool::copied(*list);
    if (chosen.empty()) {
        statusBar()->showMessage(tr("No object is selected: click one first."), 5000);
        return true;
    }
    auto* data = new QMimeData;
    const QByteArray json = ObjectListToJson(document_->mapIndex(), chosen);
    data->setData(kObjectsMime, json);
    data->setText(QString::fromUtf8(json));
    QGuiApplication::clipboard()->setMimeData(data);
    if (cut)
        list->deleteObjects(list->selection());
    statusBar()->showMessage((cut ? tr("Cut %n object(s)", nullptr, int(chosen.size()))
                                  : tr("Copied %n object(s)", nullptr, int(chosen.size()))),
                             5000);
    return true;
}

bool MainWindow::pasteObjects() {
    if (!objectToolActive())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray json = data && data->hasFormat(kObjectsMime) ? data->data(kObjectsMime)
                            : data                                ? data->text().toUtf8()
                                                                  : QByteArray();
    QString why;
    const std::optional<std::vector<LevelObject>> pasted = ObjectsFromJson(json, &why);
    if (!pasted) {
        Dialogs::message(this, tr("The clipboard holds no objects: %1").arg(why));
        return true;
    }
    ObjectLayer* layer = mapPage_->levelView()->objectLayer();
    QPointF at;
    if (layer->pointer()) {
        at = *layer->pointer();
    } else {
        // Beside the originals.
        at = pasted->empty() ? QPointF() : QPointF(pasted->front().x + 16, pasted->front().y);
    }
    ObjectTool::paste(objects_->document(), *pasted, at);
    return true;
}

bool MainWindow::deleteObjects() {
    if (!objectToolActive())
        return false;
    objects_->document()->deleteObjects(objects_->document()->selection());
    return true;
}

bool MainWindow::saveObjects(bool* written) {
    ObjectListDocument* list = objects_ ? objects_->document() : nullptr;
    if (!list || !list->isModified())
        return true;
    const QString problem = list->saveProblem();
    if (!problem.isEmpty()) {
        Dialogs::message(this,
                         tr("The objects of %1 cannot be saved: %2").arg(levelName(), problem), {},
                         Dialogs::Icon::Critical);
        return false;
    }
    return Guarded(this, [&] {
        QString whyNot;
        bool repack = false;
        if (list->needsRepack(&whyNot)) {
            if (!whyNot.isEmpty())
                throw ObjectListError(
                    ObjectListError::Kind::DoesNotFit,
                    tr("The objects of %1 do not fit their room, and repacking cannot help: %2")
                        .arg(levelName(), whyNot));
            const QString question =
                tr("The object list of %1 no longer fits its room. Repack the object lists "
                   "around it (they move, their pointers are rewritten, their objects stay)?")
                    .arg(levelName());
            if (Dialogs::ask(this, question, tr("Repack"),
                             {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes)
                throw ObjectListError(ObjectListError::Kind::DoesNotFit,
                                      tr("The objects of %1 were not saved.").arg(levelName()));
            repack = true;
        }
        const ObjectListDocument::SaveResult result = list->save(repack);
        if (written)
            *written = result.written;
        statusBar()->showMessage(tr("Saved the objects of %1: %2 bytes at 0x%3%4")
                                     .arg(levelName())
                                     .arg(result.bytes)
                                     .arg(QString::number(result.offset, 16).toUpper())
                                     .arg(result.repacked ? tr(" (repacked)") : QString()),
                                 8000);
    });
}

}  // namespace zantor
