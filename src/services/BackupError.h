#pragma once

#include "base/Error.h"

namespace zantor {

// A restore point could not be written (a read-only folder, a full disk). The save that asked
// for it must stop, so that no file is changed without its way back; the caller keeps the
// edits and tells the user, naming the ROM, the backup folder and the system's reason.
class BackupError : public Error {
public:
    BackupError(QString romPath, QString folder, QString reason);

    const QString& romPath() const { return romPath_; }
    const QString& folder() const { return folder_; }
    const QString& reason() const { return reason_; }

private:
    QString romPath_;
    QString folder_;
    QString reason_;
};

}  // namespace zantor
