#include "BackupError.h"

#include <QCoreApplication>
#include <QDir>

namespace zantor {

namespace {
QString compose(const QString& romPath, const QString& folder, const QString& reason) {
    return QCoreApplication::translate(
               "BackupError", "Could not back up \"%1\" into \"%2\": %3. Nothing was saved.")
        .arg(QDir::toNativeSeparators(romPath), QDir::toNativeSeparators(folder), reason);
}
}  // namespace

BackupError::BackupError(QString romPath, QString folder, QString reason)
    : Error(compose(romPath, folder, reason)),
      romPath_(std::move(romPath)),
      folder_(std::move(folder)),
      reason_(std::move(reason)) {}

}  // namespace zantor
