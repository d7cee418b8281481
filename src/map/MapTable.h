#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zantor {

class RomFile;

constexpr int kMapCount = 32;
// 32 little-endian header addresses in bank 1, one per map.
constexpr int32_t kMapTableOffset = 0x55CB;
// The cartridge header's mask ROM version byte; when it is not 0 several tables sit 3 bytes on.
constexpr int32_t kRomVersionOffset = 0x14C;

// The names of the map list, index 0..31.
const QStringList& MapNames();

// The index for an index text ("0".."31") or an exact map name; -1 when neither.
int MapIndexFromText(const QString& text);

// The file offset of map `index`'s 20-byte header.
int32_t HeaderOffset(const RomFile& rom, int index);

uint8_t ReadRomVersion(const RomFile& rom);

}  // namespace zantor
