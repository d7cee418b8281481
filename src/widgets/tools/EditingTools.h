#pragma once

#include <QRegion>
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

// F: fills the 4-connected cells of the clicked cell's block (Shift: every cell of that
// block), inside the selection when there is one.
class BucketFillTool : public LevelTool {
public:
    using LevelTool::LevelTool;
    QString name() const override;
    void press(QPoint cell, Qt::KeyboardModifiers modifiers) override;
};

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
