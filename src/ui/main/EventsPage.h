#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace zantor {

class LevelDocument;
class EventsView;

// The Events tab: the level with the player's start marker, the pointer's position read-out
// and "Save Changes", which writes the start position (and the other header edits).
class EventsPage : public QWidget {
    Q_OBJECT

public:
    EventsPage(LevelDocument* document, QWidget* parent = nullptr);

    EventsView* view() const { return view_; }

signals:
    void saveHeaderRequested();

private:
    LevelDocument* document_;
    EventsView* view_;
    QLabel* position_;
    QPushButton* save_;
};

}  // namespace zantor
