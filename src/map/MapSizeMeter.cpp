#include "MapSizeMeter.h"

#include <algorithm>

namespace zantor {

MapSizeMeter::MapSizeMeter(const MapCells& cells) {
    reset(cells);
}

void MapSizeMeter::reset(const MapCells& cells) {
    rowsChanged(cells, 0, kMapRows - 1);
}

void MapSizeMeter::rowsChanged(const MapCells& cells, int firstRow, int lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, kMapRows - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        const int bytes = CompressedRowLength(cells, row);
        total_ += bytes - rowBytes_[size_t(row)];
        rowBytes_[size_t(row)] = bytes;
    }
}

void MapSizeMeter::cellsChanged(const MapCells& cells, const QRect& area) {
    if (!area.isEmpty()) {
        rowsChanged(cells, area.top(), area.bottom());
    }
}

}  // namespace zantor
