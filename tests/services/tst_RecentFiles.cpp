#include <sys/stat.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "services/RecentFiles.h"
#include "support/TempRom.h"

using namespace zantor;

class TestRecentFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QSettings> settings_;

    QString rom(int n) { return WriteFile(*dir_, QStringLiteral("rom%1.gb").arg(n), "x"); }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ = std::make_unique<QSettings>(dir_->filePath("s.ini"), QSettings::IniFormat);
    }

    void theLastEightMostRecentFirstEachOnce() {
        QStringList opened;
        {
            RecentFiles recent(*settings_);
            for (int i = 0; i < 10; ++i) {
                opened.prepend(rom(i));
                recent.add(opened.first());
            }
            QCOMPARE(recent.files(), opened.mid(0, 8));
            // Opened again, also by another path: it moves to the front, listed once.
            QVERIFY(QFile::link(opened[5], dir_->filePath("link.gb")));
            recent.add(dir_->filePath("./link.gb"));
            QCOMPARE(recent.files(), (QStringList{opened[5], opened[0], opened[1], opened[2],
                                                  opened[3], opened[4], opened[6], opened[7]}));
        }
        // Another program run sees the same list.
        settings_->sync();
        QSettings again(dir_->filePath("s.ini"), QSettings::IniFormat);
        QCOMPARE(RecentFiles(again).files().first(), opened[5]);
    }

    void theLastLevelIsKeptWhileTheRomIsListed() {
        RecentFiles recent(*settings_);
        const QString kept = rom(1), gone = rom(2), pushedOut = rom(3);
        for (const QString& path : {pushedOut, gone, kept})
            recent.add(path);
        recent.setLastMap(kept, 31);
        recent.setLastMap(kept, 7);
        recent.setLastMap(gone, 3);
        recent.setLastMap(pushedOut, 4);
        recent.setLastMap(rom(4), 5);  // not opened through the list: not kept
        QCOMPARE(recent.lastMap(dir_->filePath("./rom1.gb")), std::optional<int>(7));
        QCOMPARE(recent.lastMap(rom(4)), std::nullopt);
        // A missing file is pruned and forgets its level; so does a ROM pushed off the list.
        const QString goneEntry = RecentFiles::canonical(gone);
        QVERIFY(QFile::remove(gone));
        QCOMPARE(recent.pruneMissing(), QStringList{goneEntry});
        QCOMPARE(recent.lastMap(gone), std::nullopt);
        for (int i = 10; i < 10 + RecentFiles::kMaxFiles - 1; ++i)
            recent.add(rom(i));
        QCOMPARE(recent.files().last(), RecentFiles::canonical(kept));
        QCOMPARE(recent.lastMap(kept), std::optional<int>(7));
        QCOMPARE(recent.lastMap(pushedOut), std::nullopt);
    }

    // Every start with the last ROM opens it again: that must not write (and sync) the
    // settings file, while any real change still reaches it.
    void openingTheFrontRomAgainWritesNothing() {
        const QString path = dir_->filePath("s.ini");
        const auto fileIdentity = [this, &path] {
            settings_->sync();
            struct stat info {};
            return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
        };
        RecentFiles recent(*settings_);
        const QString first = rom(1), second = rom(2);
        recent.add(first);
        recent.add(second);
        recent.setLastMap(second, 5);
        const auto written = fileIdentity();
        QVERIFY(written != 0);
        recent.add(second);
        recent.setLastMap(second, 5);
        QCOMPARE(fileIdentity(), written);

        recent.setLastMap(second, 6);
        QVERIFY(fileIdentity() != written);
        recent.add(first);
        settings_->sync();
        QSettings again(path, QSettings::IniFormat);
        QCOMPARE(RecentFiles(again).files(),
                 (QStringList{RecentFiles::canonical(first), RecentFiles::canonical(second)}));
        QCOMPARE(RecentFiles(again).lastMap(second), std::optional<int>(6));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
