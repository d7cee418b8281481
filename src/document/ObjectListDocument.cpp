#include "ObjectListDocument.h"

#include <QMap>
#include <algorithm>

#include "ObjectListCommand.h"
#include "codec/RomFile.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/ObjectListWriter.h"
#include "map/ObjectSpace.h"
#include "map/RepackError.h"
#include "session/RomSession.h"

namespace zantor {

namespace {
QRect areaOf(const std::vector<LevelObject>& a, const std::vector<LevelObject>& b) {
    QRect area;
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i < common && a[i] == b[i])
            continue;
        if (i < a.size())
            area |= ObjectListDocument::boxOf(a[i]);
        if (i < b.size())
            area |= ObjectListDocument::boxOf(b[i]);
    }
    return area;
}
}  // namespace

ObjectListDocument::ObjectListDocument(RomSession* session, const ObjectListSource& source,
                                       QObject* parent)
    : Document(parent),
      session_(session),
      levels_(source.levels),
      loaded_(source.error.isEmpty()),
      loadError_(source.error),
      objects_(source.objects),
      savedObjects_(source.objects) {}

ObjectListDocument::~ObjectListDocument() {
    undo_.clear();
}

void ObjectListDocument::reload() {
    std::vector<LevelObject> objects;
    try {
        const RomFile rom = session_->read();
        RomSession::onRom(rom.path(),
                          [&] { objects = ReadLevelObjects(rom, levels_.first()).objects; });
        loaded_ = true;
        loadError_.clear();
    } catch (const Error& error) {
        loaded_ = false;
        loadError_ = error.text();
    }
    objects_ = savedObjects_ = objects;
    selection_.clear();
    startHistory();
    emit loaded();
    emit selectionChanged();
}

void ObjectListDocument::setSelection(QList<int> indices) {
    indices = valid(std::move(indices));
    if (indices != selection_) {
        selection_ = indices;
        emit selectionChanged();
    }
}

void ObjectListDocument::select(int index, bool add) {
    if (!add) {
        setSelection({index});
        return;
    }
    QList<int> indices = selection_;
    if (indices.contains(index))
        indices.removeAll(index);
    else
        indices.append(index);
    setSelection(indices);
}

QList<int> ObjectListDocument::valid(QList<int> indices) const {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.removeIf([this](int i) { return i < 0 || i >= count(); });
    return indices;
}

void ObjectListDocument::push(const QString& text, std::vector<LevelObject> after,
                              QList<int> selection, int mergeKey) {
    if (after == objects_)
        return;
    undo_.push(new ObjectListCommand(this, text, {objects_, selection_},
                                     {std::move(after), std::move(selection)}, mergeKey));
}

void ObjectListDocument::addObjects(const std::vector<LevelObject>& added) {
    if (!loaded_ || added.empty())
        return;
    std::vector<LevelObject> after = objects_;
    QList<int> selection;
    for (const LevelObject& object : added) {
        selection.append(int(after.size()));
        after.push_back(object);
    }
    push(added.size() == 1 ? tr("Add Object") : tr("Add Objects"), std::move(after), selection);
}

void ObjectListDocument::replaceObjects(const std::vector<LevelObject>& objects,
                                        const QString& text) {
    if (!loaded_)
        return;
    push(text, objects, {});
}

void ObjectListDocument::moveObjects(const QList<int>& indices, QPoint delta, int dragKey) {
    const QList<int> moved = valid(indices);
    if (moved.isEmpty())
        return;
    // The group moves together, so that a drag against the edge keeps its shape.
    QRect box;
    for (int i : moved)
        box |= QRect(objects_[size_t(i)].x, objects_[size_t(i)].y, 1, 1);
    delta.rx() = std::clamp(delta.x(), -box.left(), kLevelWidth - 8 - box.right());
    delta.ry() = std::clamp(delta.y(), -box.top(), kLevelHeight - 8 - box.bottom());
    std::vector<LevelObject> after = objects_;
    for (int i : moved) {
        after[size_t(i)].x += delta.x();
        after[size_t(i)].y += delta.y();
    }
    push(moved.size() == 1 ? tr("Move Object") : tr("Move Objects"), std::move(after), moved,
         dragKey);
}

