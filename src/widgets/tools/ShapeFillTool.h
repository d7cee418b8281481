#pragma once

#include "LevelTool.h"

namespace zantor {

// P: fills the rectangle dragged, on release; Shift makes it a square.
class ShapeFillTool : public LevelTool {
public:
    using LevelTool::LevelTool;
    QString name() const override;
    void press(QPoint cell, Qt::KeyboardModifiers modifiers) override;
    void drag(QPoint cell, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint cell, Qt::KeyboardModifiers modifiers) override;
    QRect previewCells() const override;
    void drawPreview(QPainter& painter, const QRect& exposed,
                     const CellsToViewport& toViewport) const override;

private:
    QRect shape() const;
    bool active_ = false;
    bool square_ = false;
    QPoint start_, current_;
};

}  // namespace zantor
