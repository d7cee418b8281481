// DecompressMap over arbitrary bytes, the stored map starting at offset 0. Besides crashes it
// checks what the editor builds on: every cell is a block number, the decoder never consumes
// more than two bytes a cell, and the encoding of what it decoded fits into the bytes it read
// and decodes to the same cells, so "Save map" right after a load is always accepted and
// puts back the same level.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"

using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2 * kMapCells + 16)  // two bytes a cell is the most the decoder can read
        return 0;
    const RomFile rom = RomFile::fromBytes(fuzz::Bytes(data, size));
    const DecodedMap decoded = DecompressMap(rom, 0);
    fuzz::Require(decoded.CompressedLength >= 2 && decoded.CompressedLength <= 2 * kMapCells + 1,
                  "the decoder consumes between 1 and 2 x 12288 bytes");
    for (uint8_t cell : decoded.cells)
        fuzz::Require(cell < 0x80, "every decoded cell is a block number below 0x80");

    const QByteArray stored = CompressMapBytes(decoded.cells);
    fuzz::Require(stored.size() <= decoded.CompressedLength - 1,
                  "the encoding of a decoded map fits where it was read");
    const DecodedMap again = DecompressMap(RomFile::fromBytes(stored), 0);
    fuzz::Require(again.cells == decoded.cells, "encoding then decoding keeps the cells");
    fuzz::Require(again.CompressedLength == stored.size() + 1,
                  "the decoder consumes exactly the encoding");

    // Whatever slot the decoder found, the cells can be stored to fill it exactly.
    const int slot = decoded.CompressedLength - 1;
    fuzz::Require(slot <= kLongestMapEncoding, "no decoding consumes more than the longest form");
    const QByteArray refilled = CompressMapToLength(decoded.cells, slot);
    fuzz::Require(refilled.size() == slot, "the lengthened form fills the slot");
    const DecodedMap refilledAgain = DecompressMap(RomFile::fromBytes(refilled), 0);
    fuzz::Require(refilledAgain.cells == decoded.cells &&
                      refilledAgain.CompressedLength == decoded.CompressedLength,
                  "the lengthened form decodes to the same cells over the whole slot");
    return 0;
}
