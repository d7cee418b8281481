#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "base/EmulatorLauncher.h"
#include "widgets/Dialogs.h"
#include "widgets/PreferencesDialog.h"

using namespace zantor;

class TestPreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    void okStoresTheCommandAndCancelDoesNot() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
        settings.setValue(EmulatorLauncher::kSettingsKey, "mgba-qt %f");
        {
            PreferencesDialog dialog(settings);
            QCOMPARE(dialog.emulatorCommand->text(), QString("mgba-qt %f"));
            dialog.emulatorCommand->clear();
            QTest::keyClicks(dialog.emulatorCommand, "sameboy");
            dialog.reject();
        }
        QCOMPARE(settings.value(EmulatorLauncher::kSettingsKey).toString(), "mgba-qt %f");
        {
            PreferencesDialog dialog(settings);
            dialog.emulatorCommand->setText("  /opt/emu/bin/emu -f %f ");
            dialog.buttons->button(QDialogButtonBox::Ok)->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(settings.value(EmulatorLauncher::kSettingsKey).toString(),
                 "/opt/emu/bin/emu -f %f");
        {
            // Emptied: the default applies again.
            PreferencesDialog dialog(settings);
            dialog.emulatorCommand->clear();
            dialog.accept();
        }
        QVERIFY(!settings.contains(EmulatorLauncher::kSettingsKey));
    }

    void browsingReplacesTheProgramAndKeepsItsArguments() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
        std::optional<QString> picked;
        Dialogs::ScopedScript script(
            {.onChooseFile = [&](auto, auto&, auto&, auto&) { return picked; }});
        PreferencesDialog dialog(settings);
        const struct {
            QString before;
            std::optional<QString> picked;
            QString after;
        } cases[] = {
            {"mgba-qt -3 %f", "/opt/my emu/emu", "\"/opt/my emu/emu\" -3 %f"},
            {" \"/opt/my emu/emu\" --rom=%f", "/usr/games/mgba", "/usr/games/mgba --rom=%f"},
            {"", "/usr/games/mgba-qt", "/usr/games/mgba-qt"},
            {"sameboy %f", std::nullopt, "sameboy %f"},  // cancelled
        };
        for (const auto& c : cases) {
            dialog.emulatorCommand->setText(c.before);
            picked = c.picked;
            QTest::mouseClick(dialog.browseEmulator, Qt::LeftButton);
            QCOMPARE(dialog.emulatorCommand->text(), c.after);
        }
    }
};

QTEST_MAIN(TestPreferencesDialog)
#include "tst_PreferencesDialog.moc"
