#pragma once

#include <cstdint>

namespace zantor {

class RomFile;

// The levels' scroll boxes and exits, the exit script they use and the checkpoints, for a
// sample whose maps and headers are written already: each map bank's two base words and
// arrays go between the bank's start and its table at $42F0, so a bank holds the arrays of at
// most kSampleScreenLevelsPerBank levels. Every level gets closed outer edges, a few inner
// walls (a closed-off corner the camera never shows) and, the first two, an exit at their
// right end warping through one shared script. Versions whose script and checkpoint tables
// are not known get the arrays only.
constexpr int kSampleScreenLevelsPerBank = 7;

void WriteSampleScreens(RomFile& rom, uint8_t version);

}  // namespace zantor
