#include <QtTest>

#include "base/AppInfo.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
// The editor started as a user on a text console would: no display of any kind, and Qt
// left to pick its platform plugin itself.
ToolRun RunWithoutDisplay(const QStringList& args) {
    return RunProcess(ZANTOR_APP_PATH, args, [](QProcess& process) {
        QProcessEnvironment env = process.processEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        process.setProcessEnvironment(env);
    });
}
}  // namespace

class TestAppStartup : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionNeedNoDisplay() {
        const ToolRun help = RunWithoutDisplay({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith("Usage: zantor [ROM]\n"), help.out.constData());
        QCOMPARE(help.err, QByteArray());

        const ToolRun version = RunWithoutDisplay({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(QString::fromUtf8(version.out), "Zantor " + AppInfo::versionText() + '\n');
        QCOMPARE(version.err, QByteArray());

        QCOMPARE(RunWithoutDisplay({"-h"}).exitCode, 0);
        // A usage error is told before any window is tried.
        const ToolRun wrong = RunWithoutDisplay({"--no-such-option"});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY(wrong.err.startsWith("zantor: unknown option --no-such-option\nUsage:"));
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_AppStartup.moc"
