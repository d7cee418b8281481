#pragma once

#include <QUndoCommand>

#include "map/MapHeader.h"

namespace zantor {

class LevelDocument;

// Header fields changed (one field, or the two words of a position dragged on a view).
// Consecutive edits of the same fields of the same document merge into one step, so a drag or
// a value typed digit by digit is undone at once; one that puts the header back drops itself.
class HeaderFieldCommand : public QUndoCommand {
public:
    // `fields` names what the step edits, for merging: a bit per HeaderField.
    HeaderFieldCommand(LevelDocument* document, const QString& text, unsigned fields,
                       const MapHeader& before, const MapHeader& after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    LevelDocument* document_;
    unsigned fields_;
    MapHeader before_;
    MapHeader after_;
};

}  // namespace zantor
