#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zantor {

// Play-testing: starts an emulator on a copy of the ROM that holds the unsaved edits, so the
// user's own file is never written for it. The copies live in one temporary folder per
// launcher (one per program run), removed with the launcher; until then an emulator started
// earlier can still read its copy, and its battery saves next to it last across play-tests.
class EmulatorLauncher {
public:
    // Where the Preferences keep the emulator command (QSettings).
    static const QString kSettingsKey;

    // What a launch did.
    struct Result {
        bool started = false;
        QString copyPath;  // the copy written, when it was
        QString error;     // why nothing started: a sentence for the user
    };

    EmulatorLauncher();
    ~EmulatorLauncher();

    // Where Debian and Ubuntu install games, which a user's PATH often leaves out.
    static QStringList gameFolders() { return {QStringLiteral("/usr/games")}; }

    // The emulator used when none is set: mgba-qt, then mgba, from the PATH by name, else from
    // `folders` by its whole path (quoted when it has a space); empty when none is found.
    static QString defaultCommand(const QStringList& folders = gameFolders());

    // `program` as the first word of a command: quoted when it has a space.
    static QString quoted(const QString& program);

    // A program and its arguments, split at spaces outside double quotes
    // ("\"/opt/my emu/mgba\" -3 %f"). "%f" in an argument stands for the copy's path; without
    // one the path comes last.
    static QStringList commandLine(const QString& command, const QString& romPath);

    // Writes `rom` as a copy named after `romName` (a file name or path) and starts `command`
    // on it, detached: closing the editor leaves the emulator running. An empty command means
    // defaultCommand().
    Result launch(const QString& command, const QByteArray& rom, const QString& romName);

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace zantor
