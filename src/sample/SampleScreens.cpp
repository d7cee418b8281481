#include "SampleScreens.h"

#include <QByteArray>
#include <algorithm>
#include <stdexcept>

#include "SampleBlocks.h"
#include "SampleLevels.h"
#include "codec/RomFile.h"
#include "map/Checkpoint.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/ScreenArrays.h"
#include "map/ScreenFacts.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;
constexpr int32_t kBoxesAddress = 0x4004;
constexpr int32_t kExitsAddress = kBoxesAddress + kScreenCount * kSampleScreenLevelsPerBank;
constexpr int32_t kMapTableAddress = 0x42F0;
static_assert(kExitsAddress + kScreenCount * kSampleScreenLevelsPerBank <= kMapTableAddress);
// The exit script, in bank 5 well before the title's tiles.
constexpr int32_t kScriptAddress = 0x4200;
constexpr int kLevelsWithExits = 3;

void word(RomFile& rom, int32_t offset, int value) {
    rom.WriteRomByte(offset, uint8_t(value & 0xFF));
    rom.WriteRomByte(offset + 1, uint8_t((value >> 8) & 0xFF));
}

int32_t fileOffset(uint8_t bank, int32_t address) {
    return bank * kBankSize + address - 0x4000;
}

ScreenArrays sampleArrays(int level) {
    ScreenArrays arrays;
    for (int screen = 0; screen < kScreenCount; ++screen) {
        const int column = screen % kScreenColumns, row = screen / kScreenColumns;
        uint8_t box = 0;
        box |= column == 0 ? EdgeLeft : 0;
        box |= column == kScreenColumns - 1 ? EdgeRight : 0;
        box |= row == 0 ? EdgeTop : 0;
        box |= row == kScreenRows - 1 ? EdgeBottom : 0;
        arrays.boxes[size_t(screen)] = box;
    }
    auto wall = [&](int column, int row, uint8_t edge) {
        arrays.boxes[size_t(row * kScreenColumns + column)] |= edge;
    };
    // The sky over the first screens is walled off on every side: the camera never shows it.
    const int corner = 2 + level % 3;
    for (int column = 0; column < corner; ++column) {
        wall(column, 0, EdgeBottom);
        wall(column, 1, EdgeTop);
    }
    wall(corner - 1, 0, EdgeRight);
    wall(corner, 0, EdgeLeft);
    // A wall between two screens of the middle row that only stops the camera going left.
    wall(8 + level % 4, 1, EdgeLeft);
    if (level < kLevelsWithExits)
        arrays.exits[size_t(2 * kScreenColumns + kScreenColumns - 1)] = 1;
    return arrays;
}

// The player stands on the ground half way along the level (or at the start's height when
// there is a pit), the camera on the player as at the level's start.
Checkpoint sampleCheckpoint(int level) {
    const SampleLevel sample = BuildSampleLevel(level);
    const int x = kLevelWidth / 2;
    int y = sample.startTop;
    for (int row = 2; row < kMapRows; ++row) {
        if (sample.cells[size_t(kMapColumns * row + x / 16)] == block::GroundTop) {
            y = row * 16 - 32;
            break;
        }
    }
    return {QPoint(x, y), QPoint(std::clamp(x + 8, 80, kLevelWidth - 80),
                                 std::clamp(y + 16, 72, kLevelHeight - 72))};
}
}  // namespace

void WriteSampleScreens(RomFile& rom, uint8_t version) {
    std::vector<uint8_t> banksDone;
    for (int level = 0; level < kMapCount; ++level) {
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, level));
        const uint8_t bank = header.mapBank();
        if (header.mapNumber2() >= kSampleScreenLevelsPerBank)
            throw std::logic_error("A sample map bank holds more levels than arrays");
        if (std::find(banksDone.begin(), banksDone.end(), bank) == banksDone.end()) {
            word(rom, fileOffset(bank, 0x4000), kBoxesAddress);
            word(rom, fileOffset(bank, 0x4002), kExitsAddress);
            banksDone.push_back(bank);
        }
        WriteScreenArrays(rom, ScreenArraysPlaceOf(rom, header), sampleArrays(level));
    }
    const std::optional<ScreenFacts> facts = ScreenFactsFor(version);
    if (!facts)
        return;
    // Script 1: camera and player Y low bytes, then the warp to row 1, column 7.
    const QByteArray script = QByteArray::fromHex(
        "304860"
        "4017"
        "FF");
    word(rom, facts->exitScriptTable + 2, kScriptAddress);
    for (int k = 0; k < script.size(); ++k)
        rom.WriteRomByte(fileOffset(facts->exitScriptBank, kScriptAddress) + k, uint8_t(script[k]));
    for (int level = 0; level < facts->checkpointCount; ++level)
        WriteCheckpoint(rom, *CheckpointOffset(version, level), sampleCheckpoint(level));
}

}  // namespace zantor
