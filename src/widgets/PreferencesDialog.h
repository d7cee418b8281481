#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace zantor {

// The editor's preferences: for now the emulator command that play-testing runs. Read from
// the settings on opening, written back on OK only.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(QSettings& settings, QWidget* parent = nullptr);

    void accept() override;

    QLineEdit* emulatorCommand;
    QPushButton* browseEmulator;
    QLabel* emulatorHint;
    QDialogButtonBox* buttons;

private:
    // Picks the emulator program with a file dialog; it replaces the command's first word and
    // keeps the arguments after it.
    void chooseEmulator();

    QSettings& settings_;
};

}  // namespace zantor
