#pragma once

#include <QByteArray>
#include <cstdint>

namespace zantor {

// Size of the sample cartridge image (32 banks of 16 KiB).
constexpr int32_t kSampleCartridgeSize = 512 * 1024;

// Builds the sample cartridge: a 512 KiB image made entirely by our own code, laid out where
// the editor looks for maps, tiles, blocks and the title screen. `version` (0, 1 or 2) is the
// cartridge header's version byte; the tables that depend on it move with it.
// Deterministic: the same bytes every time.
QByteArray BuildSampleCartridge(uint8_t version = 0);

}  // namespace zantor
