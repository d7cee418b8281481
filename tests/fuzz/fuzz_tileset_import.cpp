// A level's tile sheet import: the file goes through TileSheetPng::Load (ImageFiles' guards,
// then the size and colour checks). A sheet it takes must come back exactly through its own
// export, and written at the level's tile sources it may change only those tiles' bytes.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "map/TileRanges.h"
#include "map/TileSheetPng.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
constexpr size_t kMaxInput = 1 << 20;
constexpr qint64 kSlowPixels = 1 << 20;

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("in.png");
    QByteArray sample = BuildSampleCartridge(0);
    TileSources sources;
    Fixture() {
        const RomFile rom = RomFile::fromBytes(sample);
        sources = ReadTileSources(rom, 1, 0);
    }
};
Fixture& fixture() {
    static Fixture f;
    return f;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxInput)
        return 0;
    const QByteArray bytes = fuzz::Bytes(data, size);
    {
        // Legal but slow to decode, as in fuzz_bitmap_import.
        QBuffer peek;
        peek.setData(bytes);
        QImageReader reader(&peek);
        reader.setDecideFormatFromContent(true);
        const QSize declared = reader.size();
        const qint64 pixels = qint64(declared.width()) * declared.height();
        if (declared.isValid() && pixels > kSlowPixels && pixels <= ImageFiles::kMaxLoadPixels)
            return 0;
    }

    Fixture& f = fixture();
    {
        QFile file(f.path);
        fuzz::Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                      "the input can be put into a file");
    }
    const TileSheetPng::Decoded sheet = TileSheetPng::Load(f.path);
    if (!sheet.ok) {
        fuzz::Require(!sheet.error.isEmpty(), "a refused sheet comes with a reason");
        return 0;
    }
    fuzz::Require(sheet.tiles.size() == TileSheetPng::kSheetTileBytes, "a sheet is 256 tiles");
    const QImage exported = QImage::fromData(TileSheetPng::Encode(sheet.tiles), "PNG");
    fuzz::Require(TileSheetPng::FromImage(exported).tiles == sheet.tiles,
                  "an accepted sheet comes back exactly through its export");

    RomFile rom = RomFile::fromBytes(f.sample);
    for (int t = 0; t < 256; ++t)
        rom.WriteRomBytes(TileOffset(f.sources, uint8_t(t)), sheet.tiles.constData() + 16 * t, 16);
    QByteArray written = rom.bytes();
    for (int t = 0; t < 256; ++t) {
        const int32_t offset = TileOffset(f.sources, uint8_t(t));
        written.replace(offset, 16, f.sample.mid(offset, 16));
    }
    fuzz::Require(written == f.sample, "only the level's tiles change");
    return 0;
}
