#pragma once

#include <QLabel>

namespace zantor {

// Gives a read-out label that changes with every pointer move or edit a fixed size, wide
// enough for `widest`, and its own background: a new text then repaints the label alone,
// instead of laying out and repainting the page around it.
inline void FixLabelSize(QLabel* label, const QString& widest) {
    label->setFixedSize(label->fontMetrics().horizontalAdvance(widest), label->sizeHint().height());
    label->setAutoFillBackground(true);
}

}  // namespace zantor
