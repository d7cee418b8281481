#pragma once

#include <QByteArray>

#include "codec/CartridgeChecksum.h"

// What a save of `edited` puts in the file when the file held `before`: the edits and, when
// the global checksum of `before` held, the checksum brought up to date.
inline QByteArray SavedImage(QByteArray edited, const QByteArray& before) {
    if (zantor::CartridgeChecksum::of(before).globalHolds())
        zantor::CartridgeChecksum::writeGlobal(edited);
    return edited;
}
