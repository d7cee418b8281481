#pragma once

#include <QByteArray>
#include <cstdint>

namespace zantor {

// The two checksums of the cartridge header. The header checksum (0x14D) covers the header
// bytes 0x134..0x14C and is what the console itself checks; the global checksum (0x14E, big
// endian) is the 16-bit sum of every byte of the file except its own two, which emulators and
// tools use to tell a damaged or edited image.
struct CartridgeChecksum {
    static constexpr int32_t kHeaderStart = 0x134;
    static constexpr int32_t kHeaderChecksumOffset = 0x14D;
    static constexpr int32_t kGlobalChecksumOffset = 0x14E;
    // The first byte after the header and its checksums; an image shorter than this has none.
    static constexpr int32_t kHeaderEnd = 0x150;

    bool present = false;  // false for an image too short to have a header
    uint8_t headerStored = 0;
    uint8_t headerComputed = 0;
    uint16_t globalStored = 0;
    uint16_t globalComputed = 0;

    bool headerHolds() const { return present && headerStored == headerComputed; }
    bool globalHolds() const { return present && globalStored == globalComputed; }

    // Both checksums of `image`, as stored and as its bytes give them.
    static CartridgeChecksum of(const QByteArray& image);
    static bool hasHeader(const QByteArray& image) { return image.size() >= kHeaderEnd; }

    static uint8_t computeHeader(const QByteArray& image);
    // The sum of every byte but 0x14E and 0x14F.
    static uint16_t computeGlobal(const QByteArray& image);
    static uint16_t storedGlobal(const QByteArray& image);

    // Puts the correct checksums into `image` (which must have a header).
    static void writeHeader(QByteArray& image);
    static void writeGlobal(QByteArray& image);
};

}  // namespace zantor
