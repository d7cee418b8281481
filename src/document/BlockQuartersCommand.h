#pragma once

#include <QUndoCommand>

#include "LevelDocument.h"

namespace zantor {

// A block's four tile numbers changed. Consecutive edits of one block merge into one step.
class BlockQuartersCommand : public QUndoCommand {
public:
    BlockQuartersCommand(LevelDocument* document, int block, const BlockQuarters& before,
                         const BlockQuarters& after);

    void undo() override;
    void redo() override;
    int id() const override { return kMergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kMergeId = 2;

    LevelDocument* document_;
    int block_;
    BlockQuarters before_;
    BlockQuarters after_;
};

}  // namespace zantor
