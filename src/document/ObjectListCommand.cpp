#include "ObjectListCommand.h"

#include "ObjectListDocument.h"
#include "UndoId.h"

namespace zantor {

ObjectListCommand::ObjectListCommand(ObjectListDocument* document, const QString& text,
                                     State before, State after, int mergeKey)
    : document_(document),
      before_(std::move(before)),
      after_(std::move(after)),
      mergeKey_(mergeKey) {
    setText(text);
}

void ObjectListCommand::undo() {
    document_->applyState(before_.objects, before_.selection);
}

void ObjectListCommand::redo() {
    document_->applyState(after_.objects, after_.selection);
    setObsolete(after_.objects == before_.objects);
}

int ObjectListCommand::id() const {
    return mergeKey_ != 0 ? int(UndoId::ObjectMove) : int(UndoId::None);
}

bool ObjectListCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ObjectListCommand*>(other);
    if (next->document_ != document_ || next->mergeKey_ != mergeKey_)
        return false;
    after_ = next->after_;
    setObsolete(after_.objects == before_.objects);
    return true;
}

}  // namespace zantor
