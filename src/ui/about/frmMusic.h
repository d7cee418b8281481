#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The sound editor, never built: an empty window.
class frmMusic : public PlaceholderWindow {
public:
    explicit frmMusic(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmMusic"), Border::FixedSingle, parent) {}
};

}  // namespace zantor
