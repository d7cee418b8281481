#include "ObjectList.h"

#include <QCoreApplication>
#include <algorithm>

#include "MapLoader.h"
#include "MapTable.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;
constexpr int32_t kWindowStart = 0x4000;
constexpr int32_t kWindowEnd = 0x8000;

// Add a version here once its table is found.
constexpr std::array kObjectTables{
    ObjectTableLocation{0, 0xE037, 3},
};

QString hex(int value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, '0');
}

QString where(const LevelObject& object, int index) {
    return QCoreApplication::translate("ObjectList", "object %1 (x %2, y %3, type 0x%4)")
        .arg(index)
        .arg(object.x)
        .arg(object.y)
        .arg(hex(object.type, 2));
}
}  // namespace

std::optional<ObjectTableLocation> ObjectTableFor(uint8_t version) {
    for (const ObjectTableLocation& location : kObjectTables) {
        if (location.version == version) {
            return location;
        }
    }
    return std::nullopt;
}

std::array<uint8_t, kObjectEntrySize> EncodeObject(const LevelObject& object) {
    const int type = object.type & 0x7F;
    const int xScreen = (object.x >> 8) & 0x0F;
    const int xUnits = (object.x >> 3) & 0x1F;
    const int yScreen = (object.y >> 8) & 0x03;
    const int yUnits = (object.y >> 3) & 0x1F;
    return {uint8_t(((type & 0x38) << 2) | ((type & 0x40) >> 2) | xScreen),
            uint8_t(((type & 0x07) << 5) | xUnits),
            uint8_t((object.hiddenInEasyMode ? 0x80 : 0) | (yScreen << 5) | yUnits)};
}

LevelObject DecodeObject(const uint8_t* entry) {
    const uint8_t b0 = entry[0];
    const uint8_t b1 = entry[1];
    const uint8_t b2 = entry[2];
    LevelObject object;
    object.type = ((b0 & 0x10) << 2) | ((b0 & 0xE0) >> 2) | (b1 >> 5);
    object.x = (b0 & 0x0F) * 256 + (b1 & 0x1F) * 8;
    object.y = ((b2 >> 5) & 0x03) * 256 + (b2 & 0x1F) * 8;
    object.hiddenInEasyMode = (b2 & 0x80) != 0;
    return object;
}

StoredObjectList ReadObjectListAt(const RomFile& rom, int32_t offset, uint8_t bank) {
    StoredObjectList list;
    list.offset = offset;
    const int32_t bankEnd = (int32_t(bank) + 1) * kBankSize;
    int32_t at = offset;
    while (at < bankEnd && rom.ReadRomByte(at) != kObjectListEnd) {
        if (at + kObjectEntrySize > bankEnd) {
            break;
        }
        uint8_t entry[kObjectEntrySize];
        rom.ReadRomBytes(at, kObjectEntrySize, entry);
        list.objects.push_back(DecodeObject(entry));
        at += kObjectEntrySize;
    }
    if (at >= bankEnd || rom.ReadRomByte(at) != kObjectListEnd) {
        throw ObjectListError(
            ObjectListError::Kind::NoEnd,
            QCoreApplication::translate(
                "ObjectList", "the object list at 0x%1 has no end (0xFF) before the end of bank %2")
                .arg(hex(offset, 4))
                .arg(bank));
    }
    list.consumed = at + 1 - offset;
    return list;
}

namespace {
ObjectTableLocation tableOf(const RomFile& rom) {
    const uint8_t version = ReadRomVersion(rom);
    const std::optional<ObjectTableLocation> location = ObjectTableFor(version);
    if (!location) {
        throw ObjectListError(ObjectListError::Kind::UnknownVersion,
                              QCoreApplication::translate(
                                  "ObjectList", "the object lists of version %1 are not known")
                                  .arg(version));
    }
    return *location;
}
}  // namespace

int32_t ObjectPointerOffset(const RomFile& rom, int level) {
    return tableOf(rom).tableOffset + 2 * level;
}

int32_t ObjectListOffset(const RomFile& rom, int level) {
    const ObjectTableLocation table = tableOf(rom);
    const int32_t pointerOffset = table.tableOffset + 2 * level;
    const int address = rom.ReadRomByte(pointerOffset) | (rom.ReadRomByte(pointerOffset + 1) << 8);
    if (address < kWindowStart || address >= kWindowEnd) {
        throw ObjectListError(
            ObjectListError::Kind::PointerOutsideBank,
            QCoreApplication::translate(
                "ObjectList",
                "level %1 has no object list: its pointer at 0x%2 is $%3, outside "
                "bank %4's $4000-$7FFF")
                .arg(level)
                .arg(hex(pointerOffset, 4))
                .arg(hex(address, 4))
                .arg(table.bank));
    }
    return int32_t(table.bank) * kBankSize + address - kWindowStart;
}

StoredObjectList ReadLevelObjects(const RomFile& rom, int level) {
    return ReadObjectListAt(rom, ObjectListOffset(rom, level), tableOf(rom).bank);
}

QString ObjectListProblem(const std::vector<LevelObject>& objects) {
    if (int(objects.size()) > kMaxLevelObjects) {
        return QCoreApplication::translate("ObjectList", "%1 objects; a level holds at most %2")
            .arg(objects.size())
            .arg(kMaxLevelObjects);
    }
    for (size_t i = 0; i < objects.size(); ++i) {
        const LevelObject& object = objects[i];
        if (object.x < 0 || object.x >= kLevelWidth || object.y < 0 || object.y >= kLevelHeight) {
            return where(object, int(i)) +
                   QCoreApplication::translate("ObjectList",
                                               " lies outside the level (x 0-%1, y 0-%2)")
                       .arg(kLevelWidth - 1)
                       .arg(kLevelHeight - 1);
        }
        if (object.x % 8 != 0 || object.y % 8 != 0) {
            return where(object, int(i)) +
                   QCoreApplication::translate("ObjectList", " is not on the 8-pixel grid");
        }
        if (object.type < 0 || object.type > 0x7F) {
            return where(object, int(i)) +
                   QCoreApplication::translate("ObjectList", " has a type outside 0-127");
        }
        if (EncodeObject(object)[0] == kObjectListEnd) {
            return where(object, int(i)) +
                   QCoreApplication::translate(
                       "ObjectList",
                       " cannot be stored: in the last screen (x from 3840) types "
                       "0x78-0x7F would read as the end of the list");
        }
    }
    return {};
}

std::vector<LevelObject> SortedForWriting(std::vector<LevelObject> objects) {
    std::stable_sort(objects.begin(), objects.end(),
                     [](const LevelObject& a, const LevelObject& b) { return a.x < b.x; });
    return objects;
}

QByteArray EncodeObjectList(const std::vector<LevelObject>& objects) {
    QByteArray bytes;
    bytes.reserve(int(objects.size()) * kObjectEntrySize + 1);
    for (const LevelObject& object : SortedForWriting(objects)) {
        for (uint8_t b : EncodeObject(object)) {
            bytes.append(char(b));
        }
    }
    bytes.append(char(kObjectListEnd));
    return bytes;
}

}  // namespace zantor
