#include "ImageFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstdlib>
#include <cstring>

#include "AtomicFileWriter.h"

namespace zantor {

namespace {
const char* const kCutShort = QT_TRANSLATE_NOOP(
    "ImageFiles",
    "The picture file is cut short or damaged: it does not hold all the pixels its header "
    "announces");

// Decodes the file into an image that is filled with `fill` beforehand, where the reader tells
// the size and format up front. Qt's readers decode into the image they are given; the bitmap
// reader leaves the rows a cut-short file lacks as they were, which would otherwise be
// whatever the memory held.
QImage decode(const QString& path, QSize size, QImage::Format format, uint fill, QString* error) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (size.isValid() && format != QImage::Format_Invalid) {
        image = QImage(size, format);
        image.fill(fill);
    }
    if (!reader.read(&image)) {
        *error = reader.errorString();
        return {};
    }
    return image;
}

// Whether the file is a Windows bitmap without compression that holds fewer bytes than the
// rows its header announces. Qt's reader makes up the missing rows (at 4 bits a pixel it
// repeats the last row read), which the decoding twice below cannot tell from real ones.
bool bitmapCutShort(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray h = file.read(34);
    const char* p = h.constData();
    // The header of 40 bytes or more (not the old 12-byte one), uncompressed or bit fields.
    if (h.size() < 34 || !h.startsWith("BM") || qFromLittleEndian<uint32_t>(p + 14) < 40) {
        return false;
    }
    const uint32_t compression = qFromLittleEndian<uint32_t>(p + 30);
    if (compression != 0 && compression != 3) {
        return false;
    }
    const qint64 offset = qFromLittleEndian<uint32_t>(p + 10);
    const qint64 width = qFromLittleEndian<int32_t>(p + 18);
    const qint64 height = std::abs(qint64(qFromLittleEndian<int32_t>(p + 22)));
    const qint64 bits = qFromLittleEndian<uint16_t>(p + 28);
    // Beyond these no reader decodes it anyway, and the sizes stay far from overflowing.
    constexpr qint64 kLargest = 1 << 24;
    if (width <= 0 || width > kLargest || height > kLargest || bits == 0 || bits > 32) {
        return false;
    }
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return offset + stride * height > file.size();
}

// Whether two decodes wrote the same pixels: the bits of each row's pixels, not its padding.
bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format()) {
        return false;
    }
    const qint64 bits = qint64(a.width()) * a.depth();
    const qint64 whole = bits / 8;
    const int rest = int(bits % 8);
    // Only the one-bit formats end a row inside a byte; MonoLSB fills a byte from bit 0.
    const uint8_t lastMask = a.format() == QImage::Format_MonoLSB ? uint8_t(0xFF >> (8 - rest))
                                                                  : uint8_t(0xFF << (8 - rest));
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        if (std::memcmp(p, q, size_t(whole)) != 0) {
            return false;
        }
        if (rest != 0 && ((p[whole] ^ q[whole]) & lastMask) != 0) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool ImageFiles::SavePicture(const Picture& picture, const QString& path, const char* format,
                             QString* reason) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // RGB32 is written as 24-bit colour, so the greys stay exact.
    if (!writer.write(picture.image())) {
        if (reason)
            *reason = writer.errorString();
        return false;
    }
    return AtomicFileWriter::write(path, encoded, reason);
}

std::optional<Picture> ImageFiles::LoadPicture(const QString& path, QString* reason) {
    auto fail = [&](const QString& why) -> std::optional<Picture> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QCoreApplication::translate("ImageFiles", "No such file"));
    if (info.isDir())
        return fail(QCoreApplication::translate("ImageFiles", "It is a folder, not a picture"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxLoadPixels) {
        return fail(QCoreApplication::translate("ImageFiles",
                                                "The picture is %1 × %2 pixels, too large to load")
                        .arg(size.width())
                        .arg(size.height()));
    }
    if (bitmapCutShort(path)) {
        return fail(QCoreApplication::translate("ImageFiles", kCutShort));
    }
    // Decoded twice over different fillings: a pixel the file does not define (a bitmap cut
    // short) comes out differently, and such a file is refused rather than taken with made-up
    // rows.
    const QImage::Format format = reader.imageFormat();
    QString error;
    const QImage image = decode(path, size, format, 0u, &error);
    if (image.isNull()) {
        return fail(QCoreApplication::translate("ImageFiles", "Not a picture that can be read (%1)")
                        .arg(error));
    }
    const QImage check = decode(path, size, format, ~0u, &error);
    if (!samePixels(image, check)) {
        return fail(QCoreApplication::translate("ImageFiles", kCutShort));
    }
    return Picture::fromImage(image);
}

}  // namespace zantor
