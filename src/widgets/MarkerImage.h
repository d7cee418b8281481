#pragma once

#include <QImage>

namespace zantor {

// The player's start marker shown on the events view: a 16 × 32 figure of our own drawing.
QImage MarkerImage();

// The 16 × 16 window icon shared by all windows.
QImage WindowIconImage();

}  // namespace zantor
