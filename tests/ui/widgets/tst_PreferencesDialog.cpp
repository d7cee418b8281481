#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "services/EmulatorLauncher.h"
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
        // Cancelled, taken trimmed by the OK button, emptied (the default applies again).
        const struct {
            QString typed;
            bool ok;
            QVariant stored;
        } steps[] = {{"sameboy", false, "mgba-qt %f"},
                     {"  /opt/emu/bin/emu -f %f ", true, "/opt/emu/bin/emu -f %f"},
                     {"", true, QVariant()}};
        for (const auto& step : steps) {
            PreferencesDialog dialog(settings);
            QCOMPARE(dialog.emulatorCommand->text(),
                     settings.value(EmulatorLauncher::kSettingsKey).toString());
            dialog.emulatorCommand->clear();
            QTest::keyClicks(dialog.emulatorCommand, step.typed);
            if (step.ok)
                dialog.buttons->button(QDialogButtonBox::Ok)->click();
            else
                dialog.reject();
            QCOMPARE(settings.value(EmulatorLauncher::kSettingsKey), step.stored);
        }
    }

    void browsingReplacesTheProgramAndKeepsItsArguments() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
        std::optional<QString> picked;
        Dialogs::Script answers;
        answers.onChooseFile = [&](auto, auto&, auto&, auto&) { return picked; };
        Dialogs::ScopedScript script(answers);
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
