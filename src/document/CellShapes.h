#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "codec/MapCodec.h"

namespace zantor {

// The cells the editing tools reach, worked out on the level's grid alone, so that each tool's
// result can be checked without a view.
namespace CellShapes {

// Every cell of a straight line from `from` to `to`, both included, without gaps: a quick drag
// or a Shift+click reaches each cell in between.
std::vector<QPoint> line(QPoint from, QPoint to);
// The rectangle from the cell pressed to the cell released, both included.
QRect between(QPoint pressed, QPoint released);
// The same made square, its side the longer of the two, growing from `pressed` towards
// `released`.
QRect squareBetween(QPoint pressed, QPoint released);
// One flag per level cell: whether it lies in `region` (an empty region: every cell).
std::vector<uint8_t> maskOf(const QRegion& region);
// The indices of the cells 4-connected to `start` that hold its block, inside `mask`
// (from maskOf); none when `start` is outside it.
std::vector<int> connected(const MapCells& cells, QPoint start, const std::vector<uint8_t>& mask);
// The indices of every cell inside `mask` that holds `block`.
std::vector<int> everyUse(const MapCells& cells, uint8_t block, const std::vector<uint8_t>& mask);

}  // namespace CellShapes

}  // namespace zantor
