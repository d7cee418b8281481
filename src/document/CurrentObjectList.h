#pragma once

#include <QObject>
#include <QPointer>

#include "ObjectListDocument.h"

namespace zantor {

class LevelDocument;

// The object list of the level a level document shows: the session's document for it, asked
// for again whenever another level is loaded or the session reads its ROM anew. The views, the
// objects panel and the objects tool follow this, not the session.
class CurrentObjectList : public QObject {
    Q_OBJECT

public:
    explicit CurrentObjectList(LevelDocument* level, QObject* parent = nullptr);

    LevelDocument* level() const { return level_; }
    // Null while no ROM is open.
    ObjectListDocument* document() const { return document_; }

signals:
    // Another document (or the same one after a reload) is the level's.
    void changed();

private:
    void follow();

    LevelDocument* level_;
    QPointer<ObjectListDocument> document_;
};

}  // namespace zantor
