#include "CartridgeCheck.h"

#include <QStringList>

#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kTitle = 0x134;
constexpr int kTitleLength = 16;
constexpr int32_t kCartridgeType = 0x147;
constexpr int32_t kRomSize = 0x148;
constexpr qint64 kExpectedSize = 512 * 1024;

QString titleOf(const RomFile& rom) {
    QByteArray title;
    for (int i = 0; i < kTitleLength; ++i) {
        const uint8_t c = rom.ReadRomByte(kTitle + i);
        if (c == 0)
            break;
        title.append(char(c));
    }
    return QString::fromLatin1(title).trimmed();
}
}  // namespace

QString CartridgeCheck::problems(const RomFile& rom) {
    QStringList found;
    if (rom.size() < 0x150) {
        return QStringLiteral("The file is too short to hold a cartridge header (%1 bytes).")
            .arg(rom.size());
    }
    const QString title = titleOf(rom);
    if (!title.startsWith(QLatin1String("MARIOLAND2")) &&
        !title.startsWith(QLatin1String("ZANTOR SAMPLE"))) {
        found << QStringLiteral("Its title is \"%1\", not \"MARIOLAND2\".").arg(title);
    }
    const uint8_t type = rom.ReadRomByte(kCartridgeType);
    if (type < 0x01 || type > 0x03) {
        found << QStringLiteral("Its cartridge type is 0x%1, not an MBC1 cartridge.")
                     .arg(type, 2, 16, QChar('0'));
    }
    const uint8_t sizeCode = rom.ReadRomByte(kRomSize);
    if (sizeCode != 0x04 || rom.size() != kExpectedSize) {
        found << QStringLiteral("Its size is %1 bytes (size byte 0x%2), not 524288 (0x04).")
                     .arg(rom.size())
                     .arg(sizeCode, 2, 16, QChar('0'));
    }
    return found.join('\n');
}

}  // namespace zantor
