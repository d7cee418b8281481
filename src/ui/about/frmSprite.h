#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The sprite editor, never built: an empty window.
class frmSprite : public PlaceholderWindow {
public:
    explicit frmSprite(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmSprite"), Border::Sizable, parent) {}
};

}  // namespace zantor
