// The title screen's bitmap import: the file goes through ImageFiles::LoadPicture (any format
// Qt reads, with its size guard) and, when it is taken, TitleScreen::WriteTiles puts it into a
// sample cartridge. Only the 4096 bytes of tiles may change.
//
// Pictures that declare between 1 and 16 million pixels are passed over: they are legal and
// only slow (each costs tens of megabytes to decode); the unit tests load one. Larger ones are
// kept, as the guard must refuse them before decoding.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
constexpr size_t kMaxInput = 1 << 20;
constexpr qint64 kSlowPixels = 1 << 20;

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("in.bmp");
    QByteArray sample = BuildSampleCartridge(0);
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

    QString reason;
    const std::optional<Picture> sheet = ImageFiles::LoadPicture(f.path, &reason);
    if (!sheet) {
        fuzz::Require(!reason.isEmpty(), "a refused picture comes with a reason");
        return 0;
    }
    fuzz::Require(
        !sheet->isNull() && qint64(sheet->width()) * sheet->height() <= ImageFiles::kMaxLoadPixels,
        "a loaded picture is within the size guard");

    RomFile rom = RomFile::fromBytes(f.sample);
    TitleScreen::WriteTiles(rom, 0, *sheet);
    // The sample's tiles put back over the written ones: only those may change.
    QByteArray written = rom.bytes();
    const int32_t tiles = TitleScreen::TilesOffset(0);
    written.replace(tiles, TitleScreen::kTileBytes, f.sample.mid(tiles, TitleScreen::kTileBytes));
    fuzz::Require(written == f.sample, "only the title tiles change, the cartridge does not grow");
    return 0;
}
