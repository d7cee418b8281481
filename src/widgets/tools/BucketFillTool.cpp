#include "BucketFillTool.h"

#include <QCoreApplication>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"

namespace zantor {

QString BucketFillTool::name() const {
    return QCoreApplication::translate("LevelTool", "Bucket Fill");
}

void BucketFillTool::press(QPoint cell, Qt::KeyboardModifiers modifiers) {
    document_->fillFrom(cell, modifiers & Qt::ShiftModifier);
}

}  // namespace zantor
