#pragma once

#include <QUndoCommand>

#include "LevelDocument.h"

namespace zantor {

// Header bytes changed (a field of the Header tab, the start position). Consecutive steps of
// the same name merge, so a marker drag or typing into one field is one step.
class HeaderCommand : public QUndoCommand {
public:
    HeaderCommand(LevelDocument* document, const QString& text, const MapHeader& before,
                  const MapHeader& after);

    void undo() override;
    void redo() override;
    int id() const override { return kMergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kMergeId = 3;

    LevelDocument* document_;
    MapHeader before_;
    MapHeader after_;
};

}  // namespace zantor
