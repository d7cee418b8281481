// Picture files as the title import meets them: every bitmap depth, smaller and larger than
// the sheet, and files that are no picture, are cut short or claim to be a huge one. A
// picture is either taken or refused with a reason; never more.
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "base/ImageFiles.h"
#include "codec/RomFile.h"
#include "map/TitleScreen.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// The sample's title sheet: all four greys, a different pattern in every tile.
QImage SampleSheet() {
    static const Picture sheet =
        TitleScreen::load(RomFile::fromBytes(BuildSampleCartridge(0)), 0).sheet;
    return sheet.image();
}

// The 4096 tile bytes the title import writes for a picture.
QByteArray TilesOf(const Picture& picture) {
    RomFile rom = RomFile::fromBytes(QByteArray(0x16000, '\0'));
    TitleScreen::WriteTiles(rom, 0, picture);
    return rom.bytes().mid(TitleScreen::TilesOffset(0), TitleScreen::kTileBytes);
}

int ShadeIndex(QRgb colour) {
    for (int i = 0; i < 4; ++i)
        if ((colour & 0xFFFFFF) == shade::kColours[size_t(i)])
            return i;
    qFatal("not one of the four greys");
}

// A Windows bitmap: the 54-byte header, a colour table of the four greys (padded with unused
// colours to `colours`) and the pixels as given.
QByteArray Bitmap(int w, int h, int bits, int colours, const QByteArray& pixels,
                  uint32_t compression = 0) {
    const uint32_t offset = 54 + 4 * colours, size = uint32_t(pixels.size());
    QByteArray out;
    QDataStream header(&out, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    header << quint8('B') << quint8('M') << offset + size << 0u << offset << 40u << quint32(w)
           << quint32(h) << quint16(1) << quint16(bits) << compression << size << 0u << 0u
           << quint32(colours) << 0u;
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < 4 ? shade::kColours[size_t(i)] : qRgb(200, 20 * i, 10);
        header << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    return out + pixels;
}

// What QImage does not write: 4 bits a pixel with a 16-colour table, and 32 bits without
// alpha. Bottom-up rows padded to four bytes.
QByteArray HandBitmap(const QImage& image, int bits) {
    const int w = image.width(), h = image.height(), stride = (w * bits + 31) / 32 * 4;
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        char* row = pixels.data() + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            if (bits == 4)
                row[x / 2] = char(row[x / 2] | ShadeIndex(c) << (x % 2 ? 0 : 4));
            else
                qToLittleEndian(uint32_t(c & 0xFFFFFF), row + 4 * x);
        }
    }
    return Bitmap(w, h, bits, bits == 4 ? 16 : 0, pixels);
}

// A 16 × 16 run-length coded bitmap whose row y (from the bottom) is all grey y % 4, cut after
// `rows` rows (16: whole, with its end code).
QByteArray RunLengthBitmap(int rows) {
    QByteArray pixels;
    for (int y = 0; y < rows; ++y)  // 16 pixels of y % 4, end of line
        pixels += QByteArray(1, 16) + char(y % 4) + QByteArray(2, '\0');
    if (rows == 16)
        pixels += QByteArray("\0\1", 2);  // end of bitmap
    return Bitmap(16, 16, 8, 4, pixels, 1 /* BI_RLE8 */);
}

QByteArray Encoded(const QImage& image, const char* format = "BMP") {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("QImage did not write %s", format);
    return bytes;
}

// A bitmap header that claims width × height at 24 bits, followed by almost nothing.
QByteArray ClaimingBitmap(int width, int height) {
    return Bitmap(width, height, 24, 0, QByteArray(4, '\0'));
}
}  // namespace

class TestImageFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    std::optional<Picture> load(const QByteArray& bytes, QString* reason) {
        return ImageFiles::LoadPicture(WriteFile(dir_, "in.bmp", bytes), reason);
    }

