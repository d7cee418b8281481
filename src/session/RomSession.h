#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "map/TileRanges.h"
#include "services/BackupStore.h"

namespace zantor {

class TitleDocument;
class ScreenArraysDocument;
class TileSetDocument;
class ObjectListDocument;

// The open ROM, for every window: its path, the cartridge's version byte as opened, the
// restore points, and the one way to write. Every writer (level saves, the title screen, tile
// imports, restoring a backup, applying a patch) goes through write() or replaceContents(), so
// that the first write of a session is always preceded by a restore point, the global checksum
// rule of RomFile::commit holds for all, and each action reaches the disk in one atomic commit.
// No window reads or writes the file by itself.
//
// Data that is not one level's (the title screen; later tile sets, object lists, camera
// arrays) lives in documents the session owns, so every window that shows it shows the same
// document. Opening another ROM replaces the session's data for every window: its documents
// re-read the new file and say so (opened()).
class RomSession : public QObject {
    Q_OBJECT

public:
    explicit RomSession(QObject* parent = nullptr);
    ~RomSession() override;

    bool isOpen() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    // The cartridge header's version byte (0x14C) as the file was opened.
    uint8_t version() const { return version_; }

    // Makes `rom`, which the caller has opened and read what it needs from, the open ROM of
    // every window. The next write makes a restore point first. The documents the session owns
    // re-read it; one that cannot be read is left empty (its windows say why).
    void open(const RomFile& rom);

    // The file as it is on disk now, for reading. Throws RomFileError.
    RomFile read() const;

    // Runs `body` (which reads or writes through RomFile), turning a byte access that cannot
    // be carried out into a RomFileError that names the file, so every caller reports both
    // kinds alike.
    template <class Body>
    static auto onRom(const QString& path, Body&& body) {
        try {
            return body();
        } catch (const RomAccessError& error) {
            QString reason = error.text();
            reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            throw RomFileError(RomFileError::Kind::Read, path, reason);
        }
    }

    // One write: the restore point before the session's first write, then `body`'s writes on
    // the file as it is now, then one atomic commit. Throws BackupError (no restore point: no
    // write) and RomFileError; the file is then unchanged.
    void write(const std::function<void(RomFile&)>& body);

    // Replaces the whole file (a patch applied over the open ROM), after the restore point, in
    // one atomic write; then every document the session owns re-reads it. Throws BackupError
    // and FileError; the file is then unchanged.
    void replaceContents(const QByteArray& bytes);

    // The restore points of the open ROM, newest first.
    QList<BackupStore::Backup> restorePoints() const;
    // Puts a restore point back (the file as it is now is backed up first), then every
    // document the session owns re-reads it. Throws BackupError and FileError.
    void restore(const BackupStore::Backup& backup);

    // The title screen of the open ROM, read on first use. Null before a ROM is open.
    TitleDocument* titleDocument();
    // The tile set document of a run of stored tiles, shared by every level that reads it;
    // read on first use. Null before a ROM is open.
    TileSetDocument* tileSet(const TileRange& range);

    // The levels' shared screen arrays and exit scripts; empty until a level asks.
    ScreenArraysDocument* screenArrays();

    // The object list `level` (0-31) uses, read on first use from `rom` when given (a file of
    // the session's ROM already open), else from the session; levels whose pointers are equal
    // share one. Null before a ROM is open. Another ROM, or new contents, replaces them all
    // (opened()): holders ask again then.
    ObjectListDocument* objectList(int level, const RomFile* rom = nullptr);

    // For tests: the restore points' clock.
    BackupStore& backups() { return backups_; }

signals:
    // Another ROM, or the same file with new contents (a restore, a patch), is in place: every
    // view of the session's data shows it anew. Level documents are re-read by their windows.
    void opened();
    // A write reached the disk.
    void written();

private:
    // `rom`: the file as opened, when the caller has it (no second open for the object lists).
    void reread(const RomFile* rom = nullptr);

    QString path_;
    uint8_t version_ = 0;
    BackupStore backups_;
    TitleDocument* title_ = nullptr;  // a child, made on first use
    // A child, made on first use.
    ScreenArraysDocument* screenArrays_ = nullptr;
    // Children, made on first use.
    QList<TileSetDocument*> tileSets_;
    // The object lists as read when the ROM was opened, and their documents (children, by
    // level), each made on first use.
    QList<ObjectListDocument*> objectLists_;
};

}  // namespace zantor
