#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "services/EmulatorLauncher.h"
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
};

QTEST_MAIN(TestPreferencesDialog)
#include "tst_PreferencesDialog.moc"
