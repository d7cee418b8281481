#include "ScrollBarRange.h"

#include <QVariant>

namespace zantor {

namespace {
constexpr const char* kMaxProperty = "zantorMax";
}

void SetScrollMax(QScrollBar* bar, int max) {
    bar->setProperty(kMaxProperty, max);
    bar->setRange(0, std::max(0, max));
}

int ScrollMax(const QScrollBar* bar) {
    const QVariant max = bar->property(kMaxProperty);
    return max.isValid() ? max.toInt() : bar->maximum();
}

}  // namespace zantor
