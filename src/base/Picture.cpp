#include "Picture.h"

#include <cstring>
#include <vector>

namespace zantor {

namespace {
constexpr uint32_t kOpaque = 0xFF000000u;

// The part of a w × h copy from (sx, sy) to (x, y) that lies inside both pictures.
struct ClippedCopy {
    int x, y, w, h, sx, sy;
    bool empty() const { return w <= 0 || h <= 0; }
};

ClippedCopy clip(int x, int y, int w, int h, int sx, int sy, int srcW, int srcH, int dstW,
                 int dstH) {
    ClippedCopy c{x, y, w, h, sx, sy};
    auto cutLeading = [](int& pos, int& other, int& len) {
        if (pos < 0) {
            other -= pos;
            len += pos;
            pos = 0;
        }
    };
    cutLeading(c.x, c.sx, c.w);
    cutLeading(c.sx, c.x, c.w);
    cutLeading(c.y, c.sy, c.h);
    cutLeading(c.sy, c.y, c.h);
    c.w = std::min({c.w, dstW - c.x, srcW - c.sx});
    c.h = std::min({c.h, dstH - c.y, srcH - c.sy});
    return c;
}
}  // namespace

Picture::Picture(int width, int height, uint32_t fill)
    : image_(width, height, QImage::Format_RGB32) {
    image_.fill(kOpaque | fill);
}

Picture::Picture(int width, int height, Uninitialized)
    : image_(width, height, QImage::Format_RGB32) {}

void Picture::SetPixel(int x, int y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return;
    }
    scanLine(y)[x] = kOpaque | (colour & 0xFFFFFF);
    markDirty(QRect(x, y, 1, 1));
}

uint32_t Picture::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return kInvalidColour;
    }
    return constScanLine(y)[x] & 0xFFFFFF;
}

Picture Picture::fromImage(const QImage& image) {
    Picture picture;
    picture.image_ = image.convertToFormat(QImage::Format_RGB32);
    return picture;
}

void BitBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy) {
    const ClippedCopy c =
        clip(x, y, w, h, sx, sy, src.width(), src.height(), dst.width(), dst.height());
    if (c.empty()) {
        return;
    }
    const size_t rowBytes = size_t(c.w) * sizeof(uint32_t);
    if (&src == &dst) {
        // Same picture: walk rows away from the overlap, and memmove within a row.
        const bool downwards = c.y > c.sy;
        for (int i = 0; i < c.h; ++i) {
            const int row = downwards ? c.h - 1 - i : i;
            uint32_t* line = dst.scanLine(c.y + row);
            const uint32_t* from = dst.constScanLine(c.sy + row);
            std::memmove(line + c.x, from + c.sx, rowBytes);
        }
    } else {
        // Row pointers stepped by the stride: a scanLine() call per row costs more than the
        // copy of a tile's row, and a level load copies thousands of them.
        uint32_t* to = dst.scanLine(c.y) + c.x;
        const uint32_t* from = src.constScanLine(c.sy) + c.sx;
        const qsizetype toStride = dst.image().bytesPerLine() / qsizetype(sizeof(uint32_t));
        const qsizetype fromStride = src.image().bytesPerLine() / qsizetype(sizeof(uint32_t));
        for (int row = 0; row < c.h; ++row) {
            std::memcpy(to + row * toStride, from + row * fromStride, rowBytes);
        }
    }
    dst.markDirty(QRect(c.x, c.y, c.w, c.h));
}

void StretchBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
                int sw, int sh) {
    if (w != 2 * sw || h != 2 * sh || sw <= 0 || sh <= 0) {
        return;
    }
    // Read the whole source first, so that enlarging a picture into itself is safe.
    const ClippedCopy s = clip(0, 0, sw, sh, sx, sy, src.width(), src.height(), sw, sh);
    if (s.empty()) {
        return;
    }
    std::vector<uint32_t> source(size_t(s.w) * s.h);
    for (int row = 0; row < s.h; ++row) {
        std::memcpy(&source[size_t(row) * s.w], src.constScanLine(s.sy + row) + s.sx,
                    size_t(s.w) * sizeof(uint32_t));
    }
    // The source's top-left pixel lands at (x + 2 * s.x, y + 2 * s.y) of dst.
    const int ox = x + 2 * s.x;
    const int oy = y + 2 * s.y;
    const int x0 = std::max(ox, 0);
    const int x1 = std::min(ox + 2 * s.w, dst.width());
    const int y0 = std::max(oy, 0);
    const int y1 = std::min(oy + 2 * s.h, dst.height());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    // Each source row is doubled into one destination row, which the next row then copies.
    const size_t bytes = size_t(x1 - x0) * sizeof(uint32_t);
    for (int dy = y0; dy < y1; ++dy) {
        uint32_t* line = dst.scanLine(dy);
        if (dy > y0 && ((dy - oy) & 1) == 1) {
            std::memcpy(line + x0, dst.constScanLine(dy - 1) + x0, bytes);
            continue;
        }
        const uint32_t* from = &source[size_t((dy - oy) / 2) * s.w];
        int dx = x0;
        if (((dx - ox) & 1) == 1) {
            line[dx] = from[(dx - ox) / 2];
            ++dx;
        }
        const uint32_t* pixel = from + (dx - ox) / 2;
        for (; dx + 1 < x1; dx += 2, ++pixel) {
            line[dx] = *pixel;
            line[dx + 1] = *pixel;
        }
        if (dx < x1)
            line[dx] = *pixel;
    }
    dst.markDirty(QRect(x0, y0, x1 - x0, y1 - y0));
}

}  // namespace zantor
