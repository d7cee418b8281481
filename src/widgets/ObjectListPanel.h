#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "CoalescedCall.h"
#include "document/ObjectListDocument.h"

class QLabel;
class QListWidget;
class QSpinBox;
class QTableView;

namespace zantor {

class CurrentObjectList;
class ObjectTableModel;
class ObjectTool;

// The level's objects as a list beside the view: a row per object (X, Y, type, name,
// Easy-hidden), in step with the view both ways. Editing a row edits the object; selecting
// rows selects the objects and asks the view to show the first (objectChosen). Above it: which
// other levels share the list, or why there is none; the type new objects get; below it, hints
// about what the game will do with the list.
class ObjectListPanel : public QWidget {
    Q_OBJECT

public:
    ObjectListPanel(CurrentObjectList* source, ObjectTool* tool, QWidget* parent = nullptr);

    void setNames(std::function<QString(int level, int type)> names);
    QTableView* table() const { return table_; }

signals:
    // A row was chosen: the view should show this object.
    void objectChosen(int index);

private:
    void follow();
    void showState();
    void showHints();
    void selectionToTable();
    void tableToSelection();

    CurrentObjectList* source_;
    ObjectTool* tool_;
    QPointer<ObjectListDocument> document_;
    ObjectTableModel* model_;
    QLabel* state_;
    QSpinBox* newType_;
    QTableView* table_;
    QListWidget* hints_;
    bool syncing_ = false;
    // The hints follow a drag at most once a frame.
    CoalescedCall hintsOnEdit_{this, [this] { showHints(); }};
};

}  // namespace zantor
