#include "LevelView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <utility>

#include "ObjectLayer.h"
#include "QuietScrollBar.h"
#include "ViewLayer.h"
#include "ZoomSteps.h"
#include "codec/TileCodec.h"
#include "document/CellShapes.h"
#include "document/LevelDocument.h"
#include "map/MapLoader.h"
#include "tools/ToolBox.h"

namespace zantor {

namespace {
constexpr int kCell = 16;
constexpr int kScreenWidth = 160;
constexpr int kScreenHeight = 144;
const QColor kHoverColour(255, 128, 0);
const QColor kDragLineColour(0, 255, 0);
// Grids for light palettes, and for dark ones, where dark lines would vanish.
const QColor kBlockGridColour(0, 0, 0, 70);
const QColor kScreenGridColour(40, 90, 255, 200);
const QColor kBlockGridOnDark(255, 255, 255, 110);
const QColor kScreenGridOnDark(120, 180, 255, 220);
const QColor kHighlightColour(255, 0, 255, 90);
const QColor kTintColour(255, 0, 0, 110);
const QColor kSelectionFill(60, 140, 255, 80);
const QColor kSelectionEdge(20, 90, 220);
// Most of a level shows colour 0 (the sky, the inside of walls), so it weighs as much as the
// four shades together.
bool IsDarkPalette(uint8_t palette) {
    int sum = 0;
    for (int n = 0; n < 4; ++n)
        sum += qGray(ShadeColour(palette, n));
    return (qGray(ShadeColour(palette, 0)) + sum / 4) / 2 < 128;
}
}  // namespace

LevelView::LevelView(LevelDocument* document, QWidget* parent)
    : QAbstractScrollArea(parent),
      document_(document),
      tools_(new ToolBox(document, this)),
      objectLayer_(new ObjectLayer(this)) {
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBar(new QuietScrollBar(Qt::Horizontal));
    setVerticalScrollBar(new QuietScrollBar(Qt::Vertical));
    // Opaque scroll bars: a scroll step repaints the bars alone, not the page behind them.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setAutoFillBackground(true);
        if (bar->parentWidget())
            bar->parentWidget()->setAutoFillBackground(true);
    }
    dragTimer_.setInterval(50);
    connect(&dragTimer_, &QTimer::timeout, this, [this] { dragTick(); });

    connect(document_, &LevelDocument::levelLoaded, viewport(), [this] { viewport()->update(); });
    connect(document_, &LevelDocument::cellsChanged, this, &LevelView::repaintCells);
    connect(document_, &LevelDocument::blocksChanged, this, &LevelView::repaintBlocks);
    connect(document_, &LevelDocument::choiceChanged, viewport(), [this] {
        if (overlays_.highlightChosen)
            viewport()->update();
    });
    connect(document_, &LevelDocument::hoveredCellChanged, viewport(), [this] {
        const std::optional<QPoint> now = document_->hoveredCell();
        for (const std::optional<QPoint>& cell : {drawnHover_, now}) {
            if (cell)
                viewport()->update(viewportRectOfCells(QRect(*cell, QSize(1, 1))));
        }
        drawnHover_ = now;
        updatePreview();
    });
    connect(document_, &LevelDocument::selectionChanged, viewport(), [this] {
        // Only where the selection was and is: a drag changes it on every move.
        const QRect now = document_->selection().boundingRect();
        const QRect both = drawnSelection_.united(now);
        if (!both.isEmpty())
            viewport()->update(viewportRectOfCells(both));
        drawnSelection_ = now;
    });
    connect(document_, &LevelDocument::stampChanged, this, &LevelView::updatePreview);
    connect(tools_, &ToolBox::toolChanged, this, &LevelView::updatePreview);
    connect(document_, &LevelDocument::comparisonChanged, viewport(),
            [this] { viewport()->update(); });
    updateScrollBars();
}

