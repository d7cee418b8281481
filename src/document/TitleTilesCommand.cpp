#include "TitleTilesCommand.h"

#include "TitleDocument.h"

namespace zantor {

TitleTilesCommand::TitleTilesCommand(TitleDocument* document, const QString& text,
                                     QByteArray before, QByteArray after)
    : document_(document), before_(std::move(before)), after_(std::move(after)) {
    setText(text);
}

void TitleTilesCommand::undo() {
    document_->applyTiles(before_);
}

void TitleTilesCommand::redo() {
    document_->applyTiles(after_);
    setObsolete(after_ == before_);
}

}  // namespace zantor
