#include "RomAccessError.h"

namespace zantor {

namespace {
QString messageFor(RomAccessError::Kind kind, int32_t offset) {
    switch (kind) {
        case RomAccessError::Kind::Read:
            return QStringLiteral("Fehler beim Lesen der Datei.");
        case RomAccessError::Kind::Write:
            break;
        case RomAccessError::Kind::Header:
            return QStringLiteral(
                       "The save would write offset 0x%1, inside the cartridge header "
                       "(0x134-0x14F); a save never changes the header, so nothing was saved.")
                .arg(QString::number(offset, 16).toUpper());
    }
    return QStringLiteral("Error while writing the file.");
}
}  // namespace

RomAccessError::RomAccessError(Kind kind, int32_t offset)
    : std::runtime_error(messageFor(kind, offset).toStdString()), kind_(kind), offset_(offset) {}

QString RomAccessError::text() const {
    return messageFor(kind_, offset_);
}

QString RomAccessError::title() {
    return QStringLiteral("Fehler");
}

}  // namespace zantor
