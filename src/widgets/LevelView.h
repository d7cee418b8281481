#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QTimer>
#include <optional>

namespace zantor {

class LevelDocument;

// A view of the document's level, drawn on demand: only the exposed part, straight from the
// cells and the 16 × 16 block strip, at any zoom step (nearest neighbour). Left button paints
// with the chosen block (a press-drag-release is one stroke), right button takes the cell's
// block, middle button drags the view along while the scroll timer runs. The wheel scrolls,
// Shift+wheel scrolls sideways, Ctrl+wheel zooms about the pointer.
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

    void setOverlays(const Overlays& overlays);
    const Overlays& overlays() const { return overlays_; }

    // Level pixels under a viewport point (may lie outside the level).
    QPointF levelPoint(QPoint viewportPoint) const;
    // The viewport point where a level pixel is drawn.
    QPoint viewportPoint(QPointF levelPoint) const;
    // Scrolls so that a level pixel stands at the viewport's top-left (clamped).
    void scrollToLevel(QPoint levelPixel);

    // The middle-drag scroll timer's interval (the "Scrollspeed"): 25, 50 or 100 ms.
    void setDragInterval(int milliseconds) { dragTimer_.setInterval(milliseconds); }

signals:
    // The level point under the pointer, on every move over the view.
    void pointerMoved(QPointF levelPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // For views that draw more on top (the start marker); called with the painter set to
    // viewport pixels.
    virtual void paintOverlay(QPainter& painter, const QRect& exposed);
    // For views that take some presses themselves; true when handled.
    virtual bool pressOverlay(QMouseEvent*) { return false; }
    virtual bool moveOverlay(QMouseEvent*) { return false; }
    virtual bool releaseOverlay(QMouseEvent*) { return false; }

    LevelDocument* document() const { return document_; }
    double scale() const { return zoom_ / 100.0; }
    // The viewport rectangle that shows a rectangle of cells.
    QRect viewportRectOfCells(const QRect& cells) const;

private:
    std::optional<QPoint> cellAt(QPoint viewportPoint) const;
    void updateScrollBars();
    void dragTick();
    void repaintCells(const QRect& cells);
    void paintTo(QPoint cell);
    void paintLevel(QPainter& painter, const QRect& exposed);
    void paintGrids(QPainter& painter, const QRect& exposed);

    LevelDocument* document_;
    int zoom_ = 100;
    Overlays overlays_;
    bool painting_ = false;
    // The cell the stroke painted last, so that a fast move paints the cells in between.
    std::optional<QPoint> lastPainted_;
    // Where the hover outline was drawn, so that a move repaints only the two cells.
    std::optional<QPoint> drawnHover_;
    // Reused between paints: the level pixels of the exposed area at 1×.
    QImage scratch_;

    struct Drag {
        QPointF anchor;   // level pixels where the last tick left off
        QPointF pointer;  // level pixels under the pointer now
    };
    std::optional<Drag> drag_;
    QTimer dragTimer_;
};

}  // namespace zantor
