// The scroll boxes, exits, exit scripts and checkpoints over arbitrary images, whatever banks
// their headers name. Reading never crashes and refuses only with a ScreenArraysError; arrays
// and checkpoints written back unchanged change no byte; every script splits into commands that
// cover it exactly; the camera's reach stays inside the level.
#include "FuzzCheck.h"
#include "codec/RomFile.h"
#include "map/CameraReach.h"
#include "map/Checkpoint.h"
#include "map/ExitScript.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/ScreenArrays.h"
#include "map/ScreenFacts.h"

using namespace zantor;

namespace {
void checkScript(const RomFile& rom, const ScreenFacts& facts, int number) {
    const ExitScript script = ReadExitScript(rom, facts, number);
    fuzz::Require(script.bytes.size() <= kMaxExitScriptLength, "a script is read to its limit");
    int covered = 0;
    for (const ExitCommand& command : SplitExitScript(script.bytes)) {
        fuzz::Require(command.at == covered && !command.bytes.isEmpty(),
                      "commands follow one another without gaps");
        covered += int(command.bytes.size());
        fuzz::Require(!DescribeExitCommand(command).isEmpty(), "every command is described");
    }
    fuzz::Require(covered == script.bytes.size(), "the commands cover the script");
}

void checkLevel(const QByteArray& original, const RomFile& rom, uint8_t version, int level) {
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, level));
    const ScreenArraysPlace place = ScreenArraysPlaceOf(rom, header);
    const ScreenArrays arrays = ReadScreenArrays(rom, place);
    RomFile copy = RomFile::fromBytes(original);
    WriteScreenArrays(copy, place, arrays);
    if (const std::optional<int32_t> offset = CheckpointOffset(version, level))
        WriteCheckpoint(copy, *offset, ReadCheckpoint(rom, *offset));
    fuzz::Require(!copy.isModified(), "arrays and checkpoints written back change no byte");

    const QRegion never = CameraReach::neverShown(
        arrays.boxes, QPoint(header.cameraX() % kLevelWidth, header.cameraY() % kLevelHeight));
    fuzz::Require(
        QRect(0, 0, kLevelWidth, kLevelHeight).contains(never.boundingRect()) || never.isEmpty(),
        "what the camera never shows lies inside the level");
    const std::optional<ScreenFacts> facts = ScreenFactsFor(version);
    if (!facts)
        return;
    for (uint8_t exit : arrays.exits) {
        if (exit == 0)
            continue;
        try {
            checkScript(rom, *facts, exit);
        } catch (const ScreenArraysError&) {
            // A table word outside bank 5: the editor names it and shows no script.
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize))
        return 0;
    const QByteArray original = fuzz::View(data, size);
    const RomFile rom = RomFile::fromBytes(original);
    const uint8_t version = ReadRomVersion(rom);
    for (int level = 0; level < kMapCount; ++level) {
        try {
            checkLevel(original, rom, version, level);
        } catch (const ScreenArraysError&) {
            // A base word outside its bank: nothing to read, and the editor says so.
        }
    }
    return 0;
}
