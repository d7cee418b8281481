#include "ObjectSpace.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

#include "MapTable.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;

QString hex(int value) {
    return "0x" + QString::number(value, 16).toUpper();
}

// The 0xFF bytes after a list's end up to the next list (or the table) are its room: an
// earlier, longer list left them. After the last list the run counts when something other
// than 0xFF ends it (a repacked region's end); a run to the bank's end is the bank's tail,
// which, as for maps, nothing writes to.
void measureSlot(const RomFile& rom, StoredObjectSlot& list, int32_t limit, bool last) {
    list.slot = list.consumed;
    int32_t at = list.start + list.consumed;
    while (at < limit && rom.ReadRomByte(at) == kObjectListEnd)
        ++at;
    if (last ? at < limit : at == limit)
        list.slot = at - list.start;
}
}  // namespace

int32_t ObjectSpace::tableEnd() const {
    return tableOffset + 2 * kMapCount;
}

ObjectSpace ObjectSpace::read(const RomFile& rom) {
    ObjectSpace space;
    const uint8_t version = ReadRomVersion(rom);
    const std::optional<ObjectTableLocation> table = ObjectTableFor(version);
    if (!table) {
        throw ObjectListError(ObjectListError::Kind::UnknownVersion,
                              QCoreApplication::translate(
                                  "ObjectSpace", "the object lists of version %1 are not known")
                                  .arg(version));
    }
    space.bank = table->bank;
    space.tableOffset = table->tableOffset;
    const int32_t bankStart = int32_t(space.bank) * kBankSize;
    const int32_t bankEnd = std::min<int32_t>(bankStart + kBankSize, int32_t(rom.size()));

    std::map<int32_t, StoredObjectSlot> byStart;
    for (int level = 0; level < kMapCount; ++level) {
        try {
            const int32_t offset = ObjectListOffset(rom, level);
            auto it = byStart.find(offset);
            if (it == byStart.end()) {
                const StoredObjectList stored = ReadObjectListAt(rom, offset, space.bank);
                StoredObjectSlot list;
                list.start = offset;
                list.consumed = stored.consumed;
                list.objects = stored.objects;
                it = byStart.emplace(offset, std::move(list)).first;
            }
            it->second.levels.append(level);
        } catch (const ObjectListError& error) {
            space.problems.append({level, error.text()});
        } catch (const RomAccessError& error) {
            space.problems.append({level, error.text()});
        }
    }
    for (auto& [start, list] : byStart) {
        if (list.start < space.tableEnd() && list.start + list.consumed > space.tableOffset) {
            const QString reason = QCoreApplication::translate(
                                       "ObjectSpace", "its list at %1 lies over the pointer table")
                                       .arg(hex(list.start));
            for (int level : list.levels)
                space.problems.append({level, reason});
        }
        space.lists.push_back(std::move(list));
    }

    for (size_t k = 0; k < space.lists.size(); ++k) {
        StoredObjectSlot& list = space.lists[k];
        int32_t limit = k + 1 < space.lists.size() ? space.lists[k + 1].start : bankEnd;
        if (list.start + list.consumed > limit) {
            // One list's bytes run into another's: rewriting either would change the other.
            const QString reason = QCoreApplication::translate(
                                       "ObjectSpace", "its list at %1 runs into the list at %2")
                                       .arg(hex(list.start), hex(space.lists[k + 1].start));
            for (int level : list.levels)
                space.problems.append({level, reason});
            for (int level : space.lists[k + 1].levels)
                space.problems.append({level, reason});
            list.slot = list.consumed;
            continue;
        }
        if (list.start < space.tableOffset)
            limit = std::min(limit, space.tableOffset);
        measureSlot(rom, list, limit, k + 1 == space.lists.size());
    }
    for (int k = 0; k < int(space.lists.size()); ++k) {
        const StoredObjectSlot& list = space.lists[size_t(k)];
        if (space.regions.empty() || list.start != space.regions.back().end) {
            space.regions.push_back({list.start, list.end(), {k}});
        } else {
            space.regions.back().end = list.end();
            space.regions.back().lists.append(k);
        }
    }
    return space;
}

int ObjectSpace::listOf(int level) const {
    for (int k = 0; k < int(lists.size()); ++k) {
        if (lists[size_t(k)].levels.contains(level))
            return k;
    }
    return -1;
}

int ObjectSpace::regionOf(int list) const {
    for (int r = 0; r < int(regions.size()); ++r) {
        if (regions[size_t(r)].lists.contains(list))
            return r;
    }
    return -1;
}

QString ObjectSpace::problemOf(int level) const {
    for (const ObjectProblem& problem : problems) {
        if (problem.level == level)
            return problem.reason;
    }
    return {};
}

}  // namespace zantor
