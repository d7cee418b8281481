#pragma once

#include <QPoint>
#include <QPointF>
#include <algorithm>
#include <optional>
#include <vector>

#include "LevelTool.h"
#include "map/ObjectList.h"

namespace zantor {

class ObjectListDocument;

// O: edits the level's objects instead of its cells. A click selects the object under the
// pointer (Ctrl or Shift adds it, or takes it out), a drag moves the selection in steps of 8
// pixels, a double-click (or Insert) adds an object of the chosen type. It works on level
// pixels, which the view's object layer hands it; the cells the view hands other tools it
// leaves alone.
class ObjectTool : public LevelTool {
public:
    using LevelTool::LevelTool;
    QString name() const override;
    void press(QPoint, Qt::KeyboardModifiers) override {}

    void pressAt(ObjectListDocument* objects, QPointF at, Qt::KeyboardModifiers modifiers);
    void dragTo(ObjectListDocument* objects, QPointF at);
    void release();
    bool isDragging() const { return grab_.has_value(); }
    // Adds an object of the chosen type with its top-left at the 8-pixel point nearest `at`.
    void addAt(ObjectListDocument* objects, QPointF at);

    // The objects copied, with their positions kept, for the clipboard.
    static std::vector<LevelObject> copied(const ObjectListDocument& objects);
    // Pasted with the group's top-left at `at` (snapped), kept inside the level; selected.
    static void paste(ObjectListDocument* objects, std::vector<LevelObject> pasted, QPointF at);

    int chosenType() const { return chosenType_; }
    void setChosenType(int type) { chosenType_ = std::clamp(type, 0, 127); }

    // The 8-pixel point an object dropped with its top-left at `at` goes to.
    static QPoint snapped(QPointF at);

private:
    struct Grab {
        int index;        // the object taken
        QPoint from;      // where it was
        QPointF pointer;  // where the pointer took it
        int dragKey;
    };
    std::optional<Grab> grab_;
    int chosenType_ = 0;
};

}  // namespace zantor
