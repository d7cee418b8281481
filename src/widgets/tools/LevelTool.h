#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace zantor {

class LevelDocument;
class Stamp;

// Where a rectangle of cells is drawn on a view, in viewport pixels.
using CellsToViewport = std::function<QRect(const QRect& cells)>;

// An editing tool: it turns the left button's press, drag and release on a level view (and
// Space on the keyboard cursor) into the document's edits, and says what it shows on the view
// meanwhile. The view only hands it cells; the tool keeps nothing the document holds.
class LevelTool {
public:
    explicit LevelTool(LevelDocument* document) : document_(document) {}
    virtual ~LevelTool() = default;
    LevelTool(const LevelTool&) = delete;
    LevelTool& operator=(const LevelTool&) = delete;

    virtual QString name() const = 0;
    virtual void press(QPoint cell, Qt::KeyboardModifiers modifiers) = 0;
    virtual void drag(QPoint, Qt::KeyboardModifiers) {}
    virtual void release(QPoint, Qt::KeyboardModifiers) {}
    // The cells its preview covers now (empty when it shows nothing), so that the view
    // repaints only those as the preview moves.
    virtual QRect previewCells() const { return {}; }
    // Draws the preview; `exposed` is the part of the level (in cells) being painted.
    virtual void drawPreview(QPainter&, const QRect& /*exposed*/, const CellsToViewport&) const {}

protected:
    // A frame around cells (a selection, a shape) that shows on light and dark blocks alike.
    static void drawFrame(QPainter& painter, const QRect& viewportRect);
    // The stamp's cells at half strength, with its top-left on `topLeft`; with `tiled`, the
    // stamp repeated over `area` from its top-left instead.
    void drawStamp(QPainter& painter, const Stamp& stamp, const QRect& area, bool tiled,
                   const QRect& exposed, const CellsToViewport& toViewport) const;

    LevelDocument* document_;
};

}  // namespace zantor
