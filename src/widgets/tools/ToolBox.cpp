#include "ToolBox.h"

#include "BrushTool.h"
#include "BucketFillTool.h"
#include "ObjectTool.h"
#include "RectangleSelectTool.h"
#include "ShapeFillTool.h"

namespace zantor {

ToolBox::ToolBox(LevelDocument* document, QObject* parent) : QObject(parent) {
    tools_[size_t(Kind::Brush)] = std::make_unique<BrushTool>(document);
    tools_[size_t(Kind::RectangleSelect)] = std::make_unique<RectangleSelectTool>(document);
    tools_[size_t(Kind::BucketFill)] = std::make_unique<BucketFillTool>(document);
    tools_[size_t(Kind::ShapeFill)] = std::make_unique<ShapeFillTool>(document);
    tools_[size_t(Kind::Objects)] = std::make_unique<ObjectTool>(document);
}

ToolBox::~ToolBox() = default;

void ToolBox::setKind(Kind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    emit toolChanged();
}

}  // namespace zantor
