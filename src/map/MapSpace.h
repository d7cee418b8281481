#pragma once

#include <vector>

#include "BankSpace.h"

namespace zantor {

class RomFile;

// Where the maps of a cartridge lie, bank by bank: from the 32 headers (byte 13 the bank,
// byte 18 the entry of the bank's table at 0x42F0), each map's start and slot, which maps
// are shared, the regions of slots that follow one another, and the run each bank ends in.
// Read once; it does not follow later writes.
class MapSpace {
public:
    static MapSpace read(const RomFile& rom);

    // The banks some header names, in order.
    const std::vector<BankSpace>& banks() const { return banks_; }
    const BankSpace* bank(uint8_t number) const;
    // The bank header `mapIndex` names.
    const BankSpace* bankOf(int mapIndex) const;

private:
    std::vector<BankSpace> banks_;
    std::vector<uint8_t> bankOfMap_;
};

}  // namespace zantor
