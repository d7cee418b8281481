#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Error.h"

namespace zantor {

class RomFile;

// One enemy or item of a level's object list. Positions are level pixels, multiples of 8.
struct LevelObject {
    int x = 0;
    int y = 0;
    int type = 0;  // 0..127; its meaning differs between levels 0-9 and 10-31
    bool hiddenInEasyMode = false;

    bool operator==(const LevelObject&) const = default;
};

// The game copies a list into RAM at level start; a longer one overwrites its object slots.
constexpr int kMaxLevelObjects = 84;
constexpr int kObjectEntrySize = 3;
// A list ends at the first entry whose first byte is this.
constexpr uint8_t kObjectListEnd = 0xFF;

// Where a cartridge version keeps its table of list pointers, one little-endian word per level.
struct ObjectTableLocation {
    uint8_t version;
    int32_t tableOffset;
    uint8_t bank;  // the bank the words address through $4000-$7FFF
};

// The location for `version`; none for a version whose table has not been found.
std::optional<ObjectTableLocation> ObjectTableFor(uint8_t version);

class ObjectListError : public Error {
public:
    enum class Kind {
        UnknownVersion,      // no table location is known for the cartridge's version
        PointerOutsideBank,  // the level's word does not address the bank's window
        NoEnd,               // the list runs to the end of its bank without a terminator
        Unstorable,          // the objects cannot be written (see ObjectListProblem)
        DoesNotFit,          // longer than its slot, and no repack was asked for
        Unsafe,              // the stored list overlaps another list or the pointer table
    };
    ObjectListError(Kind kind, QString text) : Error(std::move(text)), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

std::array<uint8_t, kObjectEntrySize> EncodeObject(const LevelObject& object);
LevelObject DecodeObject(const uint8_t* entry);

// A list as stored: its objects in the stored order and the bytes its decoding consumed,
// the terminator included.
struct StoredObjectList {
    int32_t offset = 0;
    std::vector<LevelObject> objects;
    int32_t consumed = 0;
};

// Reads the list at file offset `offset` of `bank`. Throws ObjectListError(NoEnd) when no
// terminator comes before the bank's end.
StoredObjectList ReadObjectListAt(const RomFile& rom, int32_t offset, uint8_t bank);

// The file offset of the table word of `level`. Throws ObjectListError(UnknownVersion).
int32_t ObjectPointerOffset(const RomFile& rom, int level);
// The file offset of `level`'s list, from its table word. Throws ObjectListError for an
// unknown version or a word outside the bank's window; the message names the pointer.
int32_t ObjectListOffset(const RomFile& rom, int level);
StoredObjectList ReadLevelObjects(const RomFile& rom, int level);

// Why `objects` cannot be written, or an empty text when they can: more than 84, one outside
// the level, off the 8-pixel grid, or a type that would make its first byte the terminator.
QString ObjectListProblem(const std::vector<LevelObject>& objects);
// The game spawns objects by walking the list as the camera moves, so it must be in ascending
// X; objects of the same X keep their order.
std::vector<LevelObject> SortedForWriting(std::vector<LevelObject> objects);
// The stored form of `objects`, sorted, with its terminator. They must pass
// ObjectListProblem().
QByteArray EncodeObjectList(const std::vector<LevelObject>& objects);

}  // namespace zantor
