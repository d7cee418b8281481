#include <QProcess>
#include <QtTest>

#include "base/AppInfo.h"

using namespace zantor;

namespace {
struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The editor started as a user on a text console would: no display of any kind, and Qt
// left to pick its platform plugin itself.
Run RunWithoutDisplay(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(name);
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(ZANTOR_APP_PATH, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
}  // namespace

class TestAppStartup : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionNeedNoDisplay() {
        const Run help = RunWithoutDisplay({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith("Usage: zantor [ROM]\n"), help.out.constData());
        QVERIFY(help.out.contains("--version"));
        QCOMPARE(help.err, QByteArray());

        const Run version = RunWithoutDisplay({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(QString::fromUtf8(version.out), "Zantor " + AppInfo::versionText() + '\n');
        QCOMPARE(version.err, QByteArray());

        QCOMPARE(RunWithoutDisplay({"-h"}).exitCode, 0);
        // A usage error is told before any window is tried.
        const Run wrong = RunWithoutDisplay({"--no-such-option"});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY(wrong.err.startsWith("zantor: unknown option --no-such-option\nUsage:"));
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_AppStartup.moc"
