#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QTimer>
#include <optional>

namespace zantor {

class LevelDocument;
class LevelTool;
class ObjectLayer;
class ToolBox;
class ViewLayer;

// A view of the document's level, drawn on demand: only the exposed part, straight from the
// cells and the 16 × 16 block strip, at any zoom step (nearest neighbour), with the selection
// and the current tool's preview on top. The left button's press, drag and release go to the
// current tool (the brush paints, a press-drag-release being one stroke); the right button
// takes the cell's block, the middle button drags the view along while the scroll timer runs.
// The wheel scrolls, Shift+wheel scrolls sideways, Ctrl+wheel zooms about the pointer. The
// arrows move a cell cursor (Shift extends the selection, Ctrl scrolls instead) and Space
// uses the tool there.
class LevelView : public QAbstractScrollArea {
    Q_OBJECT

public:
    struct Overlays {
        bool blockGrid = false;
        bool screenGrid = false;
        bool highlightChosen = false;
    };

    LevelView(LevelDocument* document, QWidget* parent = nullptr);

    int zoomPercent() const { return zoom_; }
    // Keeps the level point under `anchor` (viewport pixels) still; the viewport's centre when
    // none is given.
    void setZoomPercent(int percent, std::optional<QPoint> anchor = {});
    void zoomBy(int direction, std::optional<QPoint> anchor = {});

    // The tools this view hands the left button to; a brush of its own until one is given.
    ToolBox* toolBox() const { return tools_; }
    void setToolBox(ToolBox* tools);

    // The level's objects on top; shown once given a source.
    ObjectLayer* objectLayer() const { return objectLayer_; }

    void setOverlays(const Overlays& overlays);
    const Overlays& overlays() const { return overlays_; }

    // Level pixels under a viewport point (may lie outside the level).
    QPointF levelPoint(QPoint viewportPoint) const;
    // The viewport point where a level pixel is drawn.
    QPoint viewportPoint(QPointF levelPoint) const;
    // Scrolls so that a level pixel stands at the viewport's top-left (clamped).
    void scrollToLevel(QPoint levelPixel);

    // A layer drawn and asked for presses on top of the level; the view does not own it.
    void addLayer(ViewLayer* layer);

    // The middle-drag scroll timer's interval (the "Scrollspeed"): 25, 50 or 100 ms.
    void setDragInterval(int milliseconds) { dragTimer_.setInterval(milliseconds); }
    int dragInterval() const { return dragTimer_.interval(); }

signals:
    // The zoom changed (the status bar shows it).
    void zoomChanged(int percent);
    // The level point under the pointer, on every move over the view.
    void pointerMoved(QPointF levelPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // For views that draw more on top (the start marker); called with the painter set to
    // viewport pixels.
    virtual void paintOverlay(QPainter& painter, const QRect& exposed);
    // For views that take some presses themselves; true when handled.
    virtual bool pressOverlay(QMouseEvent*) { return false; }
    virtual bool moveOverlay(QMouseEvent*) { return false; }
    virtual bool releaseOverlay(QMouseEvent*) { return false; }

    LevelDocument* document() const { return document_; }
    double scale() const { return zoom_ / 100.0; }

public:
    // The viewport rectangle that shows a rectangle of cells.
    QRect viewportRectOfCells(const QRect& cells) const;

private:
    std::optional<QPoint> cellAt(QPoint viewportPoint) const;
    void updateScrollBars();
    void dragTick();
    void repaintCells(const QRect& cells);
    // Repaints the visible cells that show these blocks (a tile or block edit).
    void repaintBlocks(const QList<int>& blocks);
    void paintLevel(QPainter& painter, const QRect& exposed);
    void paintSelectionAndPreview(QPainter& painter, const QRect& exposed);
    // Repaints where the tool's preview was and where it is now.
    void updatePreview();
    void moveCursor(QPoint step, bool extendSelection);
    void paintGrids(QPainter& painter, const QRect& exposed);

    LevelDocument* document_;
    int zoom_ = 100;
    Overlays overlays_;
    ToolBox* tools_;
    ObjectLayer* objectLayer_;
    // Between a left press and its release: the tool pressed gets the moves and the release,
    // even when another tool is chosen meanwhile.
    LevelTool* pressedTool_ = nullptr;
    std::optional<QPoint> lastCell_;
    QRect drawnPreview_;
    QRect drawnSelection_;
    // Where Shift+arrows started the selection from.
    std::optional<QPoint> selectionAnchor_;
    // Where the hover outline was drawn, so that a move repaints only the two cells.
    std::optional<QPoint> drawnHover_;
    static constexpr int kBandRows = 64;  // level rows a paint draws at a time, zoomed in
    // Reused between paints: the level pixels of the exposed area (a band of it) at 1×.
    QImage scratch_;

    struct Drag {
        QPointF anchor;   // level pixels where the last tick left off
        QPointF pointer;  // level pixels under the pointer now
    };
    std::optional<Drag> drag_;
    QTimer dragTimer_;
    QList<ViewLayer*> layers_;
};

}  // namespace zantor
