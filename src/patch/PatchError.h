#pragma once

#include "base/Error.h"

namespace zantor {

// A patch that cannot be applied (or an image a format cannot express). Nothing has been
// written when it is thrown: patches are applied in memory and written whole afterwards.
// text() is one sentence: what is wrong, then the detail.
class PatchError : public Error {
public:
    enum class Kind {
        NotAPatch,       // neither "BPS1" nor "PATCH" at the start
        CutShort,        // the patch ends inside a record, or before its end marker
        RecordPastEnd,   // a record reads or writes outside the source or the target
        SourceMismatch,  // the ROM is not the file the patch was made for
        TargetMismatch,  // the result's CRC32 is not the one recorded: the patch is damaged
        PatchMismatch,   // the patch's own CRC32 does not hold: the patch is damaged
        TooLarge,        // the result would pass what a cartridge can hold or IPS can address
        Malformed,       // anything else the format does not allow
    };

    PatchError(Kind kind, QString detail);

    Kind kind() const { return kind_; }
    const QString& detail() const { return detail_; }

private:
    Kind kind_;
    QString detail_;
};

}  // namespace zantor
