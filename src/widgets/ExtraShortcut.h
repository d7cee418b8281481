#pragma once

#include <QKeySequence>
#include <QList>

namespace zantor {

// The platform's keys for `standard`, and `extra` unless the platform has it already (one
// action with the same key twice makes it ambiguous, and it would not fire).
inline QList<QKeySequence> WithExtraKey(QKeySequence::StandardKey standard,
                                        const QKeySequence& extra) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(extra))
        keys.append(extra);
    return keys;
}

}  // namespace zantor
