#include "MapTable.h"

#include "codec/RomFile.h"

namespace zantor {

const QStringList& MapNames() {
    static const QStringList names{
        "Intro",          "Tree Zone 1",    "Tree Zone 2",
        "Tree Zone 3",    "Tree Zone 4",    "Tree Zone 5",
        "Pumpkin Zone 1", "Pumpkin Zone 2", "Pumpkin Zone 3",
        "Pumpkin Zone 4", "Mario Zone 1",   "Mario Zone 2",
        "Mario Zone 3",   "Mario Zone 4",   "Turtle Zone 1",
        "Turtle Zone 2",  "Turtle Zone 3",  "Way to Space Zone",
        "Space Zone 1",   "Space Zone 2",   "Macro Zone 1",
        "Macro Zone 2",   "Macro Zone 3",   "Macro Zone 4",
        "Mario's Castle", "Map25",          "Map26",
        "Map27",          "Space Zone 3",   "Map29",
        "Map30",          "Map31",
    };
    return names;
}

int MapIndexFromText(const QString& text) {
    bool isNumber = false;
    const int index = text.toInt(&isNumber, 10);
    if (isNumber) {
        return index >= 0 && index < kMapCount ? index : -1;
    }
    return int(MapNames().indexOf(text));
}

int32_t HeaderOffset(const RomFile& rom, int index) {
    return rom.ReadBankPointer(kMapTableOffset + 2 * index, 1);
}

uint8_t ReadRomVersion(const RomFile& rom) {
    return rom.ReadRomByte(kRomVersionOffset);
}

}  // namespace zantor
