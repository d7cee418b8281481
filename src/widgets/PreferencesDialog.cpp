#include "PreferencesDialog.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "services/EmulatorLauncher.h"

namespace zantor {

PreferencesDialog::PreferencesDialog(QSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(QStringLiteral("Preferences"));

    emulatorCommand =
        new QLineEdit(settings_.value(EmulatorLauncher::kSettingsKey).toString(), this);
    emulatorCommand->setObjectName(QStringLiteral("emulatorCommand"));
    emulatorCommand->setClearButtonEnabled(true);
    // Empty means the default, so the field shows what that is.
    const QString found = EmulatorLauncher::defaultCommand();
    emulatorCommand->setPlaceholderText(found.isEmpty()
                                            ? QStringLiteral("none found on the PATH")
                                            : QStringLiteral("%1 (found on the PATH)").arg(found));

    emulatorHint = new QLabel(
        QStringLiteral("The program \"Run in emulator\" starts, with its arguments. %f stands "
                       "for the ROM copy; without it the copy is added last. Empty: mgba-qt or "
                       "mgba, whichever is found."),
        this);
    emulatorHint->setWordWrap(true);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Emulator command:"), emulatorCommand);
    form->addRow(QString(), emulatorHint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
}

void PreferencesDialog::accept() {
    const QString command = emulatorCommand->text().trimmed();
    if (command.isEmpty()) {
        settings_.remove(EmulatorLauncher::kSettingsKey);  // back to the default
    } else {
        settings_.setValue(EmulatorLauncher::kSettingsKey, command);
    }
    QDialog::accept();
}

}  // namespace zantor
