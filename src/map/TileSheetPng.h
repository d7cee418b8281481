#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zantor {

// A level's 256 tiles as a picture file: 128 × 128, indexed, tile t at sheet row
// (t XOR 0x80) / 16 and column t mod 16, colour number n as the grey n (white 0xFFFFFF, light
// 0xAAAAAA, dark 0x555555, black 0x000000). The stored numbers, not the level's palette, so a
// sheet edited elsewhere comes back exactly. The tiles are 4096 bytes in tile number order.
namespace TileSheetPng {

constexpr int kSheetTileBytes = 256 * 16;

QImage ToImage(const QByteArray& tiles);
// The picture as PNG bytes.
QByteArray Encode(const QByteArray& tiles);
// Writes the file atomically; false and a reason when it cannot.
bool Save(const QByteArray& tiles, const QString& path, QString* reason);

// A picture read back: the tiles, or why it is refused (another size, other colours: how
// many pixels and where the first is).
struct Decoded {
    bool ok = false;
    QByteArray tiles;
    QString error;
};
Decoded FromImage(const QImage& image);
// Any picture file Qt reads (through ImageFiles, with its guards).
Decoded Load(const QString& path);

}  // namespace TileSheetPng

}  // namespace zantor
