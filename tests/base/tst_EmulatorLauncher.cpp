#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "base/EmulatorLauncher.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// A stand-in emulator: records its arguments one a line, and copies every argument that is
// a file, so the test sees the bytes the emulator was given.
const QByteArray kRecorder =
    "#!/bin/sh\n"
    "PATH=/usr/bin:/bin\n"  // the tests narrow it to find the emulators
    "out=\"$(dirname \"$0\")\"\n"
    "printf '%s\\n' \"$@\" > \"$out/args.tmp\"\n"
    "for a in \"$@\"; do [ -f \"$a\" ] && cp \"$a\" \"$out/rom.bin\"; done\n"
    "mv \"$out/args.tmp\" \"$out/args.txt\"\n";

QString Executable(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

// Sets PATH for as long as it lives.
class ScopedPath {
public:
    explicit ScopedPath(const QString& path) : previous_(qgetenv("PATH")) {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~ScopedPath() { qputenv("PATH", previous_); }

private:
    QByteArray previous_;
};
}  // namespace

class TestEmulatorLauncher : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString emulatorDir_;  // with a space, which the command must quote

    QStringList recordedArgs() {
        return QString::fromLocal8Bit(ReadFile(emulatorDir_ + "/args.txt"))
            .split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        emulatorDir_ = dir_->filePath("my emulator");
        QVERIFY(QDir().mkpath(emulatorDir_));
    }

    void startsTheEmulatorOnACopyWithTheEdits() {
        const QByteArray saved(32 * 1024, '\x11');
        const QString userFile = WriteFile(*dir_, "game.gb", saved);
        QByteArray edited = saved;
        edited[0x150] = '\x22';
        const QString emulator = Executable(emulatorDir_ + "/emu", kRecorder);

        EmulatorLauncher launcher;
        const EmulatorLauncher::Result run =
            launcher.launch(QStringLiteral("\"%1\" -3 --rom=%f").arg(emulator), edited, userFile);
        QVERIFY2(run.started, qPrintable(run.error));
        QTRY_VERIFY(QFile::exists(emulatorDir_ + "/args.txt"));
        QCOMPARE(recordedArgs(), (QStringList{"-3", "--rom=" + run.copyPath}));
        QCOMPARE(QFileInfo(run.copyPath).fileName(), QString("game.gb"));
        QVERIFY(QFileInfo(run.copyPath).absolutePath() != QFileInfo(userFile).absolutePath());
        QCOMPARE(ReadFile(run.copyPath), edited);
        QCOMPARE(ReadFile(userFile), saved);  // never written

        // Without %f the copy comes last; the same folder serves the next play-test.
        QFile::remove(emulatorDir_ + "/args.txt");
        edited[0x151] = '\x33';
        const EmulatorLauncher::Result again =
            launcher.launch(QStringLiteral("\"%1\" --fullscreen").arg(emulator), edited, "game.gb");
        QVERIFY2(again.started, qPrintable(again.error));
        QTRY_VERIFY(QFile::exists(emulatorDir_ + "/args.txt"));
        QCOMPARE(recordedArgs(), (QStringList{"--fullscreen", again.copyPath}));
        QCOMPARE(ReadFile(emulatorDir_ + "/rom.bin"), edited);
        QCOMPARE(again.copyPath, run.copyPath);
        QCOMPARE(ReadFile(userFile), saved);
    }

    void theDefaultIsMgbaQtThenMgbaFromThePath() {
        const ScopedPath path(emulatorDir_);
        QCOMPARE(EmulatorLauncher::defaultCommand(), QString());
        Executable(emulatorDir_ + "/mgba", kRecorder);
        QCOMPARE(EmulatorLauncher::defaultCommand(), QString("mgba"));
        Executable(emulatorDir_ + "/mgba-qt", kRecorder);
        QCOMPARE(EmulatorLauncher::defaultCommand(), QString("mgba-qt"));

        EmulatorLauncher launcher;
        const EmulatorLauncher::Result run = launcher.launch("  ", "rom", "/home/u/x.gb");
        QVERIFY2(run.started, qPrintable(run.error));
        QTRY_COMPARE(recordedArgs(), QStringList{run.copyPath});
    }

    void failuresSayWhyAndWriteNoCopy() {
        const ScopedPath path(emulatorDir_);  // nothing in it
        EmulatorLauncher launcher;
        const EmulatorLauncher::Result none = launcher.launch({}, "rom", "x.gb");
        QVERIFY(!none.started);
        QVERIFY2(none.error.contains("mgba-qt") && none.error.contains("Preferences"),
                 qPrintable(none.error));
        QVERIFY(none.copyPath.isEmpty());

        const EmulatorLauncher::Result typo = launcher.launch("mgab-qt %f", "rom", "x.gb");
        QVERIFY(!typo.started);
        QVERIFY2(typo.error.contains("\"mgab-qt\" was not found"), qPrintable(typo.error));

        // Marked executable, but no program the system can run.
        const QString broken = Executable(emulatorDir_ + "/broken", QByteArray("\x01\x02\x03", 3));
        const EmulatorLauncher::Result failed = launcher.launch('"' + broken + '"', "rom", "x.gb");
        QVERIFY(!failed.started);
        QVERIFY2(failed.error.contains("could not be started: ") && !failed.error.endsWith(": "),
                 qPrintable(failed.error));
    }
};

QTEST_GUILESS_MAIN(TestEmulatorLauncher)
#include "tst_EmulatorLauncher.moc"
