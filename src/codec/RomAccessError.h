#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// A byte read or write on the ROM that cannot be carried out (a negative offset, a write
// past what a cartridge can hold). The program treats it as fatal: the window layer shows
// text() under title() and ends; the command line prints it and exits 1.
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
