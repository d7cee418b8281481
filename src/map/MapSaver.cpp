#include "MapSaver.h"

#include <QCoreApplication>
#include <QLocale>

#include "MapHeader.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
bool sameCells(const MapCells& stored, const MapCells& cells) {
    if (stored == cells) {
        return true;  // the usual case, and one memcmp
    }
    // Cells may carry bit 7, which the stored form drops. No early exit: one flat loop the
    // compiler vectorises.
    uint8_t differ = 0;
    for (int i = 0; i < kMapCells; ++i) {
        differ |= stored[size_t(i)] ^ (cells[size_t(i)] & 0x7F);
    }
    return differ == 0;
}
}  // namespace

int MapSaver::excess(const MapCells& cells, int slot) {
    return std::max(0, int(CompressMapBytes(cells).size()) - slot);
}

QString MapSaver::tooBigMessage(int excess, bool canRepack) {
    const QString bytes = excess == 1 ? QCoreApplication::translate("MapSaver", "1 byte")
                                      : QCoreApplication::translate("MapSaver", "%1 bytes")
                                            .arg(QLocale(QLocale::English).toString(excess));
    if (canRepack) {
        return QCoreApplication::translate(
                   "MapSaver",
                   "The map is %1 too big for its slot. Simplify it by %1 (fewer changes of "
                   "block along its rows), or repack its region: the maps stored next to it "
                   "have enough room to spare, and some of them will move.")
            .arg(bytes);
    }
    return QCoreApplication::translate(
               "MapSaver",
               "The map is %1 too big for its slot, and the maps stored next to it do not have "
               "that much room to spare. Simplify it by %1 (fewer changes of block along its "
               "rows), or simplify another map of its region and repack.")
        .arg(bytes);
}

bool MapSaver::writeToSlot(RomFile& rom, const MapHeader& header, const MapCells& cells, int slot) {
    const int32_t offset = MapDataOffset(rom, header);
    const DecodedMap stored = DecompressMap(rom, offset);
    if (stored.CompressedLength - 1 == slot && sameCells(stored.cells, cells)) {
        return true;
    }
    // One encoding, checked before a byte is written: it must fit the slot.
    const QByteArray bytes = CompressMapToLength(cells, slot);
    if (bytes.isEmpty() || bytes.size() > slot) {
        return false;
    }
    rom.WriteRomBytes(offset, bytes.constData(), int32_t(bytes.size()));
    return true;
}

}  // namespace zantor
