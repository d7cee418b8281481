#include "ImageFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include "AtomicFileWriter.h"

namespace zantor {

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
        return fail(QStringLiteral("No such file"));
    if (info.isDir())
        return fail(QStringLiteral("It is a folder, not a picture"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxLoadPixels) {
        return fail(QStringLiteral("The picture is %1 × %2 pixels, too large to load")
                        .arg(size.width())
                        .arg(size.height()));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return fail(
            QStringLiteral("Not a picture that can be read (%1)").arg(reader.errorString()));
    }
    return Picture::fromImage(image);
}

}  // namespace zantor
