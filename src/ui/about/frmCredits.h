#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The credits editor, never built: an empty window.
class frmCredits : public PlaceholderWindow {
public:
    explicit frmCredits(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmCredits"), Border::Sizable, parent) {}
};

}  // namespace zantor
