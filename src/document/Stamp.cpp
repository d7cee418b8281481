#include "Stamp.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "codec/MapCodec.h"
#include "map/BlockSet.h"

namespace zantor {

Stamp::Stamp(QSize size, std::vector<int> cells) : size_(size), cells_(std::move(cells)) {
    if (size_.isEmpty() || cells_.size() != size_t(size_.width() * size_.height())) {
        size_ = QSize();
        cells_.clear();
    }
}

Stamp Stamp::flipped(bool horizontally) const {
    std::vector<int> cells(cells_.size());
    const int w = width(), h = height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            cells[size_t(y * w + x)] = horizontally ? at(w - 1 - x, y) : at(x, h - 1 - y);
    }
    return Stamp(size_, std::move(cells));
}

QString Stamp::toText() const {
    QString text;
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            if (x > 0)
                text += QLatin1Char('\t');
            if (at(x, y) != kHole)
                text += QString::number(at(x, y), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

Stamp::Parsed Stamp::fromText(const QString& text) {
    QStringList lines =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    // The line end after the last row, and blank lines a copy may carry at its end.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return {{}, QCoreApplication::translate("Stamp", "The clipboard holds no block numbers.")};
    if (lines.size() > kMapRows)
        return {{},
                QCoreApplication::translate("Stamp", "The grid has %1 rows; a level has %2.")
                    .arg(lines.size())
                    .arg(kMapRows)};
    std::vector<std::vector<int>> rows;
    int width = 0;
    bool anyBlock = false;
    for (int y = 0; y < lines.size(); ++y) {
        const QStringList fields = lines[y].split(QLatin1Char('\t'));
        if (fields.size() > kMapColumns)
            return {{},
                    QCoreApplication::translate("Stamp", "Row %1 has %2 cells; a level is %3 wide.")
                        .arg(y + 1)
                        .arg(fields.size())
                        .arg(kMapColumns)};
        std::vector<int> row;
        for (int x = 0; x < fields.size(); ++x) {
            const QString field = fields[x].trimmed();
            if (field.isEmpty()) {
                row.push_back(kHole);
                continue;
            }
            bool ok = false;
            const int value = field.size() <= 2 ? field.toInt(&ok, 16) : -1;
            if (!ok || value < 0 || value >= kBlockCount)
                return {{},
                        QCoreApplication::translate("Stamp",
                                                    "Row %1, cell %2: \"%3\" is not a block number "
                                                    "(two hex digits, 00 to 7F).")
                            .arg(y + 1)
                            .arg(x + 1)
                            .arg(field.left(20))};
            row.push_back(value);
            anyBlock = true;
        }
        width = std::max(width, int(row.size()));
        rows.push_back(std::move(row));
    }
    if (!anyBlock)
        return {{}, QCoreApplication::translate("Stamp", "The clipboard holds no block numbers.")};
    // A spreadsheet drops the empty cells at the end of a row: they are holes.
    std::vector<int> cells;
    for (auto& row : rows) {
        row.resize(size_t(width), kHole);
        cells.insert(cells.end(), row.begin(), row.end());
    }
    return {Stamp(QSize(width, int(rows.size())), std::move(cells)), {}};
}

}  // namespace zantor
