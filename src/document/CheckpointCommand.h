#pragma once

#include <QUndoCommand>

#include "map/Checkpoint.h"

namespace zantor {

class LevelScreens;

// The level's checkpoint entry changed. Consecutive moves of the same marker merge, so a drag
// is one step.
class CheckpointCommand : public QUndoCommand {
public:
    // `marker` tells the player's (0) and the camera's (1) moves apart for merging.
    CheckpointCommand(LevelScreens* screens, const QString& text, int marker,
                      const Checkpoint& before, const Checkpoint& after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    LevelScreens* screens_;
    int marker_;
    Checkpoint before_;
    Checkpoint after_;
};

}  // namespace zantor
