// The title screen load over arbitrary ROM images, as the title screen window opens it: the
// version byte, the 256 tiles, the map pointer and the 20 x 18 map. Then it writes the map and
// the tiles back unchanged, as "Save Map" and "Edit Tiles" with the exported sheet do: no
// byte of the image may change (the image may only grow with zeros where the title lay past
// its end).
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "map/MapTable.h"
#include "map/TitleScreen.h"

using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > size_t(RomFile::kMaxSize))
        return 0;
    const QByteArray original = fuzz::View(data, size);
    RomFile rom = RomFile::fromBytes(original);
    const uint8_t version = ReadRomVersion(rom);

    TitleScreen screen;
    try {
        screen = TitleScreen::load(rom, version);
    } catch (const RomAccessError& error) {
        fuzz::Require(error.kind() == RomAccessError::Kind::Read, "a load only ever reads");
        return 0;
    }
    fuzz::Require(screen.sheet.width() == TitleScreen::kSheetSize &&
                      screen.mapPicture.width() == TitleScreen::kMapWidth &&
                      screen.mapPicture.height() == TitleScreen::kMapHeight,
                  "the sheet and the map have their sizes");

    TitleScreen::WriteMap(rom, screen.cells);
    TitleScreen::WriteTiles(rom, version, screen.sheet);
    // Views, not copies: the image is compared where it lies.
    const QByteArray writtenImage = rom.bytes();
    const QByteArrayView written(writtenImage);
    fuzz::Require(written.size() >= original.size(), "writing never shrinks the image");
    fuzz::Require(written.first(original.size()) == original,
                  "writing back what was loaded changes no byte");
    const QByteArrayView grown = written.sliced(original.size());
    // All zeros: the first byte is, and each equals the next (one memcmp, not a traced loop).
    fuzz::Require(
        grown.empty() || (grown.front() == 0 &&
                          std::memcmp(grown.data(), grown.data() + 1, grown.size() - 1) == 0),
        "what the image grew by is zeros");
    return 0;
}
