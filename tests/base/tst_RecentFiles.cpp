#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "base/RecentFiles.h"
#include "support/TempRom.h"

using namespace zantor;

class TestRecentFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString ini_;

    QString rom(int n) { return WriteFile(*dir_, QStringLiteral("rom%1.gb").arg(n), "x"); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        ini_ = dir_->filePath("settings.ini");
    }

    void keepsTheLastEightMostRecentFirst() {
        QStringList opened;
        {
            QSettings settings(ini_, QSettings::IniFormat);
            RecentFiles recent(settings);
            for (int i = 0; i < 10; ++i) {
                opened.prepend(rom(i));
                recent.add(opened.first());
            }
            QCOMPARE(recent.files(), opened.mid(0, 8));
            // Opened again: it moves to the front, listed once.
            recent.add(opened[5]);
            QCOMPARE(recent.files(), (QStringList{opened[5], opened[0], opened[1], opened[2],
                                                  opened[3], opened[4], opened[6], opened[7]}));
        }
        // Another program run sees the same list.
        QSettings settings(ini_, QSettings::IniFormat);
        QCOMPARE(RecentFiles(settings).files().first(), opened[5]);
        QCOMPARE(RecentFiles(settings).files().size(), 8);
    }

    void oneFileByTwoPathsIsOneEntry() {
        QSettings settings(ini_, QSettings::IniFormat);
        RecentFiles recent(settings);
        const QString path = rom(1);
        QVERIFY(QFile::link(path, dir_->filePath("link.gb")));
        recent.add(path);
        recent.add(dir_->filePath("./link.gb"));
        recent.add(dir_->filePath("link.gb"));
        QCOMPARE(recent.files(), QStringList{QFileInfo(path).canonicalFilePath()});
    }

    void missingFilesArePrunedAndForgetTheirLevel() {
        QSettings settings(ini_, QSettings::IniFormat);
        RecentFiles recent(settings);
        const QString kept = rom(1);
        const QString gone = rom(2);
        recent.add(kept);
        recent.add(gone);
        recent.setLastMap(kept, 7);
        recent.setLastMap(gone, 3);
        QCOMPARE(recent.lastMap(gone), std::optional<int>(3));
        const QString goneEntry = recent.files().first();
        QVERIFY(QFile::remove(gone));
        QCOMPARE(recent.pruneMissing(), QStringList{goneEntry});
        QCOMPARE(recent.files(), QStringList{RecentFiles::canonical(kept)});
        QCOMPARE(recent.lastMap(gone), std::nullopt);
        QCOMPARE(recent.lastMap(kept), std::optional<int>(7));
        QVERIFY(recent.pruneMissing().isEmpty());
    }

    void theLastLevelIsRememberedPerRom() {
        {
            QSettings settings(ini_, QSettings::IniFormat);
            RecentFiles recent(settings);
            recent.add(rom(1));
            recent.add(rom(2));
            recent.setLastMap(rom(1), 0);
            recent.setLastMap(rom(2), 31);
            recent.setLastMap(rom(2), 12);
            recent.setLastMap(rom(3), 5);  // not opened through the list: not kept
        }
        QSettings settings(ini_, QSettings::IniFormat);
        RecentFiles recent(settings);
        QCOMPARE(recent.lastMap(dir_->filePath("rom1.gb")), std::optional<int>(0));
        QCOMPARE(recent.lastMap(dir_->filePath("./rom2.gb")), std::optional<int>(12));
        QCOMPARE(recent.lastMap(dir_->filePath("rom3.gb")), std::nullopt);
        // Dropped from the list, a ROM forgets its level.
        recent.remove(rom(2));
        QCOMPARE(recent.lastMap(rom(2)), std::nullopt);
        recent.clear();
        QVERIFY(recent.files().isEmpty());
        QCOMPARE(recent.lastMap(rom(1)), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
