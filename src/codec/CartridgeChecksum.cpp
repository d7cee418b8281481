#include "CartridgeChecksum.h"

namespace zantor {

namespace {
uint8_t at(const QByteArray& image, int32_t offset) {
    return uint8_t(image[offset]);
}
}  // namespace

uint8_t CartridgeChecksum::computeHeader(const QByteArray& image) {
    uint8_t x = 0;
    for (int32_t i = kHeaderStart; i < kHeaderChecksumOffset; ++i) {
        x = uint8_t(x - at(image, i) - 1);
    }
    return x;
}

uint16_t CartridgeChecksum::computeGlobal(const QByteArray& image) {
    uint32_t sum = 0;
    for (const char byte : image) {
        sum += uint8_t(byte);
    }
    if (hasHeader(image)) {
        sum -= at(image, kGlobalChecksumOffset) + at(image, kGlobalChecksumOffset + 1);
    }
    return uint16_t(sum);
}

uint16_t CartridgeChecksum::storedGlobal(const QByteArray& image) {
    return uint16_t(at(image, kGlobalChecksumOffset) << 8 | at(image, kGlobalChecksumOffset + 1));
}

CartridgeChecksum CartridgeChecksum::of(const QByteArray& image) {
    CartridgeChecksum sums;
    if (!hasHeader(image)) {
        return sums;
    }
    sums.present = true;
    sums.headerStored = at(image, kHeaderChecksumOffset);
    sums.headerComputed = computeHeader(image);
    sums.globalStored = storedGlobal(image);
    sums.globalComputed = computeGlobal(image);
    return sums;
}

void CartridgeChecksum::writeHeader(QByteArray& image) {
    image[kHeaderChecksumOffset] = char(computeHeader(image));
}

void CartridgeChecksum::writeGlobal(QByteArray& image) {
    const uint16_t sum = computeGlobal(image);
    image[kGlobalChecksumOffset] = char(sum >> 8);
    image[kGlobalChecksumOffset + 1] = char(sum & 0xFF);
}

}  // namespace zantor
