// The editing tools' side of the document: the selection, the stamp, the background block and
// the edits the tools make, each one undo step.
#include <QLocale>
#include <algorithm>
#include <cstring>

#include "CellShapes.h"
#include "GridEditCommand.h"
#include "LevelDocument.h"
#include "map/HeaderTexts.h"

namespace zantor {

namespace {
const QRect kLevelCells(0, 0, kMapColumns, kMapRows);

QString cellsText(int count) {
    return count == 1
               ? LevelDocument::tr("1 cell")
               : LevelDocument::tr("%1 cells").arg(QLocale(QLocale::English).toString(count));
}
}  // namespace

void LevelDocument::resetToolState() {
    if (!selection_.isEmpty()) {
        selection_ = QRegion();
        emit selectionChanged();
    }
    backgroundBlock_ = mostUsedBlock();
}

void LevelDocument::setSelection(const QRegion& cells) {
    const QRegion inside = cells & kLevelCells;
    if (inside == selection_)
        return;
    selection_ = inside;
    emit selectionChanged();
}

void LevelDocument::setStamp(const Stamp& stamp) {
    if (stamp == stamp_)
        return;
    stamp_ = stamp;
    emit stampChanged();
}

void LevelDocument::flipStamp(bool horizontally) {
    if (hasStamp())
        setStamp(stamp_.flipped(horizontally));
}

void LevelDocument::setBackgroundBlock(int block) {
    block = std::clamp(block, 0, kBlockCount - 1);
    if (block != backgroundBlock_) {
        backgroundBlock_ = block;
        emit choiceChanged();
    }
}

int LevelDocument::usesOf(int block) const {
    return int(std::count(cells().begin(), cells().end(), uint8_t(block)));
}

int LevelDocument::mostUsedBlock() const {
    // Every load asks this, so it must cost little beside the load: a level is mostly long runs
    // of one block (the sky), so eight cells that are all the same count at once, and the
    // others go to four tallies in turn, which keeps the additions from waiting on each other.
    std::array<std::array<int, 256>, 4> tallies{};
    const uint8_t* cell = cells().data();
    for (int i = 0; i < kMapCells; i += 8, cell += 8) {
        uint64_t eight = 0;
        std::memcpy(&eight, cell, 8);
        if (eight == cell[0] * 0x0101010101010101ull) {
            tallies[0][cell[0]] += 8;
            continue;
        }
        for (int k = 0; k < 8; ++k)
            ++tallies[size_t(k & 3)][cell[k]];
    }
    std::array<int, 256> uses{};
    for (size_t b = 0; b < uses.size(); ++b)
        uses[b] = tallies[0][b] + tallies[1][b] + tallies[2][b] + tallies[3][b];
    // Cells the palette cannot show do not count: the background must be a block.
    return int(std::max_element(uses.begin(), uses.begin() + kBlockCount) - uses.begin());
}

int LevelDocument::pushCellEdits(std::vector<CellEdit> edits, const QString& text, int strokeId) {
    const MapCells& now = cells();
    std::erase_if(edits,
                  [&](const CellEdit& edit) { return now[size_t(edit.index)] == edit.after; });
    if (!level_ || edits.empty())
        return 0;
    for (CellEdit& edit : edits)
        edit.before = now[size_t(edit.index)];
    const int count = int(edits.size());
    undo_.push(new GridEditCommand(this, text, std::move(edits), strokeId));
    return count;
}

int LevelDocument::fillRectangle(const QRect& rect) {
    const QRect inside = rect.normalized() & kLevelCells;
    if (inside.isEmpty())
        return 0;
    std::vector<CellEdit> edits;
    edits.reserve(size_t(inside.width() * inside.height()));
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int value =
                hasStamp() ? stamp_.tiledAt(x - rect.left(), y - rect.top()) : paintBlock_;
            if (value != Stamp::kHole)
                edits.push_back({y * kMapColumns + x, 0, uint8_t(value)});
        }
    }
    const int covered = int(edits.size());
    return pushCellEdits(std::move(edits), tr("Fill %1").arg(cellsText(covered)));
}

