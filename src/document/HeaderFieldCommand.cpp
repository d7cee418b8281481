#include "HeaderFieldCommand.h"

#include "LevelDocument.h"
#include "UndoId.h"

namespace zantor {

HeaderFieldCommand::HeaderFieldCommand(LevelDocument* document, const QString& text,
                                       unsigned fields, const MapHeader& before,
                                       const MapHeader& after)
    : document_(document), fields_(fields), before_(before), after_(after) {
    setText(text);
}

void HeaderFieldCommand::undo() {
    document_->applyHeader(before_);
}

void HeaderFieldCommand::redo() {
    document_->applyHeader(after_);
    setObsolete(after_ == before_);
}

int HeaderFieldCommand::id() const {
    return int(UndoId::HeaderField);
}

bool HeaderFieldCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const HeaderFieldCommand*>(other);
    if (next->document_ != document_ || next->fields_ != fields_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace zantor
