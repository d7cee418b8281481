#pragma once

#include <QByteArray>
#include <QUndoCommand>

namespace zantor {

class TitleDocument;

// The title screen's 4096 tile bytes replaced (an imported sheet), as one undo step. One that
// changes no byte drops itself.
class TitleTilesCommand : public QUndoCommand {
public:
    TitleTilesCommand(TitleDocument* document, const QString& text, QByteArray before,
                      QByteArray after);

    void undo() override;
    void redo() override;

private:
    TitleDocument* document_;
    QByteArray before_;
    QByteArray after_;
};

}  // namespace zantor
