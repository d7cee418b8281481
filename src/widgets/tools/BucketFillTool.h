#pragma once

#include "LevelTool.h"

namespace zantor {

// F: fills the 4-connected cells of the clicked cell's block (Shift: every cell of that
// block), inside the selection when there is one.
class BucketFillTool : public LevelTool {
public:
    using LevelTool::LevelTool;
    QString name() const override;
    void press(QPoint cell, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace zantor
