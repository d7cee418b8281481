#include "MapImport.h"

#include <QCoreApplication>
#include <cstdio>

#include "RepackText.h"
#include "ToolCommand.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSaver.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "map/RegionRepack.h"

namespace zantor::tool {

int WriteImportedCells(const QString& romPath, int index, const MapCells& cells, bool repack,
                       const QString& command, const std::function<void(RomFile&)>& alsoWrite) {
    RomFile rom = RomFile::open(romPath);
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, index));
    const int slot = DecompressMap(rom, MapDataOffset(rom, header)).CompressedLength - 1;
    if (MapSaver::writeToSlot(rom, header, cells, slot)) {
        if (alsoWrite)
            alsoWrite(rom);
        rom.commit();
        return kExitOk;
    }
    const MapSpace space = MapSpace::read(rom);
    QString whyNot;
    const bool canRepack = RegionRepack::canRepack(space, index, cells, &whyNot);
    if (!repack || !canRepack) {
        std::fprintf(
            stderr,
            qPrintable(QCoreApplication::translate("zantor-tool", "zantor-tool %s: %s: %s\n")),
            qPrintable(command), qPrintable(rom.path()),
            qPrintable(MapSaver::tooBigMessage(MapSaver::excess(cells, slot), canRepack)));
        std::fprintf(
            stderr, "%s\n",
            qPrintable(canRepack
                           ? QCoreApplication::translate("zantor-tool",
                                                         "To repack, run the same command "
                                                         "with --repack.")
                           : QCoreApplication::translate("zantor-tool", "Repacking cannot help: ") +
                                 whyNot));
        return kExitFailed;
    }
    const RepackPlan plan = RegionRepack::planFor(space, index, cells);
    std::printf("%s", qPrintable(RepackText(plan)));
    RegionRepack::apply(rom, plan);
    if (alsoWrite)
        alsoWrite(rom);
    rom.commit();
    return kExitOk;
}

}  // namespace zantor::tool
