#include "Document.h"

namespace zantor {

Document::Document(QObject* parent) : QObject(parent) {
    connect(&undo_, &QUndoStack::indexChanged, this, [this] { updateModified(); });
}

Document::~Document() {
    undo_.disconnect(this);
    undo_.clear();
}

void Document::updateModified() {
    const bool modified = differsFromRom();
    if (modified != modified_) {
        modified_ = modified;
        emit modifiedChanged(modified_);
    }
}

void Document::startHistory() {
    undo_.clear();
    undo_.setClean();
    updateModified();
}

void Document::markSaved() {
    if (!differsFromRom())
        undo_.setClean();
    updateModified();
    emit saved();
}

}  // namespace zantor
