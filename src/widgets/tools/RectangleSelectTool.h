#pragma once

#include <QRegion>

#include "LevelTool.h"

namespace zantor {

// R: selects from the cell pressed to the cell released; Shift adds, Ctrl subtracts. A drag
// that starts inside the selection moves its cells.
class RectangleSelectTool : public LevelTool {
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
    enum class Mode { None, Replace, Add, Subtract, Move };
    Mode mode_ = Mode::None;
    QPoint start_, current_;
    QRegion before_;  // the selection as the press found it
};

}  // namespace zantor
