#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <functional>
#include <map>

namespace zantor {

// Painting tiles into title map cells, as one undo step per mouse stroke: every cell a stroke
// paints arrives as its own command, and commands of the same stroke merge into the first, so
// Undo takes back the whole stroke at once.
class TitlePaintCommand : public QUndoCommand {
public:
    // Puts `tile` into `cell` of the map and shows it.
    using SetCell = std::function<void(int cell, uint8_t tile)>;

    TitlePaintCommand(SetCell setCell, int stroke, int cell, uint8_t before, uint8_t after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    struct Change {
        uint8_t before;
        uint8_t after;
    };

    SetCell setCell_;
    int stroke_;
    std::map<int, Change> changes_;  // by cell index
};

}  // namespace zantor
