#include "ObjectTool.h"

#include <QCoreApplication>
#include <cmath>

#include "document/ObjectListDocument.h"
#include "map/MapLoader.h"

namespace zantor {

QString ObjectTool::name() const {
    return QCoreApplication::translate("ObjectTool", "Objects");
}

QPoint ObjectTool::snapped(QPointF at) {
    const int x = int(std::lround(at.x() / 8.0)) * 8;
    const int y = int(std::lround(at.y() / 8.0)) * 8;
    return QPoint(std::clamp(x, 0, kLevelWidth - 8), std::clamp(y, 0, kLevelHeight - 8));
}

void ObjectTool::pressAt(ObjectListDocument* objects, QPointF at, Qt::KeyboardModifiers modifiers) {
    grab_.reset();
    if (!objects || !objects->isLoaded())
        return;
    const bool add = modifiers & (Qt::ControlModifier | Qt::ShiftModifier);
    const int index = objects->objectAt(at);
    if (index < 0) {
        if (!add)
            objects->setSelection({});
        return;
    }
    if (add) {
        objects->select(index, true);
        if (!objects->isSelected(index))
            return;  // taken out of the selection: nothing to drag
    } else if (!objects->isSelected(index)) {
        objects->select(index, false);
    }
    const LevelObject& object = objects->objects()[size_t(index)];
    grab_ = Grab{index, QPoint(object.x, object.y), at, objects->newDragKey()};
}

void ObjectTool::dragTo(ObjectListDocument* objects, QPointF at) {
    if (!grab_ || !objects || grab_->index >= objects->count())
        return;
    const QPoint target = snapped(QPointF(grab_->from) + (at - grab_->pointer));
    const LevelObject& now = objects->objects()[size_t(grab_->index)];
    const QPoint delta = target - QPoint(now.x, now.y);
    if (!delta.isNull())
        objects->moveObjects(objects->selection(), delta, grab_->dragKey);
}

void ObjectTool::release() {
    grab_.reset();
}

void ObjectTool::addAt(ObjectListDocument* objects, QPointF at) {
    if (!objects || !objects->isLoaded())
        return;
    const QPoint point = snapped(at - QPointF(8, 8));  // centred on the pointer
    objects->addObjects({LevelObject{point.x(), point.y(), chosenType_, false}});
}

std::vector<LevelObject> ObjectTool::copied(const ObjectListDocument& objects) {
    std::vector<LevelObject> chosen;
    for (int i : objects.selection())
        chosen.push_back(objects.objects()[size_t(i)]);
    return chosen;
}

void ObjectTool::paste(ObjectListDocument* objects, std::vector<LevelObject> pasted, QPointF at) {
    if (!objects || !objects->isLoaded() || pasted.empty())
        return;
    QRect group;
    for (const LevelObject& object : pasted)
        group |= QRect(object.x, object.y, 1, 1);
    QPoint delta = snapped(at) - group.topLeft();
    delta.rx() = std::clamp(delta.x(), -group.left(), kLevelWidth - 8 - group.right());
    delta.ry() = std::clamp(delta.y(), -group.top(), kLevelHeight - 8 - group.bottom());
    for (LevelObject& object : pasted) {
        object.x = (object.x + delta.x()) / 8 * 8;
        object.y = (object.y + delta.y()) / 8 * 8;
    }
    objects->addObjects(pasted);
}

}  // namespace zantor
