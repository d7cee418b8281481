#pragma once

#include <QRect>
#include <algorithm>
#include <array>

#include "codec/MapCodec.h"

namespace zantor {

// The bytes the shortest stored form of a map needs, kept up to date while the map is edited.
// A run never crosses a row end, so each row's length is kept on its own and an edit only
// recounts the rows it touched: a few hundred cells instead of the whole map.
class MapSizeMeter {
public:
    explicit MapSizeMeter(const MapCells& cells);

    // `cells` after a change within rows firstRow..lastRow (clipped to the map).
    void rowsChanged(const MapCells& cells, int firstRow, int lastRow);
    // `cells` after a change within `area`, in cells (x a column, y a row).
    void cellsChanged(const MapCells& cells, const QRect& area);
    // After a change anywhere (a load, an import).
    void reset(const MapCells& cells);

    // What CompressMapBytes(cells).size() would give.
    int bytesNeeded() const { return total_; }
    // Bytes beyond a slot of `slot` bytes; 0 when the map fits.
    int excess(int slot) const { return std::max(0, total_ - slot); }

private:
    std::array<int, kMapRows> rowBytes_{};
    int total_ = 0;
};

}  // namespace zantor
