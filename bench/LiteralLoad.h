#pragma once

#include <QImage>

namespace zantor {
class RomFile;

// What a line-by-line port of the loader would do: one SetPixel call per tile pixel (bits
// taken from binary text), and one QPainter call per copied square. A baseline only.
struct LiteralLoadResult {
    QImage tiles, strip, strip2x, level, events;
};
LiteralLoadResult LiteralLoad(const RomFile& rom, int mapIndex);
}  // namespace zantor
