#include "SampleMapStorage.h"

#include <algorithm>

namespace zantor {

QByteArray EncodeStoredMap(const MapCells& cells, MapStorage storage) {
    if (storage == MapStorage::Tight) {
        return CompressMapBytes(cells);
    }
    QByteArray out;
    for (int row = 0; row < kMapRows; ++row) {
        const int rowStart = row * kMapColumns;
        int x = 0;
        while (x < kMapColumns) {
            const uint8_t v = cells[size_t(rowStart + x)] & 0x7F;
            int run = 1;
            while (x + run < kMapColumns && (cells[size_t(rowStart + x + run)] & 0x7F) == v) {
                ++run;
            }
            if (storage == MapStorage::RowFill) {
                if (run == 1) {
                    out.append(char(v));
                } else {
                    out.append(char(0x80 | v));
                    out.append(char(x + run == kMapColumns ? 0 : run - 1));
                }
                x += run;
                continue;
            }
            // Roomy: pieces of at most kRoomyRun cells. A piece of one cell must be a literal:
            // a run code with count 0 would fill the rest of the row.
            for (int left = run; left > 0;) {
                const int piece = std::min(left, kRoomyRun);
                if (piece == 1) {
                    out.append(char(v));
                } else {
                    out.append(char(0x80 | v));
                    out.append(char(piece - 1));
                }
                left -= piece;
            }
            x += run;
        }
    }
    return out;
}

}  // namespace zantor
