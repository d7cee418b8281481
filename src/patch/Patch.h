#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zantor {

enum class PatchFormat { Bps, Ips };

// Patches that carry a level from one cartridge to another: the entry points for the editor
// and the command line. Everything works on whole images in memory; the caller writes the
// result through AtomicFileWriter, so a refused patch writes nothing.
namespace Patch {

// The largest image a patch may produce: what RomFile opens.
constexpr qsizetype kMaxImageSize = 16 * 1024 * 1024;

// A patch that turns `original` into `modified`. Throws PatchError(TooLarge) when the format
// cannot hold it.
QByteArray create(const QByteArray& original, const QByteArray& modified, PatchFormat format);

// `rom` with `patch` applied, the format told by the patch's first bytes. Throws PatchError.
QByteArray apply(const QByteArray& rom, const QByteArray& patch);

// The format whose magic bytes start `patch`.
std::optional<PatchFormat> detect(const QByteArray& patch);

// The format a file name asks for by its suffix (.bps or .ips, any case).
std::optional<PatchFormat> formatForFileName(const QString& path);

}  // namespace Patch
}  // namespace zantor
