#pragma once

#include <cstdint>

#include "base/Error.h"

namespace zantor {

// A byte read or write on the ROM that cannot be carried out (a negative offset, a write
// past what a cartridge can hold). The action that meets it is cancelled: the editor keeps its
// state and tells the user; the command line prints it and exits 1. Header: a save that would
// change the cartridge header (0x134..0x14F), which only an applied patch may do; a map
// pointer that leads there is damage, and following it would make the cartridge unbootable.
class RomAccessError : public Error {
public:
    enum class Kind { Read, Write, Header };

    explicit RomAccessError(Kind kind, int32_t offset = -1);

    Kind kind() const { return kind_; }
    // The offset of the refused write (Header only; -1 otherwise).
    int32_t offset() const { return offset_; }

private:
    Kind kind_;
    int32_t offset_;
};

}  // namespace zantor
