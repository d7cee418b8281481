#include "RomSession.h"

#include <QSet>
#include <optional>

#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "document/ObjectListDocument.h"
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
    reread(&rom);
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

ObjectListDocument* RomSession::objectList(int level, const RomFile* rom) {
    if (!isOpen() || level < 0 || level >= kMapCount)
        return nullptr;
    if (objectLists_.isEmpty())
        objectLists_.fill(nullptr, kMapCount);
    if (!objectLists_[level]) {
        ObjectListSource source;
        try {
            std::optional<RomFile> opened;
            if (!rom)
                rom = &opened.emplace(read());
            source = onRom(rom->path(), [&] { return ReadObjectListSource(*rom, level); });
        } catch (const Error& error) {
            source = {{level}, {}, error.text()};
        }
        auto* document = new ObjectListDocument(this, source, this);
        for (int user : source.levels)
            objectLists_[user] = document;
    }
    return objectLists_[level];
}

void RomSession::reread(const RomFile* rom) {
    if (title_)
        title_->reload();
    if (screenArrays_)
        screenArrays_->reload();
    for (TileSetDocument* tiles : tileSets_)
        tiles->reload(rom);
    // Which levels share a list may have changed: the lists are made anew on their next use.
    // Holders still have the old ones until their opened() handler asks again.
    for (ObjectListDocument* list :
         QSet<ObjectListDocument*>(objectLists_.begin(), objectLists_.end())) {
        if (list)
            list->deleteLater();
    }
    objectLists_.clear();
    emit opened();
}

}  // namespace zantor
