#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The overworld editor, never built: an empty window.
class frmOverworld : public PlaceholderWindow {
public:
    explicit frmOverworld(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmOverworld"), Border::Sizable, parent) {}
};

}  // namespace zantor
