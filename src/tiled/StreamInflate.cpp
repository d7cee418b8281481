#include "StreamInflate.h"

#include <zlib.h>

namespace zantor {

std::optional<QByteArray> InflateStream(const QByteArray& stream, DeflateContainer container,
                                        qsizetype maxSize) {
    z_stream z{};
    // 15: the largest window; +16 makes zlib expect a gzip header and trailer instead.
    const int windowBits = container == DeflateContainer::Gzip ? 15 + 16 : 15;
    if (inflateInit2(&z, windowBits) != Z_OK)
        return std::nullopt;
    // One byte more than allowed, so that an overlong stream is seen as such.
    QByteArray out(maxSize + 1, Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int result = inflate(&z, Z_FINISH);
    const qsizetype produced = out.size() - qsizetype(z.avail_out);
    const bool whole = result == Z_STREAM_END && z.avail_in == 0 && produced <= maxSize;
    inflateEnd(&z);
    if (!whole)
        return std::nullopt;
    out.truncate(produced);
    return out;
}

}  // namespace zantor
