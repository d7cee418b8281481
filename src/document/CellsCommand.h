#pragma once

#include <QUndoCommand>
#include <unordered_map>
#include <vector>

#include "LevelDocument.h"

namespace zantor {

// Cells set to new blocks: one paint stroke (its moves merge into one step, as long as they
// carry the same stroke id) or one replace-all. It keeps only the cells it changed, each once
// with its first "before" and last "after".
class CellsCommand : public QUndoCommand {
public:
    // strokeId 0: a step that never merges.
    CellsCommand(LevelDocument* document, const QString& text, std::vector<CellEdit> edits,
                 int strokeId);

    void undo() override;
    void redo() override;
    int id() const override { return strokeId_ ? kMergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

    size_t cellCount() const { return edits_.size(); }

private:
    static constexpr int kMergeId = 1;

    LevelDocument* document_;
    std::vector<CellEdit> edits_;
    // Where each cell stands in edits_, so a merge updates a cell painted twice in place.
    std::unordered_map<int, size_t> position_;
    int strokeId_;
};

}  // namespace zantor
