#include "Checkpoint.h"

#include "ScreenFacts.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int kEntrySize = 8;

int word(const uint8_t* at) {
    return at[0] | at[1] << 8;
}
}  // namespace

std::optional<int32_t> CheckpointOffset(uint8_t version, int level) {
    const std::optional<ScreenFacts> facts = ScreenFactsFor(version);
    if (!facts || level < 0 || level >= facts->checkpointCount)
        return std::nullopt;
    return facts->checkpoints + kEntrySize * level;
}

Checkpoint ReadCheckpoint(const RomFile& rom, int32_t offset) {
    uint8_t bytes[kEntrySize];
    rom.ReadRomBytes(offset, kEntrySize, bytes);
    return {QPoint(word(bytes + 2), word(bytes)), QPoint(word(bytes + 6), word(bytes + 4))};
}

void WriteCheckpoint(RomFile& rom, int32_t offset, const Checkpoint& checkpoint) {
    const int words[4] = {checkpoint.player.y(), checkpoint.player.x(), checkpoint.camera.y(),
                          checkpoint.camera.x()};
    for (int k = 0; k < kEntrySize; ++k) {
        const auto value = uint8_t((words[k / 2] >> (k % 2 * 8)) & 0xFF);
        if (rom.ReadRomByte(offset + k) != value)
            rom.WriteRomByte(offset + k, value);
    }
}

}  // namespace zantor
