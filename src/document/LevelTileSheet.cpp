#include "LevelTileSheet.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>

#include "TileEditCommand.h"
#include "TileSetDocument.h"
#include "session/RomSession.h"

namespace zantor {

namespace {
const TileEditCommand* tileCommand(const QUndoStack* stack, int index) {
    if (index < 0 || index >= stack->count())
        return nullptr;
    return dynamic_cast<const TileEditCommand*>(stack->command(index));
}
}  // namespace

bool LevelTileSheet::isValid() const {
    return std::all_of(runs_.begin(), runs_.end(), [](TileSetDocument* run) { return run; });
}

TileSetDocument* LevelTileSheet::runOf(uint8_t tile) const {
    return runs_[size_t(TilePlaceOf(tile).group)];
}

TileBytes LevelTileSheet::tile(uint8_t tile) const {
    const TilePlace place = TilePlaceOf(tile);
    return runs_[size_t(place.group)]->tile(place.index);
}

QByteArray LevelTileSheet::bytes() const {
    QByteArray sheet(256 * 16, '\0');
    for (int t = 0; t < 256; ++t) {
        const TileBytes bytes = tile(uint8_t(t));
        std::copy(bytes.begin(), bytes.end(), sheet.begin() + 16 * t);
    }
    return sheet;
}

int LevelTileSheet::setTiles(const std::vector<TileChange>& changes, const QString& text,
                             int strokeId) {
    if (!isValid())
        return 0;
    std::vector<TileEditCommand::Edit> edits;
    TileSetDocument* home = nullptr;
    for (const auto& [number, after] : changes) {
        const TilePlace place = TilePlaceOf(number);
        TileSetDocument* run = runs_[size_t(place.group)];
        const TileBytes before = run->tile(place.index);
        if (before == after)
            continue;
        const bool again = std::any_of(edits.begin(), edits.end(), [&](const auto& edit) {
            return edit.tiles == run && edit.index == place.index;
        });
        if (again)
            continue;  // the first change of a tile wins
        edits.push_back({run, place.index, before, after});
        if (!home)
            home = run;
    }
    if (!home)
        return 0;
    const int count = int(edits.size());
    home->undoStack()->push(new TileEditCommand(text, std::move(edits), strokeId));
    return count;
}

QList<TileSetDocument*> LevelTileSheet::runsOf(const QList<int>& tiles) const {
    QList<TileSetDocument*> runs;
    for (int t : tiles) {
        TileSetDocument* run = runOf(uint8_t(t));
        if (run && !runs.contains(run))
            runs.append(run);
    }
    return runs;
}

LevelTileSheet::ImportResult LevelTileSheet::import(const QByteArray& sheet) {
    ImportResult result;
    if (!isValid() || sheet.size() != 256 * 16)
        return result;
    std::vector<TileChange> changes;
    for (int t = 0; t < 256; ++t) {
        const TileBytes after = TileFromBytes(sheet.constData() + 16 * t);
        if (after != tile(uint8_t(t))) {
            changes.emplace_back(uint8_t(t), after);
            result.changedTiles.append(t);
        }
    }
    setTiles(changes, QCoreApplication::translate("LevelTileSheet", "Import Tile Sheet"));
    result.changedRuns = runsOf(result.changedTiles);
    return result;
}

QList<TileSetDocument*> LevelTileSheet::distinctRuns() const {
    QList<TileSetDocument*> runs;
    for (TileSetDocument* run : runs_) {
        if (run && !runs.contains(run))
            runs.append(run);
    }
    return runs;
}

bool LevelTileSheet::canUndo() const {
    const QList<TileSetDocument*> runs = distinctRuns();
    return std::any_of(runs.begin(), runs.end(),
                       [](TileSetDocument* run) { return run->undoStack()->canUndo(); });
}

bool LevelTileSheet::canRedo() const {
    const QList<TileSetDocument*> runs = distinctRuns();
    return std::any_of(runs.begin(), runs.end(),
                       [](TileSetDocument* run) { return run->undoStack()->canRedo(); });
}

void LevelTileSheet::undo() {
    QUndoStack* latest = nullptr;
    uint64_t latestSequence = 0;
    for (TileSetDocument* run : distinctRuns()) {
        QUndoStack* stack = run->undoStack();
        const TileEditCommand* command = tileCommand(stack, stack->index() - 1);
        if (command && (!latest || command->sequence() > latestSequence)) {
            latest = stack;
            latestSequence = command->sequence();
        }
    }
    if (latest)
        latest->undo();
}

void LevelTileSheet::redo() {
    // The step undone last is the one whose undo happened last.
    QUndoStack* latest = nullptr;
    uint64_t latestSequence = 0;
    for (TileSetDocument* run : distinctRuns()) {
        QUndoStack* stack = run->undoStack();
        const TileEditCommand* command = tileCommand(stack, stack->index());
        if (command && (!latest || command->sequence() > latestSequence)) {
            latest = stack;
            latestSequence = command->sequence();
        }
    }
    if (latest)
        latest->redo();
}

bool LevelTileSheet::isModified() const {
    const QList<TileSetDocument*> runs = distinctRuns();
    return std::any_of(runs.begin(), runs.end(),
                       [](TileSetDocument* run) { return run->isModified(); });
}

void LevelTileSheet::save(RomSession& session) const {
    const QList<TileSetDocument*> runs = distinctRuns();
    session.write([&](RomFile& rom) {
        for (TileSetDocument* run : runs)
            run->writeChanges(rom);
    });
    for (TileSetDocument* run : runs)
        run->markWritten();
}

}  // namespace zantor
