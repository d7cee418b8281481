#pragma once

#include "Error.h"

namespace zantor {

// Reading or writing a file other than the ROM (a picture, an exported map) failed. Not fatal:
// the action is cancelled and the user is told which file and why (text()).
class FileError : public Error {
public:
    enum class Kind { Read, Write };

    FileError(Kind kind, QString path, QString reason);

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }

private:
    Kind kind_;
    QString path_;
    QString reason_;
};

}  // namespace zantor
