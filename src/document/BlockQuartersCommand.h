#pragma once

#include <QUndoCommand>

#include "LevelDocument.h"

namespace zantor {

// A block's four tile numbers changed. Consecutive edits of the same block of the same document
// merge into one step; one that puts the block back as it was drops itself.
class BlockQuartersCommand : public QUndoCommand {
public:
    BlockQuartersCommand(LevelDocument* document, int block, const BlockQuarters& before,
                         const BlockQuarters& after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    LevelDocument* document_;
    int block_;
    BlockQuarters before_;
    BlockQuarters after_;
};

}  // namespace zantor