void LevelView::setZoomPercent(int percent, std::optional<QPoint> anchor) {
    if (percent == zoom_)
        return;
    const QPoint at = anchor.value_or(viewport()->rect().center());
    const QPointF level = levelPoint(at);
    zoom_ = percent;
    updateScrollBars();
    // The level point that was under the anchor goes back under it.
    horizontalScrollBar()->setValue(int(std::lround(level.x() * scale() - at.x())));
    verticalScrollBar()->setValue(int(std::lround(level.y() * scale() - at.y())));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void LevelView::zoomBy(int direction, std::optional<QPoint> anchor) {
    setZoomPercent(ZoomSteps::step(zoom_, direction), anchor);
}

void LevelView::setToolBox(ToolBox* tools) {
    pressedTool_ = nullptr;
    if (tools_->parent() == this)
        delete tools_;
    tools_ = tools;
    connect(tools_, &ToolBox::toolChanged, this, &LevelView::updatePreview);
    updatePreview();
}

void LevelView::updatePreview() {
    const QRect now = tools_->current()->previewCells();
    if (now == drawnPreview_)
        return;
    for (const QRect& cells : {drawnPreview_, now}) {
        if (!cells.isEmpty())
            viewport()->update(viewportRectOfCells(cells));
    }
    drawnPreview_ = now;
}

void LevelView::setOverlays(const Overlays& overlays) {
    overlays_ = overlays;
    viewport()->update();
}

QPointF LevelView::levelPoint(QPoint p) const {
    return QPointF((p.x() + horizontalScrollBar()->value()) / scale(),
                   (p.y() + verticalScrollBar()->value()) / scale());
}

QPoint LevelView::viewportPoint(QPointF level) const {
    return QPoint(int(std::floor(level.x() * scale())) - horizontalScrollBar()->value(),
                  int(std::floor(level.y() * scale())) - verticalScrollBar()->value());
}

void LevelView::scrollToLevel(QPoint levelPixel) {
    horizontalScrollBar()->setValue(int(levelPixel.x() * scale()));
    verticalScrollBar()->setValue(int(levelPixel.y() * scale()));
}

QRect LevelView::viewportRectOfCells(const QRect& cells) const {
    const QPoint topLeft = viewportPoint(QPointF(cells.left() * kCell, cells.top() * kCell));
    const QPoint end =
        viewportPoint(QPointF((cells.right() + 1) * kCell, (cells.bottom() + 1) * kCell));
    return QRect(topLeft, end).adjusted(0, 0, 1, 1);
}

std::optional<QPoint> LevelView::cellAt(QPoint viewportPoint) const {
    const QPointF level = levelPoint(viewportPoint);
    const QPoint cell(int(std::floor(level.x() / kCell)), int(std::floor(level.y() / kCell)));
    if (!QRect(0, 0, kMapColumns, kMapRows).contains(cell))
        return std::nullopt;
    return cell;
}

void LevelView::updateScrollBars() {
    const QSize content(int(std::ceil(kLevelWidth * scale())),
                        int(std::ceil(kLevelHeight * scale())));
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    // A click in the trough moves by what is visible; the arrows and keys by one cell.
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(std::max(1, int(kCell * scale())));
    verticalScrollBar()->setSingleStep(std::max(1, int(kCell * scale())));
}

void LevelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LevelView::scrollContentsBy(int dx, int dy) {
    // The backing store moves what is already drawn; only the uncovered strip is painted.
    viewport()->scroll(dx, dy);
}

void LevelView::repaintCells(const QRect& cells) {
    viewport()->update(viewportRectOfCells(cells));
}

void LevelView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    for (const QRect& exposed : event->region()) {
        painter.save();
        painter.setClipRect(exposed);
        paintLevel(painter, exposed);
        paintGrids(painter, exposed);
        paintSelectionAndPreview(painter, exposed);
        for (ViewLayer* layer : layers_) {
            if (layer->isShown())
                layer->paint(painter, exposed);
        }
        paintOverlay(painter, exposed);
        objectLayer_->paint(painter, exposed);
        painter.restore();
    }
}

