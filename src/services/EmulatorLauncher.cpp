#include "EmulatorLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "base/AtomicFileWriter.h"

namespace zantor {

const QString EmulatorLauncher::kSettingsKey = QStringLiteral("playtest/emulator");

namespace {
const char* const kHowToSet = QT_TRANSLATE_NOOP(
    "EmulatorLauncher", "Set the emulator command under Preferences, for example \"mgba-qt %f\".");
}  // namespace

EmulatorLauncher::EmulatorLauncher() = default;
EmulatorLauncher::~EmulatorLauncher() = default;

QString EmulatorLauncher::defaultCommand(const QStringList& folders) {
    const QStringList names{QStringLiteral("mgba-qt"), QStringLiteral("mgba")};
    for (const QString& name : names) {
        if (!QStandardPaths::findExecutable(name).isEmpty()) {
            return name;
        }
    }
    for (const QString& name : names) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty()) {
            return quoted(found);
        }
    }
    return {};
}

QString EmulatorLauncher::quoted(const QString& program) {
    return program.contains(QLatin1Char(' ')) ? QLatin1Char('"') + program + QLatin1Char('"')
                                              : program;
}

QStringList EmulatorLauncher::commandLine(const QString& command, const QString& romPath) {
    QStringList words = QProcess::splitCommand(command);
    bool placed = false;
    for (int i = 1; i < words.size(); ++i) {
        if (words[i].contains(QStringLiteral("%f"))) {
            words[i].replace(QStringLiteral("%f"), romPath);
            placed = true;
        }
    }
    if (!words.isEmpty() && !placed) {
        words << romPath;
    }
    return words;
}

EmulatorLauncher::Result EmulatorLauncher::launch(const QString& command, const QByteArray& rom,
                                                  const QString& romName) {
    Result result;
    const QString chosen = command.trimmed().isEmpty() ? defaultCommand() : command.trimmed();
    if (chosen.isEmpty()) {
        result.error = QCoreApplication::translate(
                           "EmulatorLauncher",
                           "No emulator is set, and neither mgba-qt nor mgba is on the PATH or in "
                           "%1. ")
                           .arg(gameFolders().join(QStringLiteral(", "))) +
                       QCoreApplication::translate("EmulatorLauncher", kHowToSet);
        return result;
    }
    const QStringList words = commandLine(chosen, QStringLiteral("%f"));
    if (words.isEmpty()) {
        result.error = QCoreApplication::translate("EmulatorLauncher",
                                                   "The emulator command \"%1\" names no program. ")
                           .arg(chosen) +
                       QCoreApplication::translate("EmulatorLauncher", kHowToSet);
        return result;
    }
    // Looked up first, so that a typo says so rather than leaving a copy for nothing.
    const QString program = QStandardPaths::findExecutable(words.first());
    if (program.isEmpty()) {
        result.error =
            QCoreApplication::translate("EmulatorLauncher",
                                        "The emulator \"%1\" was not found, or is not a program "
                                        "that can be run. ")
                .arg(words.first()) +
            QCoreApplication::translate("EmulatorLauncher", kHowToSet);
        return result;
    }

    if (!folder_) {
        folder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("zantor-playtest-XXXXXX"));
    }
    if (!folder_->isValid()) {
        result.error =
            QCoreApplication::translate("EmulatorLauncher",
                                        "Cannot make a temporary folder for the play-test copy: %1")
                .arg(folder_->errorString());
        folder_.reset();  // tried again next time
        return result;
    }
    QString name = QFileInfo(romName).fileName();
    if (name.isEmpty()) {
        name = QStringLiteral("playtest.gb");
    }
    result.copyPath = folder_->filePath(name);
    QString reason;
    if (!AtomicFileWriter::write(result.copyPath, rom, &reason)) {
        result.error = QCoreApplication::translate("EmulatorLauncher",
                                                   "Cannot write the play-test copy %1: %2")
                           .arg(QDir::toNativeSeparators(result.copyPath), reason);
        result.copyPath.clear();
        return result;
    }

    QProcess process;
    process.setProgram(program);
    process.setArguments(commandLine(chosen, result.copyPath).mid(1));
    process.setWorkingDirectory(folder_->path());
    if (!process.startDetached()) {
        result.error = QCoreApplication::translate("EmulatorLauncher",
                                                   "The emulator \"%1\" could not be started: %2")
                           .arg(program, process.errorString());
        return result;
    }
    result.started = true;
    return result;
}

}  // namespace zantor
