#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "codec/TilePixels.h"
#include "map/TileRanges.h"

namespace zantor {

class RomSession;
class TileSetDocument;

// A level's 256 tiles as one sheet over the five runs they are stored in (tile t lives in the
// run TilePlaceOf(t) names). What the tile editor and the command line edit through: each
// edit is one step, also when it spans several runs. A plain value: the runs belong to the
// session.
class LevelTileSheet {
public:
    using Runs = std::array<TileSetDocument*, kTileGroupCount>;
    LevelTileSheet() = default;
    explicit LevelTileSheet(const Runs& runs) : runs_(runs) {}

    bool isValid() const;
    Runs runs() const { return runs_; }
    TileSetDocument* runOf(uint8_t tile) const;
    TileBytes tile(uint8_t tile) const;
    // The 256 tiles' 4096 bytes in tile number order.
    QByteArray bytes() const;

    // Gives tiles new bytes as one step; within one stroke (strokeId not 0) the steps merge.
    // Tiles that keep their bytes are left out. Returns the number of tiles that change.
    using TileChange = std::pair<uint8_t, TileBytes>;
    int setTiles(const std::vector<TileChange>& changes, const QString& text, int strokeId = 0);
    // The runs these tiles are stored in, each once.
    QList<TileSetDocument*> runsOf(const QList<int>& tiles) const;

    // An imported sheet (4096 bytes, tile number order): only differing tiles change, as one
    // step. Says which tiles and which runs changed.
    struct ImportResult {
        QList<int> changedTiles;
        QList<TileSetDocument*> changedRuns;
    };
    ImportResult import(const QByteArray& sheet);

    // The histories of the five runs as one: the last step done on any of them.
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();

    bool isModified() const;
    // Every run's changed tiles written in one commit through the session. Throws
    // RomFileError and BackupError; nothing is then marked saved.
    void save(RomSession& session) const;

private:
    QList<TileSetDocument*> distinctRuns() const;

    Runs runs_{};
};

}  // namespace zantor
