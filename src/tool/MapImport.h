#pragma once

#include <QString>
#include <functional>

#include "codec/MapCodec.h"

namespace zantor {
class RomFile;
}

namespace zantor::tool {

// Writes `cells` as map `index` of the ROM at `romPath`, for every command that imports a
// whole map: in place, lengthened to fill the map's slot, in one commit. When the encoding is
// longer than the slot it refuses (exit 1, the ROM as it was) and says by how much, or with
// `repack` repacks the map's region when the other maps there leave enough room. `command`
// names the command in its messages. `alsoWrite` writes what else the import brings (its
// objects) into the same commit. Returns the exit code.
int WriteImportedCells(const QString& romPath, int index, const MapCells& cells, bool repack,
                       const QString& command, const std::function<void(RomFile&)>& alsoWrite = {});

}  // namespace zantor::tool
