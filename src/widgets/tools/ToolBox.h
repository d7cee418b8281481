#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "LevelTool.h"

namespace zantor {

class LevelDocument;

// The editing tools of one document and which one is in use: application state that the
// tool bar, the menu and the views share.
class ToolBox : public QObject {
    Q_OBJECT

public:
    enum class Kind { Brush, RectangleSelect, BucketFill, ShapeFill, Objects };
    static constexpr int kKinds = 5;

    explicit ToolBox(LevelDocument* document, QObject* parent = nullptr);
    ~ToolBox() override;

    Kind kind() const { return kind_; }
    void setKind(Kind kind);
    LevelTool* current() const { return tool(kind_); }
    LevelTool* tool(Kind kind) const { return tools_[size_t(kind)].get(); }

signals:
    void toolChanged();

private:
    std::array<std::unique_ptr<LevelTool>, kKinds> tools_;
    Kind kind_ = Kind::Brush;
};

}  // namespace zantor
