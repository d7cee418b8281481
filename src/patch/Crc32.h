#pragma once

#include <QByteArray>
#include <cstdint>

namespace zantor {

// zlib's CRC-32, the checksum both BPS and most ROM tools use.
uint32_t Crc32(const char* data, qsizetype size);
inline uint32_t Crc32(const QByteArray& bytes) {
    return Crc32(bytes.constData(), bytes.size());
}

}  // namespace zantor
