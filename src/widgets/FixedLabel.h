#pragma once

#include <QLabel>

namespace zantor {

// Gives a read-out label that changes with every pointer move or edit a fixed size, wide
// enough for `widest`, and its own background: a new text then repaints the label alone,
// instead of laying out and repainting the page around it. On a tab page, which the style
// draws a little lighter than the window, `onTabPage` matches that shade.
inline void FixLabelSize(QLabel* label, const QString& widest, bool onTabPage = false) {
    label->setFixedSize(label->fontMetrics().horizontalAdvance(widest), label->sizeHint().height());
    if (onTabPage) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Window).lighter(107));
        label->setPalette(palette);
    }
    label->setAutoFillBackground(true);
}

}  // namespace zantor
