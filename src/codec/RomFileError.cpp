#include "RomFileError.h"

#include <QCoreApplication>
#include <QDir>

namespace zantor {

namespace {
QString compose(RomFileError::Kind kind, const QString& path, const QString& reason) {
    const QString shown = QDir::toNativeSeparators(path);
    switch (kind) {
        case RomFileError::Kind::Open:
            return QCoreApplication::translate("RomFileError", "Could not open \"%1\": %2")
                .arg(shown, reason);
        case RomFileError::Kind::Read:
            return QCoreApplication::translate("RomFileError", "Could not read \"%1\": %2")
                .arg(shown, reason);
        case RomFileError::Kind::Commit:
            break;
    }
    return QCoreApplication::translate("RomFileError", "Could not save \"%1\": %2")
        .arg(shown, reason);
}
}  // namespace

RomFileError::RomFileError(Kind kind, QString path, QString reason)
    : Error(compose(kind, path, reason)),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

}  // namespace zantor
