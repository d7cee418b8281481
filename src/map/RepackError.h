#pragma once

#include "base/Error.h"

namespace zantor {

// A region of maps that cannot be repacked, and why. Nothing has been written when it is
// thrown.
class RepackError : public Error {
public:
    enum class Kind {
        NoRegion,           // the map or region asked for is not stored in that bank
        UndecodableMap,     // a header of the bank leads to data that cannot be read safely
        EntryInsideRegion,  // a table entry points into the region but not at a map's start
        OverlapsRegion,     // other data the bank's maps use lies inside the region
        TooBig,             // the region's maps together need more bytes than it holds
    };

    RepackError(Kind kind, QString text);

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace zantor
