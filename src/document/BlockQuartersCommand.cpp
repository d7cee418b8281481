#include "BlockQuartersCommand.h"

#include <QCoreApplication>

#include "UndoId.h"
#include "map/HeaderTexts.h"

namespace zantor {

BlockQuartersCommand::BlockQuartersCommand(LevelDocument* document, int block,
                                           const BlockQuarters& before, const BlockQuarters& after)
    : document_(document), block_(block), before_(before), after_(after) {
    setText(
        QCoreApplication::translate("BlockQuartersCommand", "Edit Block %1").arg(HexText2(block)));
}

void BlockQuartersCommand::undo() {
    document_->applyBlock(block_, before_);
}

void BlockQuartersCommand::redo() {
    document_->applyBlock(block_, after_);
    setObsolete(after_ == before_);
}

int BlockQuartersCommand::id() const {
    return int(UndoId::BlockQuarters);
}

bool BlockQuartersCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const BlockQuartersCommand*>(other);
    if (next->document_ != document_ || next->block_ != block_) {
        return false;
    }
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace zantor
