#include "HeaderCommand.h"

namespace zantor {

HeaderCommand::HeaderCommand(LevelDocument* document, const QString& text, const MapHeader& before,
                             const MapHeader& after)
    : document_(document), before_(before), after_(after) {
    setText(text);
}

void HeaderCommand::undo() {
    document_->applyHeader(before_);
}

void HeaderCommand::redo() {
    document_->applyHeader(after_);
}

bool HeaderCommand::mergeWith(const QUndoCommand* other) {
    if (other->text() != text()) {
        return false;
    }
    after_ = static_cast<const HeaderCommand*>(other)->after_;
    return true;
}

}  // namespace zantor
