#pragma once

#include <QByteArray>

namespace zantor::IpsPatch {

inline constexpr char kMagic[] = "PATCH";

// The oldest patch format, still what many players expect: "PATCH", records of a 24-bit
// offset and a 16-bit length (0 for a run: a 16-bit count and one byte), then "EOF". Offsets
// stop below 16 MiB and records at 65,535 bytes, so longer changes are split; a record may not
// start at 0x454F46, whose offset bytes read "EOF", so such a record starts a byte earlier. A
// target shorter than the source gets the common extension: its size in three bytes after
// "EOF". There is no checksum: a wrong source cannot be told.
QByteArray create(const QByteArray& source, const QByteArray& target);

// Throws PatchError.
QByteArray apply(const QByteArray& source, const QByteArray& patch);

// The offset whose three bytes spell the end marker.
inline constexpr qsizetype kEofOffset = 0x454F46;

}  // namespace zantor::IpsPatch
