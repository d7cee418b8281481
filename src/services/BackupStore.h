#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

namespace zantor {

// Restore points of ROM files: before the first save after a ROM is opened, the file as it
// was is copied into a ".zantor-backups" folder beside it, so that a save the user regrets
// (or one that broke the game) can be undone. Names hold the ROM's name and the UTC time with
// a counter, "rom_2024-05-01T13-45-07Z_000.gb", so that they sort by time and two backups
// within one second both survive. The last kKept of each ROM are kept.
class BackupStore {
public:
    static constexpr int kKept = 20;
    static constexpr int kPerSecond = 1000;  // what the three-digit counter can tell apart
    using Clock = std::function<QDateTime()>;

    struct Backup {
        QString path;
        QDateTime time;  // UTC, to the second
    };

    // `clock` gives the time backups are named by; tests pass their own.
    explicit BackupStore(Clock clock = {});

    static QString folderFor(const QString& romPath);

    // The ROM was opened (again): its next save makes a backup first.
    void opened(const QString& romPath);
    // Called before every save: backs the file up if this is the first save since it was
    // opened, else does nothing. Throws BackupError when the backup cannot be written; the
    // save must then not go on.
    std::optional<Backup> backupBeforeFirstSave(const QString& romPath);
    // Backs the file up now, whatever came before. Throws BackupError.
    Backup backup(const QString& romPath);

    // The backups of this ROM, newest first.
    QList<Backup> list(const QString& romPath) const;

    // Puts `from`'s bytes back into the ROM in one atomic replacement, after backing up the
    // ROM as it is now (so that the restore itself can be undone). Throws BackupError when
    // that backup fails and FileError when the backup cannot be read or the ROM not written;
    // the ROM is then unchanged.
    void restore(const QString& romPath, const Backup& from);

private:
    QString nameFor(const QString& romPath, const QDateTime& time, int counter) const;
    void dropOld(const QString& romPath) const;

    Clock clock_;
    QSet<QString> backedUp_;  // absolute paths saved (and so backed up) since opened
};

}  // namespace zantor
