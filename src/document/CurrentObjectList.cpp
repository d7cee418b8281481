#include "CurrentObjectList.h"

#include "LevelDocument.h"
#include "ObjectListDocument.h"
#include "session/RomSession.h"

namespace zantor {

CurrentObjectList::CurrentObjectList(LevelDocument* level, QObject* parent)
    : QObject(parent), level_(level) {
    connect(level_, &LevelDocument::levelLoaded, this, &CurrentObjectList::follow);
    connect(level_->session(), &RomSession::opened, this, &CurrentObjectList::follow);
    follow();
}

void CurrentObjectList::follow() {
    ObjectListDocument* now =
        level_->hasLevel() ? level_->session()->objectList(level_->mapIndex()) : nullptr;
    if (now == document_)
        return;
    if (document_)
        document_->disconnect(this);
    document_ = now;
    if (document_)
        connect(document_, &ObjectListDocument::loaded, this, &CurrentObjectList::changed);
    emit changed();
}

}  // namespace zantor
