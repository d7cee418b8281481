#pragma once

#include <QRect>
#include <QUndoCommand>
#include <unordered_map>
#include <vector>

#include "CellGrid.h"

namespace zantor {

// Cells of a grid set to new values, as one undo step: a paint stroke (its moves arrive as
// commands of their own and merge into the first, as long as they edit the same grid in the
// same stroke), a replace-all, or a rectangle (a paste, a fill). It keeps each cell it changed
// once, with its first "before" and its last "after"; a step that ends up changing nothing
// (painted and painted back) drops itself from the history.
class GridEditCommand : public QUndoCommand {
public:
    // strokeId 0: a step that never merges.
    GridEditCommand(CellGrid* grid, const QString& text, std::vector<CellEdit> edits,
                    int strokeId = 0);

    // The cells of `rect` in a grid `columns` wide set to `after` (rect.width() × rect.height()
    // values, row by row); `current` is the whole grid as it stands. Cells that keep their
    // value are left out.
    static GridEditCommand* rectangle(CellGrid* grid, const QString& text, const QRect& rect,
                                      int columns, const uint8_t* current, const uint8_t* after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    size_t cellCount() const { return edits_.size(); }

private:
    bool changesNothing() const;

    CellGrid* grid_;
    std::vector<CellEdit> edits_;
    // Where each cell stands in edits_, so a merge updates a cell painted twice in place
    // (built on the first merge).
    std::unordered_map<int, size_t> position_;
    int strokeId_;
};

}  // namespace zantor
