#pragma once

#include "PlaceholderWindow.h"

namespace zantor {

// The tileset editor, never built: an empty window.
class frmTileset : public PlaceholderWindow {
public:
    explicit frmTileset(QWidget* parent = nullptr)
        : PlaceholderWindow(QStringLiteral("frmTileset"), Border::FixedSingle, parent) {}
};

}  // namespace zantor
