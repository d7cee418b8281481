// Restore points: one per opened file, named so that they sort by time and never collide,
// rotated at 20, restored exactly; a backup that cannot be written stops the save.
#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "services/BackupError.h"
#include "services/BackupStore.h"
#include "support/TempRom.h"

using namespace zantor;

namespace {
// A clock that stands still until moved, so that several backups share a second.
struct TestClock {
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(13, 45, 7), QTimeZone::utc());
    BackupStore::Clock clock() {
        return [this] { return now; };
    }
};

QByteArray Version(int n) {
    return QByteArray(1000, char('a' + n % 26)) + QByteArray::number(n);
}

QStringList Contents(const QList<BackupStore::Backup>& backups) {
    QStringList contents;
    for (const auto& backup : backups)
        contents << QString::fromLatin1(ReadFile(backup.path).sliced(1000));
    return contents;
}
}  // namespace

class TestBackupStore : public QObject {
    Q_OBJECT

private slots:
    void oneBackupPerOpenedFileOfTheFileAsItWas() {
        QTemporaryDir dir;
        TestClock time;
        BackupStore store(time.clock());
        const QString rom = WriteFile(dir, "game.gb", Version(0));
        store.opened(rom);
        QVERIFY(store.backupBeforeFirstSave(rom));
        WriteFile(dir, "game.gb", Version(1));  // the save
        QVERIFY(!store.backupBeforeFirstSave(rom));
        WriteFile(dir, "game.gb", Version(2));

        const auto backups = store.list(rom);
        QCOMPARE(backups.size(), 1);
        QCOMPARE(ReadFile(backups[0].path), Version(0));
        QCOMPARE(backups[0].time, time.now);
        QVERIFY(backups[0].path.endsWith("/.zantor-backups/game_2024-05-01T13-45-07Z_000.gb"));
        // Opened again, a new first save: tst_RomSession's.
    }

    void namesSortByTimeAndTheLastTwentyAreKept() {
        QTemporaryDir dir;
        TestClock time;
        BackupStore store(time.clock());
        const QString rom = WriteFile(dir, "r.gb", Version(0));
        const QString neighbour = WriteFile(dir, "s.gb", Version(99));
        store.backup(neighbour);
        // Twelve backups a second, told apart by their counter.
        for (int n = 0; n < 25; ++n) {
            WriteFile(dir, "r.gb", Version(n));
            time.now = time.now.addSecs(n % 12 ? 0 : 1);
            store.backup(rom);
        }
        const auto backups = store.list(rom);
        QCOMPARE(backups.size(), BackupStore::kKept);
        QCOMPARE(Contents(backups).first(), "24");
        QCOMPARE(Contents(backups).last(), QString::number(25 - BackupStore::kKept));
        QCOMPARE(backups[0].time, time.now);
        QCOMPARE(backups[1].time, time.now.addSecs(-1));
        QCOMPARE(store.list(neighbour).size(), 1);  // another file's backups are its own
        QCOMPARE(QDir(BackupStore::folderFor(rom)).entryList(QDir::Files).size(), 21);
    }

    void restorePutsTheBytesBackAndBacksUpTheCurrentState() {
        QTemporaryDir dir;
        TestClock time;
        BackupStore store(time.clock());
        const QString rom = WriteFile(dir, "r.gb", Version(0));
        for (int n = 0; n < BackupStore::kKept; ++n) {
            WriteFile(dir, "r.gb", Version(n));
            store.backup(rom);
        }
        WriteFile(dir, "r.gb", Version(50));
        // The oldest: making the backup of the current state rotates it out, yet it is what
        // comes back.
        const BackupStore::Backup oldest = store.list(rom).last();
        store.restore(rom, oldest);
        QCOMPARE(ReadFile(rom), Version(0));
        const auto backups = store.list(rom);
        QCOMPARE(backups.size(), BackupStore::kKept);
        QCOMPARE(Contents(backups).first(), "50");
        QVERIFY(!QFile::exists(oldest.path));

        // A backup that is gone is an error naming it, and the ROM stays.
        QVERIFY_THROWS_EXCEPTION(FileError, store.restore(rom, oldest));
        QCOMPARE(ReadFile(rom), Version(0));
    }

    void aBackupThatCannotBeWrittenStopsTheSave() {
        QTemporaryDir dir;
        BackupStore store;
        const QString rom = WriteFile(dir, "r.gb", Version(0));
        {
            const auto full = FailingStep(AtomicFileWriter::Step::Write);  // the backup's own
            try {
                store.backupBeforeFirstSave(rom);
                QFAIL("the failed backup must be reported");
            } catch (const BackupError& error) {
                QVERIFY(error.text().contains("r.gb") && error.text().contains(".zantor-backups"));
            }
            QVERIFY_THROWS_EXCEPTION(BackupError, store.restore(rom, {rom, {}}));
        }
        QCOMPARE(ReadFile(rom), Version(0));
        QCOMPARE(store.list(rom).size(), 0);
        // Not counted as made: the next save tries again. (A file where the backup folder
        // should be is tst_LevelDocument's.)
        QVERIFY(store.backupBeforeFirstSave(rom));
    }
};

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_BackupStore.moc"
