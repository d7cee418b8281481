#include "ScreenArraysCommand.h"

#include "ScreenArraysDocument.h"
#include "UndoId.h"

namespace zantor {

ScreenArraysCommand::ScreenArraysCommand(ScreenArraysDocument* document, const QString& text,
                                         const ScreenArraysPlace& place, const ScreenArrays& before,
                                         const ScreenArrays& after, int stroke)
    : document_(document), place_(place), before_(before), after_(after), stroke_(stroke) {
    setText(text);
}

void ScreenArraysCommand::undo() {
    document_->applyArrays(place_, before_);
}

void ScreenArraysCommand::redo() {
    document_->applyArrays(place_, after_);
    setObsolete(after_ == before_);
}

int ScreenArraysCommand::id() const {
    return int(UndoId::ScreenArrays);
}

bool ScreenArraysCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ScreenArraysCommand*>(other);
    if (stroke_ == 0 || next->stroke_ != stroke_ || next->document_ != document_ ||
        !(next->place_ == place_))
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace zantor
