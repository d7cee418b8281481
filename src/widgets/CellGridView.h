#pragma once

#include <QImage>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <optional>

namespace zantor {

// A small picture shown at an integer zoom and divided into cells (tiles of the sheet, blocks
// of the palette, quarters of a block). The picture and the chosen cell come from the owner
// (the document) through functions, so the view keeps nothing but the cell under the pointer.
// Mouse presses and drags are handed back as cells.
class CellGridView : public QWidget {
    Q_OBJECT

public:
    // A one-row strip of cells (the block palettes) in a scroll area of its own that scrolls
    // sideways only; the area and its bar get the given object names.
    static QScrollArea* inStripArea(CellGridView* view, const char* areaName, const char* barName,
                                    QWidget* parent);

    CellGridView(QSize cellSize, QWidget* parent = nullptr);

    std::function<QImage()> source;
    // The chosen cell's index (row-major), or -1.
    std::function<int()> chosen;
    // Optional: a rectangle of cells (columns and rows) chosen together, framed as one.
    std::function<QRect()> chosenArea;
    // Optional: the hover tooltip of a cell.
    std::function<QString(int cell)> toolTipFor;
    // Cells that get a mark in their corner (blocks that differ from an original), optional.
    std::function<bool(int cell)> marked;
    // A press (any button) or a drag with buttons held, on a cell inside the picture.
    std::function<void(int cell, Qt::MouseButton button)> pressed;
    std::function<void(int cell, Qt::MouseButtons buttons)> dragged;
    // Optional: a drag with buttons held moved off the picture, and a button let go anywhere.
    std::function<void()> draggedOff;
    std::function<void(Qt::MouseButton button)> released;

    void setZoom(int factor);
    int zoom() const { return zoom_; }
    // The cell under the pointer, -1 when none.
    int hoveredCell() const { return hovered_; }
    int columns() const;
    // Call when the picture or the choice changed.
    void refresh();

    QSize sizeHint() const override;

signals:
    void hoveredChanged(int cell);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int cellAt(QPointF point) const;
    QRect cellRect(int cell) const;
    QSize pictureSize() const;

    QSize cellSize_;
    int zoom_ = 1;
    int hovered_ = -1;
};

}  // namespace zantor
