#include "ObjectHints.h"

#include <QCoreApplication>
#include <algorithm>

namespace zantor {

namespace {
constexpr int kMaxAlive = 16;
constexpr int kCrowdStretch = 336;
constexpr int kSpawnAhead = 112;
}  // namespace

std::vector<ObjectHint> ObjectHints(const std::vector<LevelObject>& objects, int cameraStartX) {
    std::vector<ObjectHint> hints;
    QList<int> byX;
    for (int i = 0; i < int(objects.size()); ++i)
        byX.append(i);
    std::stable_sort(byX.begin(), byX.end(),
                     [&](int a, int b) { return objects[size_t(a)].x < objects[size_t(b)].x; });
    // A window over the objects by X; each crowded stretch is told once, from its first object.
    int reportedUpTo = -1;
    for (int first = 0, last = 0; first < int(byX.size()); ++first) {
        const int from = objects[size_t(byX[first])].x;
        last = std::max(last, first);
        while (last + 1 < int(byX.size()) &&
               objects[size_t(byX[last + 1])].x < from + kCrowdStretch)
            ++last;
        if (last - first + 1 > kMaxAlive && last > reportedUpTo) {
            hints.push_back(
                {QCoreApplication::translate(
                     "ObjectHints",
                     "%1 objects between x %2 and %3: at most 16 are alive at once, so some may "
                     "not appear")
                     .arg(last - first + 1)
                     .arg(from)
                     .arg(objects[size_t(byX[last])].x),
                 byX.mid(first, last - first + 1)});
            reportedUpTo = last;
        }
    }
    QList<int> early;
    for (int i : byX) {
        if (objects[size_t(i)].x < cameraStartX + kSpawnAhead)
            early.append(i);
    }
    if (!early.isEmpty()) {
        hints.push_back({QCoreApplication::translate(
                             "ObjectHints",
                             "%n object(s) left of x %1 (the camera's start + 112) never appear "
                             "when the level starts",
                             nullptr, int(early.size()))
                             .arg(cameraStartX + kSpawnAhead),
                         early});
    }
    return hints;
}

}  // namespace zantor
