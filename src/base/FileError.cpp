#include "FileError.h"

#include <QCoreApplication>
#include <QDir>

namespace zantor {

namespace {
QString compose(FileError::Kind kind, const QString& path, const QString& reason) {
    const QString shown = QDir::toNativeSeparators(path);
    return kind == FileError::Kind::Read
               ? QCoreApplication::translate("FileError", "Could not open \"%1\": %2")
                     .arg(shown, reason)
               : QCoreApplication::translate("FileError", "Could not save \"%1\": %2")
                     .arg(shown, reason);
}
}  // namespace

FileError::FileError(Kind kind, QString path, QString reason)
    : Error(compose(kind, path, reason)),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

}  // namespace zantor
