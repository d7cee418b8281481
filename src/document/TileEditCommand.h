#pragma once

#include <QList>
#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "codec/TilePixels.h"

namespace zantor {

class TileSetDocument;

// Tiles of one or more runs set to new bytes, as one undo step: a pencil stroke (its moves
// merge into the first while the stroke lasts), a tool's edit, a paste or an imported sheet.
// It lives on the history of the first run it changes and applies to every run it names, so
// an import over several runs is still one step. Each tile is kept once, with its first
// "before" and its last "after"; a step that changes nothing drops itself.
class TileEditCommand : public QUndoCommand {
public:
    struct Edit {
        TileSetDocument* tiles;
        int index;
        TileBytes before;
        TileBytes after;
    };
    // strokeId 0: a step that never merges.
    TileEditCommand(const QString& text, std::vector<Edit> edits, int strokeId = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    // When the step was last done: a sheet's editor undoes, among the histories of its runs,
    // the step done last, and redoes the one undone last.
    uint64_t sequence() const { return sequence_; }
    // A stroke id no other stroke has.
    static int newStrokeId();

private:
    void apply(bool forward);

    std::vector<Edit> edits_;
    int strokeId_;
    uint64_t sequence_ = 0;
};

}  // namespace zantor
