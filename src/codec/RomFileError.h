#pragma once

#include "base/Error.h"

namespace zantor {

// Opening a ROM, reading what an action needs from it, or putting its written bytes into the
// file failed. Not fatal: the caller keeps its state and tells the user which file and why;
// text() names the file and the system's reason.
class RomFileError : public Error {
public:
    enum class Kind { Open, Read, Commit };

    RomFileError(Kind kind, QString path, QString reason);

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }

private:
    Kind kind_;
    QString path_;
    QString reason_;
};

}  // namespace zantor
