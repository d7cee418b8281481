#pragma once

#include <QColor>
#include <QWidget>

namespace zantor {

// A line above a picture with two end points in the picture's pixels. Hidden or shown, its
// ends are data the handlers read (the drag-scroll record); it lets the mouse through.
class LineOverlay : public QWidget {
public:
    LineOverlay(QWidget* surface, const QString& name, QColor colour);

    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible() const { return visible_; }
    void setVisible(bool visible) override;
    // Call after changing the ends, to show the line where it now is.
    void refreshLine();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    bool visible_ = false;
};

}  // namespace zantor