private slots:
    void everyFormatImportsWhatItShows_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QImage>("shows");
        const QImage sheet = SampleSheet();
        // One bit a pixel keeps two colours: a sheet in white and black only.
        const QImage twoTone = sheet.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        QTest::newRow("1-bit") << Encoded(twoTone) << twoTone;
        QTest::newRow("4-bit, 16-colour table") << HandBitmap(sheet, 4) << sheet;
        QTest::newRow("8-bit") << Encoded(sheet.convertToFormat(QImage::Format_Indexed8)) << sheet;
        QTest::newRow("24-bit") << Encoded(sheet.convertToFormat(QImage::Format_RGB888)) << sheet;
        QTest::newRow("32-bit, no alpha") << HandBitmap(sheet, 32) << sheet;
        QTest::newRow("PNG") << Encoded(sheet, "PNG") << sheet;
        QImage runs(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                runs.setPixel(x, 15 - y, 0xFF000000 | shade::kColours[size_t(y % 4)]);
        QTest::newRow("run-length coded") << RunLengthBitmap(16) << runs;
        // Smaller and larger than the sheet: taken from the top-left.
        QTest::newRow("64 x 40") << Encoded(sheet.copy(0, 0, 64, 40)) << sheet.copy(0, 0, 64, 40);
        const QImage large = sheet.copy(0, 0, 300, 200);
        QTest::newRow("300 x 200") << Encoded(large) << large;
    }
    void everyFormatImportsWhatItShows() {
        QFETCH(QByteArray, file);
        QFETCH(QImage, shows);
        QString reason;
        const std::optional<Picture> picture = load(file, &reason);
        QVERIFY2(picture, qPrintable(reason));
        QCOMPARE(picture->image().size(), shows.size());
        QCOMPARE(TilesOf(*picture), TilesOf(Picture::fromImage(shows)));
    }

    void whatIsNoWholePictureIsRefusedWithAReason_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QImage sheet = SampleSheet();
        QTest::newRow("text file") << QByteArray("no picture here\n") << "Not a picture";
        QTest::newRow("empty file") << QByteArray() << "Not a picture";
        // Qt's reader keeps the rows that are there and leaves the others as the memory was.
        QTest::newRow("header only") << Encoded(sheet).left(54) << "cut short";
        const QByteArray indexed = Encoded(sheet.convertToFormat(QImage::Format_Indexed8));
        QTest::newRow("8-bit, half") << indexed.left(indexed.size() / 2) << "cut short";
        const QByteArray hand = HandBitmap(sheet, 4);
        QTest::newRow("4-bit, one byte short") << hand.left(hand.size() - 1) << "cut short";
        // Its size is not in its header: the missing rows give it away.
        QTest::newRow("run-length coded, half") << RunLengthBitmap(8) << "cut short";
        // Below Qt's own limit a header alone would cost hundreds of megabytes to decode.
        QTest::newRow("30000 x 30000 header") << ClaimingBitmap(30000, 30000) << "cut short";
        // Found by fuzzing: sizes whose product overflowed in the check for a short file.
        QByteArray absurd = ClaimingBitmap(0x7FFFFFFF, -0x7FFFFFFF);
        qToLittleEndian(uint16_t(0xFFFF), absurd.data() + 28);
        QTest::newRow("absurd header") << absurd << "Not a picture";
        QTest::newRow("4097 x 4096 header") << ClaimingBitmap(4097, 4096) << "too large";
    }
    void whatIsNoWholePictureIsRefusedWithAReason() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!load(file, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void foldersAndMissingFilesAreRefused() {
        QString reason;
        QVERIFY(!ImageFiles::LoadPicture(dir_.path(), &reason) && reason.contains("folder"));
        QVERIFY(!ImageFiles::LoadPicture(dir_.filePath("missing.bmp"), &reason) &&
                reason.contains("No such file"));
    }
};

QTEST_GUILESS_MAIN(TestImageFiles)
#include "tst_ImageFiles.moc"
