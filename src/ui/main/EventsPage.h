#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace zantor {

class LevelDocument;
class EventsView;

// The Events tab: the level with the player's start marker and its screens (edges, exits,
// camera start, checkpoint), the "Exits" panel, the pointer's position read-out and "Save
// Changes", which writes the header edits and the screens'.
class EventsPage : public QWidget {
    Q_OBJECT

public:
    EventsPage(LevelDocument* document, QWidget* parent = nullptr);

    EventsView* view() const { return view_; }

signals:
    void saveHeaderRequested();

private:
    void updateSave();

    LevelDocument* document_;
    EventsView* view_;
    QLabel* position_;
    QPushButton* save_;
};

}  // namespace zantor
