#include "RomAccessError.h"

#include <QCoreApplication>

namespace zantor {

namespace {
QString messageFor(RomAccessError::Kind kind, int32_t offset) {
    switch (kind) {
        case RomAccessError::Kind::Read:
            return QCoreApplication::translate("RomAccessError", "Error reading the file.");
        case RomAccessError::Kind::Write:
            break;
        case RomAccessError::Kind::Header:
            return QCoreApplication::translate(
                       "RomAccessError",
                       "The save would write offset 0x%1, inside the cartridge header "
                       "(0x134-0x14F); a save never changes the header, so nothing was saved.")
                .arg(QString::number(offset, 16).toUpper());
    }
    return QCoreApplication::translate("RomAccessError", "Error while writing the file.");
}
}  // namespace

RomAccessError::RomAccessError(Kind kind, int32_t offset)
    : Error(messageFor(kind, offset), QCoreApplication::translate("RomAccessError", "Error")),
      kind_(kind),
      offset_(offset) {}

}  // namespace zantor
