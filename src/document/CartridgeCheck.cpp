#include "CartridgeCheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kTitle = 0x134;
constexpr int kTitleLength = 16;
constexpr int32_t kCartridgeType = 0x147;
constexpr int32_t kRomSize = 0x148;
constexpr qint64 kExpectedSize = 512 * 1024;
constexpr uint8_t kExpectedSizeByte = 0x04;  // 32 KiB << 4
const QByteArray kGameTitle = QByteArrayLiteral("MARIOLAND2");
const QByteArray kSampleTitle = QByteArrayLiteral("ZANTOR SAMPLE");

QByteArray titleBytes(const RomFile& rom) {
    QByteArray title;
    for (int i = 0; i < kTitleLength; ++i) {
        const uint8_t c = rom.ReadRomByte(kTitle + i);
        if (c == 0)
            break;
        title.append(char(c));
    }
    return title.trimmed();
}

// The title as it can be read: a byte that is no printable character shows as <01>.
QString readable(const QByteArray& title) {
    QString text;
    for (const char c : title) {
        const uint8_t byte = uint8_t(c);
        if (byte >= 0x20 && byte < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("<%1>").arg(
                QString::number(byte, 16).toUpper().rightJustified(2, '0'));
    }
    return text;
}

QString hexByte(uint8_t value) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, '0');
}

// What a size byte announces, for the ones cartridges use (32 KiB << n).
QString sizeNamed(uint8_t sizeByte) {
    if (sizeByte > 8)
        return QCoreApplication::translate("CartridgeCheck", "no cartridge size");
    const int kib = 32 << sizeByte;
    return kib >= 1024 ? QCoreApplication::translate("CartridgeCheck", "%1 MiB").arg(kib / 1024)
                       : QCoreApplication::translate("CartridgeCheck", "%1 KiB").arg(kib);
}
}  // namespace

QString CartridgeCheck::problems(const RomFile& rom) {
    const QLocale locale(QLocale::English);
    QStringList found;
    if (rom.size() < 0x150) {
        return QCoreApplication::translate(
                   "CartridgeCheck", "The file is too short to hold a cartridge header (%1 bytes).")
            .arg(rom.size());
    }
    const QByteArray title = titleBytes(rom);
    if (!title.startsWith(kGameTitle) && !title.startsWith(kSampleTitle)) {
        found << QCoreApplication::translate("CartridgeCheck", "Its title is \"%1\", not \"%2\".")
                     .arg(readable(title), QLatin1String(kGameTitle));
    }
    const uint8_t type = rom.ReadRomByte(kCartridgeType);
    if (type < 0x01 || type > 0x03) {
        found << QCoreApplication::translate("CartridgeCheck",
                                             "Its cartridge type is %1, not an MBC1 cartridge.")
                     .arg(hexByte(type));
    }
    if (rom.size() != kExpectedSize) {
        found << QCoreApplication::translate(
                     "CartridgeCheck",
                     "The file is %1 bytes long, where the 512 KiB cartridge is %2.")
                     .arg(locale.toString(rom.size()), locale.toString(kExpectedSize));
    }
    const uint8_t sizeByte = rom.ReadRomByte(kRomSize);
    if (sizeByte != kExpectedSizeByte) {
        found << QCoreApplication::translate(
                     "CartridgeCheck",
                     "Its size byte is %1 (%2), where a 512 KiB cartridge has %3.")
                     .arg(hexByte(sizeByte), sizeNamed(sizeByte), hexByte(kExpectedSizeByte));
    }
    return found.join('\n');
}

bool CartridgeCheck::isSample(const QByteArray& image) {
    return image.mid(kTitle, kSampleTitle.size()) == kSampleTitle;
}

}  // namespace zantor
