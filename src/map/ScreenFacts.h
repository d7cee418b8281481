#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zantor {

// Where a cartridge version keeps the exit scripts' table and the checkpoints. Only version 0's
// are known; the other versions move these tables by amounts nobody has measured.
struct ScreenFacts {
    uint8_t version;
    int32_t exitScriptTable;  // word n: the bank address of exit script n
    uint8_t exitScriptBank;
    int32_t checkpoints;  // 8 bytes per level: player Y, X, camera Y, X
    int checkpointCount;  // code follows the last entry
};

std::optional<ScreenFacts> ScreenFactsFor(uint8_t version);

// What to say where a version's facts are missing.
QString UnknownScriptsText(uint8_t version);
QString UnknownCheckpointsText(uint8_t version);

}  // namespace zantor
