#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

namespace zantor {

// The About box: the program's name, version and purpose, and a few thanks. Labels only; it
// is closed with the window's close box.
class frmInfo : public QWidget {
    Q_OBJECT

public:
    // Builds the labels and runs Form_Load.
    explicit frmInfo(QWidget* parent = nullptr);

    // Puts the version numbers into Label3.
    void Form_Load();

    QLabel* Label1;                   // the name
    QLabel* Label2;                   // the credit line
    QLabel* Label10;                  // what the program is for
    QLabel* Label3;                   // the version
    QLabel* Label4;                   // "THX to:"
    std::array<QLabel*, 5> thanks{};  // Label5 .. Label9
};

}  // namespace zantor
