#pragma once

#include <QList>
#include <QUndoCommand>
#include <vector>

#include "map/ObjectList.h"

namespace zantor {

class ObjectListDocument;

// An edit of an object list: the objects and the selection before and after. Lists hold at most
// a few dozen objects, so whole copies cost less than keeping track of each change. The moves
// of one drag (the same non-zero merge key) merge into one step; a step that puts the list back
// drops itself.
class ObjectListCommand : public QUndoCommand {
public:
    struct State {
        std::vector<LevelObject> objects;
        QList<int> selection;
    };

    ObjectListCommand(ObjectListDocument* document, const QString& text, State before, State after,
                      int mergeKey = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    ObjectListDocument* document_;
    State before_;
    State after_;
    int mergeKey_;
};

}  // namespace zantor
