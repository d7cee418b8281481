#include "BackupStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

#include "BackupError.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"

namespace zantor {

namespace {
const QString kFolderName = QStringLiteral(".zantor-backups");
const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH-mm-ss");

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// The backups of `romPath`: its base name, "_", the time, "Z_", the counter, its suffix.
QRegularExpression patternFor(const QString& romPath) {
    const QFileInfo info(romPath);
    const QString suffix =
        info.suffix().isEmpty() ? QString() : "\\." + QRegularExpression::escape(info.suffix());
    return QRegularExpression("^" + QRegularExpression::escape(info.completeBaseName()) +
                              "_(\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d)Z_(\\d{3})" + suffix +
                              "$");
}

QByteArray readWhole(const QString& path, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
    }
    return bytes;
}
}  // namespace

BackupStore::BackupStore(Clock clock) : clock_(std::move(clock)) {
    if (!clock_) {
        clock_ = [] { return QDateTime::currentDateTimeUtc(); };
    }
}

QString BackupStore::folderFor(const QString& romPath) {
    return QFileInfo(romPath).absoluteDir().filePath(kFolderName);
}

void BackupStore::opened(const QString& romPath) {
    backedUp_.remove(absolute(romPath));
}

std::optional<BackupStore::Backup> BackupStore::backupBeforeFirstSave(const QString& romPath) {
    if (backedUp_.contains(absolute(romPath))) {
        return std::nullopt;
    }
    Backup made = backup(romPath);
    backedUp_.insert(absolute(romPath));
    return made;
}

QString BackupStore::nameFor(const QString& romPath, const QDateTime& time, int counter) const {
    const QFileInfo info(romPath);
    QString name = QStringLiteral("%1_%2Z_%3")
                       .arg(info.completeBaseName(), time.toString(kTimeFormat))
                       .arg(counter, 3, 10, QLatin1Char('0'));
    if (!info.suffix().isEmpty()) {
        name += '.' + info.suffix();
    }
    return name;
}

BackupStore::Backup BackupStore::backup(const QString& romPath) {
    const QString folder = folderFor(romPath);
    QString reason;
    const QByteArray bytes = readWhole(romPath, &reason);
    if (!reason.isEmpty()) {
        throw BackupError(romPath, folder, reason);
    }
    if (!QDir().mkpath(folder)) {
        throw BackupError(
            romPath, folder,
            QCoreApplication::translate("BackupStore", "the folder cannot be created"));
    }
    QDateTime time = clock_().toUTC();
    time.setTime(QTime(time.time().hour(), time.time().minute(), time.time().second()));
    // The next free counter of this second, past any taken (also by a backup since deleted
    // by hand), so that names keep their order.
    int counter = 0;
    const QRegularExpression pattern = patternFor(romPath);
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch() && match.captured(1) == time.toString(kTimeFormat)) {
            counter = std::max(counter, match.captured(2).toInt() + 1);
        }
    }
    if (counter >= kPerSecond) {
        throw BackupError(romPath, folder,
                          QCoreApplication::translate("BackupStore", "%1 backups within one second")
                              .arg(kPerSecond));
    }
    const QString path = QDir(folder).filePath(nameFor(romPath, time, counter));
    if (!AtomicFileWriter::write(path, bytes, &reason)) {
        throw BackupError(romPath, folder, reason);
    }
    dropOld(romPath);
    return {path, time};
}

QList<BackupStore::Backup> BackupStore::list(const QString& romPath) const {
    const QDir folder(folderFor(romPath));
    const QRegularExpression pattern = patternFor(romPath);
    QList<Backup> backups;
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch()) {
            continue;
        }
        QDateTime time = QDateTime::fromString(match.captured(1), kTimeFormat);
        time.setTimeZone(QTimeZone::utc());
        backups.append({folder.filePath(name), time});
    }
    return backups;
}

void BackupStore::dropOld(const QString& romPath) const {
    const QList<Backup> backups = list(romPath);
    for (qsizetype k = kKept; k < backups.size(); ++k) {
        // One that cannot be removed only takes room; it must not stop the save.
        QFile::remove(backups[k].path);
    }
}

void BackupStore::restore(const QString& romPath, const Backup& from) {
    // Read first: backing up the current state may rotate `from` itself out.
    QString reason;
    const QByteArray bytes = readWhole(from.path, &reason);
    if (!reason.isEmpty()) {
        throw FileError(FileError::Kind::Read, from.path, reason);
    }
    if (QFileInfo::exists(romPath)) {
        backup(romPath);
    }
    if (!AtomicFileWriter::write(romPath, bytes, &reason)) {
        throw FileError(FileError::Kind::Write, romPath, reason);
    }
}

}  // namespace zantor
