#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The window for moving data that outgrew its place, never built: an empty window.
class frmRepoint : public PlaceholderWindow {
public:
    explicit frmRepoint(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmRepoint"), Border::FixedSingle, parent) {}
};

}  // namespace zantor
