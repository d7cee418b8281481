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

    // --screenshot keeps the window's first frame as it was shown: the whole window, with the
    // level drawn in it, not a blank or black picture.
    void screenshotKeepsTheFirstFrame() {
        QTemporaryDir dir;
        const QString shot = dir.filePath("shot.png");
        const ToolRun run = RunProcess(ZANTOR_APP_PATH, {"--demo", "--screenshot", shot},
                                       [&dir](QProcess& process) {
                                           QProcessEnvironment env = process.processEnvironment();
                                           env.insert("QT_QPA_PLATFORM", "offscreen");
                                           env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
                                           env.insert("TMPDIR", dir.path());
                                           process.setProcessEnvironment(env);
                                       });
        QVERIFY2(run.exitCode == 0 && run.clean(), run.err.constData());
        const QImage image(shot);
        QCOMPARE(image.size(), QSize(760, 620));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7)
                colours.insert(image.pixel(x, y));
        }
        // The style's greys and the level's four shades at least.
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_AppStartup.moc"
