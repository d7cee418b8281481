#include "Crc32.h"

#include <zlib.h>

namespace zantor {

uint32_t Crc32(const char* data, qsizetype size) {
    return uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(data), z_size_t(size)));
}

}  // namespace zantor
