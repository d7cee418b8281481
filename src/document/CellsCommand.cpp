#include "CellsCommand.h"

namespace zantor {

CellsCommand::CellsCommand(LevelDocument* document, const QString& text,
                           std::vector<CellEdit> edits, int strokeId)
    : document_(document), edits_(std::move(edits)), strokeId_(strokeId) {
    setText(text);
    for (size_t i = 0; i < edits_.size(); ++i) {
        position_.emplace(edits_[i].index, i);
    }
}

void CellsCommand::undo() {
    document_->applyCells(edits_, false);
}

void CellsCommand::redo() {
    document_->applyCells(edits_, true);
}

bool CellsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const CellsCommand*>(other);
    if (next->strokeId_ != strokeId_) {
        return false;
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
    return true;
}

}  // namespace zantor
