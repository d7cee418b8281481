#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

namespace zantor {

class RomFile;

// Where a level is entered from its checkpoint: the player's and the camera's start, which
// replace the header's bytes 0-7. Positions are level pixels, the camera's the screen's centre.
struct Checkpoint {
    QPoint player;
    QPoint camera;

    bool operator==(const Checkpoint&) const = default;
};

// The file offset of `level`'s entry; none for a version whose entries are not known, and for
// the levels after the last entry.
std::optional<int32_t> CheckpointOffset(uint8_t version, int level);

Checkpoint ReadCheckpoint(const RomFile& rom, int32_t offset);
// Writes only the bytes that differ.
void WriteCheckpoint(RomFile& rom, int32_t offset, const Checkpoint& checkpoint);

}  // namespace zantor
