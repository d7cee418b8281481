// Picture files as the title import meets them: every bitmap depth, smaller and larger than
// the sheet, and files that are no picture or claim to be a huge one. A picture is either
// taken (and its top-left 128 × 128 become the tiles) or refused with a reason; never more.
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
constexpr int kSheet = TitleScreen::kSheetSize;

// The sample's title sheet: all four greys, a different pattern in every tile.
const Picture& SampleSheet() {
    static const Picture sheet =
        TitleScreen::load(RomFile::fromBytes(BuildSampleCartridge(0)), 0).picTiles;
    return sheet;
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
    return 0;
}

// A Windows bitmap: the 54-byte header, the colour table and the pixels as given.
QByteArray Bitmap(int w, int h, int bits, const QList<QRgb>& table, const QByteArray& pixels,
                  uint32_t compression = 0) {
    QByteArray out(54, '\0');
    const int offset = 54 + 4 * int(table.size());
    auto put32 = [&](int at, uint32_t v) { qToLittleEndian(v, out.data() + at); };
    out[0] = 'B', out[1] = 'M';
    put32(2, uint32_t(offset + pixels.size()));
    put32(10, uint32_t(offset));
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    qToLittleEndian(uint16_t(1), out.data() + 26);
    qToLittleEndian(uint16_t(bits), out.data() + 28);
    put32(30, compression);
    put32(34, uint32_t(pixels.size()));
    put32(46, uint32_t(table.size()));
    for (QRgb c : table) {
        const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
        out.append(entry, 4);
    }
    return out + pixels;
}

QList<QRgb> Greys() {
    QList<QRgb> table;
    for (uint32_t grey : shade::kColours)
        table << (0xFF000000u | grey);
    return table;
}

// A bitmap written by hand, for what QImage does not write: 4 bits a pixel with a 16-colour
// table, and 32 bits without alpha. Bottom-up rows padded to four bytes.
QByteArray HandBitmap(const QImage& image, int bits) {
    const int w = image.width(), h = image.height();
    QList<QRgb> table;
    if (bits == 4) {
        table = Greys();
        while (table.size() < 16)
            table << qRgb(200, 20 * table.size(), 10);  // unused colours, as a painter leaves
    }
    const int stride = (w * bits + 31) / 32 * 4;
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        char* row = pixels.data() + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            if (bits == 4) {
                row[x / 2] = char(row[x / 2] | ShadeIndex(c) << (x % 2 ? 0 : 4));
            } else {
                row[4 * x] = char(qBlue(c));
                row[4 * x + 1] = char(qGreen(c));
                row[4 * x + 2] = char(qRed(c));
            }
        }
    }
    return Bitmap(w, h, bits, table, pixels);
}

// A 16 × 16 run-length coded bitmap (8 bits a pixel, the four greys) whose rows are solid
// runs of colour y % 4, cut after `rows` rows (16: whole, with its end code).
QByteArray RunLengthBitmap(int rows) {
    QByteArray pixels;
    for (int y = 0; y < rows; ++y) {
        const char row[4] = {16, char(y % 4), 0, 0};  // 16 pixels of y % 4, end of line
        pixels.append(row, 4);
    }
    if (rows == 16)
        pixels.append("\0\1", 2);  // end of bitmap
    return Bitmap(16, 16, 8, Greys(), pixels, 1 /* BI_RLE8 */);
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("QImage did not write %s", format);
    return bytes;
}

// A bitmap header that claims width × height at 24 bits, followed by almost nothing.
QByteArray ClaimingBitmap(int width, int height) {
    return Bitmap(width, height, 24, {}, QByteArray(4, '\0'));
}

std::optional<Picture> Load(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes,
                            QString* reason) {
    return ImageFiles::LoadPicture(WriteFile(dir, name, bytes), reason);
}
}  // namespace

class TestImageFiles : public QObject {
    Q_OBJECT

private slots:
    void everyBitmapDepthImportsTheSameTiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("tiles");
        const QImage sheet = SampleSheet().image();
        const QByteArray exact = TilesOf(SampleSheet());

        // One bit a pixel keeps two colours: a sheet in white and black only.
        QImage twoTone = sheet.copy();
        for (int y = 0; y < kSheet; ++y)
            for (int x = 0; x < kSheet; ++x)
                twoTone.setPixel(x, y, ShadeIndex(sheet.pixel(x, y)) < 2 ? 0xFFFFFFFF : 0xFF000000);
        QTest::newRow("1-bit (Mono)")
            << Encoded(twoTone.convertToFormat(QImage::Format_Mono), "BMP")
            << TilesOf(Picture::fromImage(twoTone));

