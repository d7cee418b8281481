#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <vector>

#include "ObjectList.h"

namespace zantor {

class ObjectSpace;
class RomFile;

// Where one list goes when a level's list is written.
struct PlacedObjectList {
    QList<int> levels;  // the levels whose pointers lead to it
    int32_t from = 0;   // its old start
    int32_t to = 0;     // its new start
    int oldSlot = 0;
    QByteArray stored;  // what is written from `to`: its entries, its end, the 0xFF after it

    bool moves() const { return from != to; }
};

// What writing a level's list changes: its slot alone, or its region laid out afresh.
struct ObjectWritePlan {
    uint8_t bank = 0;
    int32_t tableOffset = 0;
    bool repacked = false;
    int32_t start = 0;  // the bytes written, pointers aside
    int32_t end = 0;
    std::vector<PlacedObjectList> lists;
    int bytesNeeded = 0;  // the lists' entries and ends together

    // The levels whose lists move: what the editor's question lists.
    QList<int> movedLevels() const;
};

// Writing a level's object list, as the game reads it: sorted by X (stable), ending with 0xFF.
// A list that fits its slot is written there with the rest of the slot 0xFF, so it keeps its
// room. A longer one is written only by repacking its region (when asked): the region's lists
// back to back from its start in their old order, each as stored, the edited one new, every
// pointer to a moved list rewritten (shared lists stay shared), the region's end after the last
// list 0xFF. Nothing outside the region and the pointer table is written.
class ObjectListWriter {
public:
    // Why `objects` cannot be written for `level` at all, or an empty text: unstorable objects
    // first, then a list that cannot be read or rewritten safely.
    static QString problem(const ObjectSpace& space, int level,
                           const std::vector<LevelObject>& objects);
    // Whether `objects` fit `level`'s slot as it is.
    static bool fitsSlot(const ObjectSpace& space, int level,
                         const std::vector<LevelObject>& objects);

    // Throws ObjectListError (Unstorable, an unreadable list, DoesNotFit without `repack`)
    // and RepackError (the region holds a list that cannot be moved safely, or its lists do
    // not fit it).
    static ObjectWritePlan plan(const ObjectSpace& space, int level,
                                const std::vector<LevelObject>& objects, bool repack);
    // Writes the plan's bytes and the moved lists' pointers into `rom`; the caller commits.
    static void apply(RomFile& rom, const ObjectWritePlan& plan);
    // Reads the space of `rom`, plans and applies; nothing is written when it throws.
    static ObjectWritePlan write(RomFile& rom, int level, const std::vector<LevelObject>& objects,
                                 bool repack);
};

}  // namespace zantor
