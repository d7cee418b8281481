#pragma once

#include <cstdint>
#include <vector>

namespace zantor {

// One cell change, as an undo step records it.
struct CellEdit {
    int index = 0;
    uint8_t before = 0;
    uint8_t after = 0;
};

// A grid of byte cells that undo commands edit: the level's block map, the title screen's tile
// map. The grid puts the cells in place and tells its views.
class CellGrid {
public:
    virtual ~CellGrid() = default;
    // Sets each edit's cell to its `after` (forward) or its `before` value.
    virtual void applyCellEdits(const std::vector<CellEdit>& edits, bool forward) = 0;
};

}  // namespace zantor
