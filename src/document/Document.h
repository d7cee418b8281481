#pragma once

#include <QObject>
#include <QUndoStack>

namespace zantor {

// What every document shares: the undo history, and what "unsaved" means. A document is
// unsaved when what it holds differs from what the ROM holds as far as it knows (the load, then
// every save), not when the history moved: undoing back to a saved state is clean again, and a
// save of one part leaves the others unsaved. It holds no widgets.
class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(QObject* parent = nullptr);
    // The commands call back into the document; they go first.
    ~Document() override;

    QUndoStack* undoStack() { return &undo_; }
    bool isModified() const { return modified_; }

signals:
    void modifiedChanged(bool modified);
    // A save wrote to the ROM (also when the document stays modified).
    void saved();

protected:
    // Whether anything differs from the ROM's bytes as this document knows them.
    virtual bool differsFromRom() const = 0;
    // Call after anything that may change differsFromRom() outside the undo stack.
    void updateModified();
    // A new load: the history starts afresh.
    void startHistory();
    // A save put some or all of the document into the ROM.
    void markSaved();

    QUndoStack undo_;

private:
    bool modified_ = false;
};

}  // namespace zantor
