#pragma once

#include <QByteArray>
#include <QString>

namespace zantor {

class RomFile;

// Whether a file looks like a cartridge this editor knows: the game's own title or the sample
// cartridge's, an MBC1 cartridge type and a size byte that matches 512 KiB and the file. A
// modded cartridge may carry another title, so a mismatch is a question to the user, never a
// refusal.
struct CartridgeCheck {
    // Empty when the file looks right, otherwise what looks wrong, one reason a line.
    static QString problems(const RomFile& rom);

    // Whether `image` is the sample cartridge: levels to edit, but no game an emulator can run.
    static bool isSample(const QByteArray& image);
};

}  // namespace zantor