void ObjectListDocument::deleteObjects(const QList<int>& indices) {
    const QList<int> gone = valid(indices);
    if (gone.isEmpty())
        return;
    std::vector<LevelObject> after;
    for (int i = 0; i < count(); ++i) {
        if (!gone.contains(i))
            after.push_back(objects_[size_t(i)]);
    }
    push(gone.size() == 1 ? tr("Delete Object") : tr("Delete Objects"), std::move(after), {});
}

void ObjectListDocument::setType(const QList<int>& indices, int type) {
    std::vector<LevelObject> after = objects_;
    for (int i : valid(indices))
        after[size_t(i)].type = std::clamp(type, 0, 127);
    push(tr("Change Object Type"), std::move(after), selection_);
}

void ObjectListDocument::toggleHiddenInEasyMode(const QList<int>& indices) {
    const QList<int> chosen = valid(indices);
    const bool hide = std::any_of(chosen.begin(), chosen.end(),
                                  [this](int i) { return !objects_[size_t(i)].hiddenInEasyMode; });
    std::vector<LevelObject> after = objects_;
    for (int i : chosen)
        after[size_t(i)].hiddenInEasyMode = hide;
    push(hide ? tr("Hide in Easy Mode") : tr("Show in Easy Mode"), std::move(after), selection_);
}

void ObjectListDocument::setObject(int index, const LevelObject& object) {
    if (index < 0 || index >= count())
        return;
    std::vector<LevelObject> after = objects_;
    after[size_t(index)] = object;
    push(tr("Edit Object"), std::move(after), selection_);
}

void ObjectListDocument::applyState(const std::vector<LevelObject>& objects,
                                    const QList<int>& selection) {
    const QRect area = areaOf(objects_, objects);
    objects_ = objects;
    const bool selectionMoved = selection != selection_;
    selection_ = selection;
    emit objectsChanged(area);
    if (selectionMoved)
        emit selectionChanged();
}

int ObjectListDocument::objectAt(QPointF levelPoint) const {
    for (int i = count() - 1; i >= 0; --i) {
        const LevelObject& object = objects_[size_t(i)];
        if (levelPoint.x() >= object.x && levelPoint.x() < object.x + 16 &&
            levelPoint.y() >= object.y && levelPoint.y() < object.y + 16)
            return i;
    }
    return -1;
}

QString ObjectListDocument::saveProblem() const {
    return ObjectListProblem(objects_);
}

bool ObjectListDocument::needsRepack(QString* whyNot) const {
    const RomFile rom = session_->read();
    return RomSession::onRom(rom.path(), [&] {
        const ObjectSpace space = ObjectSpace::read(rom);
        if (ObjectListWriter::fitsSlot(space, levels_.first(), objects_))
            return false;
        try {
            ObjectListWriter::plan(space, levels_.first(), objects_, true);
        } catch (const Error& error) {
            if (whyNot)
                *whyNot = error.text();
        }
        return true;
    });
}

ObjectListDocument::SaveResult ObjectListDocument::save(bool repack) {
    SaveResult result;
    if (!loaded_ || !differsFromRom())
        return result;
    const QString problem = saveProblem();
    if (!problem.isEmpty())
        throw ObjectListError(ObjectListError::Kind::Unstorable, problem);
    // Refused before the session's write, which would make a restore point first.
    const RomFile before = session_->read();
    RomSession::onRom(before.path(), [&] {
        ObjectListWriter::plan(ObjectSpace::read(before), levels_.first(), objects_, repack);
    });
    ObjectWritePlan plan;
    session_->write([&](RomFile& rom) {
        plan = ObjectListWriter::write(rom, levels_.first(), objects_, repack);
    });
    result.written = true;
    result.repacked = plan.repacked;
    result.movedLevels = plan.movedLevels();
    for (const PlacedObjectList& list : plan.lists) {
        if (list.levels == levels_)
            result.offset = list.to;
    }
    result.bytes = count() * kObjectEntrySize + 1;
    savedObjects_ = objects_;
    markSaved();
    return result;
}

bool ObjectListDocument::differsFromRom() const {
    return objects_ != savedObjects_;
}

}  // namespace zantor
