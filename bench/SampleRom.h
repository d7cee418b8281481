#pragma once

#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"

namespace zantor {

// The sample cartridge in memory, built once for all benchmarks that read it.
inline const RomFile& SampleRom() {
    static const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
    return rom;
}

// Where map `index` of the sample is stored.
inline int32_t SampleMapData(int index) {
    return MapDataOffset(SampleRom(),
                         MapHeader::read(SampleRom(), HeaderOffset(SampleRom(), index)));
}

}  // namespace zantor
