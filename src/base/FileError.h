#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// Reading or writing a file other than the ROM (a picture, an exported map) failed. Not fatal:
// the action is cancelled and the user is told which file and why.
class FileError : public std::runtime_error {
public:
    enum class Kind { Read, Write };

    FileError(Kind kind, QString path, QString reason);

    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    // One line for a message box or stderr, naming the file and the system's reason.
    QString text() const;

private:
    Kind kind_;
    QString path_;
    QString reason_;
};

}  // namespace zantor
