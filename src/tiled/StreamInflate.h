#pragma once

#include <QByteArray>
#include <optional>

namespace zantor {

// The two deflate containers Tiled writes layer data in.
enum class DeflateContainer { Zlib, Gzip };

// The bytes a whole zlib or gzip stream expands to. nullopt when the stream is corrupt, ends
// early, has bytes after its end, or expands to more than `maxSize` bytes (expansion stops
// there, so a small stream can never claim a large amount of memory).
std::optional<QByteArray> InflateStream(const QByteArray& stream, DeflateContainer container,
                                        qsizetype maxSize);

}  // namespace zantor
