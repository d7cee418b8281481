#include "ObjectLayer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <array>
#include <cmath>

#include "LevelView.h"
#include "document/CurrentObjectList.h"
#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "tools/ObjectTool.h"
#include "tools/ToolBox.h"

namespace zantor {

namespace {
const QColor kBoxFill(255, 60, 60, 110);
const QColor kBoxEdge(160, 0, 0);
const QColor kSelectedEdge(20, 90, 255);
const QColor kTextColour(255, 255, 255);
// Room beside a box for its name, in viewport pixels, so that a move repaints it too.
// How far left of an exposed area a box's name may reach into it, and the gap between a box
// and its name.
constexpr int kNameRoom = 160;
constexpr int kNameGap = 4;
}  // namespace

ObjectLayer::ObjectLayer(LevelView* view) : QObject(view), view_(view) {}

void ObjectLayer::setSource(CurrentObjectList* source) {
    if (source_)
        source_->disconnect(this);
    source_ = source;
    if (source_)
        connect(source_, &CurrentObjectList::changed, this, &ObjectLayer::follow);
    follow();
}

void ObjectLayer::follow() {
    ObjectListDocument* now = source_ ? source_->document() : nullptr;
    if (document_)
        document_->disconnect(this);
    document_ = now;
    if (document_) {
        connect(document_, &ObjectListDocument::objectsChanged, this, &ObjectLayer::repaintArea);
        connect(document_, &ObjectListDocument::selectionChanged, this,
                [this] { view_->viewport()->update(); });
    }
    view_->viewport()->update();
}

ObjectListDocument* ObjectLayer::document() const {
    return document_;
}

void ObjectLayer::setShown(bool shown) {
    if (shown != shown_) {
        shown_ = shown;
        view_->viewport()->update();
    }
}

void ObjectLayer::setNames(Names names) {
    names_ = std::move(names);
    view_->viewport()->update();
}

QRect ObjectLayer::viewportRectOf(const LevelObject& object) const {
    const QRect box = ObjectListDocument::boxOf(object);
    return QRect(view_->viewportPoint(box.topLeft()),
                 view_->viewportPoint(box.topLeft() + QPoint(16, 16)) - QPoint(1, 1));
}

int ObjectLayer::objectAt(QPoint viewportPoint) const {
    if (!shown_ || !document_)
        return -1;
    return document_->objectAt(view_->levelPoint(viewportPoint));
}

void ObjectLayer::scrollTo(int index) {
    if (!document_ || index < 0 || index >= document_->count())
        return;
    const LevelObject& object = document_->objects()[size_t(index)];
    const double scale = view_->zoomPercent() / 100.0;
    const QSize half = view_->viewport()->size() / (2 * scale);
    view_->scrollToLevel(QPoint(object.x + 8 - half.width(), object.y + 8 - half.height()));
}

void ObjectLayer::repaintArea(const QRect& levelArea) {
    if (!shown_ || levelArea.isEmpty())
        return;
    const QRect shown(view_->viewportPoint(levelArea.topLeft()),
                      view_->viewportPoint(levelArea.bottomRight() + QPoint(1, 1)));
    // Right of the boxes: as far as any name drawn so far reached (it may have stood here
    // before the change) or a name now in the area reaches, rather than the widest name
    // there could be; a drag repaints a third of the pixels it otherwise would.
    int room = 2;
    if (names_ && view_->zoomPercent() >= 100) {
        room = std::max(room, nameReach_);
        const QFont font = labelFont();
        const int level = mapIndex();
        for (const LevelObject& object : document_->objects()) {
            if (ObjectListDocument::boxOf(object).intersects(levelArea))
                room = std::max(room, nameReachOf(names_(level, object.type), font));
        }
    }
    view_->viewport()->update(shown.adjusted(-2, -2, room, 2));
}

const QString& ObjectLayer::typeText(int type) {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> made;
        for (int i = 0; i < 256; ++i)
            made[size_t(i)] = QString::number(i, 16).toUpper().rightJustified(2, '0');
        return made;
    }();
    return texts[size_t(type & 0xFF)];
}

int ObjectLayer::mapIndex() const {
    return source_ && source_->level() ? source_->level()->mapIndex() : 0;
}

QFont ObjectLayer::labelFont() const {
    QFont font = view_->viewport()->font();
    font.setPixelSize(std::max(7, int(8 * view_->zoomPercent() / 100.0)));
    return font;
}

int ObjectLayer::nameReachOf(const QString& name, const QFont& font) const {
    if (name.isEmpty())
        return 0;
    // The gap after the box, the text and its shadow's pixel, and one to spare for rounding.
    return kNameGap + int(std::ceil(text(name, font).size().width())) + 2;
}

