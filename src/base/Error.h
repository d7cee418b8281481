#pragma once

#include <QString>
#include <stdexcept>

namespace zantor {

// What every error of the program that reaches the user shares: a line that says what failed
// and, where the failure has one, a message box title. Handlers catch this one kind; the
// derived kinds carry what their callers need to tell cases apart.
class Error : public std::runtime_error {
public:
    // One line for a message box or stderr.
    const QString& text() const { return text_; }
    // The message box's title; empty for the program's own.
    const QString& title() const { return title_; }

protected:
    explicit Error(QString text, QString title = {})
        : std::runtime_error(text.toStdString()),
          text_(std::move(text)),
          title_(std::move(title)) {}

private:
    QString text_;
    QString title_;
};

}  // namespace zantor