        QTest::newRow("4-bit, 16-colour table") << HandBitmap(sheet, 4) << exact;
        QList<QRgb> table = Greys();
        for (int i = 4; i < 16; ++i)
            table << qRgb(10 * i, 255 - 10 * i, 77);
        QTest::newRow("8-bit (Indexed8, 16 colours)")
            << Encoded(sheet.convertToFormat(QImage::Format_Indexed8, table), "BMP") << exact;
        QTest::newRow("24-bit (RGB888)")
            << Encoded(sheet.convertToFormat(QImage::Format_RGB888), "BMP") << exact;
        QTest::newRow("32-bit (ARGB32)")
            << Encoded(sheet.convertToFormat(QImage::Format_ARGB32), "BMP") << exact;
        QTest::newRow("32-bit, no alpha, by hand") << HandBitmap(sheet, 32) << exact;
        QTest::newRow("PNG") << Encoded(sheet, "PNG") << exact;
    }
    void everyBitmapDepthImportsTheSameTiles() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, tiles);
        QTemporaryDir dir;
        QString reason;
        const std::optional<Picture> picture = Load(dir, "in.bmp", file, &reason);
        QVERIFY2(picture, qPrintable(reason));
        QCOMPARE(picture->width(), kSheet);
        QCOMPARE(picture->height(), kSheet);
        QCOMPARE(TilesOf(*picture), tiles);
    }

    void smallerAndLargerPicturesFillFromTheTopLeft() {
        QTemporaryDir dir;
        QString reason;
        const QImage sheet = SampleSheet().image();

        // 64 × 40: eight tiles of the first five rows; every other tile is colour 0.
        const std::optional<Picture> small =
            Load(dir, "small.bmp", Encoded(sheet.copy(0, 0, 64, 40), "BMP"), &reason);
        QVERIFY2(small, qPrintable(reason));
        const QByteArray tiles = TilesOf(*small);
        const QByteArray exact = TilesOf(SampleSheet());
        for (int tile = 0; tile < 256; ++tile) {
            const bool covered = tile % 16 < 8 && tile / 16 < 5;
            const QByteArray got = tiles.mid(16 * tile, 16);
            QCOMPARE(got, covered ? exact.mid(16 * tile, 16) : QByteArray(16, '\0'));
        }

        // 300 × 200 with the sheet at its top-left: exactly the sheet's tiles.
        QImage large(300, 200, QImage::Format_RGB32);
        large.fill(Qt::red);
        for (int y = 0; y < kSheet; ++y)
            for (int x = 0; x < kSheet; ++x)
                large.setPixel(x, y, sheet.pixel(x, y));
        const std::optional<Picture> big = Load(dir, "large.bmp", Encoded(large, "BMP"), &reason);
        QVERIFY2(big, qPrintable(reason));
        QCOMPARE(big->width(), 300);
        QCOMPARE(TilesOf(*big), exact);
    }

    void whatIsNoPictureIsRefusedWithAReason_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file")
            << QByteArray("Tree Zone 1\nno picture here\n") << "Not a picture";
        QTest::newRow("empty file") << QByteArray() << "Not a picture";
        QTest::newRow("bitmap header only")
            << Encoded(SampleSheet().image(), "BMP").left(54) << "cut short";
        // Below Qt's own limit a header alone would cost hundreds of megabytes to decode, for
        // a file of 58 bytes: the size guard refuses it first.
        QTest::newRow("30000 x 30000 header") << ClaimingBitmap(30000, 30000) << "cut short";
        // Found by fuzzing: sizes whose product overflowed in the check for a short file.
        QByteArray absurd = ClaimingBitmap(0x7FFFFFFF, -0x7FFFFFFF);
        qToLittleEndian(uint16_t(0xFFFF), absurd.data() + 28);
        QTest::newRow("absurd header") << absurd << "Not a picture";
        QTest::newRow("5000 x 5000 header") << ClaimingBitmap(5000, 5000) << "too large";
        QTest::newRow("4097 x 4096 header") << ClaimingBitmap(4097, 4096) << "too large";
    }
    void whatIsNoPictureIsRefusedWithAReason() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString why;
        QVERIFY(!Load(dir, "in.bmp", file, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void aTruncatedBitmapIsRefused() {
        // Qt's bitmap reader keeps the rows that are there and leaves the others as the
        // memory was; a tile sheet with made-up rows must not reach the ROM.
        QTemporaryDir dir;
        const QImage sheet = SampleSheet().image();
        const QList<QByteArray> files{
            Encoded(sheet.convertToFormat(QImage::Format_Mono), "BMP"), HandBitmap(sheet, 4),
            Encoded(sheet.convertToFormat(QImage::Format_Indexed8), "BMP"), Encoded(sheet, "BMP"),
            HandBitmap(sheet, 32)};
        for (const QByteArray& whole : files) {
            QString reason;
            QVERIFY(Load(dir, "whole.bmp", whole, &reason));
            for (qsizetype keep : {qsizetype(60), whole.size() / 2, whole.size() - 1}) {
                QVERIFY(!Load(dir, "cut.bmp", whole.left(keep), &reason));
                QVERIFY2(reason.contains("cut short"), qPrintable(reason));
            }
        }
    }

    void aCutShortRunLengthBitmapIsRefused() {
        // Its size is not in its header: what gives it away is that the missing rows come out
        // as whatever the memory held.
        QTemporaryDir dir;
        QString reason;
        const std::optional<Picture> whole = Load(dir, "rle.bmp", RunLengthBitmap(16), &reason);
        QVERIFY2(whole, qPrintable(reason));
        for (int y = 0; y < 16; ++y)  // bottom row first
            QCOMPARE(whole->GetPixel(3, 15 - y), shade::kColours[size_t(y % 4)]);
        QVERIFY(!Load(dir, "rle.bmp", RunLengthBitmap(8), &reason));
        QVERIFY2(reason.contains("cut short"), qPrintable(reason));
    }

    void foldersAndMissingFilesAreRefused() {
        QTemporaryDir dir;
        QString reason;
        QVERIFY(!ImageFiles::LoadPicture(dir.path(), &reason));
        QVERIFY(reason.contains("folder"));
        QVERIFY(!ImageFiles::LoadPicture(dir.filePath("missing.bmp"), &reason));
        QVERIFY(reason.contains("No such file"));
    }
};

QTEST_GUILESS_MAIN(TestImageFiles)
#include "tst_ImageFiles.moc"
