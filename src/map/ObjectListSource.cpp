#include "ObjectListSource.h"

#include <algorithm>

#include "MapTable.h"
#include "base/Error.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
// The list at `offset`, read in one piece when its end comes soon enough: a byte at a time, the
// lists cost a tenth of a level's load.
std::vector<LevelObject> readList(const RomFile& rom, int32_t offset, uint8_t bank) {
    const int32_t bankEnd = std::min<int32_t>((int32_t(bank) + 1) * 0x4000, int32_t(rom.size()));
    const int32_t length =
        std::min<int32_t>(kMaxLevelObjects * kObjectEntrySize + 1, bankEnd - offset);
    uint8_t bytes[kMaxLevelObjects * kObjectEntrySize + 1];
    if (length > 0) {
        rom.ReadRomBytes(offset, length, bytes);
        std::vector<LevelObject> objects;
        for (int32_t at = 0; at < length; at += kObjectEntrySize) {
            if (bytes[at] == kObjectListEnd)
                return objects;
            if (at + kObjectEntrySize > length)
                break;
            objects.push_back(DecodeObject(bytes + at));
        }
    }
    // Longer than a level may hold, or without an end: the careful reader says which.
    return ReadObjectListAt(rom, offset, bank).objects;
}
}  // namespace

ObjectListSource ReadObjectListSource(const RomFile& rom, int level) {
    const std::optional<ObjectTableLocation> table = ObjectTableFor(ReadRomVersion(rom));
    uint8_t words[2 * kMapCount] = {};
    if (table)
        rom.ReadRomBytes(table->tableOffset, int32_t(sizeof words), words);
    auto addressOf = [&](int each) { return words[2 * each] | words[2 * each + 1] << 8; };
    const int address = addressOf(level);
    try {
        if (!table || address < 0x4000 || address >= 0x8000)
            ObjectListOffset(rom, level);  // throws the reason
        // The levels whose pointers are the same share the list.
        QList<int> levels;
        for (int each = 0; each < kMapCount; ++each) {
            if (addressOf(each) == address)
                levels.append(each);
        }
        const int32_t offset = int32_t(table->bank) * 0x4000 + address - 0x4000;
        return {levels, readList(rom, offset, table->bank), {}};
    } catch (const Error& error) {
        return {{level}, {}, error.text()};
    }
}

}  // namespace zantor
