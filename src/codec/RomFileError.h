#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// Opening a ROM, reading what an action needs from it, or putting its written bytes into the
// file failed. Not fatal: the caller keeps its state and tells the user which file and why.
class RomFileError : public std::runtime_error {
public:
    enum class Kind { Open, Read, Commit };

    RomFileError(Kind kind, QString path, QString reason);

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
