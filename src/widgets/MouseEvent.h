#pragma once

#include <QMouseEvent>
#include <functional>

namespace zantor {

// Mouse buttons as handlers compare them: 1 left, 2 right, 4 middle; a move carries the sum
// of the buttons held. Shift: 1 Shift, 2 Ctrl, 4 Alt.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

int ButtonCode(Qt::MouseButton button);
int ButtonCodes(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

// ⌊value / by⌋, also for the negative positions a captured pointer reports.
inline int FloorDiv(int value, int by) {
    const int q = value / by;
    return (value % by != 0 && (value < 0) != (by < 0)) ? q - 1 : q;
}

// A handler of a press, move or release: (Button, Shift, X, Y).
using MouseHandler = std::function<void(int Button, int Shift, int X, int Y)>;

}  // namespace zantor
