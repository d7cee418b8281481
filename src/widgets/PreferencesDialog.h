#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
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
    QLabel* emulatorHint;
    QDialogButtonBox* buttons;

private:
    QSettings& settings_;
};

}  // namespace zantor
