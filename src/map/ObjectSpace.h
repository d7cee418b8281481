#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

#include "ObjectList.h"

namespace zantor {

class RomFile;

// One stored object list: the bytes one or more levels' pointers lead to. Levels whose pointers
// are equal share it.
struct StoredObjectSlot {
    int32_t start = 0;
    int consumed = 0;  // its entries and terminator
    // What it may fill when written: what it consumed, and the 0xFF bytes after its end up to
    // the next list's start (room an earlier, longer list left behind).
    int slot = 0;
    QList<int> levels;
    std::vector<LevelObject> objects;

    int32_t end() const { return start + slot; }
    bool shared() const { return levels.size() > 1; }
};

// Lists that follow one another with no foreign bytes between them: what a repack lays out
// afresh.
struct ObjectRegion {
    int32_t start = 0;
    int32_t end = 0;   // one past the last byte
    QList<int> lists;  // indices into ObjectSpace::lists, in stored order

    int length() const { return end - start; }
};

// A level whose list cannot be read, or not safely rewritten, and why.
struct ObjectProblem {
    int level = 0;
    QString reason;
};

// Where the object lists of a cartridge lie: the pointer table, each distinct list with its
// slot and the levels that use it, the regions they form. Read once; it does not follow later
// writes.
class ObjectSpace {
public:
    // Throws ObjectListError(UnknownVersion) when the cartridge's table is not known.
    static ObjectSpace read(const RomFile& rom);

    uint8_t bank = 0;
    int32_t tableOffset = 0;
    std::vector<StoredObjectSlot> lists;  // by start
    std::vector<ObjectRegion> regions;
    // Levels whose pointer lies outside the bank or whose list has no end, and lists whose
    // bytes hold another list's start.
    QList<ObjectProblem> problems;

    int32_t tableEnd() const;
    // The index into `lists` of `level`'s list; -1 when it has none that can be read.
    int listOf(int level) const;
    // The index into `regions` of the region holding lists[list].
    int regionOf(int list) const;
    // Why `level`'s list cannot be rewritten, or an empty text.
    QString problemOf(int level) const;
};

}  // namespace zantor
