#include "TileEditCommand.h"

#include <algorithm>
#include <map>

#include "TileSetDocument.h"
#include "UndoId.h"

namespace zantor {

namespace {
uint64_t nextSequence = 0;
}

TileEditCommand::TileEditCommand(const QString& text, std::vector<Edit> edits, int strokeId)
    : edits_(std::move(edits)), strokeId_(strokeId) {
    setText(text);
}

int TileEditCommand::newStrokeId() {
    static int last = 0;
    return ++last;
}

void TileEditCommand::apply(bool forward) {
    // One signal a run, naming every tile of it the step touches.
    std::map<TileSetDocument*, QList<int>> touched;
    for (const Edit& edit : edits_) {
        edit.tiles->applyTile(edit.index, forward ? edit.after : edit.before);
        touched[edit.tiles].append(edit.index);
    }
    for (const auto& [tiles, indices] : touched)
        tiles->tilesApplied(indices);
    sequence_ = ++nextSequence;
}

void TileEditCommand::undo() {
    apply(false);
}

void TileEditCommand::redo() {
    apply(true);
    setObsolete(std::all_of(edits_.begin(), edits_.end(),
                            [](const Edit& edit) { return edit.before == edit.after; }));
}

int TileEditCommand::id() const {
    return int(strokeId_ ? UndoId::TilePixels : UndoId::None);
}

bool TileEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const TileEditCommand*>(other);
    if (next->strokeId_ != strokeId_)
        return false;
    for (const Edit& edit : next->edits_) {
        const auto found = std::find_if(edits_.begin(), edits_.end(), [&](const Edit& mine) {
            return mine.tiles == edit.tiles && mine.index == edit.index;
        });
        if (found != edits_.end())
            found->after = edit.after;
        else
            edits_.push_back(edit);
    }
    sequence_ = next->sequence_;
    setObsolete(std::all_of(edits_.begin(), edits_.end(),
                            [](const Edit& edit) { return edit.before == edit.after; }));
    return true;
}

}  // namespace zantor
