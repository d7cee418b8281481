#include "CheckpointCommand.h"

#include "LevelScreens.h"
#include "UndoId.h"

namespace zantor {

CheckpointCommand::CheckpointCommand(LevelScreens* screens, const QString& text, int marker,
                                     const Checkpoint& before, const Checkpoint& after)
    : screens_(screens), marker_(marker), before_(before), after_(after) {
    setText(text);
}

void CheckpointCommand::undo() {
    screens_->applyCheckpoint(before_);
}

void CheckpointCommand::redo() {
    screens_->applyCheckpoint(after_);
    setObsolete(after_ == before_);
}

int CheckpointCommand::id() const {
    return int(UndoId::Checkpoint);
}

bool CheckpointCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const CheckpointCommand*>(other);
    if (next->screens_ != screens_ || next->marker_ != marker_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace zantor
