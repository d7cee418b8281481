#pragma once

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QStaticText>
#include <functional>
#include <optional>

#include "document/CurrentObjectList.h"
#include "document/ObjectListDocument.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace zantor {

class LevelView;
class ObjectTool;
struct LevelObject;

// The level's objects on a level view: each a 16 × 16 box at its position with its type in hex
// and its name when one is given, hatched when hidden in Easy mode, framed when selected. With
// the Objects tool chosen it takes the view's left button, double-click and keys (Insert,
// Delete) and hands them to the tool as level pixels. The view only calls it.
class ObjectLayer : public QObject {
    Q_OBJECT

public:
    explicit ObjectLayer(LevelView* view);

    void setSource(CurrentObjectList* source);
    ObjectListDocument* document() const;
    bool isShown() const { return shown_; }
    void setShown(bool shown);
    // The name given to a type in a level, or an empty text.
    using Names = std::function<QString(int level, int type)>;
    void setNames(Names names);

    // Where an object's box is drawn, in viewport pixels.
    QRect viewportRectOf(const LevelObject& object) const;
    // The object under a viewport point; -1 when none is (or the layer is hidden).
    int objectAt(QPoint viewportPoint) const;
    // The level pixel the pointer last moved over the view at.
    std::optional<QPointF> pointer() const { return pointer_; }
    // Scrolls the view so that the object stands in its middle.
    void scrollTo(int index);

    void paint(QPainter& painter, const QRect& exposed) const;
    // Each true when the layer took the event.
    bool press(QMouseEvent* event);
    bool move(QMouseEvent* event);
    bool release(QMouseEvent* event);
    bool doubleClick(QMouseEvent* event);
    bool key(QKeyEvent* event);

private:
    ObjectTool* activeTool() const;
    void repaintArea(const QRect& levelArea);
    void follow();
    const QStaticText& text(const QString& text, const QFont& font) const;
    int mapIndex() const;
    // A type as drawn on its box: two hex digits.
    static const QString& typeText(int type);
    QFont labelFont() const;
    // How far right of its box a name reaches, in viewport pixels.
    int nameReachOf(const QString& name, const QFont& font) const;

    LevelView* view_;
    QPointer<CurrentObjectList> source_;
    QPointer<ObjectListDocument> document_;
    bool shown_ = true;
    Names names_;
    std::optional<QPointF> pointer_;
    bool pressed_ = false;
    // The texts drawn on boxes, laid out once per text and zoom: laying out a text on every
    // paint cost more than the rest of a drag's repaint.
    mutable QHash<QString, QStaticText> texts_;
    mutable int textsZoom_ = 0;
    // The farthest any name drawn reached right of its box since the zoom last changed: a
    // change repaints that far, so that a name drawn before it is wiped.
    mutable int nameReach_ = 0;
};

}  // namespace zantor