int LevelDocument::fillFrom(QPoint cell, bool everyUse) {
    if (!level_ || !kLevelCells.contains(cell))
        return 0;
    const std::vector<uint8_t> mask = CellShapes::maskOf(selection_);
    const std::vector<int> reached = everyUse ? CellShapes::everyUse(cells(), blockAt(cell), mask)
                                              : CellShapes::connected(cells(), cell, mask);
    std::vector<CellEdit> edits;
    edits.reserve(reached.size());
    for (int index : reached) {
        const int value = hasStamp() ? stamp_.tiledAt(index % kMapColumns - cell.x(),
                                                      index / kMapColumns - cell.y())
                                     : paintBlock_;
        if (value != Stamp::kHole)
            edits.push_back({index, 0, uint8_t(value)});
    }
    const QString text =
        everyUse && !hasStamp()
            ? tr("Replace Block %1 with %2").arg(HexText2(blockAt(cell)), HexText2(paintBlock_))
            : tr("Fill %1").arg(cellsText(int(edits.size())));
    return pushCellEdits(std::move(edits), text);
}

int LevelDocument::placeStamp(QPoint topLeft) {
    if (!hasStamp())
        return 0;
    std::vector<CellEdit> edits;
    for (int y = 0; y < stamp_.height(); ++y) {
        for (int x = 0; x < stamp_.width(); ++x) {
            const QPoint at = topLeft + QPoint(x, y);
            if (stamp_.at(x, y) != Stamp::kHole && kLevelCells.contains(at))
                edits.push_back({at.y() * kMapColumns + at.x(), 0, uint8_t(stamp_.at(x, y))});
        }
    }
    if (!strokeOpen_)
        ++strokeId_;  // a step of its own
    return pushCellEdits(std::move(edits),
                         tr("Paste %1 × %2").arg(stamp_.width()).arg(stamp_.height()), strokeId_);
}

Stamp LevelDocument::selectedStamp() const {
    const QRect bounds = selection_.boundingRect();
    if (bounds.isEmpty())
        return {};
    std::vector<int> values;
    values.reserve(size_t(bounds.width() * bounds.height()));
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int x = bounds.left(); x <= bounds.right(); ++x)
            values.push_back(selection_.contains(QPoint(x, y)) ? blockAt(QPoint(x, y))
                                                               : Stamp::kHole);
    }
    return Stamp(bounds.size(), std::move(values));
}

int LevelDocument::clearSelection(bool cut) {
    if (selection_.isEmpty())
        return 0;
    std::vector<CellEdit> edits;
    const std::vector<uint8_t> mask = CellShapes::maskOf(selection_);
    for (int i = 0; i < kMapCells; ++i) {
        if (mask[size_t(i)])
            edits.push_back({i, 0, uint8_t(backgroundBlock_)});
    }
    const QString what = cellsText(int(edits.size()));
    return pushCellEdits(std::move(edits),
                         cut ? tr("Cut %1").arg(what) : tr("Delete %1").arg(what));
}

int LevelDocument::moveSelection(QPoint offset) {
    if (selection_.isEmpty() || offset.isNull() || !level_)
        return 0;
    const std::vector<uint8_t> mask = CellShapes::maskOf(selection_);
    MapCells after = cells();
    int moved = 0;
    for (int i = 0; i < kMapCells; ++i) {
        if (mask[size_t(i)])
            after[size_t(i)] = uint8_t(backgroundBlock_);
    }
    for (int i = 0; i < kMapCells; ++i) {
        const QPoint to = QPoint(i % kMapColumns, i / kMapColumns) + offset;
        if (mask[size_t(i)] && kLevelCells.contains(to)) {
            after[size_t(to.y() * kMapColumns + to.x())] = cells()[size_t(i)];
            ++moved;
        }
    }
    std::vector<CellEdit> edits;
    for (int i = 0; i < kMapCells; ++i) {
        if (after[size_t(i)] != cells()[size_t(i)])
            edits.push_back({i, 0, after[size_t(i)]});
    }
    const int changed = pushCellEdits(std::move(edits), tr("Move %1").arg(cellsText(moved)));
    setSelection(selection_.translated(offset));
    return changed;
}

}  // namespace zantor
