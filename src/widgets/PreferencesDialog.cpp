#include "PreferencesDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QProcess>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "Dialogs.h"
#include "services/EmulatorLauncher.h"

namespace zantor {

namespace {
// Where the program, the command's first word (quoted or not), ends.
qsizetype programEnd(const QString& command) {
    qsizetype at = 0;
    while (at < command.size() && command[at].isSpace())
        ++at;
    if (at < command.size() && command[at] == QLatin1Char('"')) {
        const qsizetype closing = command.indexOf(QLatin1Char('"'), at + 1);
        return closing < 0 ? command.size() : closing + 1;
    }
    while (at < command.size() && !command[at].isSpace())
        ++at;
    return at;
}
}  // namespace

PreferencesDialog::PreferencesDialog(QSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(tr("Preferences"));

    emulatorCommand =
        new QLineEdit(settings_.value(EmulatorLauncher::kSettingsKey).toString(), this);
    emulatorCommand->setObjectName(QStringLiteral("emulatorCommand"));
    emulatorCommand->setClearButtonEnabled(true);
    // Empty means the default, so the field shows what that is.
    const QString found = EmulatorLauncher::defaultCommand();
    emulatorCommand->setPlaceholderText(
        found.isEmpty() ? tr("none found on the PATH or in %1")
                              .arg(EmulatorLauncher::gameFolders().join(QStringLiteral(", ")))
                        : tr("%1 (found)").arg(found));
    browseEmulator = new QPushButton(tr("&Browse…"), this);
    browseEmulator->setObjectName(QStringLiteral("cmdBrowseEmulator"));
    connect(browseEmulator, &QPushButton::clicked, this, &PreferencesDialog::chooseEmulator);

    emulatorHint =
        new QLabel(tr("The program \"Run in emulator\" starts, with its arguments. %f stands "
                      "for the ROM copy; without it the copy is added last. Empty: mgba-qt or "
                      "mgba, whichever is found."),
                   this);
    emulatorHint->setWordWrap(true);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(emulatorCommand, 1);
    commandRow->addWidget(browseEmulator);
    auto* commandLabel = new QLabel(tr("&Emulator command:"), this);
    commandLabel->setBuddy(emulatorCommand);  // Alt+E, which a row of two widgets does not set
    form->addRow(commandLabel, commandRow);
    form->addRow(QString(), emulatorHint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
}

void PreferencesDialog::chooseEmulator() {
    const QString command = emulatorCommand->text();
    const qsizetype end = programEnd(command);
    const QString program = QProcess::splitCommand(command.left(end)).value(0);
    // The dialog opens where the present program lies, when it can be found.
    const QString current = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
    const std::optional<QString> chosen =
        Dialogs::chooseFile(this, Dialogs::FileKind::Open, tr("Choose the emulator"),
                            tr("All Files(*.*)|*.*"), current.isEmpty() ? program : current);
    if (!chosen)
        return;
    emulatorCommand->setText(EmulatorLauncher::quoted(*chosen) + command.mid(end));
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
