#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "Document.h"
#include "codec/TilePixels.h"
#include "map/TileRanges.h"

namespace zantor {

class RomFile;
class RomSession;

// One run of stored tiles (a level's group A, B, C or D, see TileRanges), owned by the session
// and shared by every level that reads the same bytes: an edit through one level shows in all
// of them. It knows which levels read it. Edits arrive as TileEditCommand (a stroke, a tool, an
// import), which may span the runs of one sheet; nothing reaches the ROM before a save, which
// writes only the changed tiles' 16 bytes.
class TileSetDocument : public Document {
    Q_OBJECT

public:
    TileSetDocument(RomSession* session, TileRange range, QObject* parent = nullptr);
    ~TileSetDocument() override;

    // Reads the tiles and which levels share them from the session's ROM, and starts a new
    // history. When they cannot be read the tiles are all 0 and loadError() says why.
    // Reads the run anew, from `rom` when the caller has the file open already. Tiles whose
    // bytes changed (a new ROM, discarded edits) are announced by tilesChanged().
    void reload(const RomFile* rom = nullptr);
    bool isLoaded() const { return loaded_; }
    const QString& loadError() const { return loadError_; }

    const TileRange& range() const { return range_; }
    int tileCount() const { return range_.tiles; }
    TileBytes tile(int index) const { return TileFromBytes(bytes_.constData() + 16 * index); }
    // The map indices of the levels that read exactly this run.
    const QList<int>& sharingLevels() const { return sharingLevels_; }

    QList<int> modifiedTiles() const;

    // The changed tiles' bytes into the ROM (part of a caller's commit), then, once the commit
    // is done, markWritten().
    void writeChanges(RomFile& rom) const;
    void markWritten();

    // The editor's "do not ask again" before the first edit of a run other levels share.
    bool sharingConfirmed() const { return sharingConfirmed_; }
    void confirmSharing() { sharingConfirmed_ = true; }

signals:
    // Read anew (also when it could not be).
    void loaded();
    // These tiles (places in the run) changed.
    void tilesChanged(const QList<int>& indices);

protected:
    bool differsFromRom() const override;

private:
    friend class TileEditCommand;
    void applyTile(int index, const TileBytes& tile);
    void tilesApplied(const QList<int>& indices);

    RomSession* session_;
    TileRange range_;
    bool loaded_ = false;
    QString loadError_;
    QByteArray bytes_;
    QByteArray savedBytes_;
    QList<int> sharingLevels_;
    bool sharingConfirmed_ = false;
};

}  // namespace zantor
