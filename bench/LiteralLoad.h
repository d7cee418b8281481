#pragma once

#include <QImage>
#include <QString>

namespace zantor {

// What a line-by-line port of the loader would do: one file read per byte, one SetPixel call
// per tile pixel (bits taken from binary text), and one QPainter (begun and ended) per copied
// square. A baseline only.
struct LiteralLoadResult {
    QImage tiles, strip, strip2x, level, events;
};
LiteralLoadResult LiteralLoad(const QString& romPath, int mapIndex);
}  // namespace zantor
