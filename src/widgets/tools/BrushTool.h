#pragma once

#include <optional>

#include "LevelTool.h"

namespace zantor {

// B: paints the chosen block along a drag, or places the stamp at every cell the drag
// reaches; Shift+click draws a straight line from the last cell painted.
class BrushTool : public LevelTool {
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
    void reach(QPoint cell);
    // The last cell painted, kept between strokes for Shift+click.
    std::optional<QPoint> last_;
    bool active_ = false;
};

}  // namespace zantor
