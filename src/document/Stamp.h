#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace zantor {

// A rectangle of block numbers that the brush, the bucket and the shape fill place: copied
// cells, a rectangle taken from the palette, or a grid pasted as text. A cell may be a hole
// (kHole), which placing leaves as it is, so that a copy of a non-rectangular selection
// places only what was selected.
class Stamp {
public:
    static constexpr int kHole = -1;

    Stamp() = default;
    // `cells` row by row, size.width() × size.height() of them (block numbers or kHole).
    Stamp(QSize size, std::vector<int> cells);

    bool isEmpty() const { return cells_.empty(); }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    QSize size() const { return size_; }
    int at(int x, int y) const { return cells_[size_t(y * size_.width() + x)]; }
    // The stamp repeated over the plane from (0, 0): what a fill tiles with.
    int tiledAt(int x, int y) const {
        const int w = size_.width(), h = size_.height();
        return at(((x % w) + w) % w, ((y % h) + h) % h);
    }
    Stamp flipped(bool horizontally) const;
    bool operator==(const Stamp& other) const = default;

    // A tab-separated grid of two-digit hex block numbers, one line per row; a hole is an
    // empty field. Spreadsheets and text editors read and write it as it is.
    QString toText() const;
    struct Parsed;
    // Reads such a grid (also with CR LF lines, spaces around the numbers and one-digit
    // numbers). Refuses anything else with a message that says where.
    static Parsed fromText(const QString& text);

private:
    QSize size_;
    std::vector<int> cells_;
};

struct Stamp::Parsed {
    std::optional<Stamp> stamp;
    QString error;  // why the text is no stamp, when it is not
};

}  // namespace zantor
