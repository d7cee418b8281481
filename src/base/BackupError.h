#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// A restore point could not be written (a read-only folder, a full disk). The save that asked
// for it must stop, so that no file is changed without its way back; the caller keeps the
// edits and tells the user.
class BackupError : public std::runtime_error {
public:
    BackupError(QString romPath, QString folder, QString reason);

    const QString& romPath() const { return romPath_; }
    const QString& folder() const { return folder_; }
    const QString& reason() const { return reason_; }
    // One line naming the ROM, the backup folder and the system's reason.
    QString text() const;

private:
    QString romPath_;
    QString folder_;
    QString reason_;
};

}  // namespace zantor
