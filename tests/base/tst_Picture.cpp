#include <QtTest>

#include "base/Picture.h"

using namespace zantor;

namespace {
// A picture whose every pixel tells its own position.
Picture numbered(int w, int h) {
    Picture picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.SetPixel(x, y, uint32_t(y << 12 | x));
    picture.takeDirty();
    return picture;
}
}  // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void pixelsInsideAndOutside() {
        Picture picture(4, 3, 0x000000);
        picture.SetPixel(3, 2, 0xABCDEF);
        QCOMPARE(picture.GetPixel(3, 2), 0xABCDEFu);
        QCOMPARE(picture.GetPixel(4, 0), Picture::kInvalidColour);
        QCOMPARE(picture.GetPixel(0, -1), Picture::kInvalidColour);
        picture.SetPixel(-1, 0, 0xFFFFFF);  // ignored
        QCOMPARE(picture.GetPixel(0, 0), 0u);
        QCOMPARE(picture.takeDirty(), QRect(3, 2, 1, 1));
    }

    void bitBltClipsAndHandlesOverlap() {
        const Picture src = numbered(8, 8);
        Picture dst(8, 8, 0);
        BitBlt(dst, 6, -1, 4, 3, src, 1, 2);  // clipped to 2 × 2 at (6, 0) from (1, 3)
        QCOMPARE(dst.GetPixel(6, 0), src.GetPixel(1, 3));
        QCOMPARE(dst.GetPixel(7, 1), src.GetPixel(2, 4));
        QCOMPARE(dst.GetPixel(5, 0), 0u);
        QCOMPARE(dst.takeDirty(), QRect(6, 0, 2, 2));
        // Within one picture, both ways.
        Picture down = src, up = src;
        BitBlt(down, 1, 1, 6, 6, down, 0, 0);
        BitBlt(up, 0, 0, 6, 6, up, 1, 1);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                QCOMPARE(down.GetPixel(x + 1, y + 1), src.GetPixel(x, y));
                QCOMPARE(up.GetPixel(x, y), src.GetPixel(x + 1, y + 1));
            }
    }

    void stretchEnlargesByTwoAlsoIntoItselfAndClips() {
        Picture picture = numbered(8, 4);
        const Picture before = picture;
        StretchBlt(picture, 0, 0, 8, 4, picture, 0, 0, 4, 2);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(picture.GetPixel(x, y), before.GetPixel(x / 2, y / 2));
        // Clipped at odd positions on every side, against a pixel-by-pixel reference.
        const Picture src = numbered(5, 3);
        for (const QPoint at : {QPoint(-1, -1), QPoint(4, 3)}) {
            Picture dst(9, 6, 0x777777);
            StretchBlt(dst, at.x(), at.y(), 10, 6, src, 0, 0, 5, 3);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 9; ++x) {
                    const int sx = (x - at.x()) / 2, sy = (y - at.y()) / 2;
                    const bool inside = x >= at.x() && y >= at.y() && sx < 5 && sy < 3;
                    QCOMPARE(dst.GetPixel(x, y), inside ? src.GetPixel(sx, sy) : 0x777777u);
                }
        }
        // Any other ratio is not a supported call and draws nothing.
        Picture untouched = before;
        StretchBlt(untouched, 0, 0, 6, 4, before, 0, 0, 4, 2);
        QCOMPARE(untouched.image(), before.image());
    }

    void copiesSharePixelsUntilDrawnInto() {
        Picture a = numbered(16, 16);
        Picture b = a;
        const auto pixels = [](const Picture& picture) { return picture.image().constBits(); };
        QVERIFY(pixels(a) == pixels(b));
        b.SetPixel(0, 0, 0x111111);
        QVERIFY(pixels(a) != pixels(b));
        QCOMPARE(a.GetPixel(0, 0), 0u);
        QCOMPARE(b.GetPixel(0, 0), 0x111111u);
    }
};

QTEST_GUILESS_MAIN(TestPicture)
#include "tst_Picture.moc"
