#include "TileSetDocument.h"

#include <cstring>
#include <optional>

#include "codec/RomFile.h"
#include "map/MapTable.h"
#include "session/RomSession.h"

namespace zantor {

TileSetDocument::TileSetDocument(RomSession* session, TileRange range, QObject* parent)
    : Document(parent), session_(session), range_(range), bytes_(16 * range.tiles, '\0') {
    savedBytes_ = bytes_;
}

TileSetDocument::~TileSetDocument() {
    // The commands call back into the documents; they go first. The levels that follow this
    // run hear nothing of it: they may be going too.
    blockSignals(true);
    undo_.clear();
}

void TileSetDocument::reload(const RomFile* opened) {
    QByteArray bytes(16 * range_.tiles, '\0');
    QList<int> sharing;
    try {
        std::optional<RomFile> own;
        if (!opened)
            own = session_->read();
        const RomFile& rom = opened ? *opened : *own;
        RomSession::onRom(rom.path(), [&] {
            rom.ReadRomBytes(range_.offset, int32_t(bytes.size()),
                             reinterpret_cast<uint8_t*>(bytes.data()));
        });
        const uint8_t version = ReadRomVersion(rom);
        for (int m = 0; m < kMapCount; ++m) {
            try {
                const auto ranges = TileRangesOf(ReadTileSources(rom, m, version));
                if (std::find(ranges.begin(), ranges.end(), range_) != ranges.end())
                    sharing.append(m);
            } catch (const RomAccessError&) {
                // A level whose tables cannot be read shares nothing.
            }
        }
        loaded_ = true;
        loadError_.clear();
    } catch (const RomFileError& error) {
        loaded_ = false;
        loadError_ = error.text();
        bytes.fill('\0');
    }
    QList<int> changed;
    for (int i = 0; i < range_.tiles; ++i) {
        if (bytes_.size() != bytes.size() ||
            std::memcmp(bytes_.constData() + 16 * i, bytes.constData() + 16 * i, 16) != 0)
            changed.append(i);
    }
    bytes_ = savedBytes_ = bytes;
    sharingLevels_ = sharing;
    sharingConfirmed_ = false;
    startHistory();
    if (!changed.isEmpty())
        emit tilesChanged(changed);
    emit loaded();
}

QList<int> TileSetDocument::modifiedTiles() const {
    QList<int> tiles;
    for (int i = 0; i < range_.tiles; ++i) {
        if (std::memcmp(bytes_.constData() + 16 * i, savedBytes_.constData() + 16 * i, 16) != 0)
            tiles.append(i);
    }
    return tiles;
}

void TileSetDocument::writeChanges(RomFile& rom) const {
    for (int i : modifiedTiles())
        rom.WriteRomBytes(range_.offset + 16 * i, bytes_.constData() + 16 * i, 16);
}

void TileSetDocument::markWritten() {
    savedBytes_ = bytes_;
    markSaved();
}

bool TileSetDocument::differsFromRom() const {
    return bytes_ != savedBytes_;
}

void TileSetDocument::applyTile(int index, const TileBytes& tile) {
    std::memcpy(bytes_.data() + 16 * index, tile.data(), tile.size());
}

void TileSetDocument::tilesApplied(const QList<int>& indices) {
    // A step kept on another run's history changes this one too.
    updateModified();
    emit tilesChanged(indices);
}

}  // namespace zantor
