#include "RomAccessError.h"

namespace zantor {

namespace {
const char* messageFor(RomAccessError::Kind kind) {
    return kind == RomAccessError::Kind::Read
               ? "Fehler beim Lesen der Datei.\r\nAnwendung wird beendet."
               : "Error while writing the file.\r\nApplication is terminated.";
}
}  // namespace

RomAccessError::RomAccessError(Kind kind) : std::runtime_error(messageFor(kind)), kind_(kind) {}

QString RomAccessError::text() const {
    return QString::fromUtf8(messageFor(kind_));
}

QString RomAccessError::title() {
    return QStringLiteral("Fehler");
}

}  // namespace zantor
