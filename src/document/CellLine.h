#pragma once

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zantor {

// The cells on the straight line from `from` (left out) to `to` (included): what a drag
// paints between two pointer events, so that a fast stroke has no gaps. Just `to` when the two
// are the same cell.
inline std::vector<QPoint> CellsAfterOnLine(QPoint from, QPoint to) {
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    if (steps == 0)
        return {to};
    std::vector<QPoint> cells;
    cells.reserve(size_t(steps));
    for (int i = 1; i <= steps; ++i) {
        cells.emplace_back(from.x() + int(std::lround(double(to.x() - from.x()) * i / steps)),
                           from.y() + int(std::lround(double(to.y() - from.y()) * i / steps)));
    }
    return cells;
}

}  // namespace zantor