void LevelView::paintLevel(QPainter& painter, const QRect& exposed) {
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    const double s = scale();
    // The level pixels the exposed rectangle shows, widened to whole pixels.
    const int x0 = std::max(0, int(std::floor((exposed.left() + h) / s)));
    const int y0 = std::max(0, int(std::floor((exposed.top() + v) / s)));
    const int x1 = std::min(kLevelWidth, int(std::ceil((exposed.right() + 1 + h) / s)));
    const int y1 = std::min(kLevelHeight, int(std::ceil((exposed.bottom() + 1 + v) / s)));
    // Outside the level (a view larger than the level at a small zoom): the background.
    const QRect level(viewportPoint(QPointF(0, 0)),
                      viewportPoint(QPointF(kLevelWidth, kLevelHeight)));
    const QRegion outside = QRegion(exposed).subtracted(level);
    for (const QRect& r : outside)
        painter.fillRect(r, palette().color(QPalette::Dark));
    if (x1 <= x0 || y1 <= y0)
        return;
    // Zoomed in, the area goes through the scratch buffer in bands of whole cell rows: the
    // buffer stays small, and the first paint faults in less fresh memory. At a whole-number
    // scale a band lands on exactly the pixels the whole area would. Zoomed out, where a band's
    // edge could fall between pixels, the area goes in one piece.
    const bool inBands = s >= 1;
    const QSize size(x1 - x0, inBands ? std::min(kBandRows, y1 - y0) : y1 - y0);
    if (scratch_.width() < size.width() || scratch_.height() < size.height())
        scratch_ = QImage(size.expandedTo(scratch_.size()), QImage::Format_RGB32);
    for (int top = y0; top < y1;) {
        const int bottom = inBands ? std::min(y1, (top / kBandRows + 1) * kBandRows) : y1;
        // A view of the scratch buffer's top-left part, sharing its pixels.
        QImage area(scratch_.bits(), size.width(), bottom - top, int(scratch_.bytesPerLine()),
                    QImage::Format_RGB32);
        DrawLevelArea(area, QPoint(x0, top), document_->blockStrip(), document_->cells());
        const QRect target(int(std::lround(x0 * s)) - h, int(std::lround(top * s)) - v,
                           int(std::lround(x1 * s)) - int(std::lround(x0 * s)),
                           int(std::lround(bottom * s)) - int(std::lround(top * s)));
        painter.drawImage(target, area);
        top = bottom;
    }

    const QRect cells(x0 / kCell, y0 / kCell, (x1 - 1) / kCell - x0 / kCell + 1,
                      (y1 - 1) / kCell - y0 / kCell + 1);
    const bool highlight = overlays_.highlightChosen;
    const bool tint = document_->isComparing();
    if (highlight || tint) {
        const uint8_t chosen = uint8_t(document_->paintBlock());
        for (int y = cells.top(); y <= cells.bottom(); ++y) {
            for (int x = cells.left(); x <= cells.right(); ++x) {
                const size_t i = size_t(y * kMapColumns + x);
                if (highlight && document_->cells()[i] == chosen)
                    painter.fillRect(viewportRectOfCells(QRect(x, y, 1, 1)), kHighlightColour);
                if (tint && document_->cellDiffers(int(i)))
                    painter.fillRect(viewportRectOfCells(QRect(x, y, 1, 1)), kTintColour);
            }
        }
    }
    if (const std::optional<QPoint> hovered = document_->hoveredCell()) {
        painter.setPen(QPen(kHoverColour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(viewportRectOfCells(QRect(*hovered, QSize(1, 1))).adjusted(0, 0, -2, -2));
    }
}

void LevelView::paintGrids(QPainter& painter, const QRect& exposed) {
    const QPointF from = levelPoint(exposed.topLeft());
    const QPointF to = levelPoint(exposed.bottomRight() + QPoint(1, 1));
    const QPoint levelEnd = viewportPoint(QPointF(kLevelWidth, kLevelHeight));
    const QPoint levelStart = viewportPoint(QPointF(0, 0));
    auto lines = [&](int spacingX, int spacingY, const QColor& colour) {
        painter.setPen(QPen(colour, 0));
        for (int x = int(std::ceil(from.x() / spacingX)) * spacingX;
             x <= std::min<double>(to.x(), kLevelWidth); x += spacingX) {
            const int vx = viewportPoint(QPointF(x, 0)).x();
            painter.drawLine(vx, levelStart.y(), vx, levelEnd.y() - 1);
        }
        for (int y = int(std::ceil(from.y() / spacingY)) * spacingY;
             y <= std::min<double>(to.y(), kLevelHeight); y += spacingY) {
            const int vy = viewportPoint(QPointF(0, y)).y();
            painter.drawLine(levelStart.x(), vy, levelEnd.x() - 1, vy);
        }
    };
    const bool dark = IsDarkPalette(document_->header().backgroundPalette());
    if (overlays_.blockGrid && zoom_ >= 50)
        lines(kCell, kCell, dark ? kBlockGridOnDark : kBlockGridColour);
    if (overlays_.screenGrid)
        lines(kScreenWidth, kScreenHeight, dark ? kScreenGridOnDark : kScreenGridColour);
    if (drag_) {
        painter.setPen(QPen(kDragLineColour, 1));
        painter.drawLine(viewportPoint(drag_->anchor), viewportPoint(drag_->pointer));
    }
}

void LevelView::paintSelectionAndPreview(QPainter& painter, const QRect& exposed) {
    // The cells the exposed rectangle touches.
    const QPointF from = levelPoint(exposed.topLeft());
    const QPointF to = levelPoint(exposed.bottomRight());
    const QRect cells =
        QRect(QPoint(int(std::floor(from.x() / kCell)), int(std::floor(from.y() / kCell))),
              QPoint(int(std::floor(to.x() / kCell)), int(std::floor(to.y() / kCell)))) &
        QRect(0, 0, kMapColumns, kMapRows);
    const QRegion selected = document_->selection() & cells;
    if (!selected.isEmpty()) {
        // One outline around the whole selection, not one per rectangle of the region.
        QRegion shown;
        for (const QRect& r : selected)
            shown += viewportRectOfCells(r);
        QPainterPath outline;
        outline.addRegion(shown);
        outline = outline.simplified();
        painter.save();
        painter.fillPath(outline, kSelectionFill);
        painter.strokePath(outline, QPen(kSelectionEdge, 1));
        painter.restore();
    }
    tools_->current()->drawPreview(painter, cells,
                                   [this](const QRect& r) { return viewportRectOfCells(r); });
}

void LevelView::paintOverlay(QPainter&, const QRect&) {}

void LevelView::addLayer(ViewLayer* layer) {
    layers_.append(layer);
}

void LevelView::mousePressEvent(QMouseEvent* event) {
    if (pressOverlay(event) || objectLayer_->press(event))
        return;
    for (ViewLayer* layer : layers_) {
        if (layer->isShown() && layer->press(event))
            return;
    }
    const std::optional<QPoint> cell = cellAt(event->position().toPoint());
    switch (event->button()) {
        case Qt::LeftButton:
            if (cell) {
                pressedTool_ = tools_->current();
                lastCell_ = cell;
                pressedTool_->press(*cell, event->modifiers());
                updatePreview();
            }
            break;
        case Qt::RightButton:
            if (cell) {
                // The block picked is the brush's again, in place of a stamp.
                document_->dropStamp();
                document_->setPaintBlock(document_->blockAt(*cell));
            }
            break;
        case Qt::MiddleButton: {
            const QPointF at = levelPoint(event->position().toPoint());
            drag_ = Drag{at, at};
            dragTimer_.start();
            viewport()->setCursor(Qt::SizeAllCursor);
            break;
        }
        default:
            break;
    }
}

void LevelView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit pointerMoved(levelPoint(at));
    if (moveOverlay(event) || objectLayer_->move(event))
        return;
    for (ViewLayer* layer : layers_) {
        if (layer->isShown() && layer->move(event))
            return;
    }
    const std::optional<QPoint> cell = cellAt(at);
    if (drag_) {
        drag_->pointer = levelPoint(at);
        viewport()->update();
    }
    if (pressedTool_ && cell && cell != lastCell_) {
        lastCell_ = cell;
        pressedTool_->drag(*cell, event->modifiers());
    }
    document_->setHoveredCell(cell);
    updatePreview();
}

void LevelView::mouseReleaseEvent(QMouseEvent* event) {
    if (releaseOverlay(event) || objectLayer_->release(event))
        return;
    for (ViewLayer* layer : layers_) {
        if (layer->isShown() && layer->release(event))
            return;
    }
    if (event->button() == Qt::LeftButton && pressedTool_) {
        LevelTool* tool = std::exchange(pressedTool_, nullptr);
        // Released off the level: where the drag last was.
        tool->release(cellAt(event->position().toPoint()).value_or(*lastCell_), event->modifiers());
        updatePreview();
    }
    if (event->button() == Qt::MiddleButton && drag_) {
        drag_.reset();
        dragTimer_.stop();
        viewport()->unsetCursor();
        viewport()->update();
    }
}

void LevelView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!objectLayer_->doubleClick(event))
        mousePressEvent(event);
}

