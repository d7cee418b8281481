#pragma once

#include <QByteArray>

namespace zantor::BpsPatch {

inline constexpr char kMagic[] = "BPS1";

// A patch in the beat format: "BPS1", the source, target and metadata sizes as variable-length
// numbers, no metadata, the actions, then the CRC32 of the source, the target and the patch.
// Unchanged stretches become SourceRead; moved data SourceCopy and repeated data (runs
// included) TargetCopy where that is shorter than spelling the bytes out with TargetRead.
QByteArray create(const QByteArray& source, const QByteArray& target);

// Checks the patch's own CRC32 and the source's before anything else, then the target's.
// Throws PatchError.
QByteArray apply(const QByteArray& source, const QByteArray& patch);

}  // namespace zantor::BpsPatch
