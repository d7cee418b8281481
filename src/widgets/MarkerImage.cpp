#include "MarkerImage.h"

#include <array>

namespace zantor {

namespace {
// One character a pixel: '.' transparent, others from the palette below.
QImage fromArt(const char* const* rows, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            switch (rows[y][x]) {
                case 'k':
                    colour = qRgb(0, 0, 0);
                    break;
                case 'r':
                    colour = qRgb(216, 40, 40);
                    break;
                case 'b':
                    colour = qRgb(40, 72, 200);
                    break;
                case 's':
                    colour = qRgb(252, 200, 150);
                    break;
                case 'y':
                    colour = qRgb(248, 216, 32);
                    break;
                case 'w':
                    colour = qRgb(255, 255, 255);
                    break;
                case 'n':
                    colour = qRgb(120, 64, 24);
                    break;
                default:
                    continue;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}
}  // namespace

QImage MarkerImage() {
    static const char* const art[32] = {
        "................", "................", ".....kkkkkk.....", "....krrrrrrk....",
        "...krrrrrrrrk...", "...kkkkrrkkkkk..", "...knnssssk.....", "..knsnsssskk....",
        "..knsnnsssssk...", "..knnsssskkkk...", "...kksssssk.....", "....kssssk......",
        "...krrbrrk......", "..krrrbrrrk.....", ".krrrrbbrrrk....", ".krrrbbbbrrk....",
        ".kssrbybbrssk...", ".ksssbbbbsssk...", ".kssbbbbbbssk...", "..kkbbbbbbkk....",
        "...kbbbbbbk.....", "...kbbbkbbbk....", "..kbbbk.kbbbk...", "..kbbk...kbbk...",
        "..knnk...knnk...", ".knnnk...knnnk..", ".kkkkk...kkkkk..", "................",
        "................", "................", "................", "................",
    };
    return fromArt(art, 16, 32);
}

QImage WindowIconImage() {
    static const char* const art[16] = {
        "kkkkkkkkkkkkkkkk", "kyyyyyyyyyyyyyyk", "kykkkkkkkkkkkkyk", "kykkkkkkkkkkkkyk",
        "kyyyyyyyyykkkyyk", "kyyyyyyyykkkyyyk", "kyyyyyyykkkyyyyk", "kyyyyyykkkyyyyyk",
        "kyyyyykkkyyyyyyk", "kyyyykkkyyyyyyyk", "kyyykkkyyyyyyyyk", "kyykkkyyyyyyyyyk",
        "kykkkkkkkkkkkkyk", "kykkkkkkkkkkkkyk", "kyyyyyyyyyyyyyyk", "kkkkkkkkkkkkkkkk",
    };
    return fromArt(art, 16, 16);
}

}  // namespace zantor
