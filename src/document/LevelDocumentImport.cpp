// Whole maps brought in from files, each one undo step.
#include "GridEditCommand.h"
#include "LevelDocument.h"

namespace zantor {

int LevelDocument::replaceCells(const MapCells& cells, const QString& text) {
    std::vector<CellEdit> edits;
    edits.reserve(size_t(kMapCells));
    for (int i = 0; i < kMapCells; ++i)
        edits.push_back({i, 0, cells[size_t(i)]});
    // Cells that keep their block are dropped there, so the step holds only what changed.
    return pushCellEdits(std::move(edits), text);
}

}  // namespace zantor
