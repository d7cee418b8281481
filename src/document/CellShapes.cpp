#include "CellShapes.h"

#include <cmath>

namespace zantor::CellShapes {

std::vector<QPoint> line(QPoint from, QPoint to) {
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    std::vector<QPoint> cells;
    cells.reserve(size_t(steps) + 1);
    cells.push_back(from);
    for (int i = 1; i <= steps; ++i) {
        cells.emplace_back(from.x() + int(std::lround(double(to.x() - from.x()) * i / steps)),
                           from.y() + int(std::lround(double(to.y() - from.y()) * i / steps)));
    }
    return cells;
}

QRect between(QPoint pressed, QPoint released) {
    return QRect(QPoint(std::min(pressed.x(), released.x()), std::min(pressed.y(), released.y())),
                 QPoint(std::max(pressed.x(), released.x()), std::max(pressed.y(), released.y())));
}

QRect squareBetween(QPoint pressed, QPoint released) {
    const int side =
        std::max(std::abs(released.x() - pressed.x()), std::abs(released.y() - pressed.y()));
    const int dx = released.x() < pressed.x() ? -side : side;
    const int dy = released.y() < pressed.y() ? -side : side;
    return between(pressed, pressed + QPoint(dx, dy));
}

std::vector<uint8_t> maskOf(const QRegion& region) {
    std::vector<uint8_t> mask(size_t(kMapCells), region.isEmpty() ? 1 : 0);
    const QRect level(0, 0, kMapColumns, kMapRows);
    for (const QRect& r : region) {
        const QRect inside = r & level;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::fill_n(mask.begin() + y * kMapColumns + inside.left(), inside.width(), 1);
    }
    return mask;
}

std::vector<int> connected(const MapCells& cells, QPoint start, const std::vector<uint8_t>& mask) {
    std::vector<int> found;
    if (!QRect(0, 0, kMapColumns, kMapRows).contains(start))
        return found;
    const int first = start.y() * kMapColumns + start.x();
    if (!mask[size_t(first)])
        return found;
    const uint8_t block = cells[size_t(first)];
    std::vector<uint8_t> seen(size_t(kMapCells), 0);
    std::vector<int> pending{first};
    seen[size_t(first)] = 1;
    auto visit = [&](int index) {
        if (!seen[size_t(index)] && mask[size_t(index)] && cells[size_t(index)] == block) {
            seen[size_t(index)] = 1;
            pending.push_back(index);
        }
    };
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        found.push_back(index);
        const int x = index % kMapColumns;
        if (x > 0)
            visit(index - 1);
        if (x < kMapColumns - 1)
            visit(index + 1);
        if (index >= kMapColumns)
            visit(index - kMapColumns);
        if (index < kMapCells - kMapColumns)
            visit(index + kMapColumns);
    }
    return found;
}

std::vector<int> everyUse(const MapCells& cells, uint8_t block, const std::vector<uint8_t>& mask) {
    std::vector<int> found;
    for (int i = 0; i < kMapCells; ++i) {
        if (mask[size_t(i)] && cells[size_t(i)] == block)
            found.push_back(i);
    }
    return found;
}

}  // namespace zantor::CellShapes
