#pragma once

#include <QByteArray>
#include <QUndoCommand>

namespace zantor {

class ScreenArraysDocument;

// An exit script's bytes changed (its length never does). Consecutive edits of one script
// merge, so a target picked and then typed over is one step.
class ExitScriptCommand : public QUndoCommand {
public:
    ExitScriptCommand(ScreenArraysDocument* document, int number, const QByteArray& before,
                      const QByteArray& after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    ScreenArraysDocument* document_;
    int number_;
    QByteArray before_;
    QByteArray after_;
};

}  // namespace zantor