void LevelView::dragTick() {
    if (!drag_)
        return;
    // The view follows the pointer's motion since the last tick, then starts afresh from it.
    const QPointF delta = (drag_->pointer - drag_->anchor) * scale();
    drag_->anchor = drag_->pointer;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(std::lround(delta.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(std::lround(delta.y())));
    viewport()->update();
}

void LevelView::wheelEvent(QWheelEvent* event) {
    const QPoint steps = event->angleDelta() / 120;
    if (event->modifiers() & Qt::ControlModifier) {
        const int direction = steps.y() != 0 ? steps.y() : steps.x();
        if (direction != 0)
            zoomBy(direction > 0 ? 1 : -1, event->position().toPoint());
        event->accept();
        return;
    }
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) || steps.y() == 0
                          ? horizontalScrollBar()
                          : verticalScrollBar();
    const int notches = steps.y() != 0 ? steps.y() : steps.x();
    bar->setValue(bar->value() - notches * 3 * bar->singleStep());
    event->accept();
}

void LevelView::leaveEvent(QEvent* event) {
    QAbstractScrollArea::leaveEvent(event);
    if (!pressedTool_)
        document_->setHoveredCell(std::nullopt);
}

void LevelView::keyPressEvent(QKeyEvent* event) {
    if (objectLayer_->key(event))
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    QPoint step;
    switch (event->key()) {
        case Qt::Key_Left:
            step = QPoint(-1, 0);
            break;
        case Qt::Key_Right:
            step = QPoint(1, 0);
            break;
        case Qt::Key_Up:
            step = QPoint(0, -1);
            break;
        case Qt::Key_Down:
            step = QPoint(0, 1);
            break;
        case Qt::Key_Space:
            if (modifiers == Qt::NoModifier && document_->hasLevel() && !pressedTool_) {
                const QPoint cell = document_->hoveredCell().value_or(QPoint(0, 0));
                tools_->current()->press(cell, Qt::NoModifier);
                tools_->current()->release(cell, Qt::NoModifier);
                updatePreview();
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    if (step.isNull() || (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    if (modifiers & Qt::ControlModifier) {
        // Ctrl+arrows scroll by a cell, as the arrows alone did before the cursor.
        QScrollBar* bar = step.x() != 0 ? horizontalScrollBar() : verticalScrollBar();
        bar->triggerAction(step.x() + step.y() > 0 ? QAbstractSlider::SliderSingleStepAdd
                                                   : QAbstractSlider::SliderSingleStepSub);
        return;
    }
    moveCursor(step, modifiers & Qt::ShiftModifier);
}

void LevelView::moveCursor(QPoint step, bool extendSelection) {
    // The cursor is the hovered cell; without one it starts at the view's centre.
    const std::optional<QPoint> hovered = document_->hoveredCell();
    const QPointF centre = levelPoint(viewport()->rect().center());
    const QPoint from = hovered.value_or(QPoint(int(centre.x()) / kCell, int(centre.y()) / kCell));
    const QPoint to(std::clamp(from.x() + (hovered ? step.x() : 0), 0, kMapColumns - 1),
                    std::clamp(from.y() + (hovered ? step.y() : 0), 0, kMapRows - 1));
    if (extendSelection) {
        if (!selectionAnchor_)
            selectionAnchor_ = from;
        document_->setSelection(QRegion(CellShapes::between(*selectionAnchor_, to)));
    } else {
        selectionAnchor_.reset();
    }
    document_->setHoveredCell(to);
    // The cursor stays in sight.
    const QRect shown = viewportRectOfCells(QRect(to, QSize(1, 1)));
    if (shown.left() < 0 || shown.right() >= viewport()->width())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shown.center().x() -
                                        viewport()->width() / 2);
    if (shown.top() < 0 || shown.bottom() >= viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + shown.center().y() -
                                      viewport()->height() / 2);
}

}  // namespace zantor
