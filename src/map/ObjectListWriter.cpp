#include "ObjectListWriter.h"

#include <QCoreApplication>
#include <algorithm>

#include "ObjectSpace.h"
#include "RepackError.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;
constexpr int32_t kWindowStart = 0x4000;

// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ObjectListWriter)
};

QString hex(int value) {
    return "0x" + QString::number(value, 16).toUpper();
}

// The list as it is stored, in its stored order: other lists move unchanged, whether the game
// would find them sorted or not.
QByteArray storedAsIs(const std::vector<LevelObject>& objects) {
    QByteArray bytes;
    for (const LevelObject& object : objects) {
        for (uint8_t b : EncodeObject(object))
            bytes.append(char(b));
    }
    bytes.append(char(kObjectListEnd));
    return bytes;
}

const StoredObjectSlot& listOfLevel(const ObjectSpace& space, int level) {
    const int k = space.listOf(level);
    if (k < 0) {
        throw ObjectListError(ObjectListError::Kind::PointerOutsideBank, space.problemOf(level));
    }
    return space.lists[size_t(k)];
}
}  // namespace

QList<int> ObjectWritePlan::movedLevels() const {
    QList<int> levels;
    for (const PlacedObjectList& list : lists) {
        if (list.moves())
            levels += list.levels;
    }
    std::sort(levels.begin(), levels.end());
    return levels;
}

QString ObjectListWriter::problem(const ObjectSpace& space, int level,
                                  const std::vector<LevelObject>& objects) {
    const QString unstorable = ObjectListProblem(objects);
    if (!unstorable.isEmpty())
        return unstorable;
    return space.problemOf(level);
}

bool ObjectListWriter::fitsSlot(const ObjectSpace& space, int level,
                                const std::vector<LevelObject>& objects) {
    const int k = space.listOf(level);
    return k >= 0 && int(objects.size()) * kObjectEntrySize + 1 <= space.lists[size_t(k)].slot;
}

ObjectWritePlan ObjectListWriter::plan(const ObjectSpace& space, int level,
                                       const std::vector<LevelObject>& objects, bool repack) {
    const QString unstorable = ObjectListProblem(objects);
    if (!unstorable.isEmpty())
        throw ObjectListError(ObjectListError::Kind::Unstorable, unstorable);
    const StoredObjectSlot& edited = listOfLevel(space, level);
    const QString unsafe = space.problemOf(level);
    if (!unsafe.isEmpty())
        throw ObjectListError(ObjectListError::Kind::Unsafe, unsafe);

    ObjectWritePlan plan;
    plan.bank = space.bank;
    plan.tableOffset = space.tableOffset;
    const QByteArray encoded = EncodeObjectList(objects);
    if (encoded.size() <= edited.slot) {
        plan.start = edited.start;
        plan.end = edited.end();
        plan.bytesNeeded = int(encoded.size());
        QByteArray stored = encoded;
        stored.append(QByteArray(edited.slot - int(encoded.size()), char(kObjectListEnd)));
        plan.lists.push_back({edited.levels, edited.start, edited.start, edited.slot, stored});
        return plan;
    }
    if (!repack) {
        throw ObjectListError(
            ObjectListError::Kind::DoesNotFit,
            Text::tr(
                "the list needs %1 bytes but its slot at %2 holds %3; repacking its region may "
                "make room")
                .arg(encoded.size())
                .arg(hex(edited.start))
                .arg(edited.slot));
    }

    const int k = space.listOf(level);
    const ObjectRegion& region = space.regions[size_t(space.regionOf(k))];
    for (int other : region.lists) {
        for (int user : space.lists[size_t(other)].levels) {
            const QString reason = space.problemOf(user);
            if (!reason.isEmpty()) {
                throw RepackError(RepackError::Kind::OverlapsRegion,
                                  Text::tr("level %1 in the region %2-%3 cannot be moved: %4")
                                      .arg(user)
                                      .arg(hex(region.start), hex(region.end - 1), reason));
            }
        }
    }
    plan.repacked = true;
    plan.start = region.start;
    plan.end = region.end;
    int32_t at = region.start;
    for (int other : region.lists) {
        const StoredObjectSlot& list = space.lists[size_t(other)];
        const QByteArray stored = other == k ? encoded : storedAsIs(list.objects);
        plan.lists.push_back({list.levels, list.start, at, list.slot, stored});
        at += int32_t(stored.size());
    }
    plan.bytesNeeded = at - region.start;
    if (at > region.end) {
        throw RepackError(
            RepackError::Kind::TooBig,
            Text::tr("the lists of the region %1-%2 need %3 bytes together; it holds %4")
                .arg(hex(region.start), hex(region.end - 1))
                .arg(plan.bytesNeeded)
                .arg(region.length()));
    }
    plan.lists.back().stored.append(QByteArray(region.end - at, char(kObjectListEnd)));
    return plan;
}

void ObjectListWriter::apply(RomFile& rom, const ObjectWritePlan& plan) {
    for (const PlacedObjectList& list : plan.lists) {
        rom.WriteRomBytes(list.to, list.stored.constData(), int32_t(list.stored.size()));
        if (!list.moves())
            continue;
        const int address = list.to - int32_t(plan.bank) * kBankSize + kWindowStart;
        for (int level : list.levels) {
            const int32_t word = plan.tableOffset + 2 * level;
            rom.WriteRomByte(word, uint8_t(address & 0xFF));
            rom.WriteRomByte(word + 1, uint8_t(address >> 8));
        }
    }
}

ObjectWritePlan ObjectListWriter::write(RomFile& rom, int level,
                                        const std::vector<LevelObject>& objects, bool repack) {
    const ObjectWritePlan planned = plan(ObjectSpace::read(rom), level, objects, repack);
    apply(rom, planned);
    return planned;
}

}  // namespace zantor
