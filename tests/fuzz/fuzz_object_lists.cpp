// The object lists over arbitrary images: the pointer table and the lists it leads to. Reading
// never crashes and refuses only with an ObjectListError; every entry encodes back to the bytes
// it was read from; and a list the editor could store as it stands (storable, sorted by X),
// written back unchanged, changes no byte of the image. A list grown by one object and
// written with a repack keeps every other list's objects and writes nothing outside its
// region and the pointer table. What a load reads for a level's document (its list in one piece,
// and which levels share it) is what the careful reader finds.
#include "FuzzCheck.h"
#include "codec/RomFile.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"
#include "map/ObjectListSource.h"
#include "map/ObjectListWriter.h"
#include "map/ObjectSpace.h"
#include "map/RepackError.h"

using namespace zantor;

namespace {
void checkList(const QByteArray& original, const StoredObjectList& list) {
    fuzz::Require(list.consumed == kObjectEntrySize * int(list.objects.size()) + 1,
                  "a list consumes its entries and one terminator byte");
    fuzz::Require(list.offset + list.consumed <= original.size(),
                  "a list read whole lies inside the image");
    for (size_t i = 0; i < list.objects.size(); ++i) {
        const auto entry = EncodeObject(list.objects[i]);
        const int32_t at = list.offset + kObjectEntrySize * int32_t(i);
        for (int b = 0; b < kObjectEntrySize; ++b)
            fuzz::Require(uint8_t(original[at + b]) == entry[size_t(b)],
                          "an entry encodes back to the bytes it was read from");
    }
    if (!ObjectListProblem(list.objects).isEmpty() ||
        SortedForWriting(list.objects) != list.objects)
        return;
    RomFile rom = RomFile::fromBytes(original);
    const QByteArray stored = EncodeObjectList(list.objects);
    fuzz::Require(stored.size() == list.consumed, "a list written back takes the bytes it had");
    rom.WriteRomBytes(list.offset, stored.constData(), int32_t(stored.size()));
    fuzz::Require(rom.bytes() == original, "writing a list back unchanged changes no byte");
}
void checkRepack(const QByteArray& original) {
    ObjectSpace space;
    try {
        space = ObjectSpace::read(RomFile::fromBytes(original));
    } catch (const ObjectListError&) {
        return;
    }
    if (space.lists.empty())
        return;
    const int level = space.lists.front().levels.front();
    std::vector<LevelObject> grown = SortedForWriting(space.lists.front().objects);
    grown.insert(grown.begin(), LevelObject{0, 0, 0, false});
    ObjectWritePlan plan;
    try {
        plan = ObjectListWriter::plan(space, level, grown, true);
    } catch (const ObjectListError&) {
        return;  // unstorable, or its list lies over another or the table
    } catch (const RepackError&) {
        return;
    }
    RomFile rom = RomFile::fromBytes(original);
    ObjectListWriter::apply(rom, plan);
    const QByteArray after = rom.bytes();
    for (int32_t at = 0; at < after.size(); ++at) {
        const bool mayChange = (at >= plan.start && at < plan.end) ||
                               (at >= space.tableOffset && at < space.tableEnd());
        fuzz::Require(mayChange || after[at] == original[at],
                      "a list's write changes nothing outside its region and the table");
    }
    for (const StoredObjectSlot& list : space.lists) {
        for (int user : list.levels) {
            const std::vector<LevelObject> expected =
                list.levels.contains(level) ? grown : list.objects;
            fuzz::Require(ReadLevelObjects(rom, user).objects == expected,
                          "a repack keeps every list's objects, and shared lists shared");
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize))
        return 0;
    const QByteArray original = fuzz::View(data, size);
    const RomFile rom = RomFile::fromBytes(original);
    for (int level = 0; level < kMapCount; ++level) {
        const ObjectListSource source = ReadObjectListSource(rom, level);
        fuzz::Require(source.levels.contains(level), "a level's source names the level");
        try {
            const StoredObjectList list = ReadLevelObjects(rom, level);
            checkList(original, list);
            fuzz::Require(source.error.isEmpty() && source.objects == list.objects,
                          "a load reads the objects the careful reader finds");
            for (int other : source.levels)
                fuzz::Require(ObjectListOffset(rom, other) == list.offset,
                              "the levels sharing a list point at it");
        } catch (const ObjectListError&) {
            // An unknown version, a pointer outside the bank or a list without an end: the
            // editor says so and shows no objects.
            fuzz::Require(!source.error.isEmpty(), "a list the careful reader refuses says why");
        }
    }
    checkRepack(original);
    return 0;
}
