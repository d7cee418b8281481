#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// A byte read or write on the ROM that cannot be carried out (a negative offset, a write
// past what a cartridge can hold). The action that meets it is cancelled: the editor keeps its
// state and tells the user; the command line prints it and exits 1.
class RomAccessError : public std::runtime_error {
public:
    enum class Kind { Read, Write };

    explicit RomAccessError(Kind kind);

    Kind kind() const { return kind_; }
    QString text() const;
    static QString title();

private:
    Kind kind_;
};

}  // namespace zantor
