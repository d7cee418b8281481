#include "MapCodec.h"

#include "RomFile.h"

namespace zantor {

DecodedMap DecompressMap(const RomFile& rom, int32_t offset) {
    DecodedMap decoded;
    MapCells& cells = decoded.MapBuffer;
    int32_t p = offset;  // 0-based position of the next stored byte
    int i = 0;
    while (i < kMapCells) {
        const uint8_t c = rom.ReadRomByte(p++);
        if (c < 0x80) {
            cells[size_t(i++)] = c;
            continue;
        }
        const uint8_t n = rom.ReadRomByte(p++);
        const uint8_t v = c & 0x7F;
        // n + 1 cells, or the rest of the row for n = 0; never past the row's end.
        const int rowEnd = (i / kMapColumns + 1) * kMapColumns;
        const int end = n == 0 ? rowEnd : std::min(rowEnd, i + n + 1);
        std::fill(cells.begin() + i, cells.begin() + end, v);
        i = end;
    }
    decoded.CompressedLength = p - offset + 1;
    return decoded;
}

QByteArray CompressMapBytes(const MapCells& cells) {
    QByteArray out;
    out.reserve(kMapCells);
    int i = 0;
    while (i < kMapCells) {
        const uint8_t v = cells[size_t(i)] & 0x7F;
        int r = 1;
        while (true) {
            const int k = i + r;
            if (k % kMapColumns == 0 || k >= kMapCells || (cells[size_t(k)] & 0x7F) != v) {
                break;
            }
            ++r;
        }
        if (r == 1) {
            out.append(char(v));
        } else {
            out.append(char(0x80 + v));
            out.append(char(r - 1));
        }
        i += r;
    }
    return out;
}

QString CompressMap(const MapCells& cells) {
    return QString::fromLatin1(CompressMapBytes(cells).toHex().toUpper());
}

}  // namespace zantor
