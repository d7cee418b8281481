#include "ObjectLayer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

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
constexpr int kNameRoom = 160;
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
    view_->viewport()->update(shown.adjusted(-2, -2, names_ ? kNameRoom : 2, 2));
}

void ObjectLayer::paint(QPainter& painter, const QRect& exposed) const {
    if (!shown_ || !document_ || !document_->isLoaded())
        return;
    const int mapIndex = source_ && source_->level() ? source_->level()->mapIndex() : 0;
    const double scale = view_->zoomPercent() / 100.0;
    const bool withText = scale >= 1.0;
    const QRect reach = exposed.adjusted(-kNameRoom, -2, 2, 2);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(7, int(8 * scale)));
    painter.setFont(font);
    const std::vector<LevelObject>& objects = document_->objects();
    for (int i = 0; i < int(objects.size()); ++i) {
        const LevelObject& object = objects[size_t(i)];
        const QRect box = viewportRectOf(object);
        if (!box.intersects(reach))
            continue;
        painter.fillRect(box, kBoxFill);
        if (object.hiddenInEasyMode)
            painter.fillRect(box, QBrush(kBoxEdge, Qt::BDiagPattern));
        const bool selected = document_->isSelected(i);
        painter.setPen(QPen(selected ? kSelectedEdge : kBoxEdge, selected ? 2 : 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        if (!withText)
            continue;
        const QStaticText& type =
            text(QString::number(object.type, 16).toUpper().rightJustified(2, '0'), font);
        painter.setPen(kTextColour);
        painter.drawStaticText(
            box.center() - QPointF(type.size().width(), type.size().height()) / 2 + QPointF(1, 1),
            type);
        const QString name = names_ ? names_(mapIndex, object.type) : QString();
        if (!name.isEmpty()) {
            const QStaticText& shown = text(name, font);
            const QPointF at(box.right() + 4, box.center().y() - shown.size().height() / 2);
            painter.setPen(Qt::black);
            painter.drawStaticText(at + QPointF(1, 1), shown);
            painter.setPen(kTextColour);
            painter.drawStaticText(at, shown);
        }
    }
    painter.restore();
}

const QStaticText& ObjectLayer::text(const QString& text, const QFont& font) const {
    if (textsZoom_ != view_->zoomPercent()) {
        texts_.clear();
        textsZoom_ = view_->zoomPercent();
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
