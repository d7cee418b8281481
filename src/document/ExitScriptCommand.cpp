#include "ExitScriptCommand.h"

#include <QCoreApplication>

#include "ScreenArraysDocument.h"
#include "UndoId.h"

namespace zantor {

ExitScriptCommand::ExitScriptCommand(ScreenArraysDocument* document, int number,
                                     const QByteArray& before, const QByteArray& after)
    : document_(document), number_(number), before_(before), after_(after) {
    setText(QCoreApplication::translate("ExitScriptCommand", "Edit Exit Script %1").arg(number));
}

void ExitScriptCommand::undo() {
    document_->applyScript(number_, before_);
}

void ExitScriptCommand::redo() {
    document_->applyScript(number_, after_);
    setObsolete(after_ == before_);
}

int ExitScriptCommand::id() const {
    return int(UndoId::ExitScript);
}

bool ExitScriptCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ExitScriptCommand*>(other);
    if (next->document_ != document_ || next->number_ != number_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace zantor
