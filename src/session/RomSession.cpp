#include "RomSession.h"

#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "document/ScreenArraysDocument.h"
#include "document/TileSetDocument.h"
#include "document/TitleDocument.h"
#include "map/MapTable.h"

namespace zantor {

RomSession::RomSession(QObject* parent) : QObject(parent) {}

RomSession::~RomSession() = default;

void RomSession::open(const RomFile& rom) {
    path_ = rom.path();
    version_ = ReadRomVersion(rom);
    backups_.opened(path_);
    reread();
}

RomFile RomSession::read() const {
    if (!isOpen())
        throw RomFileError(RomFileError::Kind::Open, QString(), tr("no ROM is open"));
    return RomFile::open(path_);
}

void RomSession::write(const std::function<void(RomFile&)>& body) {
    // No write without its way back.
    backups_.backupBeforeFirstSave(path_);
    onRom(path_, [&] {
        RomFile rom = read();
        body(rom);
        rom.commit();
    });
    emit written();
}

void RomSession::replaceContents(const QByteArray& bytes) {
    backups_.backupBeforeFirstSave(path_);
    QString reason;
    if (!AtomicFileWriter::write(path_, bytes, &reason))
        throw FileError(FileError::Kind::Write, path_, reason);
    emit written();
    reread();
}

QList<BackupStore::Backup> RomSession::restorePoints() const {
    return isOpen() ? backups_.list(path_) : QList<BackupStore::Backup>();
}

void RomSession::restore(const BackupStore::Backup& backup) {
    backups_.restore(path_, backup);
    emit written();
    reread();
}

TitleDocument* RomSession::titleDocument() {
    if (!isOpen())
        return nullptr;
    if (!title_) {
        title_ = new TitleDocument(this, this);
        title_->reload();
    }
    return title_;
}

ScreenArraysDocument* RomSession::screenArrays() {
    if (!screenArrays_)
        screenArrays_ = new ScreenArraysDocument(this, this);
    return screenArrays_;
}

TileSetDocument* RomSession::tileSet(const TileRange& range) {
    if (!isOpen())
        return nullptr;
    for (TileSetDocument* tiles : tileSets_) {
        if (tiles->range() == range)
            return tiles;
    }
    auto* tiles = new TileSetDocument(this, range, this);
    tiles->reload();
    tileSets_.append(tiles);
    return tiles;
}

void RomSession::reread() {
    if (title_)
        title_->reload();
    if (screenArrays_)
        screenArrays_->reload();
    for (TileSetDocument* tiles : tileSets_)
        tiles->reload();
    emit opened();
}

}  // namespace zantor
