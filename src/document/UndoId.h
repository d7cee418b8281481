#pragma once

namespace zantor {

// The merge ids of every undo command, in one place so that no two kinds of command share one
// by accident. QUndoStack offers a merge only between commands of the same id; each command
// then merges only with one that edits the same thing (the same stroke of the same grid, the
// same field of the same header).
enum class UndoId : int {
    None = -1,  // never merges
    GridCells = 1,
    BlockQuarters,
    HeaderField,
    ScreenArrays,
    ExitScript,
    Checkpoint,
    TilePixels,
    ObjectMove,
};

}  // namespace zantor
