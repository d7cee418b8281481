#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>

namespace zantor {

// A picture with a persistent image: what is drawn into it stays until drawn over. Pixels are
// 24-bit colours 0xRRGGBB. Copies share their pixels until one side is drawn into (QImage's
// implicit sharing), so copying a whole picture costs nothing until it is changed.
//
// Every drawing call adds the rectangle it touched to the dirty rectangle (takeDirty()), so a
// view can repaint only what changed.
class Picture {
public:
    // What GetPixel returns outside the picture, like a device context does.
    static constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;
    static constexpr uint32_t kWhite = 0xFFFFFF;

    Picture() = default;
    Picture(int width, int height, uint32_t fill = kWhite);
    // For a picture the caller is about to cover wholly: the pixels start undefined.
    struct Uninitialized {};
    Picture(int width, int height, Uninitialized);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isNull() const { return image_.isNull(); }

    // Outside the picture SetPixel does nothing and GetPixel returns kInvalidColour.
    void SetPixel(int x, int y, uint32_t colour);
    uint32_t GetPixel(int x, int y) const;

    // Direct row access for codecs and copies: width() pixels of 0xFFRRGGBB.
    // The writable row detaches shared pixels; the caller reports what it changed.
    uint32_t* scanLine(int y) { return reinterpret_cast<uint32_t*>(image_.scanLine(y)); }
    const uint32_t* constScanLine(int y) const {
        return reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    }
    void markDirty(const QRect& rect) { dirty_ |= rect & image_.rect(); }

    QRect takeDirty() {
        const QRect rect = dirty_;
        dirty_ = QRect();
        return rect;
    }

    const QImage& image() const { return image_; }
    // For drawing code that writes whole rows; the caller reports what it changed.
    QImage& image() { return image_; }
    // Takes any image; it is converted to the picture's own format.
    static Picture fromImage(const QImage& image);

private:
    QImage image_;
    QRect dirty_;
};

// Copies a w × h rectangle from (sx, sy) of src to (x, y) of dst, clipped to both pictures.
// src and dst may be the same picture, also with overlapping rectangles.
void BitBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy);

// Enlarges (sx, sy, sw, sh) of src by exactly two into (x, y, 2sw, 2sh) of dst: every source
// pixel becomes a 2 × 2 square. Other ratios are not supported and do nothing. src and dst may
// be the same picture; the source is read before anything is written.
void StretchBlt(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
                int sw, int sh);

}  // namespace zantor
