#include "TileSheetPng.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <optional>

#include "base/AtomicFileWriter.h"
#include "base/ImageFiles.h"
#include "codec/TileCodec.h"
#include "codec/TilePixels.h"
#include "map/TileRanges.h"

namespace zantor::TileSheetPng {

namespace {
constexpr int kSize = 128;

// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TileSheetPng)
};
}  // namespace

QImage ToImage(const QByteArray& tiles) {
    QImage image(kSize, kSize, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (uint32_t grey : shade::kColours)
        colours.append(0xFF000000u | grey);
    image.setColorTable(colours);
    for (int t = 0; t < 256; ++t) {
        const TileBytes tile = TileFromBytes(tiles.constData() + 16 * t);
        const QPoint at = SheetPixelOfTile(uint8_t(t));
        for (int y = 0; y < 8; ++y) {
            uchar* line = image.scanLine(at.y() + y) + at.x();
            for (int x = 0; x < 8; ++x)
                line[x] = uchar(TilePixel(tile, x, y));
        }
    }
    return image;
}

QByteArray Encode(const QByteArray& tiles) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.write(ToImage(tiles));
    return encoded;
}

bool Save(const QByteArray& tiles, const QString& path, QString* reason) {
    return AtomicFileWriter::write(path, Encode(tiles), reason);
}

Decoded FromImage(const QImage& image) {
    Decoded result;
    if (image.width() != kSize || image.height() != kSize) {
        result.error = Text::tr("The picture is %1 × %2 pixels; a tile sheet is 128 × 128.")
                           .arg(image.width())
                           .arg(image.height());
        return result;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray tiles(kSheetTileBytes, '\0');
    int others = 0;
    QPoint first;
    for (int t = 0; t < 256; ++t) {
        TileBytes tile{};
        const QPoint at = SheetPixelOfTile(uint8_t(t));
        for (int y = 0; y < 8; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(at.y() + y));
            for (int x = 0; x < 8; ++x) {
                const uint32_t colour = line[at.x() + x] & 0xFFFFFF;
                int number = 0;
                while (number < 4 && shade::kColours[size_t(number)] != colour)
                    ++number;
                if (number == 4) {
                    const QPoint here = at + QPoint(x, y);
                    // The first in reading order, not in tile order.
                    if (others == 0 || here.y() < first.y() ||
                        (here.y() == first.y() && here.x() < first.x()))
                        first = here;
                    ++others;
                    number = 0;
                }
                SetTilePixel(tile, x, y, number);
            }
        }
        std::copy(tile.begin(), tile.end(), tiles.begin() + 16 * t);
    }
    if (others > 0) {
        result.error = QCoreApplication::translate(
                           "TileSheetPng",
                           "%n pixel(s) of the picture are none of the four greys (white, light "
                           "grey, dark grey, black); the first is at (%1, %2).",
                           nullptr, others)
                           .arg(first.x())
                           .arg(first.y());
        return result;
    }
    result.ok = true;
    result.tiles = tiles;
    return result;
}

Decoded Load(const QString& path) {
    QString reason;
    const std::optional<Picture> picture = ImageFiles::LoadPicture(path, &reason);
    if (!picture) {
        Decoded refused;
        refused.error = reason;
        return refused;
    }
    return FromImage(picture->image());
}

}  // namespace zantor::TileSheetPng
