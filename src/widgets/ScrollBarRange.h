#pragma once

#include <QScrollBar>

namespace zantor {

// A scrollbar's maximum as the layout computes it, which may be negative when the view is
// larger than its content. Qt's range cannot hold that, so the bar gets max(0, Max) and the
// computed value is kept beside it for the rules that read it.
void SetScrollMax(QScrollBar* bar, int max);
int ScrollMax(const QScrollBar* bar);

}  // namespace zantor
