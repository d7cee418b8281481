#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

namespace zantor {

// The About box: the program's name, version and purpose, and a few thanks. Labels only; it
// is closed with the window's close box.
class AboutBox : public QWidget {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* nameLabel;
    QLabel* creditLabel;
    QLabel* purposeLabel;
    QLabel* versionLabel;
    QLabel* thanksHeading;  // "THX to:"
    std::array<QLabel*, 5> thanks{};
};

}  // namespace zantor
