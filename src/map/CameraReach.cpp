#include "CameraReach.h"

#include <algorithm>

#include "MapLoader.h"

namespace zantor {

namespace {
constexpr int kLeftStop = 0x50;
constexpr int kRightStop = 0xB0;
constexpr int kTopStop = 0x48;
constexpr int kBottomStop = 0xC0;

const QRect kLevel(0, 0, kLevelWidth, kLevelHeight);

int screenAt(QPoint centre) {
    return std::clamp(centre.y() / kScreenSize, 0, kScreenRows - 1) * kScreenColumns +
           std::clamp(centre.x() / kScreenSize, 0, kScreenColumns - 1);
}
}  // namespace

QRect CameraReach::restingArea(uint8_t box, int screen) {
    const int left = screen % kScreenColumns * kScreenSize;
    const int top = screen / kScreenColumns * kScreenSize;
    return QRect(
        QPoint(left + ((box & EdgeLeft) ? kLeftStop : 0), top + ((box & EdgeTop) ? kTopStop : 0)),
        QPoint(left + ((box & EdgeRight) ? kRightStop : kScreenSize - 1),
               top + ((box & EdgeBottom) ? kBottomStop : kScreenSize - 1)));
}

std::array<bool, kScreenCount> CameraReach::reachedScreens(
    const std::array<uint8_t, kScreenCount>& boxes, QPoint start) {
    std::array<bool, kScreenCount> reached{};
    // Every centre of a screen's resting area is reached once one is, so the flood over the
    // camera's positions runs screen by screen.
    std::array<int, kScreenCount> pending{};
    int count = 0;
    const int first = screenAt(start);
    reached[size_t(first)] = true;
    pending[size_t(count++)] = first;
    while (count > 0) {
        const int screen = pending[size_t(--count)];
        const uint8_t box = boxes[size_t(screen)];
        const int column = screen % kScreenColumns, row = screen / kScreenColumns;
        auto visit = [&](bool open, int nextColumn, int nextRow) {
            if (!open || nextColumn < 0 || nextColumn >= kScreenColumns || nextRow < 0 ||
                nextRow >= kScreenRows)
                return;
            const int next = nextRow * kScreenColumns + nextColumn;
            if (!reached[size_t(next)]) {
                reached[size_t(next)] = true;
                pending[size_t(count++)] = next;
            }
        };
        visit(!(box & EdgeRight), column + 1, row);
        visit(!(box & EdgeLeft), column - 1, row);
        visit(!(box & EdgeBottom), column, row + 1);
        visit(!(box & EdgeTop), column, row - 1);
    }
    return reached;
}

QRegion CameraReach::shown(const std::array<uint8_t, kScreenCount>& boxes, QPoint start) {
    const std::array<bool, kScreenCount> reached = reachedScreens(boxes, start);
    QRegion region;
    for (int screen = 0; screen < kScreenCount; ++screen) {
        if (!reached[size_t(screen)])
            continue;
        const QRect area = restingArea(boxes[size_t(screen)], screen);
        region +=
            area.adjusted(-kHalfWidth, -kHalfHeight, kHalfWidth - 1, kHalfHeight - 1) & kLevel;
    }
    return region;
}

QRegion CameraReach::neverShown(const std::array<uint8_t, kScreenCount>& boxes, QPoint start) {
    return QRegion(kLevel) - shown(boxes, start);
}

}  // namespace zantor
