#pragma once

#include "base/Error.h"

namespace zantor {

// A Tiled map that cannot become a level: another size or layout, a cell that holds no block,
// an encoding this build does not read, or a file that is not a well-formed map. Nothing has
// been written when it is thrown; text() names the file and the first problem found.
class TiledError : public Error {
public:
    enum class Kind {
        Malformed,        // not a TMX or Tiled JSON map, or one missing what a map has
        WrongLayout,      // not orthogonal 256 × 48 cells of 16 × 16, or an infinite map
        UnknownEncoding,  // a layer encoding or compression this build does not read
        NotABlock,        // a cell empty, flipped, or outside the block tileset's ids
    };

    TiledError(Kind kind, QString text) : Error(std::move(text)), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace zantor
