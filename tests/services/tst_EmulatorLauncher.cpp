#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "services/EmulatorLauncher.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// A stand-in emulator: records its arguments one a line.
const QByteArray kRecorder =
    "#!/bin/sh\n"
    "PATH=/usr/bin:/bin\n"  // the tests narrow it to find the emulators
    "out=\"$(dirname \"$0\")\"\n"
    "printf '%s\\n' \"$@\" > \"$out/args.tmp\"\n"
    "mv \"$out/args.tmp\" \"$out/args.txt\"\n";

QString Executable(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}
}  // namespace

class TestEmulatorLauncher : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QString emulatorDir_ = dir_.filePath("my emulator");  // with a space
    const QByteArray path_ = qgetenv("PATH");

    QStringList recordedArgs() {
        return QString::fromLocal8Bit(ReadFile(emulatorDir_ + "/args.txt"))
            .split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(emulatorDir_)); }
    void cleanup() { qputenv("PATH", path_); }

    void startsTheEmulatorOnACopyWithTheEdits() {
        const QString userFile = WriteFile(dir_, "my game.gb", QByteArray(32 * 1024, '\x11'));
        const QByteArray edited = QByteArray(32 * 1024, '\x22');
        const QString emulator = Executable(emulatorDir_ + "/emu", kRecorder);
        EmulatorLauncher launcher;
        const EmulatorLauncher::Result run =
            launcher.launch(QStringLiteral("\"%1\" -3 --rom=%f").arg(emulator), edited, userFile);
        QVERIFY2(run.started, qPrintable(run.error));
        QTRY_VERIFY(QFile::exists(emulatorDir_ + "/args.txt"));
        // Split outside the quotes, and %f taken whole, spaces and all.
        QCOMPARE(recordedArgs(), (QStringList{"-3", "--rom=" + run.copyPath}));
        QCOMPARE(QFileInfo(run.copyPath).fileName(), QString("my game.gb"));
        QVERIFY(QFileInfo(run.copyPath).absolutePath() != QFileInfo(userFile).absolutePath());
        QCOMPARE(ReadFile(run.copyPath), edited);
        QCOMPARE(ReadFile(userFile), QByteArray(32 * 1024, '\x11'));  // never written
        // The next play-test writes to the same folder, where its battery save lies.
        QFile::remove(emulatorDir_ + "/args.txt");
        QCOMPARE(launcher.launch('"' + emulator + '"', edited, "my game.gb").copyPath,
                 run.copyPath);
        QTRY_COMPARE(recordedArgs(), QStringList{run.copyPath});
    }

    void theDefaultIsMgbaQtThenMgbaFromThePathThenFromTheGamesFolder() {
        qputenv("PATH", emulatorDir_.toLocal8Bit());
        QFile::remove(emulatorDir_ + "/args.txt");
        const QString games = dir_.filePath("my games");  // with a space, like emulatorDir_
        QVERIFY(QDir().mkpath(games));
        QCOMPARE(EmulatorLauncher::defaultCommand({games}), QString());
        // Where Debian puts it, off the PATH: by its whole path, quoted for the command.
        const QString installed = Executable(games + "/mgba", kRecorder);
        const QString found = EmulatorLauncher::defaultCommand({games});
        QCOMPARE(found, '"' + installed + '"');
        QCOMPARE(EmulatorLauncher::commandLine(found, "x.gb"), (QStringList{installed, "x.gb"}));
        Executable(emulatorDir_ + "/mgba", kRecorder);
        QCOMPARE(EmulatorLauncher::defaultCommand({games}), QString("mgba"));
        Executable(emulatorDir_ + "/mgba-qt", kRecorder);
        QCOMPARE(EmulatorLauncher::defaultCommand(), QString("mgba-qt"));
        EmulatorLauncher launcher;
        const EmulatorLauncher::Result run = launcher.launch("  ", "rom", "/home/u/x.gb");
        QVERIFY2(run.started, qPrintable(run.error));
        QTRY_COMPARE(recordedArgs(), QStringList{run.copyPath});
    }

    void failuresSayWhyAndWriteNoCopy() {
        qputenv("PATH", dir_.filePath("empty").toLocal8Bit());
        EmulatorLauncher launcher;
        const EmulatorLauncher::Result none = launcher.launch({}, "rom", "x.gb");
        QVERIFY(!none.started && none.copyPath.isEmpty());
        QVERIFY2(none.error.contains("mgba-qt") && none.error.contains("Preferences"),
                 qPrintable(none.error));
        const EmulatorLauncher::Result typo = launcher.launch("mgab-qt %f", "rom", "x.gb");
        QVERIFY2(typo.error.contains("\"mgab-qt\" was not found"), qPrintable(typo.error));
        // Marked executable, but no program the system can run.
        const QString broken = Executable(dir_.filePath("broken"), QByteArray("\x01\x02\x03", 3));
        const EmulatorLauncher::Result failed = launcher.launch('"' + broken + '"', "rom", "x.gb");
        QVERIFY(!failed.started);
        QVERIFY2(failed.error.contains("could not be started: ") && !failed.error.endsWith(": "),
                 qPrintable(failed.error));
    }
};

QTEST_GUILESS_MAIN(TestEmulatorLauncher)
#include "tst_EmulatorLauncher.moc"
