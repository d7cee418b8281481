#pragma once

#include <QUndoCommand>

#include "map/ScreenArrays.h"

namespace zantor {

class ScreenArraysDocument;

// Edges or exits of one pair of arrays changed. The steps of one stroke (a drag along a row
// of edges) merge into one; one that puts the arrays back drops itself.
class ScreenArraysCommand : public QUndoCommand {
public:
    // `stroke` 0: a step of its own; steps of the same other value merge.
    ScreenArraysCommand(ScreenArraysDocument* document, const QString& text,
                        const ScreenArraysPlace& place, const ScreenArrays& before,
                        const ScreenArrays& after, int stroke);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    ScreenArraysDocument* document_;
    ScreenArraysPlace place_;
    ScreenArrays before_;
    ScreenArrays after_;
    int stroke_;
};

}  // namespace zantor
