#include "GridEditCommand.h"

#include <algorithm>

#include "UndoId.h"

namespace zantor {

GridEditCommand::GridEditCommand(CellGrid* grid, const QString& text, std::vector<CellEdit> edits,
                                 int strokeId)
    : grid_(grid), edits_(std::move(edits)), strokeId_(strokeId) {
    setText(text);
}

GridEditCommand* GridEditCommand::rectangle(CellGrid* grid, const QString& text, const QRect& rect,
                                            int columns, const uint8_t* current,
                                            const uint8_t* after) {
    std::vector<CellEdit> edits;
    for (int y = 0; y < rect.height(); ++y) {
        for (int x = 0; x < rect.width(); ++x) {
            const int index = (rect.top() + y) * columns + rect.left() + x;
            const uint8_t value = after[y * rect.width() + x];
            if (current[index] != value)
                edits.push_back({index, current[index], value});
        }
    }
    return new GridEditCommand(grid, text, std::move(edits));
}

void GridEditCommand::undo() {
    grid_->applyCellEdits(edits_, false);
}

void GridEditCommand::redo() {
    grid_->applyCellEdits(edits_, true);
    // A step with nothing to do is not kept (QUndoStack deletes it after this call).
    setObsolete(changesNothing());
}

int GridEditCommand::id() const {
    return int(strokeId_ ? UndoId::GridCells : UndoId::None);
}

bool GridEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const GridEditCommand*>(other);
    if (next->grid_ != grid_ || next->strokeId_ != strokeId_)
        return false;
    // Indexed on the first merge only: a step that never merges (a fill of the whole level)
    // does without 12,288 map nodes.
    if (position_.empty()) {
        position_.reserve(edits_.size() + next->edits_.size());
        for (size_t i = 0; i < edits_.size(); ++i)
            position_.emplace(edits_[i].index, i);
    }
    for (const CellEdit& edit : next->edits_) {
        const auto found = position_.find(edit.index);
        if (found != position_.end()) {
            edits_[found->second].after = edit.after;
        } else {
            position_.emplace(edit.index, edits_.size());
            edits_.push_back(edit);
        }
    }
    // A stroke that painted every cell back as it was leaves no step behind.
    setObsolete(changesNothing());
    return true;
}

bool GridEditCommand::changesNothing() const {
    return std::all_of(edits_.begin(), edits_.end(),
                       [](const CellEdit& edit) { return edit.before == edit.after; });
}

}  // namespace zantor
