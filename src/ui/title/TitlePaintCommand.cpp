#include "TitlePaintCommand.h"

namespace zantor {

TitlePaintCommand::TitlePaintCommand(SetCell setCell, int stroke, int cell, uint8_t before,
                                     uint8_t after)
    : QUndoCommand(QStringLiteral("Paint")), setCell_(std::move(setCell)), stroke_(stroke) {
    changes_[cell] = {before, after};
}

void TitlePaintCommand::undo() {
    for (const auto& [cell, change] : changes_) {
        setCell_(cell, change.before);
    }
}

void TitlePaintCommand::redo() {
    for (const auto& [cell, change] : changes_) {
        setCell_(cell, change.after);
    }
}

int TitlePaintCommand::id() const {
    return 0x7173;  // any value shared by all paint commands and no other command
}

bool TitlePaintCommand::mergeWith(const QUndoCommand* other) {
    const auto* paint = static_cast<const TitlePaintCommand*>(other);
    if (paint->stroke_ != stroke_) {
        return false;
    }
    for (const auto& [cell, change] : paint->changes_) {
        // A cell painted twice in one stroke (the selection may change under a right press)
        // goes back to what it held before the stroke.
        auto [it, inserted] = changes_.try_emplace(cell, change);
        if (!inserted) {
            it->second.after = change.after;
        }
    }
    return true;
}

}  // namespace zantor