void ObjectLayer::paint(QPainter& painter, const QRect& exposed) const {
    if (!shown_ || !document_ || !document_->isLoaded())
        return;
    const int level = mapIndex();
    const bool withText = view_->zoomPercent() >= 100;
    const QRect reach = exposed.adjusted(-kNameRoom, -2, 2, 2);
    // The same reach in level pixels, a pixel wider, to pass over the objects out of it cheaply.
    const QPointF from = view_->levelPoint(reach.topLeft());
    const QPointF to = view_->levelPoint(reach.bottomRight() + QPoint(1, 1));
    const QRect levelReach(QPoint(int(std::floor(from.x())) - 1, int(std::floor(from.y())) - 1),
                           QPoint(int(std::ceil(to.x())) + 1, int(std::ceil(to.y())) + 1));
    // The painter's state is put back by hand: save() and restore() cost a tenth of a drag step.
    const QFont oldFont = painter.font();
    const QPen oldPen = painter.pen();
    const QBrush oldBrush = painter.brush();
    const QFont font = labelFont();
    painter.setFont(font);
    const std::vector<LevelObject>& objects = document_->objects();
    for (int i = 0; i < int(objects.size()); ++i) {
        const LevelObject& object = objects[size_t(i)];
        if (!ObjectListDocument::boxOf(object).intersects(levelReach))
            continue;
        const QRect box = viewportRectOf(object);
        if (!box.intersects(reach))
            continue;
        painter.fillRect(box, kBoxFill);
        if (object.hiddenInEasyMode)
            painter.fillRect(box, QBrush(kBoxEdge, Qt::BDiagPattern));
        if (document_->isSelected(i)) {
            // Two pixels wide inside the box, as fills: a pen wider than a pixel takes Qt's
            // slow outline path, a third of a dragged object's repaint.
            painter.fillRect(QRect(box.left(), box.top(), box.width(), 2), kSelectedEdge);
            painter.fillRect(QRect(box.left(), box.bottom() - 1, box.width(), 2), kSelectedEdge);
            painter.fillRect(QRect(box.left(), box.top() + 2, 2, box.height() - 4), kSelectedEdge);
            painter.fillRect(QRect(box.right() - 1, box.top() + 2, 2, box.height() - 4),
                             kSelectedEdge);
        } else {
            painter.setPen(QPen(kBoxEdge, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
        if (!withText)
            continue;
        const QStaticText& type = text(typeText(object.type), font);
        painter.setPen(kTextColour);
        painter.drawStaticText(
            box.center() - QPointF(type.size().width(), type.size().height()) / 2 + QPointF(1, 1),
            type);
        const QString name = names_ ? names_(level, object.type) : QString();
        if (!name.isEmpty()) {
            const QStaticText& shown = text(name, font);
            nameReach_ = std::max(nameReach_, nameReachOf(name, font));
            const QPointF at(box.right() + kNameGap, box.center().y() - shown.size().height() / 2);
            painter.setPen(Qt::black);
            painter.drawStaticText(at + QPointF(1, 1), shown);
            painter.setPen(kTextColour);
            painter.drawStaticText(at, shown);
        }
    }
    painter.setFont(oldFont);
    painter.setPen(oldPen);
    painter.setBrush(oldBrush);
}

const QStaticText& ObjectLayer::text(const QString& text, const QFont& font) const {
    if (textsZoom_ != view_->zoomPercent()) {
        texts_.clear();
        textsZoom_ = view_->zoomPercent();
        nameReach_ = 0;  // the whole view is painted anew at a new zoom
    }
    auto it = texts_.find(text);
    if (it == texts_.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setTextWidth(-1);
        laidOut.prepare(QTransform(), font);
        it = texts_.insert(text, laidOut);
    }
    return *it;
}

ObjectTool* ObjectLayer::activeTool() const {
    if (!shown_ || !document_ || !document_->isLoaded() ||
        view_->toolBox()->kind() != ToolBox::Kind::Objects)
        return nullptr;
    return static_cast<ObjectTool*>(view_->toolBox()->current());
}

bool ObjectLayer::press(QMouseEvent* event) {
    ObjectTool* tool = activeTool();
    if (!tool || event->button() != Qt::LeftButton)
        return false;
    pressed_ = true;
    tool->pressAt(document_, view_->levelPoint(event->position().toPoint()), event->modifiers());
    return true;
}

bool ObjectLayer::move(QMouseEvent* event) {
    pointer_ = view_->levelPoint(event->position().toPoint());
    ObjectTool* tool = activeTool();
    if (!tool || !pressed_)
        return false;
    tool->dragTo(document_, *pointer_);
    return true;
}

bool ObjectLayer::release(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton)
        return false;
    pressed_ = false;
    if (ObjectTool* tool = activeTool())
        tool->release();
    return true;
}

bool ObjectLayer::doubleClick(QMouseEvent* event) {
    ObjectTool* tool = activeTool();
    if (!tool || event->button() != Qt::LeftButton)
        return false;
    const QPointF at = view_->levelPoint(event->position().toPoint());
    if (document_->objectAt(at) < 0)
        tool->addAt(document_, at);
    return true;
}

bool ObjectLayer::key(QKeyEvent* event) {
    ObjectTool* tool = activeTool();
    if (!tool || event->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event->key()) {
        case Qt::Key_Insert:
            tool->addAt(document_,
                        pointer_.value_or(view_->levelPoint(view_->viewport()->rect().center())));
            return true;
        case Qt::Key_Delete:
            document_->deleteObjects(document_->selection());
            return true;
        default:
            return false;
    }
}

}  // namespace zantor
